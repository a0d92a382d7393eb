#include "model/data/DateiHilfen.h"

#include <filesystem>
#include <vector>

#include "tests/model/BoxFixture.h"
#include "tests/support/FixtureDatabase.h"

namespace {

TEST(DateiHilfen, PictureNamesBesideTheReport) {
    struct Fall {
        std::u16string pfad;
        unsigned chart;
        std::u16string voll, name;
    };
    const Fall faelle[] = {
        {u"/daten/reports/Haus.htm", 646, u"/daten/reports/Haus_picV.bmp", u"Haus_picV.bmp"},
        {u"C:\\Reports\\Haus.htm", 656, u"C:\\Reports\\Haus_picSF.png", u"Haus_picSF.png"},
        {u"Haus", 660, u"Haus_picW2.bmp", u"Haus_picW2.bmp"},
        {u"/a.b/Haus.v1.htm", 999, u"/a.b/Haus.v1_picXY.bmp", u"Haus.v1_picXY.bmp"},
        {u"", 646, u"", u""},
    };
    for (const auto& f : faelle) {
        CVRMString voll(u"alt"), name(u"alt");
        GetBildDateiName(f.pfad, f.chart, voll, name);
        EXPECT_EQ(voll, f.voll);
        EXPECT_EQ(name, f.name);
    }
}

TEST(DateiHilfen, FileNameAfterTheLastSeparator) {
    const std::pair<std::u16string, std::u16string> faelle[] = {
        {u"/a/b/c.txt", u"c.txt"},
        {u"C:\\x\\y.ini", u"y.ini"},
        {u"nur.txt", u"nur.txt"},
        {u"/a/", u""},
    };
    for (const auto& [pfad, name] : faelle) {
        CVRMString p(pfad);
        GetDateiNameAusPfad(p);
        EXPECT_EQ(p, name);
    }
}

TEST(DateiHilfen, LanguageOfTheFirstResourceModuleThatMatchesThePattern) {
    struct Fall {
        std::vector<const char*> dateien;
        std::u16string muster;
        int sprache;
    };
    const Fall faelle[] = {
        // The start-up pattern; of several modules the first by name counts, whatever the
        // order of the folder.
        {{"Varmtextita.so", "Varmtexteng.so", "andere.so"}, u"Varmtext*", 1033},
        {{"Varmtextita.so", "Varmtextslv.so"}, u"Varmtext*", 1040},
        {{"VARMTEXTRES.SO"}, u"Varmtext*", 1031},  // without case
        {{"Varmtexteng.so"}, u"Varmtext???.so", 1033},
        {{"Varmtexteng.so"}, u"Varmtext*.dll", 0},  // no match
        {{"andere.so"}, u"Varmtext*", 0},
        {{"Varmtextxyz.so"}, u"Varmtext*", 0},          // unknown code
        {{"Varmtexteng.so"}, u"Varmtexteng.so", 1033},  // a plain name matches itself
        {{}, u"Varmtext*", 0},
    };
    for (const Fall& f : faelle) {
        testsupport::TempFolder ordner;
        for (const char* datei : f.dateien) testsupport::WriteFileBytes(ordner.file(datei), "x");
        const CVRMString pfad = CVRMString::fromUtf8(ordner.path().string());
        EXPECT_EQ(GetSpracheVonResDatei(pfad, f.muster), f.sprache)
            << CVRMString(f.muster).toUtf8();
    }
    // A folder that matches is not a module; a missing folder has none.
    testsupport::TempFolder ordner;
    std::filesystem::create_directory(ordner.file("Varmtexteng"));
    const CVRMString pfad = CVRMString::fromUtf8(ordner.path().string());
    EXPECT_EQ(GetSpracheVonResDatei(pfad, u"Varmtext*"), 0);
    EXPECT_EQ(GetSpracheVonResDatei(pfad + u"/fehlt", u"Varmtext*"), 0);

    testsupport::WriteFileBytes(ordner.file("Varmtexteng.so"), "x");
    EXPECT_TRUE(DateiExistiert(pfad + u"/Varmtexteng.so"));
    EXPECT_FALSE(DateiExistiert(pfad + u"/Varmtextdeu.so"));
    EXPECT_FALSE(DateiExistiert(u""));
}

}  // namespace
