// The program options in the real program, as its user meets them: Tools > Options through
// the menu, a value typed, OK, and the options read back from the user database file; Apply
// followed by Cancel; the sheet at start-up with "-conf"; and the main window following a
// changed colour at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <unistd.h>

#include "app/frame/LeftBarBkgnd.h"
#include "app/frame/MainFrame.h"
#include "app/options/OptionenBefehle.h"
#include "app/options/OptionenSheet.h"
#include "app/options/OptsPage1.h"
#include "app/options/OptsPage5.h"
#include "app/shell/KelvoApp.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "model/app/OptionIds.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace fs = std::filesystem;
using Zeilen = std::vector<std::u16string>;

const fs::path kBin = VARM_PROGRAM_DIR;

class OptionenProgrammTest : public uitest::Fixture {
  protected:
    OptionenProgrammTest() {
        static std::atomic<int> zaehler{0};
        vorherModul = platform::currentResourceModule();
        CVRMglobApp::ResetForTests();
        umgebung.programmDatei = ordner.path() / "Varmion";
        umgebung.instanzSchluessel = u"VarmionOptionen-" +
                                     QString::number(::getpid()).toStdU16String() + u"-" +
                                     QString::number(++zaehler).toStdU16String();
        for (const fs::path& datei : {kBin / "Varmtexteng.so", kBin / "Varmregio.so",
                                      kBin / "Varmsun.so", fs::path(VARM_LIBRARY_DB)})
            fs::copy_file(datei, ordner.path() / datei.filename());
        app.SetDocKommandoQuelle([] { return CVRMString(u"office --open"); });
    }
    ~OptionenProgrammTest() override {
        app.ExitInstance();
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        IBasis::Leeren();
        ISolar::Leeren();
        platform::setCurrentResourceModule(vorherModul);
        CResManager::setLang(IDR_LNG_ENG);
    }

    // Opens the menu of the menu bar by its title and chooses the item, with the mouse.
    void WaehleImMenu(const QString& menuTitel, const QString& eintragText) {
        QMenuBar* leiste = app.GetMainFrame()->menuBar();
        auto ohneKuerzel = [](QString t) { return t.remove(u'&'); };
        for (QAction* oben : leiste->actions()) {
            if (ohneKuerzel(oben->text()) != menuTitel) continue;
            uitest::click(*leiste, leiste->actionGeometry(oben).center());
            QMenu* menu = oben->menu();
            ASSERT_TRUE(menu && menu->isVisible());
            for (QAction* eintrag : menu->actions()) {
                if (ohneKuerzel(eintrag->text()) != eintragText) continue;
                uitest::click(*menu, menu->actionGeometry(eintrag).center());
                return;
            }
            FAIL() << "no item " << eintragText.toStdString();
        }
        FAIL() << "no menu " << menuTitel.toStdString();
    }

    // The "Optionen" lines of the user database file, keys lower-cased as it stores them.
    Zeilen Optionen() const {
        Zeilen optionen;
        if (!fs::exists(ordner.file("varmionDeng.dat"))) return optionen;  // nothing written yet
        bool drin = false;
        for (std::u16string z : testsupport::ReadDatabaseLines(ordner.file("varmionDeng.dat"))) {
            std::transform(z.begin(), z.end(), z.begin(),
                           [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
            if (z.starts_with(u"[")) {
                drin = z == u"[optionen]";
                continue;
            }
            if (drin) optionen.push_back(z);
        }
        return optionen;
    }
    bool Hat(std::u16string_view zeile) const {
        const Zeilen o = Optionen();
        return std::find(o.begin(), o.end(), zeile) != o.end();
    }

    static void Tippe(QWidget& seite, int id, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(ui::child(&seite, id));
        ASSERT_NE(edit, nullptr);
        uitest::click(*edit, {5, 5});
        uitest::key(*edit, Qt::Key_A, Qt::ControlModifier);
        uitest::type(*edit, text);
    }
    static void Klicke(QWidget& in, int id) {
        QWidget* w = ui::child(&in, id);
        ASSERT_NE(w, nullptr);
        uitest::click(*w, w->rect().center());
    }

    testsupport::TempFolder ordner;
    SStartUmgebung umgebung;
    CKelvoApp app;
    platform::ModuleHandle vorherModul = nullptr;
};

TEST_F(OptionenProgrammTest, ExtrasOptionenUeberDasMenuSpeichertInDieBenutzerdatenbank) {
    ASSERT_TRUE(app.InitInstance(umgebung));
    EXPECT_FALSE(Hat(u"grenzbt=150"));
    uitest::dialogs().expectDialog(u"Program options", [](QDialog& dlg) {
        auto& sheet = dynamic_cast<COptionenSheet&>(dlg);
        EXPECT_EQ(sheet.activeIndex(), 0);
        Tippe(*sheet.page(0), COptsPage1::kGrenzBT, QStringLiteral("150"));
        Klicke(sheet, ui::kIdOk);
    });
    WaehleImMenu(QStringLiteral("Tools"), QStringLiteral("Options..."));
    EXPECT_TRUE(Hat(u"grenzbt=150"));
    // Every option is written, those the user did not touch too.
    EXPECT_TRUE(Hat(u"grenzerdt=25"));
    EXPECT_TRUE(Hat(u"namezet=wood heating"));
    EXPECT_EQ(Optionen().size(), 73u);
}

// Values applied are in use: Cancel afterwards keeps them, in memory and in the file; what
// was typed after the last Apply is dropped. Cancel without Apply writes nothing.
TEST_F(OptionenProgrammTest, AnwendenDannAbbrechenBehaeltDasAngewendete) {
    ASSERT_TRUE(app.InitInstance(umgebung));
    for (bool anwenden : {false, true}) {
        SCOPED_TRACE(anwenden);
        uitest::dialogs().expectDialog(u"Program options", [anwenden](QDialog& dlg) {
            auto& sheet = dynamic_cast<COptionenSheet&>(dlg);
            Tippe(*sheet.page(0), COptsPage1::kGrenzBT, QStringLiteral("150"));
            if (anwenden) Klicke(sheet, ui::kIdApply);
            Tippe(*sheet.page(0), COptsPage1::kGrenzErdT, QStringLiteral("44"));
            Klicke(sheet, ui::kIdCancel);
        });
        WaehleImMenu(QStringLiteral("Tools"), QStringLiteral("Options..."));
        int32_t grenze = 0;
        EXPECT_EQ(app.GetOptionsManager().GetLongWert(OPT_GRENZ_BT, grenze), anwenden ? 150 : 100);
        EXPECT_EQ(Hat(u"grenzbt=150"), anwenden);
        EXPECT_EQ(Hat(u"grenzerdt=25"), anwenden);
    }
}

TEST_F(OptionenProgrammTest, ConfOeffnetDieOptionenNachDemStart) {
    umgebung.argumente = {u"-conf"};
    uitest::dialogs().expectDialog(u"Program options", [this](QDialog& dlg) {
        // The main window is up and the splash gone when the sheet shows.
        EXPECT_TRUE(app.GetMainFrame()->isVisible());
        EXPECT_EQ(app.GetSplash(), nullptr);
        EXPECT_EQ(dlg.parentWidget(), app.GetMainFrame());
        Klicke(dlg, ui::kIdCancel);
    });
    ASSERT_TRUE(app.InitInstance(umgebung));
    EXPECT_EQ(uitest::dialogs().dialogCaptions(), Zeilen{u"Program options"});
    EXPECT_TRUE(app.GetSchalter().conf != 0);
    EXPECT_TRUE(Optionen().empty());
}

// A damaged option must not lock the user out of the options that would mend it: the
// program starts with one message naming the option's key and text, and OK in Tools >
// Options writes its default as a number over it.
TEST_F(OptionenProgrammTest, EinKaputterOptionswertLaesstStartenUndOkSchreibtEineZahl) {
    testsupport::WriteDatabaseFile(ordner.file("varmionDeng.dat"),
                                   {u"[Optionen]", u"PEFaktor=abc", u"GrenzBT=150"});
    uitest::dialogs().expectMessageBox(platform::id::OK);
    ASSERT_TRUE(app.InitInstance(umgebung));
    const auto& boxen = uitest::dialogs().boxes();
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0].text, u"Content of database corrupted\n(Optionen: PEFaktor=abc)");
    float faktor = 0.0f;
    EXPECT_EQ(app.GetOptionsManager().GetFloatWert(OPT_PEFAKTOR, faktor), 2.6f);

    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { Klicke(dlg, ui::kIdOk); });
    WaehleImMenu(QStringLiteral("Tools"), QStringLiteral("Options..."));
    EXPECT_TRUE(Hat(u"pefaktor=2.600000"));
    EXPECT_TRUE(Hat(u"grenzbt=150"));  // the sound options as they were
    EXPECT_EQ(uitest::dialogs().boxes().size(), 1u);
}

// The left bar takes its new background as soon as the sheet closes.
TEST_F(OptionenProgrammTest, HauptfensterFolgtDerGeaendertenFarbe) {
    ASSERT_TRUE(app.InitInstance(umgebung));
    CLeftBarBkgnd* leiste = app.GetMainFrame()->LeftBar();
    const ui::ColourRef gruen(0x00A000);
    auto& d = uitest::dialogs();
    d.expectColour(gruen);
    d.expectDialog(u"Program options", [](QDialog& dlg) {
        auto& sheet = dynamic_cast<COptionenSheet&>(dlg);
        ASSERT_TRUE(sheet.setActivePage(5));
        Klicke(*sheet.page(5), COptsPage5::kFeld + 16);  // "Colour of background"
        Klicke(sheet, ui::kIdOk);
    });
    app.GetMainFrame()->Router().execute(kBefehlOptionen);
    EXPECT_TRUE(Hat(u"colorbkgndhf=40960"));
    const QImage bild = uitest::render(*leiste);
    EXPECT_EQ(ui::fromQRgb(bild.pixel(2, bild.height() - 3)), gruen);
}

}  // namespace
