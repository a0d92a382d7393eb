#include "model/data/DateiHilfen.h"

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

TEST(DateiHilfen, LanguageOfAResourceModuleByItsTitle) {
    testsupport::TempFolder ordner;
    for (const char* datei : {"Varmtexteng.so", "VarmtextRES.so", "Varmtextxyz.so"})
        testsupport::WriteFileBytes(ordner.file(datei), "x");
    const CVRMString pfad = CVRMString::fromUtf8(ordner.path().string());
    const std::pair<std::u16string, int> faelle[] = {
        {u"Varmtexteng.so", 1033},
        {u"VarmtextRES.so", 1031},
        {u"Varmtextxyz.so", 0},
        {u"Varmtextdeu.so", 0},  // missing
    };
    for (const auto& [datei, sprache] : faelle)
        EXPECT_EQ(GetSpracheVonResDatei(pfad, datei), sprache) << CVRMString(datei).toUtf8();
    EXPECT_TRUE(DateiExistiert(pfad + u"/Varmtexteng.so"));
    EXPECT_FALSE(DateiExistiert(pfad + u"/Varmtextdeu.so"));
    EXPECT_FALSE(DateiExistiert(u""));
}

}  // namespace
