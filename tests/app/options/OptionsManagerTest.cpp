// The options manager over real database files: defaults, load corrections, placeholders,
// the additional-cost lists, saving and reading back through the user database file, and
// resetting to the defaults.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/options/OptionTable.h"
#include "app/options/OptionsManager.h"
#include "core/db/VRMglobApp.h"
#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "tests/core/db/GlobalFixture.h"
#include "tests/support/Sprachmodul.h"

namespace {

const std::u16string kProgramm = u"/opt/varmion/";
const std::u16string kDoc = u"office --open";

class OptionsTest : public GlobalFixture {
  protected:
    OptionsTest() {
        // The texts the options show and report are those of the shipped English table.
        testsupport::LadeSprache();
        manager.SetUmgebung(kProgramm, [] { return CVRMString(kDoc); });
    }

    // Both databases with the given "Optionen" lines; the library holds two tariffs.
    void Lade(std::vector<std::u16string> userOptionen,
              std::vector<std::u16string> biboOptionen = {}) {
        CVRMglobApp::ResetForTests();
        userOptionen.insert(userOptionen.begin(), u"[Optionen]");
        biboOptionen.insert(biboOptionen.begin(), u"[Optionen]");
        biboOptionen.insert(biboOptionen.end(), {u"[Tarife]", u"Basis (bib)", u"Nacht (bib)"});
        loadDatabases(userOptionen, biboOptionen);
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDir(u"/daten"), 1);
        manager.LoadOptions();
    }

    // Loads the databases again from their files, as the next start does.
    void NeuStart() {
        CVRMglobApp::ResetForTests();
        initialise();
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(path("user.dat")), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(path("bibo.ini"), 0), 1);
        manager.LoadOptions();
    }

    CVRMString Text(uint32_t id) {
        CVRMString wert;
        manager.GetStringWert(id, wert);
        return wert;
    }
    int32_t Long(uint32_t id) {
        int32_t wert = 0;
        return manager.GetLongWert(id, wert);
    }
    // The user database file's lines, lower-cased (the database keeps its keys so).
    std::vector<std::u16string> UserZeilen() const {
        auto zeilen = testsupport::ReadDatabaseLines(folder.file("user.dat"));
        for (auto& z : zeilen) {
            std::transform(z.begin(), z.end(), z.begin(),
                           [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
        }
        return zeilen;
    }
    CVRMString Roh(uint32_t id) { return manager.FindeOption(id)->GetStringWert(); }

    COptionsManager manager;
};

TEST_F(OptionsTest, WithoutStoredOptionsEveryOptionHasItsDefault) {
    Lade({});
    EXPECT_EQ(manager.FindeOption(1249)->GetStringWert(), u"Basis (bib)");
    const struct {
        uint32_t id;
        std::u16string wert;
    } texte[] = {
        {1216, u"Dublin (IRL) (bib)"},
        {1218, u"<calculated from climate>"},
        {1259, u"StandardS_(IRL)_(bib)"},
        {1217, u"<calculated from climate>"},
        {1255, u"Wood heating"},
        {1295, u"(D)(A)(CH)"},
        {1304, kProgramm},
        {1307, u"32"},
        {1266, u"0#100#0#85#0#90#0#90#0#100#0#100#"},
        {1212, kProgramm + u"templates"},
        {1213, u"/daten"},
        {1214, kDoc},  // empty, and "RMW" is 1
    };
    for (const auto& t : texte) EXPECT_EQ(Text(t.id), t.wert) << t.id;
    const struct {
        uint32_t id;
        int32_t wert;
    } zahlen[] = {{1284, 1},    {1250, 1},        {1302, 15}, {1248, 100}, {1305, -2},
                  {1269, 2000}, {1267, 0x93D9E6}, {1236, 0},  {1309, 1}};
    for (const auto& z : zahlen) EXPECT_EQ(Long(z.id), z.wert) << z.id;
    float pe = 0;
    EXPECT_FLOAT_EQ(manager.GetFloatWert(1296, pe), 2.6f);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsTest, TableHas73DistinctIdsAndKeys) {
    const auto tabelle = OptionTabelle();
    ASSERT_EQ(tabelle.size(), 73u);
    std::vector<uint32_t> ids;
    std::vector<std::u16string> keys;
    for (const auto& z : tabelle) {
        ids.push_back(z.id);
        keys.emplace_back(z.key);
        EXPECT_TRUE(z.id >= 1211 && z.id <= 1309) << z.id;
    }
    std::sort(ids.begin(), ids.end());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

TEST_F(OptionsTest, StoredTextsAreCorrectedOnLoad) {
    Lade({u"DefKlimaort=<without location>", u"DefSonnenort=<without location>",
          u"DefWetterort=<without location>", u"NameZET=   ", u"ImgDir=bilder", u"KLandAnz=(IRL)"});
    EXPECT_EQ(Text(1216), u"Dublin (IRL) (bib)");
    EXPECT_EQ(Text(1259), u"<without location>");
    EXPECT_EQ(Text(1218), u"<calculated from climate>");
    EXPECT_EQ(Text(1255), u"Wood heating");
    EXPECT_EQ(Text(1304), kProgramm + u"bilder");
    EXPECT_EQ(Text(1295), u"(IRL)");
}

TEST_F(OptionsTest, ImgDirStaysWhenAbsoluteAndNameZetIsTrimmed) {
    const struct {
        std::u16string gespeichert;
        std::u16string geladen;
    } faelle[] = {{u"C:\\Bilder", u"C:\\Bilder"}, {u"/srv/bilder", u"/srv/bilder"}};
    for (const auto& f : faelle) {
        Lade({u"ImgDir=" + f.gespeichert, u"NameZET=  Pellets "});
        EXPECT_EQ(Text(1304), f.geladen);
        EXPECT_EQ(Text(1255), u"Pellets");
    }
}

TEST_F(OptionsTest, ReportPathsExpandPlaceholdersOnlyAtTheirStart) {
    Lade({u"ReportDir={DataDir}/berichte", u"StdErgReport=x{DataDir}", u"VorlagenDir={InstDir}/de",
          u"ReportApp={DocApp} -p", u"Vorlage1={DataDir}"});
    EXPECT_EQ(Text(1213), u"/daten/berichte");
    EXPECT_EQ(Text(1215), u"x{DataDir}");
    EXPECT_EQ(Text(1212), kProgramm + u"templates/de");
    EXPECT_EQ(Text(1214), kDoc + u" -p");
    EXPECT_EQ(Text(1298), u"{DataDir}");  // not a report path
}

TEST_F(OptionsTest, EmptyReportAppFallsBackOnlyWithRmw) {
    Lade({u"ReportApp=", u"RMW=0"});
    EXPECT_EQ(Text(1214), u"");
    manager.SetLongWert(1309, 1);
    EXPECT_EQ(Text(1214), kDoc);
}

TEST_F(OptionsTest, AdditionalCostListsReadAsSumOfTheirNumbers) {
    const struct {
        std::u16string gespeichert;
        int32_t summe;
    } faelle[] = {
        {u"", 0},
        {u"250", 250},                            // without "#": one number
        {u"100#150#", 250},                       // two numbers each followed by "#"
        {u"100#150#7", 250},                      // the last number without "#" is not counted
        {u"1#2#3#4#5#6#7#", 21},                  // at most six numbers
        {u"#7#", 7},                              // a blank entry is 0
        {u"4294967295#4294967295#", 2147483647},  // the sum is clamped, not wrapped
    };
    for (const auto& f : faelle) {
        Lade({u"ZKostenGas=" + f.gespeichert});
        EXPECT_EQ(Long(1233), f.summe) << platform::toUtf8(f.gespeichert);
        EXPECT_EQ(Text(1233), f.gespeichert);
    }
}

// A damaged stored option, of each kind, is reported once with its key and text and takes
// its default; the load goes on, the other options keep what is stored, and the next save
// writes the default over the damage.
TEST_F(OptionsTest, ADamagedOptionIsReportedAndTakesItsDefault) {
    Lade({u"PEFaktor=abc", u"GrenzBT=12abc", u"ZKostenGas=abc#12x#", u"Wirtschaft=1#2#x#",
          u"BKostenDaten=1.5#nan#", u"GrenzErdT=30", u"NameZET=Ofen"});
    const std::vector<std::u16string> erwartet = {
        u"Content of database corrupted\n(Optionen: BKostenDaten=nan)",
        u"Content of database corrupted\n(Optionen: ZKostenGas=abc)",
        u"Content of database corrupted\n(Optionen: GrenzBT=12abc)",
        u"Content of database corrupted\n(Optionen: Wirtschaft=x)",
        u"Content of database corrupted\n(Optionen: PEFaktor=abc)"};
    std::vector<std::u16string> gezeigt = boxTexts();
    std::sort(gezeigt.begin(), gezeigt.end());
    std::vector<std::u16string> sortiert = erwartet;
    std::sort(sortiert.begin(), sortiert.end());
    EXPECT_EQ(gezeigt, sortiert);

    float pe = 0;
    EXPECT_FLOAT_EQ(manager.GetFloatWert(OPT_PEFAKTOR, pe), 2.6f);
    EXPECT_EQ(Long(OPT_GRENZ_BT), 100);
    EXPECT_EQ(Text(OPT_ZKOSTEN_GAS), u"");
    EXPECT_EQ(Text(OPT_BKOSTEN_DATEN), u"0#100#0#85#0#90#0#90#0#100#0#100#");
    EXPECT_EQ(Long(OPT_GRENZ_ERD_T), 30);
    EXPECT_EQ(Text(OPT_NAME_ZET), u"Ofen");

    manager.SaveOptions();
    const auto zeilen = UserZeilen();
    for (const char16_t* zeile :
         {u"pefaktor=2.600000", u"grenzbt=100", u"zkostengas=", u"grenzerdt=30"}) {
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), zeile), zeilen.end())
            << platform::toUtf8(zeile);
    }
}

TEST_F(OptionsTest, AdditionalCostListWrittenAsLongBecomesFiveZerosAndTheValue) {
    Lade({u"ZKostenWP=9#9#9#9#9#9#"});
    const struct {
        int32_t wert;
        std::u16string text;
    } faelle[] = {{0, u"0#0#0#0#0#0#"}, {250, u"0#0#0#0#0#250#"}};
    for (const auto& f : faelle) {
        manager.SetLongWert(1236, f.wert);
        EXPECT_EQ(Roh(1236), f.text);
        EXPECT_EQ(Long(1236), f.wert);
    }
}

TEST_F(OptionsTest, SavedOptionsComeBackFromTheUserDatabaseFile) {
    Lade({u"Classic=0"});
    const CVRMString pfad(u"C:\\Programme\\Haus.exe");
    manager.SetStringWert(1211, &pfad);
    manager.SetStringWert(1246, nullptr);
    manager.SetLongWert(1248, 120);
    manager.SetLongWert(1267, 0x123456);
    manager.SetLongWert(1305, -5);
    manager.SetLongWert(1232, 75);
    manager.SetFloatWert(1296, 1.8f);
    manager.SaveOptions();

    const auto zeilen = UserZeilen();
    for (const char16_t* zeile : {u"grenzbt=120", u"aqt=-5", u"zkostenelektrisch=0#0#0#0#0#75#",
                                  u"deftarif=basis (bib)", u"classic=1", u"polysunprog="}) {
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), zeile), zeilen.end())
            << platform::toUtf8(zeile);
    }

    manager.DeleteOptions();
    NeuStart();
    EXPECT_EQ(Text(1211), pfad);
    EXPECT_EQ(Text(1246), u"");
    EXPECT_EQ(Long(1248), 120);
    EXPECT_EQ(Long(1267), 0x123456);
    EXPECT_EQ(Long(1305), -5);
    EXPECT_EQ(Long(1232), 75);
    float pe = 0;
    EXPECT_FLOAT_EQ(manager.GetFloatWert(1296, pe), 1.8f);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsTest, SetzeStandardReturnsToLibraryValueOrCreationDefault) {
    Lade({u"GrenzBT=50", u"GrenzErdT=40", u"NameZET=Pellets"}, {u"GrenzErdT=30"});
    manager.SetLongWert(1248, 70);
    manager.SetzeStandard(1248, 1);  // not in the library: the creation default
    manager.SetzeStandard(1257, 1);  // the library's value
    manager.SetzeStandard(1255, 1);
    manager.SetzeStandard(4711, 1);  // no such option: ignored
    EXPECT_EQ(Long(1248), 100);
    EXPECT_EQ(Long(1257), 30);
    EXPECT_EQ(Text(1255), u"Wood heating");

    const auto zeilen = UserZeilen();
    for (const char16_t* weg : {u"grenzbt=50", u"grenzerdt=40", u"namezet=pellets"}) {
        EXPECT_EQ(std::find(zeilen.begin(), zeilen.end(), weg), zeilen.end())
            << platform::toUtf8(weg);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionsTest, UnknownIdsAreReportedOnReadAndIgnoredOnWrite) {
    Lade({});
    CVRMString text(u"x");
    manager.SetStringWert(9999, &text);
    manager.SetLongWert(9999, 1);
    manager.SetFloatWert(70000, 1.0f);
    EXPECT_TRUE(boxes.shown.empty());

    int32_t zahl = 0;
    EXPECT_THROW(manager.GetLongWert(9999, zahl), platform::UserException);
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Option 9999 not found !"});
}

TEST_F(OptionsTest, AccessOfAnotherKindIsWrongType) {
    Lade({});
    const struct {
        std::function<void()> zugriff;
        std::u16string ort;
    } faelle[] = {
        {[&] {
             int32_t z;
             manager.GetLongWert(1211, z);
         },
         u"COption::GetLongWert"},
        {[&] {
             float f;
             manager.GetFloatWert(1248, f);
         },
         u"COption::GetFloatWert"},
        {[&] {
             CVRMString t;
             manager.GetStringWert(1296, t);
         },
         u"COption::GetStringWert"},
        {[&] { manager.SetLongWert(1211, 3); }, u"COption::SetLongWert"},
    };
    for (const auto& f : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(f.zugriff(), platform::UserException);
        EXPECT_EQ(boxTexts(),
                  std::vector<std::u16string>{u"Wrong type of variant variable\n(" + f.ort + u")"});
    }
    EXPECT_EQ(Roh(1211), u"");  // the option kept its kind and value
}

TEST_F(OptionsTest, EmptyTariffListFailsTheLoadAndLeavesNoOptions) {
    loadDatabases({}, {u"[Optionen]", u"GrenzBT=50"});
    EXPECT_THROW(manager.LoadOptions(), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{u"Missing important data in database!\n"
                                                       u"(COptionsManager::ErzeugeOptionen)",
                                                       u"Error when loading program options"}));
    EXPECT_EQ(manager.FindeOption(1248), nullptr);
}

TEST_F(OptionsTest, OptionWithoutKeyIsRefused) {
    EXPECT_THROW(COption(1, u"", CVRMString(u"x"), 1), platform::UserException);
    EXPECT_THROW(COption(1, u"", int32_t{1}, 1), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{
                              u"Required data missing or data wrong\n(COption::COption(s))",
                              u"Required data missing or data wrong\n(COption::COption(l))"}));
}

}  // namespace
