#pragma once
// A fresh value store over two small fixture databases: the core library's application
// object and the value-store provider are process-wide, so every test starts from new
// ones, with the English texts the store reports and formats with, records the boxes it
// causes, and keeps its databases in a folder of its own.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/value/VRMString.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordedBoxes.h"

namespace testsupport {

class ValueStoreFixture : public ::testing::Test {
  protected:
    ValueStoreFixture();
    ~ValueStoreFixture() override;

    // Writes both databases as UTF-16 files ("user.dat", "bibo.ini") and loads them.
    void loadDatabases(const std::vector<std::u16string>& user,
                       const std::vector<std::u16string>& bibo);

    // The user database as it is on disk now, and the lines of one of its sections
    // (without the section line; the section is given as written, e.g. u"[haus1]").
    std::vector<std::u16string> userFileLines() const;
    std::vector<std::u16string> userSectionLines(std::u16string_view sectionLine) const;
    // Whether a section of the user database file holds the line; sections and lines compare
    // without case of A-Z, since a flush writes section names and keys in lower case.
    bool userSectionHolds(std::u16string_view section, std::u16string_view line) const;

    // The texts of the boxes shown so far.
    std::vector<std::u16string> boxTexts() const;
    // The text of the error box of a text id and place.
    static std::u16string errorBox(unsigned textId, std::u16string_view place);

    testsupport::RecordedBoxes boxes;
    TempFolder folder;

  private:
    platform::ModuleHandle module_ = nullptr;
    platform::ModuleHandle previousResource_ = nullptr;
};

}  // namespace testsupport
