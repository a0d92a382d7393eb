// The progress window of a long calculation: it keeps the program alive while the
// calculation runs, Cancel, Esc and a release over Cancel stop the calculation without
// closing the window, and a quit request of the program ends the pumping and is left for
// the loop that runs the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include "core/text/ResManager.h"
#include "dialogs/DlgProgress.h"
#include "tests/support/ui/UiTest.h"

namespace {

class DlgProgressTest : public uitest::Fixture {
  protected:
    DlgProgressTest() {
        seite.resize(500, 300);
        seite.show();
    }
    QPushButton* Abbrechen(CDlgProgress& dlg) {
        return qobject_cast<QPushButton*>(ui::child(&dlg, CDlgProgress::kIdcAbbrechen));
    }
    // A release of the left button at `p` of `ziel`, queued as the desktop delivers it.
    static void PosteLoslassen(QWidget& ziel, QPoint p) {
        QCoreApplication::postEvent(
            &ziel, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(p), QPointF(ziel.mapToGlobal(p)),
                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    // Counts the quit requests waiting in the queue and takes them out.
    static int HoleBeendenAnfragen() {
        struct Zaehler : QObject {
            int anzahl = 0;
            bool eventFilter(QObject* ziel, QEvent* e) override {
                if (e->type() != QEvent::Quit || ziel != qApp) return false;
                ++anzahl;
                return true;
            }
        } zaehler;
        qApp->installEventFilter(&zaehler);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&zaehler);
        return zaehler.anzahl;
    }

    QWidget seite;
};

TEST_F(DlgProgressTest, EscUndAbbrechenHaltenDieRechnungAnOhneDasFensterZuSchliessen) {
    CDlgProgress dlg(0, 40, 1, CResManager::getLangText(3237));
    ASSERT_TRUE(dlg.Create(1, &seite));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_FALSE(seite.isEnabled());  // the page waits for the calculation
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(ui::childText(&dlg, CDlgProgress::kIdcText), u"Checking heat pumps in database");
    EXPECT_EQ(Abbrechen(dlg)->text(), QStringLiteral("Cancel"));

    for (int i = 0; i < 14; ++i) {
        dlg.StepIt();
        ASSERT_FALSE(dlg.PumpMessages()) << i;
    }
    EXPECT_EQ(dlg.GetPosition(), 14);
    uitest::saveArtifact(dlg, "progress");

    uitest::key(dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.IstAbgebrochen());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.PumpMessages());
    EXPECT_TRUE(dlg.PumpMessages());  // cancelled stays cancelled

    dlg.Close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(seite.isEnabled());

    CDlgProgress knopf(0, 10, 1, u"");
    knopf.Create(0, &seite);
    uitest::click(*Abbrechen(knopf), {5, 5});
    EXPECT_TRUE(knopf.IstAbgebrochen());
    EXPECT_TRUE(knopf.isVisible());
}

// The button may not have seen the click yet when the calculation asks: the release over
// Cancel that the pump dispatches is enough, a release beside it is not.
TEST_F(DlgProgressTest, LoslassenUeberAbbrechenZaehltBeimPumpen) {
    CDlgProgress dlg(0, 10, 1, u"");
    dlg.Create(1, &seite);
    PosteLoslassen(seite, {5, 5});
    EXPECT_FALSE(dlg.PumpMessages());
    PosteLoslassen(*Abbrechen(dlg), {Abbrechen(dlg)->width() / 2, 4});
    EXPECT_TRUE(dlg.PumpMessages());
    EXPECT_TRUE(dlg.IstAbgebrochen());
}

// The user closes the program while the calculation runs: the pump hands nothing more to
// the windows, the calculation runs to its end, and the quit request waits for the loop
// that runs the program.
TEST_F(DlgProgressTest, BeendenWaehrendDerRechnungBleibtFuerDieHauptschleife) {
    CDlgProgress dlg(0, 10, 1, u"");
    dlg.Create(1, &seite);
    int zugestellt = 0;
    const auto poste = [&] { QMetaObject::invokeMethod(&seite, [&] { ++zugestellt; }, Qt::QueuedConnection); };

    poste();
    EXPECT_FALSE(dlg.PumpMessages());
    EXPECT_EQ(zugestellt, 1);

    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    EXPECT_FALSE(dlg.PumpMessages());  // not cancelled: the calculation ends normally
    EXPECT_TRUE(dlg.IstBeendenAngefragt());
    poste();
    for (int schritt = 0; schritt < 5; ++schritt) EXPECT_FALSE(dlg.PumpMessages());
    EXPECT_EQ(zugestellt, 1);
    dlg.Close();

    EXPECT_EQ(HoleBeendenAnfragen(), 1);
    EXPECT_EQ(zugestellt, 2);
}

}  // namespace
