#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <map>

#include "controls/resizable/ResizableFormView.h"
#include "controls/resizable/ResizableMDIChild.h"
#include "controls/resizable/ResizableMDIFrame.h"
#include "tests/controls/resizable/MemoryProfile.h"
#include "tests/support/ui/UiTest.h"

using namespace resizable;

namespace {

class MdiFrame : public uitest::Fixture {
  protected:
    void SetUp() override {
        frame.menuBar()->addMenu("&File");
        frame.menuBar()->addMenu("&Window");
        frame.statusBar()->showMessage("Ready");
        frame.resize(900, 700);
        frame.show();
        uitest::processEvents();
    }
    // A child whose view needs at least `min`.
    CResizableMDIChild* addChild(QSize min) {
        auto* view = new QLabel("Project window");
        view->setAlignment(Qt::AlignCenter);
        view->setMinimumSize(min);
        auto* child = new CResizableMDIChild;
        child->setWidget(view);
        child->setWindowTitle("North wing");
        frame.mdiArea()->addSubWindow(child);
        return child;
    }
    QSize frameDecoration() const { return frame.size() - frame.mdiArea()->size(); }

    CResizableMDIFrame frame;
};

TEST_F(MdiFrame, MaximisedChildKeepsFrameAtLeastItsViewPlusDecorations) {
    frame.SetMinTrackSize({300, 200});
    CResizableMDIChild* child = addChild({500, 350});
    child->showMaximized();
    uitest::processEvents();
    ASSERT_EQ(frame.MDIGetActive(), child);
    const QSize deco = frameDecoration();
    EXPECT_GT(deco.height(), 0);  // menu and status bar
    EXPECT_GE(frame.minimumWidth(), 500 + deco.width());
    EXPECT_GE(frame.minimumHeight(), 350 + deco.height());

    // Restored, the child no longer binds the frame: its own limit is all that is left.
    child->showNormal();
    uitest::processEvents();
    EXPECT_EQ(frame.minimumSize(), QSize(300, 200));
}

TEST_F(MdiFrame, ChildLimitsCombineItsOwnWithItsView) {
    CResizableMDIChild* child = addChild({240, 160});
    child->resize(400, 300);
    child->show();
    uitest::processEvents();
    const QSize deco = child->size() - child->GetActiveView()->size();
    EXPECT_EQ(child->minimumSize(), QSize(240, 160) + deco);
    // Its own minimum wins where it is larger; the view's maximum plus decoration caps it.
    child->GetActiveView()->setMaximumSize(600, 500);
    child->SetMinTrackSize({350, 100});
    EXPECT_EQ(child->minimumSize(), QSize(350, 160 + deco.height()));
    EXPECT_EQ(child->maximumSize(), QSize(600, 500) + deco);
}

TEST_F(MdiFrame, PlacementIsRestoredWhenEnabledAndSavedOnDestruction) {
    testsupport::MemoryProfile profile;
    {
        CResizableMDIFrame first;
        first.SetProfile(&profile);
        EXPECT_FALSE(first.EnableSaveRestore(u"KelvoMainFrame", true));  // nothing saved yet
        first.setGeometry(-150, 40, 700, 500);
    }
    // Saved off-screen to the left: back at 0 with its width.
    EXPECT_EQ(profile.readString(u"KelvoMainFrame", u"WindowPlacement"), u"0,40,700,540,1,0");
    CResizableMDIFrame second;
    second.SetProfile(&profile);
    EXPECT_TRUE(second.EnableSaveRestore(u"KelvoMainFrame", true));
    EXPECT_EQ(second.geometry(), QRect(0, 40, 700, 500));

    // Five numbers restore nothing.
    profile.entries[{u"KelvoMainFrame", u"WindowPlacement"}] = u"10,10,500,400,1";
    CResizableMDIFrame third;
    third.SetProfile(&profile);
    third.setGeometry(5, 6, 300, 200);
    EXPECT_FALSE(third.EnableSaveRestore(u"KelvoMainFrame", true));
    EXPECT_EQ(third.geometry(), QRect(5, 6, 300, 200));
}

TEST_F(MdiFrame, ChildSavesWhenEnabledAndNotOtherwise) {
    testsupport::MemoryProfile profile;
    CResizableMDIChild* kept = addChild({100, 80});
    kept->SetProfile(&profile);
    kept->EnableSaveRestore(u"ChildFrame", true);
    kept->setGeometry(20, 30, 400, 250);
    CResizableMDIChild* notKept = addChild({100, 80});
    notKept->SetProfile(&profile);
    delete kept;
    delete notKept;
    ASSERT_EQ(profile.entries.size(), 1u);
    EXPECT_EQ(profile.entries.begin()->second, u"20,30,420,280,1,0");
}

// The project window: a form view in a child. Its grip shows while the child is not
// maximised, and goes when the child is.
TEST_F(MdiFrame, FormViewGripFollowsItsChildFrame) {
    auto* view = new CResizableFormView;
    view->SetScrollSize({200, 150});
    auto* child = new CResizableMDIChild;
    child->setWidget(view);
    frame.mdiArea()->addSubWindow(child);
    child->resize(420, 300);
    child->show();
    uitest::processEvents();
    EXPECT_TRUE(view->gripVisible());
    child->showMaximized();
    uitest::processEvents();
    EXPECT_FALSE(view->gripVisible());
    child->showNormal();
    uitest::processEvents();
    EXPECT_TRUE(view->gripVisible());
}

TEST_F(MdiFrame, Screenshot) {
    CResizableMDIChild* child = addChild({300, 200});
    child->resize(520, 360);
    child->move(30, 20);
    child->show();
    uitest::processEvents();
    EXPECT_FALSE(uitest::saveArtifact(frame, "mdi-frame").empty());
}

}  // namespace
