// What the option pages read, decide and write, without windows, over real database files:
// the order and form of what they store, the defaults after a reset read back from the user
// database file, the countries, the report folder's write test, and the cost lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/options/OptsPage1Logik.h"
#include "app/options/OptsPage2Logik.h"
#include "app/options/OptsPage3Logik.h"
#include "app/options/OptsPage4Logik.h"
#include "app/options/OptsPage5Logik.h"
#include "app/options/OptsPage7Logik.h"
#include "app/options/OptionsManager.h"
#include "core/db/VRMglobApp.h"
#include "model/app/OptionIds.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/app/options/OptionenTestUmgebung.h"
#include "tests/core/db/GlobalFixture.h"
#include "tests/support/Sprachmodul.h"

namespace {

using platform::id::NO;
using platform::id::YES;
using Zeilen = std::vector<std::u16string>;

class OptsSeitenTest : public GlobalFixture {
  protected:
    OptsSeitenTest() {
        testsupport::LadeSprache();
        manager.SetUmgebung(u"/opt/varmion/", [] { return CVRMString(u"office --open"); });
    }

    // Both databases with the given "Optionen" lines; the library holds the lists the pages
    // offer.
    void Lade(Zeilen userOptionen, Zeilen biboOptionen = {}) {
        CVRMglobApp::ResetForTests();
        userOptionen.insert(userOptionen.begin(), u"[Optionen]");
        biboOptionen.insert(biboOptionen.begin(), u"[Optionen]");
        biboOptionen.insert(biboOptionen.end(),
                            {u"[Tarife]", u"Basis (bib)", u"Nacht (bib)", u"[Laender]",
                             u"1#Germany#D", u"2#Switzerland#CH", u"3#Austria#A",
                             u"15#Ireland#IRL", u"[Klimaorte]", u"1 Dublin (IRL) (bib)"});
        loadDatabases(userOptionen, biboOptionen);
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDir(u"/daten"), 1);
        manager.LoadOptions();
    }
    // The options of the next start, from the files.
    void NeuStart() {
        CVRMglobApp::ResetForTests();
        initialise();
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(path("user.dat")), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(path("bibo.ini"), 0), 1);
        manager.LoadOptions();
    }
    // The lines of the user database file, lower-cased as the database writes its keys.
    Zeilen UserZeilen() const {
        auto zeilen = testsupport::ReadDatabaseLines(folder.file("user.dat"));
        for (auto& z : zeilen)
            std::transform(z.begin(), z.end(), z.begin(),
                           [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
        return zeilen;
    }
    bool ImUserFile(std::u16string_view zeile) const {
        const auto z = UserZeilen();
        return std::find(z.begin(), z.end(), zeile) != z.end();
    }
    bool KeyImUserFile(std::u16string_view key) const {
        const auto z = UserZeilen();
        return std::any_of(z.begin(), z.end(), [&](const std::u16string& l) {
            return l.starts_with(std::u16string(key) + u"=");
        });
    }
    int32_t Zahl(uint32_t id) {
        int32_t wert = 0;
        return manager.GetLongWert(id, wert);
    }
    CVRMString Text(uint32_t id) {
        CVRMString wert;
        manager.GetStringWert(id, wert);
        return wert;
    }
    CVRMString Roh(uint32_t id) { return manager.FindeOption(id)->GetStringWert(); }

    COptionsManager manager;
    testsupport::OptionenTestUmgebung umgebung{manager};
};

TEST_F(OptsSeitenTest, AllgemeinSchreibtSeineWerteUndMeldetDieAenderung) {
    for (int land : {0, 3}) {
        SCOPED_TRACE(land);
        Lade({u"VezivoVero=/opt/haus/rechne", u"PEFaktor=1.8", u"RDV=50", u"AskDS=0",
              u"ExMode=0", u"AQT=-4"});
        umgebung.landCode = land;
        umgebung.hinweise.clear();
        COptsPage1Logik seite(umgebung);
        seite.Init();
        EXPECT_EQ(seite.m_vezivoVero, u"/opt/haus/rechne");
        EXPECT_EQ(seite.m_rdv, u"50");
        EXPECT_EQ(seite.m_grenzBT, 100);
        EXPECT_EQ(seite.ZeigtPEFaktor(), land == 0);

        seite.m_grenzBT = 120;
        seite.m_warnSTuSolar = 1;
        seite.m_rdf = u"25";
        seite.Apply();
        EXPECT_EQ(Zahl(OPT_GRENZ_BT), 120);
        EXPECT_EQ(Zahl(OPT_WARN_STU_SOLAR), 1);
        EXPECT_EQ(Text(OPT_RDF), u"25");
        // What the page only carries keeps its stored value.
        EXPECT_EQ(Zahl(OPT_ASK_DS), 0);
        EXPECT_EQ(Zahl(OPT_EX_MODE), 0);
        EXPECT_EQ(Zahl(OPT_AQT), -4);
        float pe = 0;
        EXPECT_FLOAT_EQ(manager.GetFloatWert(OPT_PEFAKTOR, pe), 1.8f);
        EXPECT_EQ(umgebung.hinweise, std::vector<int>{50});
    }
}

// The reset deletes the stored entries and shows what the program now uses: the library's
// value where it has one, else the option's own default; a next start reads the same.
TEST_F(OptsSeitenTest, WarnungenZuruecksetzenZeigtDieStandardwerteAuchNachDemNaechstenStart) {
    Lade({u"WarnQTemp1=1", u"GrenzBT=150", u"GrenzErdT=40", u"WPLaufzeit=3000", u"GeldInEuro=0"},
         {u"GrenzErdT=30"});
    COptsPage1Logik seite(umgebung);
    seite.Init();
    seite.m_geldInEuro = 1;  // typed, not yet applied

    boxes.script = {NO};
    EXPECT_FALSE(seite.SetzeWarnungenZurueck());
    EXPECT_EQ(seite.m_grenzBT, 150);
    EXPECT_TRUE(KeyImUserFile(u"grenzbt"));

    boxes.script = {YES};
    EXPECT_TRUE(seite.SetzeWarnungenZurueck());
    ASSERT_EQ(boxTexts().size(), 2u);
    EXPECT_EQ(boxTexts()[1], u"You cannot cancel this action!\r\nAre you sure to reset the values?");
    EXPECT_EQ(seite.m_warnQTemp1, 0);
    EXPECT_EQ(seite.m_grenzBT, 100);
    EXPECT_EQ(seite.m_grenzErdT, 30);
    EXPECT_EQ(seite.m_wpLaufzeit, 2000);
    EXPECT_EQ(seite.m_geldInEuro, 1);  // the other fields keep what the user entered
    for (const char16_t* key : {u"warnqtemp1", u"grenzbt", u"grenzerdt", u"wplaufzeit"})
        EXPECT_FALSE(KeyImUserFile(key)) << platform::toUtf8(key);
    EXPECT_TRUE(ImUserFile(u"geldineuro=0"));

    NeuStart();
    EXPECT_EQ(Zahl(OPT_GRENZ_BT), 100);
    EXPECT_EQ(Zahl(OPT_GRENZ_ERD_T), 30);
    EXPECT_EQ(Zahl(OPT_WPLAUFZEIT), 2000);
}

TEST_F(OptsSeitenTest, LaenderStandardmaessigDeutschlandOesterreichSchweiz) {
    Lade({u"DefKLand=3"});
    COptsPage2Logik seite(umgebung);
    seite.Init();
    // Without the country library the three German-speaking countries are offered.
    EXPECT_EQ(seite.m_laenderKuerzel, (CVRMStringArray{u"D", u"CH", u"A"}));
    EXPECT_EQ(seite.m_angezeigt, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(seite.m_land, 2);
    EXPECT_EQ(seite.m_klimaort, u"Dublin (IRL) (bib)");
    EXPECT_EQ(seite.m_tarif, u"Basis (bib)");
    EXPECT_EQ(seite.m_tarife, (CVRMStringArray{u"Basis (bib)", u"Nacht (bib)"}));

    const struct {
        std::vector<bool> gewaehlt;
        std::u16string text;
    } faelle[] = {
        {{true, true, true}, u"(D)(A)(CH)"},  // unchanged: stored as it was
        {{false, true, true}, u"(A)(CH)"},
        {{true, false, false}, u"(D)"},
        {{false, false, false}, u""},
    };
    for (const auto& f : faelle) EXPECT_EQ(seite.LaenderText(f.gewaehlt), f.text);

    seite.Apply(u"Eigener Ort", u"Nacht (bib)", 0, {false, true, false});
    EXPECT_EQ(Text(OPT_DEF_KLIMAORT), u"Eigener Ort");
    EXPECT_EQ(Text(OPT_DEF_TARIF), u"Nacht (bib)");
    EXPECT_EQ(Zahl(OPT_DEF_KLAND), 1);
    EXPECT_EQ(Text(OPT_KLAND_ANZ), u"(CH)");
    // A newly chosen country follows those already stored.
    EXPECT_EQ(seite.LaenderText({true, true, false}), u"(CH)(D)");

    // With "tovrel" every climate country of the databases.
    umgebung.tovrel = 1;
    seite.Init();
    EXPECT_EQ(seite.m_laenderKuerzel, (CVRMStringArray{u"D", u"CH", u"A", u"IRL"}));
}

// A writable folder that already holds a file of the old fixed name is taken; the test
// leaves nothing behind; a folder where no file can be made is refused and the old one stays.
TEST_F(OptsSeitenTest, BerichtsordnerNurMitSchreibrecht) {
    Lade({u"ReportDir=/alt"});
    COptsPage3Logik seite(umgebung);
    seite.Init();
    testsupport::TempFolder ordner;
    testsupport::WriteFileBytes(ordner.file("rep-191159.tmp"), "alt");
    const CVRMString pfad = CVRMString::fromUtf8(ordner.path().string());
    EXPECT_TRUE(seite.SetzeReportOrdner(pfad));
    EXPECT_EQ(seite.m_reportDir, pfad);
    EXPECT_EQ(ordner.fileNames(), std::vector<std::string>{"rep-191159.tmp"});
    EXPECT_EQ(testsupport::ReadFileBytes(ordner.file("rep-191159.tmp")), "alt");
    EXPECT_TRUE(boxes.shown.empty());

    for (const auto& ungeeignet : {ordner.path() / "fehlt", ordner.file("rep-191159.tmp")}) {
        boxes.shown.clear();
        EXPECT_FALSE(seite.SetzeReportOrdner(CVRMString::fromUtf8(ungeeignet.string())));
        EXPECT_EQ(seite.m_reportDir, pfad);
        EXPECT_EQ(boxTexts(), Zeilen{u"You are not allowed to create files in this folder (no "
                                     u"write access)."});
    }
}

TEST_F(OptsSeitenTest, BerichtSpeichertAusgeschriebenePfadeUndLeertGeleerteFelder) {
    Lade({u"ReportDir={DataDir}/berichte", u"ReportApp=/usr/bin/writer", u"StdErgReport=std.htm",
          u"RMW=0", u"ReportBKO=7"});
    COptsPage3Logik seite(umgebung);
    seite.Init();
    EXPECT_EQ(seite.m_reportDir, u"/daten/berichte");
    EXPECT_EQ(seite.m_rmw, 0);
    seite.m_rmw = 1;
    seite.Apply(true, false);
    EXPECT_EQ(Roh(OPT_REPORT_DIR), u"/daten/berichte");
    EXPECT_EQ(Roh(OPT_REPORT_APP), u"");
    EXPECT_EQ(Roh(OPT_STD_ERG_REPORT), u"std.htm");
    EXPECT_EQ(Zahl(OPT_RMW), 1);
    EXPECT_EQ(Zahl(OPT_REPORT_BKO), 7);

    boxes.script = {NO, YES};
    EXPECT_FALSE(seite.UebernimmDocProgramm());
    EXPECT_EQ(seite.m_reportApp, u"");
    EXPECT_TRUE(seite.UebernimmDocProgramm());
    EXPECT_EQ(seite.m_reportApp, u"/usr/bin/office");
    EXPECT_EQ(boxes.shown.at(0).caption, u"Select a program to open the reports");
}

TEST_F(OptsSeitenTest, BetriebskostenZeigenSummenUndSpeichernFuenfNullenUndDenWert) {
    Lade({u"ZKostenGas=10#20#0#0#0#0#", u"BKostenDaten=21.5#42#8.5#85#", u"NameZET=Pellets",
          u"WKostenOel=120", u"KVhorizontal=1"});
    COptsPage4Logik seite(umgebung);
    seite.Init();
    EXPECT_EQ(seite.m_zusatzKosten[COptsPage4Logik::kGas], 30u);
    EXPECT_EQ(seite.m_wartung[COptsPage4Logik::kOel], 120u);
    EXPECT_FLOAT_EQ(seite.m_preis[1], 8.5f);  // oil: the list's second pair
    EXPECT_EQ(seite.m_wirkungsgrad[1], 85u);
    EXPECT_EQ(seite.m_horizontal, 1);

    seite.m_name = u"   ";
    seite.Apply();
    EXPECT_EQ(Roh(OPT_ZKOSTEN_GAS), u"0#0#0#0#0#30#");
    EXPECT_EQ(Roh(OPT_ZKOSTEN_WP), u"0#0#0#0#0#0#");
    // The circulation pumps' efficiency is always 100; prices keep one decimal.
    EXPECT_EQ(Roh(OPT_BKOSTEN_DATEN), u"21.5#100#8.5#85#0.0#0#0.0#0#0.0#0#0.0#0#");
    EXPECT_EQ(Text(OPT_NAME_ZET), u"Wood heating");
    EXPECT_EQ(umgebung.hinweise, std::vector<int>{50});
    manager.SaveOptions();
    EXPECT_TRUE(ImUserFile(u"zkostengas=0#0#0#0#0#30#"));
    EXPECT_TRUE(ImUserFile(u"namezet=wood heating"));
}

TEST_F(OptsSeitenTest, KostenZuruecksetzenLiestDieStandardwerte) {
    Lade({u"ZKostenGas=10#20#", u"WKostenWP=80", u"KVhorizontal=1", u"NameZET=Pellets",
          u"Wirtschaft=1#2#3#4#"});
    COptsPage4Logik betrieb(umgebung);
    betrieb.Init();
    boxes.script = {YES};
    EXPECT_TRUE(betrieb.SetzeZurueck());
    EXPECT_EQ(betrieb.m_zusatzKosten[COptsPage4Logik::kGas], 0u);
    EXPECT_EQ(betrieb.m_wartung[COptsPage4Logik::kWP], 0u);
    EXPECT_EQ(betrieb.m_horizontal, 0);
    EXPECT_EQ(betrieb.m_name, u"Wood heating");
    EXPECT_EQ(betrieb.m_wirkungsgrad[1], 85u);
    for (const char16_t* key : {u"zkostengas", u"wkostenwp", u"kvhorizontal", u"namezet"})
        EXPECT_FALSE(KeyImUserFile(key)) << platform::toUtf8(key);

    COptsPage7Logik invest(umgebung);
    invest.Init();
    EXPECT_EQ(invest.m_zahlen[0], 1u);
    EXPECT_EQ(invest.m_zahlen[3], 4u);
    EXPECT_EQ(invest.m_zahlen[5], 0u);  // not stored: zero
    EXPECT_EQ(invest.m_name, u"Wood heating");
    EXPECT_EQ(invest.m_waehrungText, 3460u);
    boxes.script = {YES};
    EXPECT_TRUE(invest.SetzeZurueck());
    EXPECT_EQ(invest.m_zahlen[1], 30u);  // the heat pump's heat delivery lives 30 years
    EXPECT_EQ(invest.m_zahlen[25], 20u);
    EXPECT_FALSE(KeyImUserFile(u"wirtschaft"));
}

TEST_F(OptsSeitenTest, InvestitionskostenSpeichernAlleSechsundzwanzigZahlen) {
    Lade({});
    COptsPage7Logik seite(umgebung);
    seite.Init();
    seite.m_zahlen[COptsPage7Logik::kWPAggregat * 2] = 12500;
    seite.m_zahlen[COptsPage7Logik::kWPPuffer * 2 + 1] = 25;
    seite.Apply();
    EXPECT_EQ(Roh(OPT_WIRTSCHAFT),
              u"0#30#0#50#12500#20#0#20#0#20#0#15#0#50#0#20#0#30#0#30#0#20#0#30#0#25#");
    EXPECT_TRUE(umgebung.hinweise.empty());
}

TEST_F(OptsSeitenTest, FarbenSchreibenAuchDieMitgetrageneFarbe) {
    Lade({u"ColorBKV2=1193046", u"ColorBkgndHF=255"});
    COptsPage5Logik seite(umgebung);
    seite.Init();
    EXPECT_EQ(seite.m_farbe[16], 255u);  // the main window's background, the last field
    seite.m_farbe[0] = 0x00FF00;
    seite.Apply();
    EXPECT_EQ(Zahl(OPT_COLOR_QTEMP_U), 0x00FF00);
    EXPECT_EQ(Zahl(OPT_COLOR_BKV2), 1193046);
    EXPECT_EQ(Zahl(OPT_COLOR_BKGND_HF), 255);
    EXPECT_EQ(umgebung.hinweise, std::vector<int>{50});
}

}  // namespace
