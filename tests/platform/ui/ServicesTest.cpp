#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ModalDriver.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/QtMessageBoxPresenter.h"
#include "platform/ui/Words.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

using namespace ui;

class Services : public uitest::Fixture {};

TEST_F(Services, ShellOpenKeepsTheTargetOneArgument) {
    auto& d = uitest::desktop();
    EXPECT_TRUE(Shell::open(u"https://example.org/a b?x=1"));
    EXPECT_TRUE(Shell::open(u"mailto:info@example.org"));
    EXPECT_TRUE(Shell::open(u"/tmp/report; rm -rf ~.htm"));  // a file name, never a command
    EXPECT_FALSE(Shell::open(u""));
    ASSERT_EQ(d.opened.size(), 3u);
    EXPECT_EQ(d.opened[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(d.opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(d.opened[2].isLocalFile());
    EXPECT_EQ(d.opened[2].toLocalFile(), QStringLiteral("/tmp/report; rm -rf ~.htm"));

    Shell::start("/usr/bin/prog", {u"/data/my file.doc"});
    ASSERT_EQ(d.started.size(), 1u);
    EXPECT_EQ(d.started[0].second, QStringList{QStringLiteral("/data/my file.doc")});
}

TEST_F(Services, HelpOpensTheTopicPageOrTheContents) {
    QTemporaryDir dir;
    const std::filesystem::path chm = dir.filePath(QStringLiteral("Varmion.chm")).toStdString();
    const std::filesystem::path html = chm.parent_path() / "Varmion" / "html";
    std::filesystem::create_directories(html);
    std::ofstream(html / "options.htm") << "<html></html>";
    auto& d = uitest::desktop();
    HelpViewer::showTopic(chm, u"options");
    HelpViewer::showTopic(chm, u"missing");
    HelpViewer::showTopic(chm, u"../../etc/passwd");
    ASSERT_EQ(d.opened.size(), 3u);
    EXPECT_EQ(d.opened[0].toLocalFile().toStdString(), (html / "options.htm").string());
    EXPECT_EQ(d.opened[1].toLocalFile().toStdString(), (html / "index.htm").string());
    EXPECT_EQ(d.opened[2].toLocalFile().toStdString(), (html / "index.htm").string());
}

TEST_F(Services, WaitCursorNestsAndClipboardTakesTheImage) {
    {
        WaitCursor outer;
        WaitCursor inner;
    }
    EXPECT_EQ(uitest::desktop().waitCursor, (std::vector<bool>{true, false}));
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    EXPECT_TRUE(Clipboard::setImage(img));
    EXPECT_EQ(uitest::desktop().clipboard, img);
}

TEST_F(Services, CommonDialogFiltersAndDefaultExtension) {
    EXPECT_EQ(qtFilter(u"Bitmap |*.bmp|"), QStringLiteral("Bitmap (*.bmp)"));
    EXPECT_EQ(qtFilter(u"Text|*.txt;*.csv|All files|*.*||"),
              QStringLiteral("Text (*.txt *.csv);;All files (*)"));
    EXPECT_EQ(withDefaultExtension(u"/tmp/Chart", u"BMP"), u"/tmp/Chart.bmp");
    EXPECT_EQ(withDefaultExtension(u"/tmp/Chart.png", u"BMP"), u"/tmp/Chart.png");
    uitest::dialogs().expectFile(u"/tmp/x.bmp");
    FileDialogRequest r;
    r.save = true;
    r.title = u"Save chart";
    EXPECT_EQ(CommonDialogs::file(r), std::optional<std::u16string>(u"/tmp/x.bmp"));
    EXPECT_EQ(uitest::dialogs().fileRequests().at(0).title, u"Save chart");
}

TEST_F(Services, QtMessageBoxAnswersTheButtonPressed) {
    QtMessageBoxPresenter presenter;
    for (auto [button, answer] : {std::pair{QMessageBox::No, platform::id::NO},
                                  std::pair{QMessageBox::Yes, platform::id::YES}}) {
        uitest::dialogs().expectDialog(u"Varmion", [button = button](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            EXPECT_EQ(box.text(), QStringLiteral("Save the project?"));
            EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));  // DEFBUTTON2
            uitest::saveArtifact(box, "messagebox-yes-no");
            box.button(button)->click();
        });
        EXPECT_EQ(presenter.present({u"Save the project?", u"Varmion",
                                     platform::mb::YESNO | platform::mb::ICONQUESTION |
                                         platform::mb::DEFBUTTON2}),
                  answer);
    }
}

// The buttons speak the program's language: German words with the German table loaded.
TEST_F(Services, QtMessageBoxButtonsInTheProgramsLanguage) {
    QtMessageBoxPresenter presenter;
    for (const auto& modul : testsupport::AusgelieferteSprachModule()) {
        if (modul.datei.find("eng") != std::string::npos) continue;
        ASSERT_TRUE(testsupport::LadeSprache(modul));
        uitest::dialogs().expectDialog(u"Varmion", [](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
            EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
            EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
            uitest::saveArtifact(box, "messagebox-de");
            box.button(QMessageBox::No)->click();
        });
        EXPECT_EQ(presenter.present({u"Projekt speichern?", u"Varmion",
                                     platform::mb::YESNOCANCEL | platform::mb::ICONQUESTION}),
                  platform::id::NO);
    }
    testsupport::LadeSprache();
}

// Before a language table is loaded (a start that fails early) the layer's buttons take
// the toolkit's words instead of "Msg: 61730"; with the table, the table's.
TEST_F(Services, ButtonsWithoutALanguageTakeTheToolkitsWords) {
    struct OhneSprache : WordSource {
        std::optional<std::u16string> text(unsigned) const override { return std::nullopt; }
        std::u16string caption() const override { return u"Application"; }
    } ohne;
    struct Deutsch : WordSource {
        std::optional<std::u16string> text(unsigned id) const override {
            if (id == 61730) return u"Gut";
            if (id == 61731) return u"Lieber nicht";
            return std::nullopt;
        }
        std::u16string caption() const override { return u"Programm"; }
    } deutsch;
    const struct {
        const WordSource* woerter;
        QString ok, abbrechen, uebernehmen;
    } cases[] = {
        {&ohne, QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Apply")},
        {&deutsch, QStringLiteral("Gut"), QStringLiteral("Lieber nicht"), QStringLiteral("Apply")},
    };
    QtMessageBoxPresenter presenter;
    for (const auto& c : cases) {
        const WordSource* vorher = setWordSource(c.woerter);
        uitest::dialogs().expectDialog(u"Application", [&](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            EXPECT_EQ(box.button(QMessageBox::Ok)->text(), c.ok);
            EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), c.abbrechen);
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(presenter.present({u"Cannot initialize", u"Application", platform::mb::OKCANCEL}),
                  platform::id::OK);
        PropertySheet sheet(u"Options");
        sheet.createModeless(false);
        EXPECT_EQ(qobject_cast<QPushButton*>(child(&sheet, kIdOk))->text(), c.ok);
        EXPECT_EQ(qobject_cast<QPushButton*>(child(&sheet, kIdCancel))->text(), c.abbrechen);
        EXPECT_EQ(qobject_cast<QPushButton*>(child(&sheet, kIdApply))->text(), c.uebernehmen);
        setWordSource(vorher);
    }
}

// Escape never confirms: Cancel where there is one, else No, else the only answer.
TEST_F(Services, QtMessageBoxEscapeIsTheSafeAnswer) {
    QtMessageBoxPresenter presenter;
    const struct {
        uint32_t style;
        int answer;
    } cases[] = {
        {platform::mb::YESNO, platform::id::NO},  // default Yes
        {platform::mb::YESNOCANCEL, platform::id::CANCEL},
        {platform::mb::OKCANCEL, platform::id::CANCEL},
        {platform::mb::OK, platform::id::OK},
    };
    for (const auto& c : cases) {
        uitest::dialogs().expectDialog(u"Varmion", [](QDialog& d) { uitest::key(d, Qt::Key_Escape); });
        EXPECT_EQ(presenter.present({u"Really exit?", u"Varmion", c.style}), c.answer) << c.style;
    }
}

// A box raised just as the window that was active closes (a wizard's Finish, the end of a
// dialog) is still shown and waits for its answer. It runs in Qt's own modal loop here, not
// the harness's script: a box made the window's child would be deleted with the window
// while it waits.
TEST_F(Services, QtMessageBoxWaitsWhenTheActiveDialogCloses) {
    enum class Ende { DavorVersteckt, WaehrendDesKastens, WaehrendDesKastensGeloescht };
    struct EchteSchleife {
        ModalDriver::Runner vorher = ModalDriver::install({});
        ~EchteSchleife() { ModalDriver::install(vorher); }
    } echteSchleife;
    QtMessageBoxPresenter presenter;
    for (Ende ende : {Ende::DavorVersteckt, Ende::WaehrendDesKastens, Ende::WaehrendDesKastensGeloescht}) {
        auto* dialog = new QDialog;
        QPointer<QDialog> wache(dialog);
        dialog->setWindowTitle(QStringLiteral("Wizard"));
        dialog->show();
        dialog->activateWindow();
        uitest::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), dialog);
        if (ende == Ende::DavorVersteckt) dialog->done(QDialog::Accepted);

        // Ends the dialog once the box is up (the modal loop runs the queued call), then
        // answers the box with a real click, if it is still there to click.
        bool gesehen = false;
        QTimer schliessen, klicken;
        schliessen.setSingleShot(true);
        klicken.setSingleShot(true);
        QObject::connect(&schliessen, &QTimer::timeout, [&] {
            // While its window is open, the box starts over that window's middle.
            if (ende != Ende::DavorVersteckt) {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (qobject_cast<QMessageBox*>(w) && w->isVisible()) {
                        EXPECT_LE((w->frameGeometry().center() - dialog->frameGeometry().center())
                                      .manhattanLength(), 2);  // rounding of halves
                    }
                }
            }
            if (ende == Ende::WaehrendDesKastens) dialog->done(QDialog::Accepted);
            if (ende == Ende::WaehrendDesKastensGeloescht) delete dialog;
            klicken.start(0);
        });
        QObject::connect(&klicken, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                gesehen = true;
                EXPECT_EQ(box->text(), QStringLiteral("Check the pumps."));
                QAbstractButton* ok = box->button(QMessageBox::Ok);
                uitest::click(*ok, ok->rect().center());
            }
        });
        schliessen.start(0);
        // OK and Cancel: an unanswered box would give Cancel.
        EXPECT_EQ(presenter.present({u"Check the pumps.", u"Design", platform::mb::OKCANCEL}),
                  platform::id::OK)
            << static_cast<int>(ende);
        EXPECT_TRUE(gesehen) << static_cast<int>(ende);
        delete wache.data();
    }
}

TEST_F(Services, MenusFromIdsRunThroughTheRouter) {
    registerMenu({90128,
                  {{0, 0, u"&File", {{57600, 0, u"&New"}, {0, 0, u"", {}, true}, {57665, 0, u"E&xit"}}},
                   {0, 0, u"&Help", {{57664, 0, u"&About"}}}}});
    struct Frame : CommandTarget {
        std::vector<int> ran;
        bool onCommand(int id) override {
            if (id != 57600 && id != 57665) return false;
            ran.push_back(id);
            return true;
        }
        bool onUpdateCommand(int id, CommandState&) override { return id == 57600 || id == 57665; }
    } frame;
    CommandRouter router;
    router.setChain([&] { return std::vector<CommandTarget*>{&frame}; });
    QWidget window;
    QMenuBar* bar = buildMenuBar(90128, router, &window);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().size(), 2);
    QAction* about = findAction(bar, 57664);
    ASSERT_NE(about, nullptr);
    QMenu* help = bar->actions()[1]->menu();
    emit help->aboutToShow();
    EXPECT_FALSE(about->isEnabled());  // nobody handles it
    findAction(bar, 57600)->trigger();
    const Accelerator keys[] = {{Qt::Key_Q, Qt::ControlModifier, 57665}};
    installAccelerators(window, keys, router);
    window.show();
    QApplication::setActiveWindow(&window);
    window.setFocus();
    uitest::key(window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(frame.ran, (std::vector<int>{57600, 57665}));
    EXPECT_EQ(buildMenuBar(4711, router, &window), nullptr);
    delete buildPopup(90128, 1, router, &window);
}

}  // namespace
