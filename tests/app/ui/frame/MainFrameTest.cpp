// The main window as its user meets it: menus in the program's language with and without
// a project, prompts in the status bar, the button bar, help on F1, the question before
// the program ends, the message of another program that closes it, and the placement it
// takes again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <map>
#include <optional>

#include "app/base/KVSDatenSheet.h"
#include "app/frame/ChildFrame.h"
#include "app/frame/LeftBarBkgnd.h"
#include "app/frame/MainFrame.h"
#include "app/frame/MainFrameBkgnd.h"
#include "controls/buttons/ShadeButtonST.h"
#include "controls/resizable/Profile.h"
#include "core/text/ResManager.h"
#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "platform/ui/Colour.h"
#include "platform/ui/Menu.h"
#include "platform/ui/SingleInstance.h"
#include "tests/app/ui/base/TestDatenPage.h"
#include "tests/controls/resizable/MemoryProfile.h"
#include "tests/support/EnglischeTexte.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

using platform::id::NO;
using platform::id::YES;

QString Text(unsigned id) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id)));
}

// The two colours of the bar and its texts; every other option is not asked for here.
class Farben : public IKelvoOptionen {
  public:
    void GetStringWert(uint32_t, CVRMString& wert) const override { wert.clear(); }
    int32_t GetLongWert(uint32_t id, int32_t& wert) const override {
        wert = id == OPT_COLOR_BKGND_HF ? 0x93D9E6 : id == OPT_COLOR_HFTEXT ? hfText : 0;
        return wert;
    }
    float GetFloatWert(uint32_t, float& wert) const override { return wert = 0.0f; }
    void SetStringWert(uint32_t, const CVRMString*) override {}
    void SetLongWert(uint32_t, int32_t) override {}
    void SetFloatWert(uint32_t, float) override {}
    int32_t hfText = 0x5A3C18;  // dark blue
};

class MainFrameTest : public uitest::Fixture {
  protected:
    MainFrameTest() {
        testsupport::LadeEnglischeTexte();  // the pictures of the English module
        testsupport::LadeSprache();
        app.optionsManager = &farben;
    }

    std::unique_ptr<CMainFrame> NeuesFenster() {
        auto frame = std::make_unique<CMainFrame>(&profil);
        EXPECT_TRUE(frame->LoadFrame());
        frame->resize(1024, 700);
        return frame;
    }

    QStringList MenuTexte(CMainFrame& frame) {
        QStringList texte;
        for (QAction* a : frame.menuBar()->actions()) texte << a->text();
        return texte;
    }

    // A project window with a document, activated.
    CChildFrame* NeuesProjekt(CMainFrame& frame) {
        auto* kind = new CChildFrame(&dokument);
        kind->setWidget(new QWidget);
        frame.mdiArea()->addSubWindow(kind);
        kind->ActivateFrame();
        frame.mdiArea()->setActiveSubWindow(kind);
        uitest::processEvents();
        return kind;
    }

    testsupport::FakeKelvoApp app;
    testsupport::FakeKelvoDoc dokument;
    Farben farben;
    testsupport::MemoryProfile profil;
};

TEST_F(MainFrameTest, MenuOhneProjektInDerSpracheDesProgramms) {
    auto frame = NeuesFenster();
    EXPECT_EQ(MenuTexte(*frame), (QStringList{Text(4488), Text(4493), Text(4441), Text(4500), Text(4510)}));
    const struct {
        int command;
        unsigned text;
    } faelle[] = {{57601, 4490}, {57665, 4495}, {59393, 4492}, {32860, 5731}, {32830, 4442},
                  {32843, 4509}, {57670, 4511}, {57664, 4513}};
    for (const auto& f : faelle) {
        QAction* a = ui::findAction(frame->menuBar(), f.command);
        ASSERT_NE(a, nullptr) << f.command;
        EXPECT_EQ(a->text(), Text(f.text)) << f.command;
    }
    EXPECT_EQ(ui::findAction(frame->menuBar(), 57602), nullptr);
}

TEST_F(MainFrameTest, MenuMitProjektUndDieAufwandszahlNurInDeutschland) {
    for (int land : {0, 3}) {
        SCOPED_TRACE(land);
        app.landCode = land;
        auto frame = NeuesFenster();
        CChildFrame* kind = NeuesProjekt(*frame);
        EXPECT_EQ(MenuTexte(*frame), (QStringList{Text(5299), Text(4522), Text(4533), Text(4543),
                                                 Text(4500), Text(4549), Text(4510)}));
        EXPECT_EQ(ui::findAction(frame->menuBar(), 57602)->text(), Text(4521));
        EXPECT_EQ(ui::findAction(frame->menuBar(), 40001)->text(), Text(6015));
        EXPECT_EQ(ui::findAction(frame->menuBar(), 32814) != nullptr, land == 0);
        EXPECT_EQ(frame->GetAktivesDokument(), &dokument);
        EXPECT_TRUE(kind->isMaximized());

        // Without a project window the menus are those without a project again.
        kind->close();
        uitest::processEvents();
        EXPECT_EQ(frame->menuBar()->actions().size(), 5);
        EXPECT_THROW(frame->GetAktivesDokument(), platform::UserException);
    }
}

TEST_F(MainFrameTest, StatuszeileZeigtDenPromptDesBefehls) {
    auto frame = NeuesFenster();
    frame->show();
    EXPECT_EQ(frame->Statuszeile()->text(), Text(7260));
    QAction* oeffnen = ui::findAction(frame->menuBar(), 57601);
    oeffnen->hover();
    EXPECT_EQ(frame->Statuszeile()->text(), Text(5313));
    EXPECT_EQ(frame->GetMessageString(57665), Text(5312).toStdU16String());
    EXPECT_EQ(frame->GetMessageString(12345), Text(7260).toStdU16String());

    // Pointing at a bar button shows its prompt; leaving it, the idle prompt.
    CShadeButtonST* auslegung = frame->LeftBar()->Knopf(1);
    QEvent rein(QEvent::Enter), raus(QEvent::Leave);
    QApplication::sendEvent(auslegung, &rein);
    EXPECT_EQ(frame->Statuszeile()->text(), Text(4366));
    QApplication::sendEvent(auslegung, &raus);
    EXPECT_EQ(frame->Statuszeile()->text(), Text(7260));
}

TEST_F(MainFrameTest, LeisteMitAchtKnoepfenUndIhrenErklaerungen) {
    auto frame = NeuesFenster();
    frame->show();
    frame->LayoutErklaerungen();
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i) {
        const auto& k = CLeftBarBkgnd::kKnoepfe[i];
        CShadeButtonST* knopf = frame->LeftBar()->Knopf(i);
        EXPECT_EQ(knopf->text(), Text(k.textId)) << i;
        EXPECT_EQ(ui::controlId(knopf), k.commandId);
        // Each explanation stands level with its button.
        const auto& rects = frame->Hintergrund()->TextRects();
        ASSERT_TRUE(rects.count(k.erklaerungId)) << i;
        const QWidget* flaeche = frame->mdiArea()->viewport();
        EXPECT_EQ(rects.at(k.erklaerungId).top(),
                  flaeche->mapFromGlobal(knopf->mapToGlobal(QPoint(0, 0))).y());
    }
    EXPECT_TRUE(frame->Hintergrund()->HatBild());
    // Help is the frame's own command; the project commands wait for a project.
    EXPECT_TRUE(frame->LeftBar()->Knopf(7)->isEnabled());
    EXPECT_FALSE(frame->LeftBar()->Knopf(1)->isEnabled());
    uitest::click(*frame->LeftBar()->Knopf(7), {10, 10});
    ASSERT_EQ(app.hilfeThemen.size(), 1u);
    EXPECT_EQ(app.hilfeThemen[0], u"index");
}

// A greyed button keeps the disabled look (a light relief beneath a grey label), and its
// label stands out from the shade beneath it at least as far as the grey text of a disabled
// desktop control does from the button face (5 % for the label's rounding to a grey).
TEST_F(MainFrameTest, AusgegrauteKnoepfeBleibenLesbar) {
    auto frame = NeuesFenster();
    frame->show();
    uitest::processEvents();
    const double desktop = ui::contrastRatio(ui::sysColour(ui::SysColour::GrayText),
                                             ui::sysColour(ui::SysColour::ButtonFace));
    int ausgegraut = 0;
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i) {
        CShadeButtonST* knopf = frame->LeftBar()->Knopf(i);
        if (knopf->isEnabled()) continue;
        ++ausgegraut;
        const QImage bild = uitest::render(*knopf);
        const CCeXDib& schatten = knopf->normalImage();
        const auto grund = [&](int x, int y) {
            return ui::ColourRef(schatten.PaletteColour(schatten.GetPixelIndex(x, y)));
        };
        // The label lies below the picture, inside the border; its letters are the pixels
        // darker than the shade (the relief is lighter).
        double label = 1, dunkelsterGrund = 1;
        int relief = 0;
        for (int y = bild.height() * 2 / 3; y < bild.height() - 3; ++y)
            for (int x = 3; x < bild.width() - 3; ++x) {
                const double l = ui::relativeLuminance(ui::fromQRgb(bild.pixel(x, y)));
                const double g = ui::relativeLuminance(grund(x, y));
                if (l > g + 0.02) ++relief;
                if (l >= g - 0.02) continue;
                label = std::min(label, l);
                dunkelsterGrund = std::min(dunkelsterGrund, g);
            }
        const double kontrast = (dunkelsterGrund + 0.05) / (label + 0.05);
        EXPECT_GE(kontrast, 0.95 * desktop) << knopf->text().toStdString();
        EXPECT_GT(relief, 20) << knopf->text().toStdString();
    }
    EXPECT_GE(ausgegraut, 6);  // every step but help (and opening, once registered)
    const QImage leiste = uitest::render(*frame->LeftBar());
    uitest::saveArtifact(leiste.scaled(leiste.size() * 2), "left-bar-greyed");
}

TEST_F(MainFrameTest, F1OeffnetDieHilfe) {
    auto frame = NeuesFenster();
    frame->show();
    frame->activateWindow();
    uitest::key(*frame, Qt::Key_F1);
    ui::findAction(frame->menuBar(), 57670)->trigger();
    ASSERT_EQ(app.hilfeThemen.size(), 2u);
    EXPECT_EQ(app.hilfeThemen[0], u"index");
}

TEST_F(MainFrameTest, BeendenFragtZuerst) {
    auto frame = NeuesFenster();
    frame->show();
    uitest::dialogs().expectMessageBox(NO);
    ui::findAction(frame->menuBar(), 57665)->trigger();
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(uitest::dialogs().boxes().size(), 1u);
    EXPECT_EQ(uitest::dialogs().boxes()[0].text, Text(3253).toStdU16String());

    uitest::dialogs().expectMessageBox(YES);
    ui::findAction(frame->menuBar(), 57665)->trigger();
    EXPECT_FALSE(frame->isVisible());
}

// Master data with changes are asked about before the exit question.
TEST_F(MainFrameTest, StammdatenMitAenderungenZuerst) {
    auto frame = NeuesFenster();
    CKVSDatenSheet stammdaten(u"Master data", nullptr);
    testsupport::TestDatenPage wp(CKVSDatenSheet::kWP1);
    stammdaten.AddDatenPage(&wp);
    stammdaten.createModeless(true);
    frame->SetStammdatenSheet(&stammdaten);
    frame->show();
    wp.m_modified = 1;

    uitest::dialogs().expectMessageBox(platform::id::CANCEL);  // stay on the page
    frame->close();
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(uitest::dialogs().boxes().size(), 1u);

    uitest::dialogs().expectMessageBox(YES);  // save the page
    uitest::dialogs().expectMessageBox(YES);  // exit
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(wp.aufrufe, std::vector<std::string>{"Save"});
    const auto& boxes = uitest::dialogs().boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, Text(3253).toStdU16String());
}

TEST_F(MainFrameTest, ClientNachrichtSchliesstOhneFrage) {
    auto frame = NeuesFenster();
    CKVSDatenSheet stammdaten(u"Master data", nullptr);
    testsupport::TestDatenPage wp(CKVSDatenSheet::kWP1);
    stammdaten.AddDatenPage(&wp);
    frame->SetStammdatenSheet(&stammdaten);
    wp.m_modified = 1;
    frame->show();
    EXPECT_FALSE(CMainFrame::SchliessenVerlangt());

    // Through the local socket, as another program sends it.
    ui::SingleInstance laufend(u"f22-mainframe-test");
    ASSERT_TRUE(laufend.lausche([] {}, [&](std::string_view z) { frame->ClientNachricht(z); }));
    ui::SingleInstance andere(u"f22-mainframe-test");
    ASSERT_TRUE(andere.sende("VarmionClientCommunication"));
    QElapsedTimer uhr;
    uhr.start();
    while (frame->isVisible() && uhr.elapsed() < 3000) uitest::processEvents();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    EXPECT_TRUE(CMainFrame::SchliessenVerlangt());
    // Pages no longer build themselves.
    testsupport::TestDatenPage spaet(CKVSDatenSheet::kHaus);
    EXPECT_THROW(spaet.onSetActive(), platform::UserException);
}

TEST_F(MainFrameTest, ReportNachrichtGehtAnDieAnwendung) {
    auto frame = NeuesFenster();
    long w = 0, l = 0;
    frame->SetReportAntwort([&](long a, long b) { w = a; l = b; });
    frame->ClientNachricht("VarmionReportCommunication 3 4");
    EXPECT_EQ(w, 3);
    EXPECT_EQ(l, 4);
    EXPECT_FALSE(frame->Logik().SchliessFlag());
}

TEST_F(MainFrameTest, PlatzierungBeimErstenAktivieren) {
    // Inside the 800 x 800 test screen, and at least the frame's 799 pixels wide.
    profil.entries[{u"KelvoMainFrame", u"WindowPlacement"}] = u"1,30,800,630,1,0";
    auto frame = NeuesFenster();
    frame->ActivateFrame();
    EXPECT_EQ(frame->geometry(), QRect(1, 30, 799, 600));
    frame->setGeometry(40, 50, 900, 760);
    frame->ActivateFrame();  // only the first activation restores
    EXPECT_EQ(frame->geometry(), QRect(40, 50, 900, 760));
    frame.reset();
    EXPECT_EQ((profil.entries[{u"KelvoMainFrame", u"WindowPlacement"}]), u"40,50,940,810,1,0");
}

// A placement saved on a larger or another screen (here far below and to the right of the
// test screen) comes back wholly inside the screen, not with only a corner in sight.
TEST_F(MainFrameTest, PlatzierungAusserhalbDesBildschirmsKommtGanzZurueck) {
    profil.entries[{u"KelvoMainFrame", u"WindowPlacement"}] = u"3000,2000,3800,2600,1,0";
    auto frame = NeuesFenster();
    frame->ActivateFrame();
    const QRect flaeche = frame->screen()->availableGeometry();
    EXPECT_TRUE(flaeche.contains(frame->geometry()))
        << frame->geometry().x() << "," << frame->geometry().y() << " in " << flaeche.width()
        << "x" << flaeche.height();
    EXPECT_EQ(frame->geometry().size(), QSize(800, 600));
}

TEST_F(MainFrameTest, MindestgroesseNachBildschirm) {
    auto frame = NeuesFenster();
    EXPECT_EQ(frame->minimumWidth(), frame->BerechneFensterBreite(0, 1));
    EXPECT_GE(frame->minimumHeight(), frame->BerechneFensterHoehe(0));
}

TEST_F(MainFrameTest, BilderEnglischUndDeutsch) {
    {
        auto frame = NeuesFenster();
        frame->show();
        frame->LayoutErklaerungen();
        uitest::processEvents();
        uitest::saveArtifact(*frame, "main-frame");
    }
    for (const auto& modul : testsupport::AusgelieferteSprachModule()) {
        if (modul.datei.find("eng") != std::string::npos) continue;
        testsupport::LadeSprache(modul);
        auto frame = NeuesFenster();
        frame->show();
        frame->LayoutErklaerungen();
        uitest::processEvents();
        EXPECT_EQ(frame->menuBar()->actions().at(0)->text(), QStringLiteral("&Datei"));
        uitest::saveArtifact(*frame, "main-frame-de");
    }
    testsupport::LadeSprache();
}

}  // namespace
