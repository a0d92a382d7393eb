// The location master data as a user works with them: the real program in a program folder
// of its own on the shipped library database, the dialogs opened from the master-data
// menu with the mouse, locations created, values typed, the user database read back.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <atomic>
#include <filesystem>
#include <unistd.h>

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/db/VRMglobApp.h"
#include "core/text/NameDlg.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BodenartDlgEdit.h"
#include "dialogs/KlimaDlg.h"
#include "dialogs/NameDlgFenster.h"
#include "dialogs/StandortBefehle.h"
#include "dialogs/WetterDlg.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "model/data/VRMdatenProvider2.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Menu.h"
#include "resources/ResourceIds.h"
#include "tests/app/ui/dialogs/StandortFenster.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace standortfenster;

const fs::path kBin = VARM_PROGRAM_DIR;
constexpr int kMenuStammdaten = 3;  // position of "Master data" without a project

std::u16string eindeutigerSchluessel() {
    static std::atomic<int> zaehler{0};
    return u"VarmionStandortTest-" + QString::number(::getpid()).toStdU16String() + u"-" +
           QString::number(++zaehler).toStdU16String();
}

class StandortProgrammTest : public uitest::Fixture {
  protected:
    StandortProgrammTest() : vorherPresenter(setNameDlgPresenter(&namensDialog)) {
        vorherModul = platform::currentResourceModule();
        CVRMglobApp::ResetForTests();
        umgebung.programmDatei = ordner.path() / "Varmion";
        umgebung.instanzSchluessel = eindeutigerSchluessel();
    }
    ~StandortProgrammTest() override {
        if (app) {
            app->ExitInstance();
            app.reset();
        }
        setNameDlgPresenter(vorherPresenter);
        CVRMdatenProvider::remove();
        CVRMdatenProvider2::Release();
        CVRMglobApp::ResetForTests();
        IBasis::Leeren();
        ISolar::Leeren();
        platform::setCurrentResourceModule(vorherModul);
        CResManager::setLang(IDR_LNG_ENG);
    }

    void kopiere(const fs::path& datei) { fs::copy_file(datei, ordner.path() / datei.filename()); }
    // The program in its folder; `deutsch`: in German.
    void starte(bool deutsch = false) {
        kopiere(kBin / "Varmtexteng.so");
        kopiere(kBin / "Varmtext.so");
        kopiere(kBin / "Varmregio.so");
        kopiere(kBin / "Varmsun.so");
        kopiere(VARM_LIBRARY_DB);
        testsupport::WriteDatabaseFile(ordner.file("varmion.cfg"),
                                       {u"[config]", deutsch ? u"lang_pri=7" : u"lang_pri=9",
                                        u"lang_sub=1"});
        app = std::make_unique<CKelvoApp>();
        ASSERT_TRUE(app->InitInstance(umgebung));
        app->GetMainFrame()->resize(1024, 700);
    }

    // Opens "Master data" in the menu bar and clicks the command's entry.
    void menue(int befehl) {
        QMenuBar* leiste = app->GetMainFrame()->menuBar();
        QAction* stammdaten = leiste->actions().at(kMenuStammdaten);
        uitest::click(*leiste, leiste->actionGeometry(stammdaten).center());
        QMenu* menu = stammdaten->menu();
        ASSERT_TRUE(menu && menu->isVisible());
        QAction* eintrag = ui::findAction(menu, befehl);
        ASSERT_NE(eintrag, nullptr);
        ASSERT_TRUE(eintrag->isEnabled());
        uitest::click(*menu, menu->actionGeometry(eintrag).center());
        uitest::processEvents();
    }

    // The name prompt of a new entry: the name typed, OK.
    void erwarteName(const QString& name) {
        uitest::dialogs().expectDialog(u"Enter new name", [name](QDialog& dlg) {
            uitest::type(*element<QLineEdit>(dlg, CNameDlg::kIdcName), name);
            druecke(dlg, 1);
        });
    }

    std::vector<std::u16string> benutzerDaten() const {
        return testsupport::ReadDatabaseLines(fs::path(app->GetAktDatenbank().toUtf8()));
    }
    bool enthaelt(std::u16string_view zeile) const {
        for (const std::u16string& z : benutzerDaten())
            if (z == zeile) return true;
        return false;
    }

    testsupport::TempFolder ordner;
    SStartUmgebung umgebung;
    CNameDlgFensterPresenter namensDialog;
    NameDlgPresenter* vorherPresenter;
    platform::ModuleHandle vorherModul = nullptr;
    std::unique_ptr<CKelvoApp> app;
};

TEST_F(StandortProgrammTest, KlimaortAnlegenTemperaturTippenOkUndWiederFinden) {
    starte();
    auto& d = uitest::dialogs();
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdLand)->currentText(), QStringLiteral("Germany"));
        // The library's first German location, read-only.
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->currentText(),
                  QStringLiteral("52 Aachen (D) (bib)"));
        EXPECT_TRUE(element<QLineEdit>(dlg, 1157)->isReadOnly());
        druecke(dlg, CKlimaDlg::kIdNeuerOrt);
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->currentText(),
                  QStringLiteral("97 Mein Ort (D)"));
        EXPECT_FALSE(element<QLineEdit>(dlg, 1157)->isReadOnly());
        waehle(dlg, CKlimaDlg::kIdPlz, QStringLiteral("9..."));
        waehle(dlg, CKlimaDlg::kIdOrt, QStringLiteral("97 Mein Ort (D)"));
        tippe(dlg, 1157, QStringLiteral("-3.5"));
        tippe(dlg, CKlimaDlg::kIdNormAussenTemp, QStringLiteral("-14"));
        waehle(dlg, 1020, QStringLiteral("95 Hof (D)_(bib)"));
        uitest::saveArtifact(dlg, "climate");
        druecke(dlg, 1);
    });
    erwarteName(QStringLiteral("97 Mein Ort (D)"));
    menue(kBefehlKlimaorte);
    EXPECT_EQ(d.dialogCaptions().size(), 2u);
    EXPECT_TRUE(enthaelt(u"ort1=97 Mein Ort (D)"));
    const std::vector<std::u16string> daten = benutzerDaten();
    const auto zeile = std::find_if(daten.begin(), daten.end(), [](const std::u16string& z) {
        return z.starts_with(u"97 mein ort (d)=");
    });
    ASSERT_NE(zeile, daten.end());
    EXPECT_TRUE(zeile->starts_with(u"97 mein ort (d)=-3.5#")) << QString::fromStdU16String(*zeile).toStdString();
    EXPECT_TRUE(enthaelt(u"97 mein ort (d)nat=-14.000000"));
    EXPECT_TRUE(enthaelt(u"97 mein ort (d)wort=95 Hof (D)_(bib)"));
    EXPECT_TRUE(enthaelt(u"97 mein ort (d)anz=1"));

    // Opened again, the location is there with what was typed.
    d.expectDialog(u"Location: climate data", [&](QDialog& dlg) {
        waehle(dlg, CKlimaDlg::kIdOrt, QStringLiteral("97 Mein Ort (D)"));
        EXPECT_EQ(text(dlg, 1157), QStringLiteral("-3.5"));
        EXPECT_EQ(text(dlg, CKlimaDlg::kIdNormAussenTemp), QStringLiteral("-14"));
        EXPECT_EQ(element<QComboBox>(dlg, 1020)->currentText(), QStringLiteral("95 Hof (D)_(bib)"));
        druecke(dlg, 2);
    });
    menue(kBefehlKlimaorte);
    EXPECT_TRUE(d.boxes().empty());
}

TEST_F(StandortProgrammTest, BodentemperaturenEinesNeuenOrtes) {
    starte();
    auto& d = uitest::dialogs();
    d.expectDialog(u"Ground temperatures", [&](QDialog& dlg) {
        // The library keeps no German ground-temperature location.
        EXPECT_EQ(element<QComboBox>(dlg, CKlimaDlg::kIdOrt)->count(), 0);
        EXPECT_FALSE(element(dlg, 1)->isEnabled());
        druecke(dlg, CKlimaDlg::kIdNeuerOrt);
        const char* werte[] = {"2.1", "2.4", "4.0", "6.3", "8.9", "11.2",
                               "12.8", "13.1", "12.0", "9.7", "6.6", "3.8"};
        for (int m = 0; m < 12; ++m) tippe(dlg, CKlimaDlg::kMonatsIds[m], QString::fromLatin1(werte[m]));
        uitest::saveArtifact(dlg, "soil-temperatures");
        druecke(dlg, 1);
    });
    erwarteName(QStringLiteral("80 Garten (D)"));
    menue(kBefehlBodentemperaturen);
    EXPECT_TRUE(enthaelt(u"80 garten (d)=2.1#2.4#4.0#6.3#8.9#11.2#12.8#13.1#12.0#9.7#6.6#3.8#"));
    EXPECT_TRUE(enthaelt(u"80 garten (d)anz=1"));
    EXPECT_TRUE(d.boxes().empty());
}

TEST_F(StandortProgrammTest, WetterdatenEinesNeuenOrtes) {
    starte();
    auto& d = uitest::dialogs();
    d.expectDialog(u"Weather data for monoenerg./bivalent mode of operation", [&](QDialog& dlg) {
        EXPECT_TRUE(element(dlg, 1332)->isVisible());  // the library's values are not shown
        druecke(dlg, CWetterDlg::kIdNeuerOrt);
        waehle(dlg, CWetterDlg::kIdKlasse, QStringLiteral("-10 °C"));
        tippe(dlg, CWetterDlg::kIdTage, QStringLiteral("3.5"));
        waehle(dlg, CWetterDlg::kIdKlasse, QStringLiteral("-9 °C"));
        tippe(dlg, CWetterDlg::kIdTage, QStringLiteral("4.25"));
        uitest::saveArtifact(dlg, "weather");
        druecke(dlg, 1);
    });
    erwarteName(QStringLiteral("97 Mein Wetter (D)"));
    menue(kBefehlWetterdaten);
    const std::vector<std::u16string> daten = benutzerDaten();
    const auto zeile = std::find_if(daten.begin(), daten.end(), [](const std::u16string& z) {
        return z.starts_with(u"97 mein wetter (d)=");
    });
    ASSERT_NE(zeile, daten.end());
    // Classes 40 and 41 (-10 and -9 °C) of 63.
    std::u16string erwartet = u"97 mein wetter (d)=";
    for (int k = 0; k < 63; ++k) erwartet += k == 40 ? u"3.50#" : k == 41 ? u"4.25#" : u"0.00#";
    EXPECT_EQ(*zeile, erwartet);
    EXPECT_TRUE(enthaelt(u"97 mein wetter (d)anz=1"));
}

TEST_F(StandortProgrammTest, BodenartenOhneProjektZeigenDieErsteNurLesbar) {
    starte();
    EXPECT_TRUE(VorgewaehlteBodenart().empty());
    uitest::dialogs().expectDialog(u"Standard material data for kind of soil", [&](QDialog& dlg) {
        EXPECT_EQ(element<QComboBox>(dlg, CBodenartDlgEdit::kIdArt)->currentText(),
                  QStringLiteral("gravel (average wet)_(bib)"));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdWaermeleitzahl), QStringLiteral("1.1"));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdSpezWaerme), QStringLiteral("1.925"));
        EXPECT_EQ(text(dlg, CBodenartDlgEdit::kIdDichte), QStringLiteral("2050"));
        EXPECT_TRUE(element<QLineEdit>(dlg, CBodenartDlgEdit::kIdDichte)->isReadOnly());
        EXPECT_TRUE(element(dlg, 1814)->isVisible());
        uitest::saveArtifact(dlg, "soil-type-edit");
        druecke(dlg, 2);
    });
    menue(kBefehlBodenarten);
}

TEST_F(StandortProgrammTest, KlimaorteAufDeutsch) {
    starte(true);
    uitest::dialogs().expectDialog(u"Standort: Klimadaten", [&](QDialog& dlg) {
        EXPECT_EQ(text(dlg, 1880), QStringLiteral("Jan"));
        EXPECT_EQ(text(dlg, CKlimaDlg::kIdNeuerOrt), QStringLiteral("Neuer Standort"));
        uitest::saveArtifact(dlg, "climate-de");
        druecke(dlg, 2);
    });
    menue(kBefehlKlimaorte);
}

}  // namespace
