// Solar plants through the dispatcher: gains of the three kinds through save and reload,
// collector yields, any stored value of a plant, writing yield records, saving a copy.
#include <gtest/gtest.h>

#include "core/db/Global.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "tests/solar/SolarFixture.h"

namespace {

using solartest::Ertrag;
using solartest::SolarFixture;
using solartest::Tokens;
using solartest::Zerlege;
using Texte = std::vector<std::u16string>;

class AnlageTest : public SolarFixture {
  protected:
    AnlageTest() {
        Lade({u"[Anlage2]", u"SolKollBez=Koll-A", u"[Anlage-Std]", u"KFlaeche=3.000000"});
        Initialisiere();
        EXPECT_EQ(Rufe(14, u"Anlage1§#§"), 1);
    }

    Texte Gewinne(const CVRMString& anlage, int art) {
        EXPECT_EQ(Rufe(15, Tokens({anlage, platform::format(u"%i", art)})), 1);
        return Zerlege(ergebnis);
    }
};

TEST_F(AnlageTest, GainsAreReadAsStored) {
    Texte erwartet(12);
    erwartet[0] = u"45.00#12.50#";
    erwartet[1] = u"40.00#20.00#";
    EXPECT_EQ(Gewinne(u"Anlage1", 1), erwartet);
    EXPECT_EQ(Gewinne(u"Anlage1", 2), Texte(12));
    // A kind other than 1 to 3.
    EXPECT_EQ(Rufe(15, u"Anlage1§#§4§#§"), 0);
    EXPECT_EQ(boxTexts(), Texte{errorBox(3162, u"CSolarAnlage2::GetSolarenGewinn")});
}

TEST_F(AnlageTest, GainsOfAllThreeKindsWithEmptyMonthsSurviveSaveAndReload) {
    // Each kind with months left empty between set ones.
    const Texte monate[3] = {
        {u"45.00#12.50#", u"", u"45.00#30.00#", u"", u"", u"", u"", u"", u"", u"", u"",
         u"45.00#9.00#"},
        {u"", u"", u"", u"", u"", u"35.00#4.25#", u"", u"", u"", u"", u"", u""},
        {u"", u"12.00#1.00#", u"", u"", u"", u"", u"", u"", u"", u"", u"18.00#7.50#", u""},
    };
    for (int art = 1; art <= 3; ++art) {
        CVRMString param = Tokens({u"Anlage1", platform::format(u"%i", art)});
        for (const auto& m : monate[art - 1]) param += Tokens({m});
        ASSERT_EQ(Rufe(16, param), 1) << art;
    }
    EXPECT_TRUE(userSectionHolds(u"[Anlage1]", u"solargewinnw11=45.00#9.00#"));
    EXPECT_TRUE(userSectionHolds(u"[Anlage1]", u"solargewinne10=18.00#7.50#"));

    // From the file on disk into a new store and a new library.
    CVRMdatenProvider::remove();
    ASSERT_EQ(
        CVRMglobApp::Get().SetDatenDatei(CVRMString::fromUtf8(folder.file("user.dat").string())),
        1);
    CVRMsolarApp neu;
    ASSERT_EQ(neu.DoSolarFunktion(11, u"1§#§", ergebnis), 1);
    ASSERT_EQ(neu.DoSolarFunktion(14, u"Anlage1§#§", ergebnis), 1);
    for (int art = 1; art <= 3; ++art) {
        ergebnis.clear();
        ASSERT_EQ(
            neu.DoSolarFunktion(15, Tokens({u"Anlage1", platform::format(u"%i", art)}), ergebnis),
            1);
        EXPECT_EQ(Zerlege(ergebnis), monate[art - 1]) << art;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AnlageTest, MonthsWithoutATokenAreRemoved) {
    // Twelve months, then only the first two: the rest are removed, not kept from before
    // and not copied from the last month sent.
    CVRMString alle = u"Anlage1§#§2§#§";
    for (int m = 0; m < 12; ++m) alle += Tokens({platform::format(u"%i.00#1.00#", 30 + m)});
    ASSERT_EQ(Rufe(16, alle), 1);
    ASSERT_EQ(Rufe(16, Tokens({u"Anlage1", u"2", u"50.00#2.00#", u"51.00#3.00#"})), 1);
    Texte erwartet(12);
    erwartet[0] = u"50.00#2.00#";
    erwartet[1] = u"51.00#3.00#";
    EXPECT_EQ(Gewinne(u"Anlage1", 2), erwartet);
    EXPECT_TRUE(userSectionHolds(u"[Anlage1]", u"solargewinnh2="));
}

TEST_F(AnlageTest, CollectorYieldsOfThePlant) {
    ASSERT_EQ(Rufe(32, u"Anlage1§#§30§#§"), 1);
    // January 9 as interpolated from 10 and 8; the other months from 100 and 90.
    const Texte erwartet = {u"9.0",  u"95.0", u"95.0", u"95.0", u"95.0", u"95.0",
                            u"95.0", u"95.0", u"95.0", u"95.0", u"95.0", u"95.0"};
    EXPECT_EQ(Zerlege(ergebnis), erwartet);

    ASSERT_EQ(Rufe(39, u"Koll-A§#§"), 1);
    const Texte saetze = Zerlege(ergebnis);
    ASSERT_EQ(saetze.size(), 3u * 13u);
    EXPECT_EQ(saetze[0], u"20");
    EXPECT_EQ(saetze[1], u"10.0");
    EXPECT_EQ(saetze[13], u"40");
    EXPECT_EQ(saetze[26], u"60");
    EXPECT_EQ(saetze[38], u"80.0");
}

TEST_F(AnlageTest, APlantWithoutCollectorTakesTheStandardOne) {
    ASSERT_EQ(Rufe(14, u"Anlage-Std§#§"), 1);
    ASSERT_EQ(Rufe(32, u"Anlage-Std§#§40§#§"), 1);
    EXPECT_EQ(Zerlege(ergebnis)[0], u"40.0");  // halfway between 50 (20 °C) and 30 (60 °C)
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AnlageTest, AnyStoredValueOfAPlantIsRead) {
    const CVRMString name = u"Anlage1§#§";
    const struct {
        TKelvoDatenID id;
        CVRMVariant erwartet;
    } faelle[] = {
        {ID_SolKollBez, CVRMVariant(u"Koll-A")},  // in the plant's own list
        {ID_KFlaeche, CVRMVariant(7.5f)},         // not: read from the record
        {ID_KNeigung, CVRMVariant(35u)},         {ID_SolTauschVerlust, CVRMVariant(7u)},
        {ID_SolTauschVerlustH, CVRMVariant(5u)},  // not stored: its default
    };
    for (const auto& f : faelle) {
        CVRMVariant wert;
        EXPECT_EQ(app.GetSolarenWert(name, f.id, wert), 1) << f.id;
        EXPECT_EQ(wert, f.erwartet) << f.id;
    }
    // The collector's values by the collector's name.
    CVRMVariant wert;
    EXPECT_EQ(app.GetSolarenWert(u"Koll-A§#§", ID_DatenKAusrichtung, wert), 1);
    EXPECT_EQ(wert, CVRMVariant(-15));
    EXPECT_TRUE(boxes.shown.empty());

    // A plant the library was never told about.
    EXPECT_EQ(app.GetSolarenWert(u"Anlage2§#§", ID_KFlaeche, wert), 0);
    EXPECT_TRUE(wert.IsEmptyVal());
    EXPECT_EQ(boxTexts(), Texte{errorBox(3477, u"Anlage2")});
}

TEST_F(AnlageTest, ANewCollectorNameFillsThePlantsCollectorAnew) {
    EXPECT_EQ(
        app.SetSolarenWert(u"Anlage1§#§", ID_SolKollBez, CVRMVariant(solartest::kStdKollektor), 1),
        1);
    EXPECT_EQ(app.GetSolarAnlage(u"Anlage1")->GetKollektor().getConsumerName(),
              solartest::kStdKollektor);
    EXPECT_TRUE(userSectionHolds(u"[Anlage1]", u"solkollbez=StdCollector-Germany_(bib)"));
    ASSERT_EQ(Rufe(32, u"Anlage1§#§20§#§"), 1);
    EXPECT_EQ(Zerlege(ergebnis)[0], u"50.0");
}

TEST_F(AnlageTest, WrittenRecordsReplaceTheOldOnesAndPlantsReload) {
    ASSERT_EQ(Rufe(14, u"Anlage2§#§"), 1);
    const CVRMString param = Tokens({u"Koll-A", Ertrag(30, 20, 50), Ertrag(70, 10, 40)});
    ASSERT_EQ(Rufe(40, param), 1);
    EXPECT_FALSE(userSectionHolds(u"[Koll-A]", u"kollertrag2=" + Ertrag(60, 6, 80)));
    // Both plants of the collector took the new records: 50 °C halfway between 30 and 70.
    for (const char16_t* anlage : {u"Anlage1§#§50§#§", u"Anlage2§#§50§#§"}) {
        ASSERT_EQ(Rufe(32, anlage), 1);
        EXPECT_EQ(Zerlege(ergebnis)[0], u"15.0");
    }
}

TEST_F(AnlageTest, ElevenRecordsAreOneTooMany) {
    CVRMString param = Tokens({u"Koll-A"});
    for (int i = 0; i < 11; ++i) param += Tokens({Ertrag(10 + 10 * i, 20 - i, 50)});
    EXPECT_EQ(Rufe(40, param), 0);
    EXPECT_EQ(boxTexts(), Texte{errorBox(3105, u"CVRMdatenProvider3::WriteKollektorErtrag(P2)")});
    // Nothing was written, neither to the file nor to the database image that the next
    // save writes; the plant kept its records.
    EXPECT_TRUE(userSectionHolds(u"[Koll-A]", u"kollertrag2=" + Ertrag(60, 6, 80)));
    CVRMString satz;
    IGlobal::ReadIniString(u"Koll-A", u"KollErtrag0", satz, CVRMString());
    EXPECT_EQ(satz, Ertrag(20, 10, 100));
    ASSERT_EQ(Rufe(32, u"Anlage1§#§30§#§"), 1);
    EXPECT_EQ(Zerlege(ergebnis)[0], u"9.0");
}

TEST_F(AnlageTest, SavingACopy) {
    // No name: the box, and the call fails.
    EXPECT_EQ(Rufe(46, u"Anlage1§#§§#§"), 0);
    EXPECT_EQ(ergebnis, u"");
    EXPECT_EQ(boxTexts(), Texte{errorBox(3105, u"CSolarAnlage2::SaveAs")});

    ASSERT_EQ(Rufe(46, u"Anlage1§#§Kopie§#§"), 1);
    EXPECT_TRUE(userSectionHolds(u"[Kopie]", u"solkollbez=Koll-A"));
    EXPECT_TRUE(userSectionHolds(u"[Kopie]", u"solargewinnw1=40.00#20.00#"));
    // The plant stays the old one, and no plant of the new name exists.
    EXPECT_EQ(app.GetSolarAnlage(u"Anlage1")->getConsumerName(), u"Anlage1");
    EXPECT_EQ(app.GetSolarAnlage(u"Kopie"), nullptr);
}

}  // namespace
