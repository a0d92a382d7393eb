// Start-up in a program folder of its own: the configuration file, the language, the
// failure paths with their messages, the splash and a second start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <atomic>
#include <filesystem>
#include <unistd.h>

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/SplashThread.h"
#include "app/shell/SplashWnd.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "model/app/KelvoBindungen.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"
#include "platform/ui/QtMessageBoxPresenter.h"
#include "platform/ui/SingleInstance.h"
#include "resources/ResourceIds.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

const fs::path kBin = VARM_PROGRAM_DIR;

std::u16string eindeutigerSchluessel() {
    static std::atomic<int> zaehler{0};
    return u"VarmionTest-" + QString::number(::getpid()).toStdU16String() + u"-" +
           QString::number(++zaehler).toStdU16String();
}

class StartTest : public uitest::Fixture {
  protected:
    StartTest() {
        vorherModul = platform::currentResourceModule();
        CVRMglobApp::ResetForTests();
        umgebung.programmDatei = ordner.path() / "Varmion";
        umgebung.instanzSchluessel = eindeutigerSchluessel();
    }
    ~StartTest() override {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        IBasis::Leeren();
        ISolar::Leeren();
        platform::setCurrentResourceModule(vorherModul);
        CResManager::setLang(IDR_LNG_ENG);
    }

    void kopiere(const fs::path& datei) { fs::copy_file(datei, ordner.path() / datei.filename()); }
    void legeProgrammordnerAn(bool deutsch = false) {
        kopiere(kBin / "Varmtexteng.so");
        if (deutsch) kopiere(kBin / "Varmtext.so");
        kopiere(kBin / "Varmregio.so");
        kopiere(kBin / "Varmsun.so");
        kopiere(VARM_LIBRARY_DB);
    }
    void schreibeKonfig(int primaer, int sub) {
        testsupport::WriteDatabaseFile(
            ordner.file("varmion.cfg"),
            {u"[config]", u"lang_pri=" + QString::number(primaer).toStdU16String(),
             u"lang_sub=" + QString::number(sub).toStdU16String()});
    }
    std::vector<std::u16string> konfig() const {
        return testsupport::ReadDatabaseLines(ordner.file("varmion.cfg"));
    }
    std::vector<std::u16string> boxTexte() const {
        std::vector<std::u16string> texte;
        for (const auto& b : uitest::dialogs().boxes()) texte.push_back(b.text);
        return texte;
    }

    TempFolder ordner;
    SStartUmgebung umgebung;
    platform::ModuleHandle vorherModul = nullptr;
};

TEST_F(StartTest, ErsterStartEnglischLegtKonfigAnUndZeigtHauptfenster) {
    legeProgrammordnerAn();
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    // Detected from the only module present and written back.
    EXPECT_EQ(app.GetPrimaerSprache(), 9);
    EXPECT_EQ(app.GetSubSprache(), 1);
    EXPECT_EQ(app.GetLandCode(), 3);
    EXPECT_EQ(konfig(), (std::vector<std::u16string>{u"[config]", u"lang_pri=9", u"lang_sub=1"}));
    EXPECT_EQ(app.IstInitialisiert(), 1);
    EXPECT_EQ(app.GetSplash(), nullptr);
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(app.GetMainFrame()->isVisible());
    EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Varmion"));
    EXPECT_TRUE(app.GetStartWPumpe().IstGueltig());
    EXPECT_TRUE(app.GetStartTarif().IstGueltig());
    // The solar library of the program folder is bound, and the house offers solar.
    EXPECT_TRUE(ISolar::IstGeladen());
    EXPECT_TRUE(GetKelvoBindungen().IstSolarGebunden());
    EXPECT_TRUE(boxTexte().empty());
    uitest::saveArtifact(*app.GetMainFrame(), "main-window");
    app.ExitInstance();
}

TEST_F(StartTest, KommandozeileWaehltSpracheOhneSieZuSpeichern) {
    legeProgrammordnerAn(true);
    schreibeKonfig(7, 3);
    umgebung.argumente = {u"-PL", u"9", u"-SL", u"6"};
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    EXPECT_EQ(app.GetLandCode(), 4);
    EXPECT_EQ(CResManager::getLangText(3140), u"Heat pump");
    EXPECT_EQ(konfig(), (std::vector<std::u16string>{u"[config]", u"lang_pri=7", u"lang_sub=3"}));
    app.ExitInstance();
}

TEST_F(StartTest, DeutschStartet) {
    legeProgrammordnerAn(true);
    schreibeKonfig(7, 0);
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    EXPECT_EQ(app.GetSubSprache(), 1);  // 0 read as 1, not written
    EXPECT_EQ(app.GetLandCode(), 0);
    EXPECT_EQ(CResManager::getLangText(3140), u"Wärmepumpe");
    app.ExitInstance();
}

TEST_F(StartTest, FehlendesModulWirdEinmalNeuErmittelt) {
    legeProgrammordnerAn();
    schreibeKonfig(16, 1);  // Italian, whose module is not there
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    EXPECT_EQ(app.GetPrimaerSprache(), 9);
    EXPECT_EQ(konfig(), (std::vector<std::u16string>{u"[config]", u"lang_pri=9", u"lang_sub=1"}));
    app.ExitInstance();
}

TEST_F(StartTest, OhneModulMeldungMitPfadDannFehlertext) {
    kopiere(VARM_LIBRARY_DB);
    schreibeKonfig(16, 1);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    CKelvoApp app;
    EXPECT_FALSE(app.InitInstance(umgebung));
    const std::u16string pfad = ordner.path().u16string() + u"/Varmtext.so";
    EXPECT_EQ(boxTexte(), (std::vector<std::u16string>{
                              u"Resource file for Varmion not found !\n(" + pfad + u")",
                              u"Cannot initialize Varmion"}));
    // Before a language table exists the caption is the default.
    EXPECT_EQ(d.boxes().at(1).caption, u"Application");
    EXPECT_EQ(app.GetMainFrame(), nullptr);
}

TEST_F(StartTest, ZuAltesModulMeldet3272) {
    kopiere(fs::path(VARM_OLD_RESOURCE_DIR) / "Varmtexteng.so");
    kopiere(VARM_LIBRARY_DB);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    CKelvoApp app;
    EXPECT_FALSE(app.InitInstance(umgebung));
    const std::u16string pfad = ordner.path().u16string() + u"/Varmtexteng.so";
    EXPECT_EQ(boxTexte(), (std::vector<std::u16string>{
                              u"Version 4.2.8.0 or higher of file\r\n" + pfad + u" required!",
                              u"Cannot initialize Varmion (ENG)"}));
    EXPECT_EQ(d.boxes().at(0).caption, u"Varmion");
}

// A module without its language table loads no texts: that counts as no table, the
// language file is tried, and without one start-up ends with 5222 instead of going on
// with every text "Msg: n".
TEST_F(StartTest, ModulOhneSprachtabelleEndetMit5222) {
    fs::copy_file(kBin / "Varmregio.so", ordner.path() / "Varmtexteng.so");
    kopiere(VARM_LIBRARY_DB);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    CKelvoApp app;
    EXPECT_FALSE(app.InitInstance(umgebung));
    EXPECT_EQ(boxTexte(), (std::vector<std::u16string>{u"No language resource loaded!",
                                                       u"Cannot initialize Varmion (ENG)"}));
    EXPECT_EQ(d.boxes().at(1).caption, u"Application");
}

TEST_F(StartTest, LeereDatenbankenMeldenJedeListeInReihenfolge) {
    kopiere(kBin / "Varmtexteng.so");
    testsupport::WriteFileBytes(ordner.file("varmionDeng.bib"), "\xFF\xFE");
    auto& d = uitest::dialogs();
    for (int i = 0; i < 10; ++i) d.expectMessageBox(1);
    CKelvoApp app;
    EXPECT_FALSE(app.InitInstance(umgebung));
    const std::vector<std::u16string> erwartet = {
        u"User database and program database are without any project!",
        u"User database and program database are without any antifreeze!",
        u"User database and program database are without any ground collector material!",
        u"User database and program database are without any tariff!",
        u"User database and program database are without any heat pump!",
        u"User database and program database are without any building!",
        u"User database and program database are without any heat source!",
        u"User database and program database are without any climatic location!",
        u"User-data file and database are without any location with associated monthly hours "
        u"of bright sunshine!",
        u"Cannot initialize Varmion (ENG)"};
    EXPECT_EQ(boxTexte(), erwartet);
    EXPECT_EQ(app.GetMainFrame(), nullptr);
}

TEST_F(StartTest, ZweiterStartHoltDenErstenNachVorn) {
    legeProgrammordnerAn();
    CKelvoApp erste;
    ASSERT_TRUE(erste.InitInstance(umgebung));
    erste.GetMainFrame()->showMinimized();
    uitest::processEvents();
    {
        CKelvoApp zweite;
        EXPECT_FALSE(zweite.InitInstance(umgebung));
    }
    for (int i = 0; i < 20 && erste.GetMainFrame()->isMinimized(); ++i) uitest::processEvents();
    EXPECT_FALSE(erste.GetMainFrame()->isMinimized());
    EXPECT_TRUE(boxTexte().empty());  // the second copy ends without a word
    erste.ExitInstance();
}

// Another program closes the running one through its message: no question is asked.
TEST_F(StartTest, ClientNachrichtBeendetOhneFrage) {
    legeProgrammordnerAn();
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    CMainFrame* frame = app.GetMainFrame();
    ASSERT_TRUE(frame->isVisible());
    ui::SingleInstance andere(umgebung.instanzSchluessel);
    ASSERT_TRUE(andere.sende("VarmionClientCommunication"));
    for (int i = 0; i < 200 && frame->isVisible(); ++i) uitest::processEvents();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    app.ExitInstance();
}

// Records each box of start-up with what lay above it, and answers OK.
class BoxenBeimStart : public platform::MessageBoxPresenter {
  public:
    struct SBox {
        std::u16string text;
        bool splashSichtbar = false;
        bool fensterDarueber = false;  // a visible window kept above all others
    };
    explicit BoxenBeimStart(const CKelvoApp& app) : m_app(app) {}
    int present(const platform::MessageBoxRequest& r) override {
        SBox box{r.text};
        box.splashSichtbar = m_app.GetSplash() && m_app.GetSplash()->isVisible();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
                box.fensterDarueber = true;
        boxen.push_back(box);
        return platform::id::OK;
    }
    std::vector<SBox> boxen;

  private:
    const CKelvoApp& m_app;
};

// A library database cut short (as by a broken copy) is reported during start-up. Its box
// must be the top window: the splash is not kept above it and is hidden first, so that the
// start does not look hung behind an unseen box.
TEST_F(StartTest, BoxenDesStartsLiegenNichtUnterDemSplash) {
    legeProgrammordnerAn();
    const std::string bibo = testsupport::ReadFileBytes(VARM_LIBRARY_DB);
    testsupport::WriteFileBytes(ordner.file("varmionDeng.bib"), bibo.substr(0, bibo.size() / 2));
    CKelvoApp app;
    BoxenBeimStart boxen(app);
    const platform::ScopedMessageBoxPresenter presenter(boxen);
    EXPECT_FALSE(app.InitInstance(umgebung));  // half a library lacks whole lists
    ASSERT_GE(boxen.boxen.size(), 2u);
    for (const auto& box : boxen.boxen) {
        EXPECT_FALSE(box.splashSichtbar) << platform::toUtf8(box.text);
        EXPECT_FALSE(box.fensterDarueber) << platform::toUtf8(box.text);
    }
    EXPECT_NE(boxen.boxen.front().text.find(u"was not read completely"), std::u16string::npos)
        << platform::toUtf8(boxen.boxen.front().text);
    EXPECT_EQ(boxen.boxen.back().text, u"Cannot initialize Varmion (ENG)");
    app.ExitInstance();
}

// A start that fails before any language is loaded shows its boxes with the toolkit's
// button words, not "Msg: 61730".
TEST_F(StartTest, OhneSpracheTragenDieKnoepfeDieWorteDesToolkits) {
    kopiere(VARM_LIBRARY_DB);
    schreibeKonfig(16, 1);
    CResManager::freeLangRes();
    ui::QtMessageBoxPresenter qt;
    const platform::ScopedMessageBoxPresenter presenter(qt);
    auto& d = uitest::dialogs();
    std::vector<QString> knoepfe;
    for (int i = 0; i < 2; ++i)
        d.expectDialog(u"Application", [&](QDialog& dlg) {
            auto& box = static_cast<QMessageBox&>(dlg);
            knoepfe.push_back(box.button(QMessageBox::Ok)->text());
            if (knoepfe.size() == 1) uitest::saveArtifact(box, "start-box-without-language");
            box.button(QMessageBox::Ok)->click();
        });
    CKelvoApp app;
    EXPECT_FALSE(app.InitInstance(umgebung));
    EXPECT_EQ(knoepfe, (std::vector<QString>{QStringLiteral("OK"), QStringLiteral("OK")}));
}

// Two copies of the program started at the same moment in one program folder: exactly one
// stays, and it is the one a later copy reaches. Real processes, as a user starts them.
TEST_F(StartTest, VonZweiGleichzeitigGestartetenKopienBleibtEine) {
    legeProgrammordnerAn();
    kopiere(kBin / "Varmion");
    kopiere(kBin / "Varmcore.so");
    fs::permissions(ordner.path() / "Varmion", fs::perms::owner_exec, fs::perm_options::add);
    // Their sockets in a folder of their own, where nothing else of the user meets them.
    const fs::path sockets = ordner.path() / "tmp";
    fs::create_directory(sockets);
    QProcessEnvironment umwelt = QProcessEnvironment::systemEnvironment();
    umwelt.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umwelt.insert(QStringLiteral("TMPDIR"), QString::fromStdString(sockets.string()));
    const QString programm = QString::fromStdString((ordner.path() / "Varmion").string());
    QProcess a, b;
    for (QProcess* p : {&a, &b}) {
        p->setProcessEnvironment(umwelt);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(programm, {});
    }
    ASSERT_TRUE(a.waitForStarted(5000));
    ASSERT_TRUE(b.waitForStarted(5000));
    // One of them hands over and ends without a word; the other keeps running.
    QElapsedTimer uhr;
    uhr.start();
    while (a.state() == QProcess::Running && b.state() == QProcess::Running &&
           uhr.elapsed() < 20000)
        if (!a.waitForFinished(20)) b.waitForFinished(20);
    QProcess& beendet = a.state() == QProcess::Running ? b : a;
    QProcess& laufend = a.state() == QProcess::Running ? a : b;
    EXPECT_EQ(beendet.state(), QProcess::NotRunning);
    EXPECT_EQ(beendet.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(beendet.exitCode(), 0);
    EXPECT_FALSE(laufend.waitForFinished(1000));
    EXPECT_EQ(laufend.state(), QProcess::Running);
    // The survivor is the one that answers: another program closes it through its socket
    // (asked again until its main window stands and takes the message).
    const QString name = QString::fromStdString(
        (sockets / ("NORVANEWARE-Hauptfenster-Neu-" + std::to_string(::getuid()))).string());
    bool erreicht = false;
    uhr.restart();
    while (laufend.state() == QProcess::Running && uhr.elapsed() < 20000) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(1000)) {
            erreicht = true;
            socket.write("VarmionClientCommunication\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        laufend.waitForFinished(500);
    }
    EXPECT_TRUE(erreicht);
    EXPECT_EQ(laufend.state(), QProcess::NotRunning);
    EXPECT_EQ(laufend.exitCode(), 0);
    for (QProcess* p : {&a, &b})
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(3000);
        }
}

// A paint handler that throws: one report, no box storm on every repaint (and not 3155,
// which stands for errors in the other handlers).
TEST_F(StartTest, EinFehlerBeimZeichnenWirdEinmalGemeldet) {
    class Fehlerhaft : public ui::WindowOf<QWidget> {
      public:
        int zeichnungen = 0;
        void onPaint(ui::DrawContext&) override {
            ++zeichnungen;
            throw std::runtime_error("paint failed");
        }
    };
    CKelvoApp app;
    Fehlerhaft fenster;
    fenster.resize(60, 40);
    uitest::dialogs().expectMessageBox(platform::id::OK);
    fenster.show();
    for (int i = 0; i < 5; ++i) {
        fenster.repaint();
        uitest::processEvents();
    }
    EXPECT_EQ(fenster.zeichnungen, 1);
    ASSERT_EQ(boxTexte(), std::vector<std::u16string>{u"paint failed"});
}

// Help without a browser to show it: the user is told where the page lies.
TEST_F(StartTest, HilfeOhneBrowserSagtWoDieSeiteLiegt) {
    legeProgrammordnerAn();
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    uitest::desktop().oeffnet = false;
    uitest::dialogs().expectMessageBox(platform::id::OK);
    app.WinHelp();
    const std::u16string seite = (ordner.path() / "varmionEn" / "html" / "index.htm").u16string();
    ASSERT_EQ(boxTexte().size(), 1u);
    EXPECT_EQ(boxTexte()[0],
              u"The help could not be opened in a web browser. You can open the help page "
              u"yourself:\r\n" + seite);
    EXPECT_EQ(uitest::dialogs().boxes()[0].caption, u"Varmion");
    uitest::desktop().oeffnet = true;
    app.ExitInstance();
}

class SplashTest : public uitest::Fixture {};

TEST_F(SplashTest, BeendenZweimalUndKeinSchliessenDurchDenBenutzer) {
    std::unique_ptr<CSplashThread> handle;
    ASSERT_EQ(CSplashThread::Starten(handle, [] { return std::make_unique<CMySplashWnd>(); }), 1);
    CSplashWnd* fenster = handle->Fenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->BildBreite(), 480);
    EXPECT_EQ(fenster->BildHoehe(), 300);
    uitest::saveArtifact(*fenster, "splash");
    // A close that does not come from Beenden (keyboard, window manager) is refused.
    fenster->close();
    uitest::processEvents();
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(CSplashThread::Beenden(handle, nullptr), 1);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(CSplashThread::Beenden(handle, nullptr), 0);
}

TEST_F(SplashTest, OhneBildFensterDerGroesseNull) {
    const platform::ModuleHandle vorher = platform::currentResourceModule();
    platform::setCurrentResourceModule(nullptr);
    std::unique_ptr<CSplashThread> handle;
    EXPECT_EQ(CSplashThread::Starten(handle, [] { return std::make_unique<CMySplashWnd>(); }), 1);
    EXPECT_EQ(handle->Fenster()->BildBreite(), 0);
    EXPECT_EQ(CSplashThread::Beenden(handle, nullptr), 1);
    platform::setCurrentResourceModule(vorher);
}

}  // namespace
