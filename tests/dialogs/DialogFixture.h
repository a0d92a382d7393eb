#pragma once
// The fixture of the dialog tests: a user database and a library database of the test's
// own in a folder of its own, loaded as the program loads them, the English texts, and a
// fake application that records help topics.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/FakeKelvoApp.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/UiTest.h"

namespace dialogtest {

class DialogFixture : public uitest::Fixture {
  protected:
    DialogFixture();
    ~DialogFixture() override;

    // Writes both databases ("user.dat", "bibo.ini") and loads them in place of any
    // loaded before.
    void LadeDatenbanken(const std::vector<std::u16string>& user,
                         const std::vector<std::u16string>& bibo = {u"[BiboInfo]", u"Version=1.0"});
    std::filesystem::path UserDatei() const { return ordner.file("user.dat"); }
    std::string UserBytes() const { return testsupport::ReadFileBytes(UserDatei()); }
    std::vector<std::u16string> UserZeilen() const {
        return testsupport::ReadDatabaseLines(UserDatei());
    }
    // Whether the user database file holds the line in the section; both compare without
    // the case of A-Z, as the file keeps section names and keys in lower case.
    bool UserHat(std::u16string_view section, std::u16string_view zeile) const;
    bool UserHatSection(std::u16string_view section) const;
    // The texts of the message boxes shown so far.
    std::vector<std::u16string> BoxTexte() const;

    testsupport::TempFolder ordner;
    testsupport::FakeKelvoApp app;
};

// The language text with its "\n" as the message boxes show it.
std::u16string Text(unsigned id);

}  // namespace dialogtest
