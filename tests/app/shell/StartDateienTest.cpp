// The program folder, the configuration file and the language of the modules present.
#include <gtest/gtest.h>

#include "app/shell/StartDateien.h"
#include "core/text/ResManager.h"
#include "tests/support/FixtureDatabase.h"

namespace {

using testsupport::TempFolder;

CVRMString ordnerVon(const TempFolder& f) {
    return CVRMString::fromUtf8(f.path().string() + "/");
}

TEST(StartDateien, ProgrammOrdner) {
    EXPECT_EQ(std::u16string(ProgrammOrdnerAus(u"/opt/varmion/Varmion")), u"/opt/varmion/");
    EXPECT_EQ(std::u16string(ProgrammOrdnerAus(u"C:\\Programme\\Varmion.exe")), u"C:\\Programme\\");
    // After the backslash cut a forward slash still left is cut too.
    EXPECT_EQ(std::u16string(ProgrammOrdnerAus(u"/a/b\\c/Varmion")), u"/a/");
}

TEST(StartDateien, AbsolutePfade) {
    EXPECT_TRUE(IstAbsoluterPfad(u"C:bericht.htm"));
    EXPECT_TRUE(IstAbsoluterPfad(u"vorlagen\\bericht.htm"));
    EXPECT_TRUE(IstAbsoluterPfad(u"http://host/bericht.htm"));
    // A leading "/" is absolute on this system.
    EXPECT_TRUE(IstAbsoluterPfad(u"/home/x/bericht.htm"));
    EXPECT_FALSE(IstAbsoluterPfad(u"bericht.htm"));
    EXPECT_FALSE(IstAbsoluterPfad(u"vorlagen/bericht.htm"));
}

class KonfigTest : public ::testing::Test {
  protected:
    // The profile reads need the number format of value lines.
    KonfigTest() { CResManager::setEntry(3367, u"%lu"); }
    ~KonfigTest() override { CResManager::freeLangRes(); }
    TempFolder ordner;
};

TEST_F(KonfigTest, WirdMitBomAngelegtUndGelesen) {
    const CKonfigDatei konfig(ordnerVon(ordner));
    EXPECT_EQ(konfig.Lese(u"lang_pri"), 0);  // no file: 0
    konfig.LegeAnWennFehlt();
    EXPECT_EQ(testsupport::ReadFileBytes(ordner.file("varmion.cfg")), std::string("\xFF\xFE"));
    EXPECT_EQ(konfig.Lese(u"lang_pri"), 0);
    konfig.Schreibe(u"lang_pri", 9);
    konfig.Schreibe(u"lang_sub", 1);
    konfig.Schreibe(u"lang_pri", 16);
    EXPECT_EQ(konfig.Lese(u"lang_pri"), 16);
    EXPECT_EQ(konfig.Lese(u"lang_sub"), 1);
    const auto zeilen = testsupport::ReadDatabaseLines(ordner.file("varmion.cfg"));
    EXPECT_EQ(zeilen, (std::vector<std::u16string>{u"[config]", u"lang_pri=16", u"lang_sub=1"}));
    // An existing file is left as it is.
    konfig.LegeAnWennFehlt();
    EXPECT_EQ(konfig.Lese(u"lang_pri"), 16);
}

TEST(Sprachermittlung, ErsterTrefferNachNamen) {
    TempFolder ordner;
    EXPECT_EQ(SpracheDerResModule(ordnerVon(ordner)), 0);
    testsupport::WriteFileBytes(ordner.file("Varmtextita.so"), "x");
    testsupport::WriteFileBytes(ordner.file("Varmtexteng.so"), "x");
    testsupport::WriteFileBytes(ordner.file("Anderes.so"), "x");
    // Sorted by name "Varmtexteng.so" comes first, whatever the directory's order.
    EXPECT_EQ(SpracheDerResModule(ordnerVon(ordner)), 0x0409);
    // The German module's title ends in "ext": no known language, which takes the
    // German row.
    testsupport::WriteFileBytes(ordner.file("Varmtext.so"), "x");
    EXPECT_EQ(SpracheDerResModule(ordnerVon(ordner)), 0);
}

}  // namespace
