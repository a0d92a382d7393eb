#pragma once
// The shipped library database as the program opens it: a fresh core with the English
// language table, an empty user database in a folder of its own and the generated
// library, with every message box recorded. The data files it was written from are read
// beside it for comparison.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Towns.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordedBoxes.h"

namespace librarytest {

class LibraryFixture : public ::testing::Test {
  protected:
    LibraryFixture();
    ~LibraryFixture() override;

    // Value of a key of the library, through the core's reads (empty when missing).
    static CVRMString Lies(const CVRMString& section, const CVRMString& key);
    static float LiesFloat(const CVRMString& section, const CVRMString& key);
    // The "#"-terminated numbers of a text, as the model's readers take them.
    static std::vector<float> Zahlen(const CVRMString& text);
    // A list of the library as shown: with the library, show-filtered.
    static CVRMStringArray Liste(int listId);
    static bool InListe(int listId, const CVRMString& name);

    // The data files, read once.
    static const libgen::Quellen& Daten();

    testsupport::RecordedBoxes boxes;
    testsupport::TempFolder folder;

  private:
    platform::ModuleHandle module_ = nullptr;
    platform::ModuleHandle previousResource_ = nullptr;
};

}  // namespace librarytest
