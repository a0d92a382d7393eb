// The wait window: its animation plays by itself frame after frame, Cancel and Esc only set
// the flag, and it comes up again fresh for the next report.
#include <gtest/gtest.h>

#include <QPushButton>

#include "dialogs/DlgWait.h"
#include "platform/ui/AnimateCtrl.h"
#include "tests/support/ui/UiTest.h"

namespace {

class DlgWaitTest : public uitest::Fixture {
  protected:
    DlgWaitTest() {
        hauptfenster.resize(800, 600);
        hauptfenster.show();
    }
    QWidget hauptfenster;
};

TEST_F(DlgWaitTest, DieAnimationSpieltVonSelbst) {
    CDlgWait warten;
    ASSERT_TRUE(warten.Create(1, &hauptfenster));
    EXPECT_TRUE(warten.isVisible());
    EXPECT_EQ(warten.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(warten.GetFlag(), 1);
    // Centred over the window it waits for, to a pixel or two of rounding.
    const QPoint mitte = hauptfenster.mapToGlobal(hauptfenster.rect().center());
    EXPECT_LE((warten.geometry().center() - mitte).manhattanLength(), 4);

    ui::AnimateCtrl* film = warten.Animation();
    ASSERT_NE(film, nullptr);
    ASSERT_TRUE(film->isOpen());
    EXPECT_EQ(film->frameCount(), 12);
    EXPECT_TRUE(film->isPlaying());
    const QImage erstes = uitest::render(*film);
    uitest::clock().advance(ui::AnimateCtrl::kFrameMs);
    EXPECT_EQ(film->currentFrame(), 1);
    const QImage zweites = uitest::render(*film);
    EXPECT_NE(erstes, zweites);  // the screen shows the new frame
    uitest::clock().advance(11 * ui::AnimateCtrl::kFrameMs);
    EXPECT_EQ(film->currentFrame(), 0);  // round again
    EXPECT_EQ(uitest::render(*film), erstes);
    uitest::clock().advance(3 * ui::AnimateCtrl::kFrameMs);
    uitest::saveArtifact(warten, "wait");

    uitest::key(warten, Qt::Key_Escape);
    EXPECT_TRUE(warten.IstAbgebrochen());
    EXPECT_TRUE(warten.isVisible());
    warten.Close();
    EXPECT_FALSE(warten.isVisible());
    EXPECT_FALSE(film->isPlaying());

    // The next report: a fresh flag, playing again; the button cancels as Esc does.
    ASSERT_TRUE(warten.Create(0, &hauptfenster));
    EXPECT_FALSE(warten.IstAbgebrochen());
    EXPECT_TRUE(film->isPlaying());
    uitest::click(*ui::child(&warten, CDlgWait::kIdcAbbrechen), {5, 5});
    EXPECT_TRUE(warten.IstAbgebrochen());
    warten.Close();
}

}  // namespace
