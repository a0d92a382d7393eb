// The location master-data dialogs as their user meets them, over small databases: boxes
// chosen with the mouse, values typed, OK and Cancel pressed, the user database read back.
#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <filesystem>

#include "core/db/VRMglobApp.h"
#include "dialogs/BodenartDlgEdit.h"
#include "dialogs/KlimaDlg.h"
#include "dialogs/WetterDlg.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "tests/app/dialogs/StandortFixture.h"
#include "tests/app/ui/dialogs/StandortFenster.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

using namespace standortfenster;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;

class StandortDlgTest : public uitest::Fixture {
  protected:
    StandortDlgTest() : vorherModul(platform::currentResourceModule()) {
        CVRMdatenProvider::remove();
        CVRMdatenProvider2::Release();
        CVRMglobApp::ResetForTests();
        testsupport::LadeSprache();
        InitGlobaleTexte();
        kern = platform::loadModule(std::filesystem::path(VARM_PROGRAM_DIR) / "Varmcore.so");
        EXPECT_EQ(CVRMglobApp::Get().Init(kern, nullptr, 0), 1);
        testsupport::WriteDatabaseFile(ordner.file("user.dat"), standorttest::kUser);
        testsupport::WriteDatabaseFile(ordner.file("bibo.ini"), standorttest::kBibo);
        EXPECT_EQ(CVRMglobApp::Get().SetDatenDatei(pfad("user.dat")), 1);
        EXPECT_EQ(CVRMglobApp::Get().SetBiboDatei(pfad("bibo.ini"), 0), 1);
        app.optionsManager = &optionen;
        optionen.AddStringOption(OPT_KLAND_ANZ, u"KLandAnz", u"(D)(A)(CH)", 0);
        optionen.AddLongOption(OPT_DEF_KLAND, u"DefKLand", 1, 0);
        optionen.AddStringOption(OPT_DEF_KLIMAORT, u"DefKlimaort", u"97 Würzburg (D) (bib)", 0);
    }
    ~StandortDlgTest() override {
        CVRMdatenProvider::remove();
        CVRMdatenProvider2::Release();
        CVRMglobApp::ResetForTests();
        platform::setCurrentResourceModule(vorherModul);
        platform::freeModule(kern);
    }

    CVRMString pfad(const char* name) const { return CVRMString::fromUtf8(ordner.file(name).string()); }
    std::string bytes() const { return testsupport::ReadFileBytes(ordner.file("user.dat")); }
    bool enthaelt(std::u16string_view zeile) const {
        for (const std::u16string& z : testsupport::ReadDatabaseLines(ordner.file("user.dat")))
            if (z == zeile) return true;
        return false;
    }
    static bool sichtbar(QDialog& dlg, int id) { return element(dlg, id)->isVisible(); }
    static bool nurLesen(QDialog& dlg, int id) { return element<QLineEdit>(dlg, id)->isReadOnly(); }
    static bool frei(QDialog& dlg, int id) { return element(dlg, id)->isEnabled(); }

    testsupport::TempFolder ordner;
    testsupport::FakeKelvoApp app;
    COptionsManager optionen;
    platform::ModuleHandle vorherModul;
    platform::ModuleHandle kern = nullptr;
};

// The refused save of a climate location writes nothing and keeps the dialog open, from
// OK and from Cancel's Yes; once a weather location is chosen OK writes the typed value.
TEST_F(StandortDlgTest, KlimaortOhneZuordnungBleibtOffenBisSieGewaehltIst) {
    auto& d = uitest::dialogs();
    d.expectMessageBox(OK);   // OK: no weather location
    d.expectMessageBox(YES);  // Cancel: save the changes?
    d.expectMessageBox(OK);   // no weather location again
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        waehle(dlg, CKlimaDlg::kIdOrt, QStringLiteral("80 München (D)"));
        EXPECT_EQ(text(dlg, 1157), QStringLiteral("-2.2"));
        EXPECT_FALSE(nurLesen(dlg, 1157));
        EXPECT_EQ(element<QComboBox>(dlg, 1020)->currentIndex(), -1);
        tippe(dlg, 1157, QStringLiteral("-5"));
        const std::string vorher = bytes();
        druecke(dlg, 1);
        EXPECT_TRUE(dlg.isVisible());
        druecke(dlg, 2);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(bytes(), vorher);
        waehle(dlg, 1020, QStringLiteral("97 Würzburg (D)_(bib)"));
        druecke(dlg, 1);
    });
    CKlimaDlg dlg(CKlimaDlgLogik::kKlimaorte, nullptr, false);
    EXPECT_EQ(dlg.doModal(), 1);
    EXPECT_EQ(d.boxes().at(0).text, u"No associated weather, ground or sunshine data selected!");
    EXPECT_EQ(d.boxes().at(1).text, u"Save changes of 80 München (D)?");
    EXPECT_TRUE(enthaelt(u"80 münchen (d)=-5.0#-0.4#3.6#7.6#12.0#15.4#17.3#16.8#13.4#8.4#2.9#-0.8#"));
    EXPECT_TRUE(enthaelt(u"80 münchen (d)wort=97 Würzburg (D)_(bib)"));
}

TEST_F(StandortDlgTest, AbbrechenNeinSchliesstOhneZuSchreibenUndEinUngueltigerWertStoertNicht) {
    const std::string vorher = bytes();
    auto& d = uitest::dialogs();
    d.expectMessageBox(NO);
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        waehle(dlg, CKlimaDlg::kIdOrt, QStringLiteral("80 München (D)"));
        tippe(dlg, 1022, QStringLiteral("-5x"));
        druecke(dlg, 2);
    });
    CKlimaDlg dlg(CKlimaDlgLogik::kKlimaorte, nullptr, false);
    EXPECT_EQ(dlg.doModal(), 2);
    EXPECT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(bytes(), vorher);
}

// What the library rules show: a library climate location read-only with its note, a
// library ground location in mode 2 without its values, a library weather location
// without its classes, a library soil type read-only; and an empty list.
TEST_F(StandortDlgTest, BibliotheksregelnUndLeereListeSindZuSehen) {
    auto& d = uitest::dialogs();
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->currentText(),
                  QStringLiteral("97 Würzburg (D) (bib)"));
        EXPECT_TRUE(nurLesen(dlg, 1157));
        EXPECT_TRUE(nurLesen(dlg, CKlimaDlg::kIdNormAussenTemp));
        EXPECT_TRUE(sichtbar(dlg, 1878));
        EXPECT_FALSE(sichtbar(dlg, 1905));
        EXPECT_FALSE(frei(dlg, 1020));
        EXPECT_TRUE(sichtbar(dlg, 1020));
        EXPECT_FALSE(sichtbar(dlg, 1062));
        EXPECT_TRUE(frei(dlg, 1));
        waehle(dlg, CKlimaDlg::kIdLand, QStringLiteral("Österreich"));
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->count(), 0);
        EXPECT_EQ(text(dlg, 1157), QStringLiteral("0"));
        EXPECT_TRUE(nurLesen(dlg, 1157));
        EXPECT_FALSE(frei(dlg, 1));
        druecke(dlg, 2);
    });
    d.expectDialog(u"Ground temperatures", [&](QDialog& dlg) {
        EXPECT_FALSE(sichtbar(dlg, CKlimaDlg::kIdNormAussenTemp));
        EXPECT_FALSE(sichtbar(dlg, 1729));
        EXPECT_EQ(text(dlg, 1157), QStringLiteral("2"));
        waehle(dlg, CKlimaDlg::kIdLand, QStringLiteral("Other locations"));
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->currentText(),
                  QStringLiteral("StandardG_(bib)"));
        EXPECT_FALSE(sichtbar(dlg, 1157));
        EXPECT_TRUE(sichtbar(dlg, 1905));
        EXPECT_FALSE(sichtbar(dlg, 1878));
        druecke(dlg, 2);
    });
    d.expectDialog(u"Weather data for monoenerg./bivalent mode of operation", [&](QDialog& dlg) {
        EXPECT_EQ(element<QComboBox>(dlg, CWetterDlg::kIdOrt)->currentText(),
                  QStringLiteral("97 Würzburg (D)_(bib)"));
        EXPECT_FALSE(sichtbar(dlg, CWetterDlg::kIdKlasse));
        EXPECT_FALSE(sichtbar(dlg, CWetterDlg::kIdTage));
        EXPECT_TRUE(sichtbar(dlg, 1332));
        EXPECT_FALSE(sichtbar(dlg, 1683));
        druecke(dlg, 2);
    });
    d.expectDialog(u"Standard material data for kind of soil", [&](QDialog& dlg) {
        EXPECT_EQ(element<QComboBox>(dlg, CBodenartDlgEdit::kIdArt)->currentText(),
                  QStringLiteral("Lehm_(bib)"));
        EXPECT_TRUE(nurLesen(dlg, CBodenartDlgEdit::kIdWaermeleitzahl));
        EXPECT_TRUE(nurLesen(dlg, CBodenartDlgEdit::kIdDichte));
        EXPECT_TRUE(sichtbar(dlg, 1814));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdDichte), QStringLiteral("2100"));
        druecke(dlg, 1);
    });
    const std::string vorher = bytes();
    CKlimaDlg(CKlimaDlgLogik::kKlimaorte, nullptr, false).doModal();
    CKlimaDlg(CKlimaDlgLogik::kBodentemperaturen, nullptr, false).doModal();
    CWetterDlg(nullptr, false, false).doModal();
    EXPECT_EQ(CBodenartDlgEdit(u"", nullptr).doModal(), 1);
    EXPECT_EQ(bytes(), vorher);
    EXPECT_TRUE(d.boxes().empty());
}

// A location or soil type whose record cannot be read whole (values missing, a density
// that is no number) shows the read error and stays read-only in the climate, the weather
// and the soil-type dialog; typing changes nothing there, and OK writes nothing.
TEST_F(StandortDlgTest, UnlesbarerOrtBleibtNurLesbar) {
    standorttest::Lines user = standorttest::kUser;
    const auto arten = std::find(user.begin(), user.end(), u"BodenArt1=Mein Boden");
    ASSERT_NE(arten, user.end());
    user.insert(arten + 1, u"BodenArt2=Kaputter Boden");
    for (const char16_t* zeile : {u"[Klimaorte]", u"Ort2=80 Kaputt (D)", u"[Klimadaten]",
                                  u"80 Kaputt (D)NAT=-14", u"80 Kaputt (D)ANZ=1", u"[Wetterorte]",
                                  u"WOrt2=80 Kaputtes Wetter (D)", u"[Wetterdaten]",
                                  u"80 Kaputtes Wetter (D)ANZ=1", u"[Kaputter Boden]",
                                  u"Wärmeleitzahl=2.5", u"SpezWärme=2.2", u"Dichte=abc"})
        user.push_back(zeile);
    CVRMdatenProvider::remove();
    CVRMdatenProvider2::Release();
    testsupport::WriteDatabaseFile(ordner.file("user.dat"), user);
    ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(pfad("user.dat")), 1);
    const std::string vorher = bytes();
    auto& d = uitest::dialogs();
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        d.expectMessageBox(1);  // the read error
        waehle(dlg, CKlimaDlg::kIdOrt, QStringLiteral("80 Kaputt (D)"));
        ASSERT_EQ(d.boxes().size(), 1u);
        EXPECT_NE(d.boxes()[0].text.find(u"Required data missing"), std::u16string::npos);
        EXPECT_TRUE(nurLesen(dlg, 1157));
        EXPECT_TRUE(nurLesen(dlg, CKlimaDlg::kIdNormAussenTemp));
        EXPECT_TRUE(sichtbar(dlg, 1878));  // "(values read-only)"
        druecke(dlg, 1);
    });
    d.expectDialog(u"Weather data for monoenerg./bivalent mode of operation", [&](QDialog& dlg) {
        d.expectMessageBox(1);  // the read error
        waehle(dlg, CWetterDlg::kIdOrt, QStringLiteral("80 Kaputtes Wetter (D)"));
        ASSERT_EQ(d.boxes().size(), 2u);
        EXPECT_NE(d.boxes()[1].text.find(u"Required data missing"), std::u16string::npos);
        EXPECT_TRUE(sichtbar(dlg, CWetterDlg::kIdTage));
        EXPECT_FALSE(frei(dlg, CWetterDlg::kIdTage));
        EXPECT_TRUE(sichtbar(dlg, 1683));  // "(values read-only)"
        uitest::saveArtifact(dlg, "weather-unreadable");
        druecke(dlg, 1);
    });
    d.expectDialog(u"Standard material data for kind of soil", [&](QDialog& dlg) {
        d.expectMessageBox(1);  // the read error
        waehle(dlg, CBodenartDlgEdit::kIdArt, QStringLiteral("Kaputter Boden"));
        ASSERT_EQ(d.boxes().size(), 3u);
        for (int id : {CBodenartDlgEdit::kIdWaermeleitzahl, CBodenartDlgEdit::kIdSpezWaerme,
                       CBodenartDlgEdit::kIdDichte})
            EXPECT_TRUE(nurLesen(dlg, id)) << id;
        EXPECT_TRUE(sichtbar(dlg, 1814));  // "(values are read-only)"
        tippe(dlg, CBodenartDlgEdit::kIdWaermeleitzahl, QStringLiteral("3"));
        druecke(dlg, 1);
    });
    CKlimaDlg(CKlimaDlgLogik::kKlimaorte, nullptr, false).doModal();
    CWetterDlg(nullptr, false, false).doModal();
    CBodenartDlgEdit(u"Mein Boden", nullptr).doModal();
    EXPECT_EQ(bytes(), vorher);
    EXPECT_EQ(d.boxes().size(), 3u);
}

// Days typed for a class and then another class chosen with the mouse stay with the class
// they were typed for.
TEST_F(StandortDlgTest, TageBleibenBeiIhrerKlasseWennDieKlasseMitDerMausGewechseltWird) {
    uitest::dialogs().expectDialog(u"", [&](QDialog& dlg) {
        waehle(dlg, CWetterDlg::kIdOrt, QStringLiteral("80 Eigenes Wetter (D)"));
        EXPECT_TRUE(sichtbar(dlg, CWetterDlg::kIdTage));
        waehle(dlg, CWetterDlg::kIdKlasse, QStringLiteral("-40 °C"));
        EXPECT_EQ(text(dlg, CWetterDlg::kIdTage), QStringLiteral("3"));  // class 10: 10 % 7
        tippe(dlg, CWetterDlg::kIdTage, QStringLiteral("5.5"));
        waehle(dlg, CWetterDlg::kIdKlasse, QStringLiteral("-39 °C"));
        EXPECT_EQ(text(dlg, CWetterDlg::kIdTage), QStringLiteral("4"));
        waehle(dlg, CWetterDlg::kIdKlasse, QStringLiteral("-40 °C"));
        EXPECT_EQ(text(dlg, CWetterDlg::kIdTage), QStringLiteral("5.5"));
        druecke(dlg, 1);
    });
    EXPECT_EQ(CWetterDlg(nullptr, false, false).doModal(), 1);
    const std::u16string reihe =
        CVRMdatenProvider::get().getWert(u"80 Eigenes Wetter (D)", ID_210).GetStringVal();
    EXPECT_EQ(reihe.substr(0, 60),
              u"0.00#1.00#2.00#3.00#4.00#5.00#6.00#0.00#1.00#2.00#5.50#4.00#");
    EXPECT_TRUE(enthaelt(u"80 eigenes wetter (d)anz=1"));
}

TEST_F(StandortDlgTest, AndereBodenartFragtUndSpeichertDieBisherige) {
    auto& d = uitest::dialogs();
    d.expectMessageBox(YES);
    d.expectDialog(u"Standard material data for kind of soil", [&](QDialog& dlg) {
        EXPECT_FALSE(nurLesen(dlg, CBodenartDlgEdit::kIdWaermeleitzahl));
        EXPECT_FALSE(sichtbar(dlg, 1814));
        tippe(dlg, CBodenartDlgEdit::kIdWaermeleitzahl, QStringLiteral("2,75"));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdWaermeleitzahl), QStringLiteral("2.75"));
        waehle(dlg, CBodenartDlgEdit::kIdArt, QStringLiteral("Lehm_(bib)"));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdWaermeleitzahl), QStringLiteral("1.8"));
        druecke(dlg, 2);
    });
    EXPECT_EQ(CBodenartDlgEdit(u"Mein Boden", nullptr).doModal(), 2);
    EXPECT_EQ(d.boxes().at(0).text, u"Save changed data for\r\nMein Boden ?");
    EXPECT_TRUE(enthaelt(u"wärmeleitzahl=2.750000"));
}

// Help opens the dialog's own page, from the button and from F1.
TEST_F(StandortDlgTest, HilfeZeigtDieSeiteDesDialogs) {
    auto& d = uitest::dialogs();
    const auto hilfe = [](QDialog& dlg) {
        druecke(dlg, 57670);
        uitest::key(*element(dlg, ui::kIdOk), Qt::Key_F1);
        druecke(dlg, 2);
    };
    for (int i = 0; i < 4; ++i) d.expectDialog(u"", hilfe);
    CKlimaDlg(CKlimaDlgLogik::kKlimaorte, nullptr, false).doModal();
    CKlimaDlg(CKlimaDlgLogik::kBodentemperaturen, nullptr, false).doModal();
    CWetterDlg(nullptr, false, false).doModal();
    CBodenartDlgEdit(u"", nullptr).doModal();
    EXPECT_EQ(app.hilfeThemen,
              (std::vector<CVRMString>{u"dlgklimatemp", u"dlgklimatemp", u"dlgbodentemp",
                                       u"dlgbodentemp", u"dlgwetter", u"dlgwetter", u"datenboden",
                                       u"datenboden"}));
}

}  // namespace
