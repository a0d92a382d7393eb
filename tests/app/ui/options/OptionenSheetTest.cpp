// The options sheet as its user meets it: six pages with their texts in English and German,
// the start page, typed entries refused by their ranges, the file, folder and colour
// choosers, the reset of the warnings, help, and what a page writes when it applies.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "app/options/FarbFeld.h"
#include "app/options/OptionenSheet.h"
#include "app/options/OptsPage1.h"
#include "app/options/OptsPage2.h"
#include "app/options/OptsPage3.h"
#include "app/options/OptsPage4.h"
#include "app/options/OptsPage5.h"
#include "app/options/OptsPage7.h"
#include "app/options/BalkenBild.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "tests/app/options/OptionenTestUmgebung.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace fs = std::filesystem;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;
using Zeilen = std::vector<std::u16string>;

std::u16string Text(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

class OptionenSheetTest : public uitest::Fixture {
  protected:
    OptionenSheetTest() {
        testsupport::LadeSprache();
        CVRMglobApp::ResetForTests();
        vorherModul = platform::currentResourceModule();
        modul = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
        EXPECT_EQ(CVRMglobApp::Get().Init(modul, nullptr, 0), 1);
        fs::copy_file(VARM_LIBRARY_DB, ordner.file("bibo.ini"));
        manager.SetUmgebung(u"/opt/varmion/", [] { return CVRMString(u"office --open"); });
    }
    ~OptionenSheetTest() override {
        sheet.reset();
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        platform::setCurrentResourceModule(vorherModul);
        platform::freeModule(modul);
        testsupport::LadeSprache();
    }

    // The user database holds these options; the library is the shipped one.
    void Lade(Zeilen optionen = {}) {
        optionen.insert(optionen.begin(), u"[Optionen]");
        testsupport::WriteDatabaseFile(ordner.file("user.dat"), optionen);
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(Pfad("user.dat")), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(Pfad("bibo.ini"), 0), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDir(CVRMString::fromUtf8(ordner.path().string())), 1);
        manager.LoadOptions();
    }
    CVRMString Pfad(const char* name) const { return CVRMString::fromUtf8(ordner.file(name).string()); }

    // The sheet shown without a modal loop, on `seite`.
    COptionenSheet& Oeffne(int seite = 0) {
        sheet = std::make_unique<COptionenSheet>(umgebung, nullptr, seite);
        sheet->createModeless(true);
        sheet->activateWindow();
        uitest::processEvents();
        return *sheet;
    }
    template <class Seite>
    Seite& Aktiviere(int index) {
        EXPECT_TRUE(sheet->setActivePage(index));
        return dynamic_cast<Seite&>(*sheet->page(index));
    }
    QLineEdit& Edit(QWidget& seite, int id) {
        auto* edit = qobject_cast<QLineEdit*>(ui::child(&seite, id));
        EXPECT_NE(edit, nullptr) << id;
        return *edit;
    }
    // Replaces the edit's text as the user does: click, select all, type.
    void Tippe(QWidget& seite, int id, const QString& text) {
        QLineEdit& edit = Edit(seite, id);
        uitest::click(edit, {5, 5});
        edit.setFocus(Qt::MouseFocusReason);  // what the click does on the desktop
        uitest::key(edit, Qt::Key_A, Qt::ControlModifier);
        uitest::type(edit, text);
    }
    void Klicke(QWidget& in, int id) {
        QWidget* w = ui::child(&in, id);
        ASSERT_NE(w, nullptr) << id;
        // A check box is clicked on its box, the rest in their middle.
        const bool box = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        uitest::click(*w, box ? QPoint(6, w->height() / 2) : w->rect().center());
    }
    bool ApplyAktiv() {
        auto* b = qobject_cast<QPushButton*>(ui::child(sheet.get(), ui::kIdApply));
        return b && b->isEnabled();
    }
    Zeilen BoxTexte() const {
        Zeilen t;
        for (const auto& b : uitest::dialogs().boxes()) t.push_back(b.text);
        return t;
    }
    int32_t Zahl(uint32_t id) {
        int32_t wert = 0;
        return manager.GetLongWert(id, wert);
    }
    CVRMString Roh(uint32_t id) { return manager.FindeOption(id)->GetStringWert(); }
    bool KeyImUserFile(std::u16string_view key) const {
        for (std::u16string z : testsupport::ReadDatabaseLines(ordner.file("user.dat"))) {
            std::transform(z.begin(), z.end(), z.begin(),
                           [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
            if (z.starts_with(std::u16string(key) + u"=")) return true;
        }
        return false;
    }

    testsupport::FakeKelvoApp app;
    testsupport::TempFolder ordner;
    COptionsManager manager;
    testsupport::OptionenTestUmgebung umgebung{manager};
    std::unique_ptr<COptionenSheet> sheet;
    platform::ModuleHandle modul = nullptr;
    platform::ModuleHandle vorherModul = nullptr;
};

TEST_F(OptionenSheetTest, SechsSeitenMitTitelnUndBildschirmfotos) {
    Lade();
    COptionenSheet& s = Oeffne();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Program options"));
    ASSERT_EQ(s.pageCount(), 6);
    const struct {
        std::u16string titel;
        const char* bild;
    } seiten[] = {{u"General", "options-general"},           {u"Climate / Tariff", "options-climate-tariff"},
                  {u"Report", "options-report"},             {u"Running costs", "options-running-costs"},
                  {u"Costs of investment", "options-investment-costs"}, {u"Colours", "options-colours"}};
    for (int i = 0; i < s.pageCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.page(i)->title(), seiten[i].titel);
        ASSERT_TRUE(s.setActivePage(i));
        uitest::saveArtifact(s, seiten[i].bild);
    }
    // Every page opened shows its values; nothing changed yet.
    EXPECT_FALSE(ApplyAktiv());
    auto& p4 = dynamic_cast<COptsPage4&>(*s.page(3));
    EXPECT_EQ(ui::childText(&p4, COptsPage4::kPreisEinheit), u"Ct/kWh");
    EXPECT_EQ(ui::childText(&p4, COptsPage4::kZusatzEinheit), u"EUR / year");
    EXPECT_EQ(ui::childText(&p4, COptsPage4::kName), u"Wood heating");
    auto& p7 = dynamic_cast<COptsPage7&>(*s.page(4));
    EXPECT_EQ(ui::childText(&p7, COptsPage7::kDauer + COptsPage7Logik::kWPWaermeabgabe), u"30");
    EXPECT_EQ(ui::childText(&p7, COptsPage7::kWeiteresName), u"Wood heating");
}

TEST_F(OptionenSheetTest, AllgemeinAufDeutsch) {
    ASSERT_TRUE(testsupport::LadeSprache(testsupport::AusgelieferteSprachModule().at(1)));
    Lade();
    COptionenSheet& s = Oeffne();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Programmoptionen"));
    EXPECT_EQ(s.page(0)->title(), u"Allgemein");
    EXPECT_EQ(ui::childText(s.page(0), COptsPage1::kWarnungenZuruecksetzen),
              u"Alle Warnungen auf Standardwerte setzen");
    uitest::saveArtifact(s, "options-general-de");
}

TEST_F(OptionenSheetTest, StartseiteJenseitsDerSeitenzahlIstDieErste) {
    Lade();
    const struct {
        int gewuenscht, seite;
    } faelle[] = {{0, 0}, {2, 2}, {5, 5}, {6, 0}, {99, 0}, {-1, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gewuenscht);
        EXPECT_EQ(Oeffne(f.gewuenscht).activeIndex(), f.seite);
    }
}

// A typed entry outside its range is refused with the range in the message; the sheet stays
// on the page and nothing of the page reaches the options.
TEST_F(OptionenSheetTest, BereicheHaltenDieSeiteOffenUndSchreibenNichts) {
    Lade();
    const struct {
        int seite;
        int feld;
        QString eingabe;
        std::u16string meldung;
    } faelle[] = {
        {0, COptsPage1::kPEFaktor, QStringLiteral("5.5"), u"Please enter a number between 1 and 5."},
        {0, COptsPage1::kPEFaktor, QStringLiteral("0,9"), u"Please enter a number between 1 and 5."},
        {0, COptsPage1::kGrenzBT, QStringLiteral("viel"), u"Please enter an integer."},
        {3, COptsPage4::kWirkungsgrad + COptsPage4Logik::kOel, QStringLiteral("5"),
         u"Please enter a positive integer between 10 and 100."},
        {3, COptsPage4::kWirkungsgrad + COptsPage4Logik::kGas, QStringLiteral("101"),
         u"Please enter a positive integer between 10 and 100."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingabe.toStdString());
        COptionenSheet& s = Oeffne(f.seite);
        QWidget& seite = *s.page(f.seite);
        // Another entry of the same page, valid, that must not be written either.
        Tippe(seite, f.seite == 0 ? COptsPage1::kLaufzeit : COptsPage4::kZusatz, QStringLiteral("4321"));
        Tippe(seite, f.feld, f.eingabe);
        uitest::dialogs().expectMessageBox(OK);
        Klicke(s, ui::kIdOk);
        EXPECT_EQ(BoxTexte().back(), f.meldung);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(s.activeIndex(), f.seite);
        EXPECT_FALSE(s.WurdeAngewendet());
        EXPECT_EQ(Zahl(OPT_WPLAUFZEIT), 2000);
        EXPECT_EQ(Zahl(OPT_ZKOSTEN_WP), 0);
        float pe = 0;
        EXPECT_FLOAT_EQ(manager.GetFloatWert(OPT_PEFAKTOR, pe), 2.6f);
    }
    EXPECT_TRUE(umgebung.hinweise.empty());
}

TEST_F(OptionenSheetTest, EingabenGehenBeimAnwendenInDieOptionen) {
    Lade({u"ZKostenGas=10#20#0#0#0#0#"});
    COptionenSheet& s = Oeffne(3);
    auto& p4 = dynamic_cast<COptsPage4&>(*s.page(3));
    const int gas = COptsPage4Logik::kGas;
    EXPECT_EQ(Edit(p4, COptsPage4::kZusatz + gas).text(), QStringLiteral("30"));
    Tippe(p4, COptsPage4::kZusatz + gas, QStringLiteral("45"));
    Tippe(p4, COptsPage4::kPreis + gas, QStringLiteral("9,5"));  // a typed comma is a point
    Tippe(p4, COptsPage4::kName, QStringLiteral("   "));
    uitest::key(Edit(p4, COptsPage4::kName), Qt::Key_Tab);
    EXPECT_EQ(Edit(p4, COptsPage4::kName).text(), QStringLiteral("Wood heating"));
    EXPECT_TRUE(ApplyAktiv());
    Klicke(s, ui::kIdApply);
    EXPECT_FALSE(ApplyAktiv());
    EXPECT_TRUE(s.WurdeAngewendet());
    EXPECT_EQ(Roh(OPT_ZKOSTEN_GAS), u"0#0#0#0#0#45#");
    // The typed gas price among the example prices the shipped library holds.
    EXPECT_EQ(Roh(OPT_BKOSTEN_DATEN), u"34.7#100#8.7#85#9.5#90#6.6#90#21.2#100#34.7#100#");
    EXPECT_EQ(umgebung.hinweise, std::vector<int>{50});

    // The bars: a click on the horizontal picture chooses it.
    auto* waagerecht = dynamic_cast<CBalkenBild*>(ui::child(&p4, COptsPage4::kWaagerecht));
    auto* senkrecht = dynamic_cast<CBalkenBild*>(ui::child(&p4, COptsPage4::kSenkrecht));
    ASSERT_TRUE(waagerecht && senkrecht);
    EXPECT_TRUE(senkrecht->IstGewaehlt());
    Klicke(p4, COptsPage4::kWaagerecht);
    EXPECT_TRUE(waagerecht->IstGewaehlt());
    EXPECT_FALSE(senkrecht->IstGewaehlt());
    EXPECT_TRUE(ApplyAktiv());
    Klicke(s, ui::kIdApply);
    EXPECT_EQ(Zahl(OPT_KVHORIZONTAL), 1);
}

// A currency applied on "General" shows on the cost pages as soon as they become active.
TEST_F(OptionenSheetTest, WaehrungFolgtDemAnwendenAufAllgemein) {
    Lade();
    COptionenSheet& s = Oeffne(3);
    auto& p4 = *s.page(3);
    auto& p1 = Aktiviere<COptsPage1>(0);
    Klicke(p1, COptsPage1::kEuro);
    Klicke(s, ui::kIdApply);
    Aktiviere<COptsPage4>(3);
    EXPECT_EQ(ui::childText(&p4, COptsPage4::kPreisEinheit), u"Rp/kWh");
    EXPECT_EQ(ui::childText(&p4, COptsPage4::kWartungEinheit), u"SFr / year");
    auto& p7 = Aktiviere<COptsPage7>(4);
    EXPECT_EQ(ui::childText(&p7, COptsPage7::kWaehrung[0]), u"SFr");
}

TEST_F(OptionenSheetTest, ProgrammWaehlenZeigtDenPfadGekuerztUndGanzImTooltip) {
    Lade();
    COptionenSheet& s = Oeffne();
    auto& p1 = dynamic_cast<COptsPage1&>(*s.page(0));
    const std::u16string lang =
        u"/opt/programme/waermebedarf/version-2024/werkzeuge/berechnung/gebaeude/heizlast/"
        u"einfamilienhaus/aktuelle-ausgabe/bin/hausrechner";
    auto& d = uitest::dialogs();
    d.expectFile(std::nullopt);
    Klicke(p1, COptsPage1::kHausprogrammWaehlen);
    EXPECT_FALSE(ApplyAktiv());
    d.expectFile(lang);
    Klicke(p1, COptsPage1::kHausprogrammWaehlen);

    ASSERT_EQ(d.fileRequests().size(), 2u);
    const ui::FileDialogRequest& r = d.fileRequests().back();
    EXPECT_EQ(r.title, u"Select the calculation program");
    EXPECT_EQ(r.filter, u"Programs|*|All files|*||");
    EXPECT_EQ(ui::qtFilter(r.filter), QStringLiteral("Programs (*);;All files (*)"));
    EXPECT_EQ(r.startDir, QDir::homePath().toStdU16String());
    EXPECT_TRUE(r.programs);
    EXPECT_TRUE(r.mustExist);
    EXPECT_FALSE(r.save);

    QLineEdit& edit = Edit(p1, COptsPage1::kHausprogramm);
    EXPECT_NE(edit.text().toStdU16String(), lang);
    EXPECT_TRUE(edit.text().startsWith(QStringLiteral("/opt/")));
    EXPECT_TRUE(edit.text().endsWith(QStringLiteral("/.../hausrechner")));
    EXPECT_LE(edit.fontMetrics().horizontalAdvance(edit.text()), edit.width());
    EXPECT_EQ(edit.toolTip().toStdU16String(), lang);
    EXPECT_TRUE(ApplyAktiv());

    // Typing into the field does not change the program.
    Tippe(p1, COptsPage1::kHausprogramm, QStringLiteral("/tmp/anderes"));
    Klicke(s, ui::kIdApply);
    CVRMString gespeichert;
    manager.GetStringWert(OPT_VEZIVO_VERO, gespeichert);
    EXPECT_EQ(gespeichert, lang);
}

TEST_F(OptionenSheetTest, OrdnerWaehlenBeginntImAktuellenOrdner) {
    Lade({u"VorlagenDir=/srv/vorlagen", u"ReportDir=/srv/berichte"});
    COptionenSheet& s = Oeffne(2);
    auto& p3 = dynamic_cast<COptsPage3&>(*s.page(2));
    auto& d = uitest::dialogs();
    const std::u16string neu = CVRMString::fromUtf8(ordner.path().string());
    d.expectFolder(neu);
    Klicke(p3, COptsPage3::kVorlagenOrdnerWaehlen);
    d.expectFolder(neu + u"/fehlt");
    d.expectMessageBox(OK);
    Klicke(p3, COptsPage3::kReportOrdnerWaehlen);
    ASSERT_EQ(d.folderRequests().size(), 2u);
    EXPECT_EQ(d.folderRequests()[0].title, u"Select the folder with the report templates");
    EXPECT_EQ(d.folderRequests()[0].start, u"/srv/vorlagen");
    EXPECT_EQ(d.folderRequests()[1].title, u"Select the folder to store the reports in");
    EXPECT_EQ(d.folderRequests()[1].start, u"/srv/berichte");
    EXPECT_EQ(BoxTexte(),
              Zeilen{u"You are not allowed to create files in this folder (no write access)."});
    EXPECT_EQ(Edit(p3, COptsPage3::kVorlagenOrdner).toolTip().toStdU16String(), neu);
    EXPECT_EQ(Edit(p3, COptsPage3::kReportOrdner).toolTip(), QStringLiteral("/srv/berichte"));

    // The standard template is looked for among the templates.
    d.expectFile(std::nullopt);
    Klicke(p3, COptsPage3::kStandardVorlageWaehlen);
    EXPECT_EQ(d.fileRequests().at(0).startDir, neu);
    EXPECT_EQ(d.fileRequests().at(0).defaultExt, u"html");
    EXPECT_EQ(ui::qtFilter(d.fileRequests().at(0).filter),
              QStringLiteral("Report templates (*.htm *.html);;All files (*)"));

    Klicke(s, ui::kIdApply);
    EXPECT_EQ(Roh(OPT_VORLAGEN_DIR), neu);
    EXPECT_EQ(Roh(OPT_REPORT_DIR), u"/srv/berichte");
}

TEST_F(OptionenSheetTest, AbgebrocheneFarbwahlAendertNichts) {
    Lade({u"ColorQTempG=255"});
    COptionenSheet& s = Oeffne(5);
    auto& p5 = dynamic_cast<COptsPage5&>(*s.page(5));
    CFarbFeld* feld = p5.Feld(1);
    ASSERT_NE(feld, nullptr);
    auto mitte = [&] {
        return ui::fromQRgb(uitest::render(*feld).pixel(feld->rect().center())).value;
    };
    EXPECT_EQ(mitte(), 255u);

    auto& d = uitest::dialogs();
    d.expectColour(std::nullopt);
    Klicke(p5, COptsPage5::kFeld + 1);
    EXPECT_EQ(d.colourRequests(), std::vector<ui::ColourRef>{ui::ColourRef(255)});
    EXPECT_EQ(feld->Farbe(), 255u);
    EXPECT_EQ(mitte(), 255u);
    EXPECT_FALSE(p5.modified());
    EXPECT_FALSE(ApplyAktiv());

    d.expectColour(ui::ColourRef(0x00FF00));
    uitest::key(*feld, Qt::Key_Space);
    EXPECT_EQ(feld->Farbe(), 0x00FF00u);
    EXPECT_EQ(mitte(), 0x00FF00u);
    EXPECT_TRUE(ApplyAktiv());
    Klicke(s, ui::kIdApply);
    EXPECT_EQ(Zahl(OPT_COLOR_QTEMP_G), 0x00FF00);
    EXPECT_EQ(umgebung.hinweise, std::vector<int>{50});
}

TEST_F(OptionenSheetTest, WarnungenZuruecksetzenZeigtDieStandardwerte) {
    Lade({u"GrenzBT=150", u"WarnQTemp1=1", u"GrenzEinT=70"});
    COptionenSheet& s = Oeffne();
    auto& p1 = *s.page(0);
    Tippe(p1, COptsPage1::kPEFaktor, QStringLiteral("3.1"));  // typed, not one of the warnings
    auto& d = uitest::dialogs();
    d.expectMessageBox(NO);
    Klicke(p1, COptsPage1::kWarnungenZuruecksetzen);
    EXPECT_EQ(Edit(p1, COptsPage1::kGrenzBT).text(), QStringLiteral("150"));
    d.expectMessageBox(YES);
    Klicke(p1, COptsPage1::kWarnungenZuruecksetzen);
    EXPECT_EQ(d.boxes().back().text, u"You cannot cancel this action!\r\nAre you sure to reset the values?");
    EXPECT_EQ(Edit(p1, COptsPage1::kGrenzBT).text(), QStringLiteral("100"));
    EXPECT_EQ(Edit(p1, COptsPage1::kGrenzEinT).text(), QStringLiteral("60"));
    EXPECT_EQ(Edit(p1, COptsPage1::kGrenzErdT).text(), QStringLiteral("25"));
    EXPECT_FALSE(qobject_cast<QCheckBox*>(ui::child(&p1, COptsPage1::kWarnQTemp))->isChecked());
    EXPECT_EQ(Edit(p1, COptsPage1::kPEFaktor).text(), QStringLiteral("3.1"));
    // Gone from the user database file at once.
    EXPECT_FALSE(KeyImUserFile(u"grenzbt"));
    EXPECT_FALSE(KeyImUserFile(u"warnqtemp1"));
}

TEST_F(OptionenSheetTest, HilfeZeigtDasThemaDerSeite) {
    Lade();
    COptionenSheet& s = Oeffne();
    for (int i = 0; i < s.pageCount(); ++i) {
        s.setActivePage(i);
        if (i % 2 == 0)
            Klicke(s, ui::kIdHelp);
        else
            uitest::key(*s.page(i), Qt::Key_F1);
    }
    const std::vector<CVRMString> erwartet = {u"opts1", u"opts2", u"opts3",
                                              u"opts4", u"opts7", u"opts5"};
    EXPECT_EQ(app.hilfeThemen, erwartet);
}

// Without the German method the factor is neither shown nor written.
TEST_F(OptionenSheetTest, PrimaerenergiefaktorNurInDeutschland) {
    Lade({u"PEFaktor=1.8"});
    umgebung.landCode = 3;
    COptionenSheet& s = Oeffne();
    EXPECT_FALSE(ui::child(s.page(0), COptsPage1::kPEFaktor)->isVisible());
    Klicke(s, ui::kIdApply);  // nothing modified: the button does nothing
    dynamic_cast<COptsPage&>(*s.page(0)).setModified(true);
    Klicke(s, ui::kIdApply);
    float pe = 0;
    EXPECT_FLOAT_EQ(manager.GetFloatWert(OPT_PEFAKTOR, pe), 1.8f);
}

TEST_F(OptionenSheetTest, KlimaUndTarifBietenDieListenDerDatenbanken) {
    Lade();
    COptionenSheet& s = Oeffne(1);
    auto& p2 = *s.page(1);
    auto* orte = qobject_cast<QComboBox*>(ui::child(&p2, COptsPage2::kKlimaort));
    auto* laender = qobject_cast<QListWidget*>(ui::child(&p2, COptsPage2::kLaender));
    ASSERT_TRUE(orte && laender);
    EXPECT_GT(orte->count(), 10);
    EXPECT_EQ(orte->currentText(), QStringLiteral("Dublin (IRL) (bib)"));
    QStringList gewaehlt;
    for (auto* e : laender->selectedItems()) gewaehlt << e->text();
    gewaehlt.sort();
    EXPECT_EQ(gewaehlt, (QStringList{QStringLiteral("Austria"), QStringLiteral("Germany"),
                                     QStringLiteral("Switzerland")}));
    // Ctrl+click takes Switzerland out of the list.
    for (int i = 0; i < laender->count(); ++i) {
        if (laender->item(i)->text() != QStringLiteral("Switzerland")) continue;
        const QRect r = laender->visualItemRect(laender->item(i));
        uitest::click(*laender->viewport(), r.center(), Qt::LeftButton, Qt::ControlModifier);
    }
    EXPECT_TRUE(ApplyAktiv());
    Klicke(s, ui::kIdApply);
    EXPECT_EQ(Roh(OPT_KLAND_ANZ), u"(D)(A)");
}

}  // namespace
