// The VDI 4650 calculator in the real program, as its user meets it: started in a program
// folder of its own on the shipped library, View > VDI 4650 calculator through the menu,
// values typed in, the factors read off the window; the user database stays as it was, for
// the calculator without a project stores nothing. Also the program's progress window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <fstream>
#include <iterator>

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/Label.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgProgress.h"
#include "dialogs/DlgVDI4650.h"
#include "dialogs/VDI4650Befehle.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/dialogs/DialogEingabe.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace dialogtest;
using namespace VDI4650;
using C = CDlgVDI4650;

std::string Inhalt(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::u16string Zwei(float wert) {
    CVRMString text;
    text.Format(u"%.2f", wert);
    return text;
}

std::u16string Ergebnis(QDialog& dlg, int id) {
    return dynamic_cast<CLabel*>(ui::child(&dlg, id))->text();
}

class VDI4650ProgrammTest : public programmtest::ProgrammFixture {
  protected:
    // Opens the View menu from the menu bar and clicks the item, as the user does.
    static void KlickeMenue(CMainFrame& frame, int befehl) {
        QMenuBar* leiste = frame.menuBar();
        QAction* ansicht = leiste->actions().at(1);
        uitest::click(*leiste, leiste->actionGeometry(ansicht).center());
        uitest::processEvents();
        QMenu* menue = ansicht->menu();
        ASSERT_TRUE(menue->isVisible());
        QAction* punkt = ui::findAction(menue, befehl);
        ASSERT_NE(punkt, nullptr) << befehl;
        ASSERT_TRUE(punkt->isEnabled()) << befehl;
        uitest::click(*menue, menue->actionGeometry(punkt).center());
    }

    // What the calculator's logic makes of a catalogue heat pump and the typed values.
    static CVDI4650Rechner Logik(const CVRMString& wp) {
        CVDI4650Rechner r(true, nullptr);
        r.wpName = wp;
        EXPECT_TRUE(r.GetCOPsVonWP());
        r.tQuelle = 2.0f;
        r.tVorlauf = 35.0f;
        r.betrieb = 5.0f;
        r.warmwasser = kWarmwasserMitWP;
        r.prozentHeizung = 80;
        r.BerechneQuellenpumpenFaktor();
        EXPECT_TRUE(r.Berechne());
        return r;
    }

};

TEST_F(VDI4650ProgrammTest, RechnerAusDemMenueMitGetipptenWerten) {
    Starte();
    CMainFrame* frame = app->GetMainFrame();
    const fs::path benutzerDaten = ordner.file("varmionDeng.dat");
    const std::string vorher = Inhalt(benutzerDaten);

    CVRMString sole, luft;
    uitest::dialogs().expectDialog(u"Seasonal performance factor as per VDI 4650", [&](QDialog& dlg) {
        // The heat pump comes from the databases: the first brine/water one to start with.
        auto* wp = qobject_cast<QComboBox*>(ui::child(&dlg, C::kIdcWPName));
        ASSERT_TRUE(wp->isVisible());
        ASSERT_GT(wp->count(), 1);
        sole = wp->currentText().toStdU16String();
        EXPECT_EQ(ui::childText(&dlg, C::kIdcArt), u"brine / water");
        EXPECT_FALSE(Aktiv(dlg, C::kIdcArt));

        Tippe(dlg, C::kIdcQuelle, "2");
        Tippe(dlg, C::kIdcVorlauf, "35");
        Tippe(dlg, C::kIdcBetrieb, "5");
        Tippe(dlg, C::kIdcProzentHeizung, "80");
        Waehle(dlg, C::kIdcWarmwasser, kWarmwasserMitWP);
        Druecke(dlg, C::kIdcAktualisieren);
        const CVDI4650Rechner erwartet = Logik(sole);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaHeizung), Zwei(erwartet.ergebnisse.betaHeizung));
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaWarmwasser), Zwei(erwartet.ergebnisse.betaWarmwasser));
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), Zwei(erwartet.ergebnisse.betaAnlage));
        EXPECT_GT(erwartet.ergebnisse.betaAnlage, 2.0f);

        // Another heat pump of the list: an air/water one brings its own kind and COPs,
        // and the calculation follows at once.
        for (int i = 0; i < wp->count() && luft.empty(); ++i) {
            CWPumpe2 kandidat;
            CVRMdatenProvider::get().fill(kandidat, wp->itemText(i).toStdU16String());
            if (kandidat.GetWert(ID_MedienTyp).GetIntVal() == kLuftWasser)
                luft = wp->itemText(i).toStdU16String();
        }
        ASSERT_FALSE(luft.empty());
        KlickeEintrag(dlg, C::kIdcWPName, wp->findText(QString::fromStdU16String(luft)));
        EXPECT_EQ(wp->currentText().toStdU16String(), luft);
        EXPECT_EQ(ui::childText(&dlg, C::kIdcArt), u"air / water");
        EXPECT_TRUE(Aktiv(dlg, C::kIdcCop1));
        EXPECT_FALSE(Aktiv(dlg, C::kIdcQuelle));
        const CVDI4650Rechner luftErwartet = Logik(luft);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), Zwei(luftErwartet.ergebnisse.betaAnlage));
        Druecke(dlg, C::kIdcSchliessen);
    });
    KlickeMenue(*frame, kBefehlVDI4650Liste);
    EXPECT_EQ(uitest::dialogs().dialogCaptions().size(), 1u);

    // With free input the user names the heat pump and chooses its kind.
    uitest::dialogs().expectDialog(u"Seasonal performance factor as per VDI 4650", [&](QDialog& dlg) {
        EXPECT_TRUE(ui::child(&dlg, C::kIdcWPFreitext)->isVisible());
        EXPECT_TRUE(Aktiv(dlg, C::kIdcArt));
        uitest::key(dlg, Qt::Key_Escape);
    });
    KlickeMenue(*frame, kBefehlVDI4650Frei);

    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    EXPECT_EQ(Inhalt(benutzerDaten), vorher);
}

// The calculations of the program get the progress window: over the main window, which
// waits meanwhile, with Esc to stop them.
TEST_F(VDI4650ProgrammTest, FortschrittsfensterDesProgramms) {
    Starte();
    std::unique_ptr<IDlgProgress> progress = app->CreateDlgProgress(app->GetMainWnd(), 3237);
    auto* fenster = dynamic_cast<CDlgProgress*>(progress.get());
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(app->GetMainFrame()->isEnabled());
    progress->SetRange(0, 5);
    progress->StepIt();
    EXPECT_FALSE(progress->PumpMessages());
    uitest::key(*fenster, Qt::Key_Escape);
    EXPECT_TRUE(progress->PumpMessages());
    progress->Close();
    EXPECT_TRUE(app->GetMainFrame()->isEnabled());
}

}  // namespace
