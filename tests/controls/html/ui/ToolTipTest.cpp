// The HTML tooltip on the manual clock: delays, auto-pop, fading, tools, hiding and
// placement kept on the screen.
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

#include "controls/html/PPToolTip.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

using State = CPPToolTip::State;

class Owner : public ui::WindowOf<QWidget> {
  public:
    std::vector<ToolTipNotification> notes;
    std::function<void(TipTool&)> change;
    long onNotify(const ui::Notification& n) override {
        if (n.code != CPPToolTip::kNotifyShowing) return 0;
        auto note = std::any_cast<ToolTipNotification>(n.payload);
        notes.push_back(note);
        if (change) change(*note.tool);
        return 0;
    }
};

class ToolTip : public uitest::Fixture {
  protected:
    void SetUp() override {
        uitest::clock().reset();
        owner.resize(400, 200);
        owner.move(300, 300);
        target = new QWidget(&owner);
        target->setGeometry(20, 20, 120, 40);
        other = new QWidget(&owner);
        other->setGeometry(200, 20, 120, 40);
        owner.show();
        uitest::processEvents();
        ASSERT_TRUE(tip.Create(&owner, true));
        tip.SetNotifyParent(true);
        tip.AddTool(target, u"Flow <b>temperature</b><br>of the heating circuit");
    }
    void TearDown() override {
        tip.hide();
        uitest::Fixture::TearDown();
    }
    void hover(QWidget* w, QPoint p) { uitest::move(*w, p); }

    Owner owner;
    QWidget* target = nullptr;
    QWidget* other = nullptr;
    CPPToolTip tip;
};

TEST_F(ToolTip, ShowsAfterTheInitialDelayAndHidesAfterAutoPop) {
    hover(target, {30, 20});
    uitest::clock().advance(499);
    EXPECT_FALSE(tip.isVisible());
    uitest::clock().advance(1);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.state(), State::Shown);
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].toolWindow, target);
    uitest::clock().advance(4999);
    EXPECT_TRUE(tip.isVisible());
    uitest::clock().advance(1);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.state(), State::Hidden);
    // Resting on in the same tool does not bring it back.
    hover(target, {31, 20});
    uitest::clock().advance(1000);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTip, MovingWhileWaitingRestartsTheDelayButAStillMouseDoesNot) {
    hover(target, {30, 20});
    uitest::clock().advance(300);
    hover(target, {30, 20});  // the same screen position: nothing changes
    uitest::clock().advance(200);
    EXPECT_TRUE(tip.isVisible());
    tip.hide();
    tip.ClearTools();
    tip.AddTool(target, u"again");
    hover(other, {10, 10});   // no tool
    hover(target, {40, 20});
    uitest::clock().advance(300);
    hover(target, {41, 20});  // moved: the delay starts again
    uitest::clock().advance(300);
    EXPECT_FALSE(tip.isVisible());
    uitest::clock().advance(200);
    EXPECT_TRUE(tip.isVisible());
}

TEST_F(ToolTip, NoAutoPopKeepsTheTip) {
    tip.SetBehaviour(CPPToolTip::NoAutoPop);
    hover(target, {30, 20});
    uitest::clock().advance(500 + 20000);
    EXPECT_TRUE(tip.isVisible());
}

TEST_F(ToolTip, AnEmptyTextShowsNothing) {
    tip.AddTool(other, u"");
    hover(other, {30, 20});
    uitest::clock().advance(1000);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.state(), State::Hidden);
    // The owner may empty the text before it shows.
    owner.change = [](TipTool& t) { t.text.clear(); };
    hover(target, {30, 20});
    uitest::clock().advance(1000);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTip, FadingInTakesFiveStepsOfTwentyPercent) {
    tip.SetDelay(CPPToolTip::FadeIn, 20);
    hover(target, {30, 20});
    uitest::clock().advance(500);
    EXPECT_EQ(tip.state(), State::Appearing);
    EXPECT_EQ(tip.transparency(), 100);
    for (int expected : {80, 60, 40, 20}) {
        uitest::clock().advance(20);
        EXPECT_EQ(tip.transparency(), expected);
        EXPECT_EQ(tip.state(), State::Appearing);
    }
    uitest::clock().advance(20);
    EXPECT_EQ(tip.transparency(), 0);
    EXPECT_EQ(tip.state(), State::Shown);
}

TEST_F(ToolTip, FadingInEndsAtATransparencyOffTheGrid) {
    // 100, 80, 60, 40, then 20 is at or below 30: the fading ends at 30. (Waiting for
    // exactly 30 would fade on for ever.)
    owner.change = [](TipTool& t) {
        t.mask |= TipTool::MaskTransparency;
        t.transparency = 30;
    };
    tip.SetDelay(CPPToolTip::FadeIn, 20);
    hover(target, {30, 20});
    uitest::clock().advance(500 + 4 * 20);
    EXPECT_EQ(tip.transparency(), 30);
    EXPECT_EQ(tip.state(), State::Shown);
    uitest::clock().advance(4999);
    EXPECT_TRUE(tip.isVisible());  // auto-pop runs from the end of the fading
    uitest::clock().advance(100);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTip, FadingOutThenShowingThePendingTool) {
    tip.SetDelay(CPPToolTip::FadeOut, 20);
    tip.AddTool(other, u"other");
    hover(target, {30, 20});
    uitest::clock().advance(500);
    ASSERT_EQ(tip.state(), State::Shown);
    hover(other, {30, 20});
    EXPECT_EQ(tip.state(), State::Disappearing);
    uitest::clock().advance(5 * 20);
    EXPECT_EQ(tip.state(), State::Hidden);
    uitest::clock().advance(500);
    EXPECT_EQ(tip.state(), State::Shown);
    EXPECT_EQ(tip.shownTool().text, u"other");
}

TEST_F(ToolTip, ButtonsKeysAndWheelHideAtOnce) {
    for (int how = 0; how < 4; ++how) {
        hover(target, {30 + how, 20});
        uitest::clock().advance(500);
        ASSERT_TRUE(tip.isVisible()) << how;
        if (how == 0) uitest::click(*other, {5, 5});
        if (how == 1) uitest::click(*other, {5, 5}, Qt::RightButton);
        if (how == 2) uitest::key(owner, Qt::Key_A);
        if (how == 3) uitest::wheel(*target, {5, 5}, 120);
        EXPECT_FALSE(tip.isVisible()) << how;
        EXPECT_EQ(tip.state(), State::Hidden) << how;
        hover(other, {100, 30});  // off the tool, so the next hover shows again
    }
}

TEST_F(ToolTip, ASecondToolWithTheSameRectangleReplacesTheFirst) {
    tip.AddTool(target, u"second");
    hover(target, {30, 20});
    uitest::clock().advance(500);
    EXPECT_EQ(tip.shownTool().text, u"second");
}

TEST_F(ToolTip, RectangleToolsMatchOnlyInside) {
    tip.ClearTools();
    tip.AddTool(target, u"left half", {0, 0, 60, 40}, 1);
    tip.AddTool(target, u"right half", {60, 0, 120, 40}, 2);
    hover(target, {90, 20});
    uitest::clock().advance(500);
    EXPECT_EQ(tip.shownTool().text, u"right half");
    EXPECT_EQ(tip.shownTool().id, 2u);
}

TEST_F(ToolTip, TheEditOfAnEditableComboStandsForTheCombo) {
    auto* combo = new QComboBox(&owner);
    combo->setEditable(true);
    combo->setGeometry(20, 100, 150, 26);
    combo->show();
    uitest::processEvents();
    tip.AddTool(combo, u"combo");
    QLineEdit* edit = combo->lineEdit();
    ASSERT_NE(edit, nullptr);
    hover(edit, {10, 5});
    uitest::clock().advance(500);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.shownTool().text, u"combo");
}

TEST_F(ToolTip, ADisabledToolShowsNothing) {
    target->setEnabled(false);
    hover(target, {30, 20});
    uitest::clock().advance(1000);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTip, NearTheScreensCornerTheTipStaysOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->virtualGeometry();
    // The owner a few pixels inside the bottom right corner (a window frame may shift it).
    owner.move(screen.right() - owner.width() - 10, screen.bottom() - owner.height() - 10);
    uitest::processEvents();
    target->move(owner.width() - target->width(), owner.height() - target->height());
    hover(target, {target->width() - 2, target->height() - 2});
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible()) << "cursor " << QCursor::pos().x() << "," << QCursor::pos().y();
    const QRect body = QRect(tip.placement().window.left, tip.placement().window.top,
                             tip.placement().window.width(), tip.placement().window.height());
    EXPECT_TRUE(screen.contains(body)) << body.x() << "," << body.y() << " in " << screen.width();
    EXPECT_EQ(tip.placement().direction, 17);  // above, extending to the left
    // The cursor on the corner's last pixel: the tip's whole window, its 6-pixel shadow to
    // the right and below included, stays on the screen.
    owner.move(screen.right() - owner.width() + 1, screen.bottom() - owner.height() + 1);
    uitest::processEvents();
    const QPoint ecke = target->mapFromGlobal(screen.bottomRight());
    ASSERT_TRUE(target->rect().contains(ecke)) << ecke.x() << "," << ecke.y();
    hover(other, {5, 5});
    hover(target, ecke);
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_TRUE(screen.contains(tip.geometry()))
        << tip.geometry().right() << "," << tip.geometry().bottom() << " in " << screen.right()
        << "," << screen.bottom();
    EXPECT_EQ(tip.geometry().size(), QSize(tip.placement().window.width() + 6,
                                           tip.placement().window.height() + 6));
    // Top left: it turns below the cursor.
    owner.move(screen.topLeft());
    target->move(0, 0);
    uitest::processEvents();
    hover(other, {5, 5});
    hover(target, {1, 1});
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.placement().direction & ~0xF, 0);
    EXPECT_GE(tip.placement().window.left, screen.left());
    EXPECT_GE(tip.placement().window.top, screen.top());
}

TEST_F(ToolTip, AClickOnALinkInTheTipOpensItAndHidesTheTip) {
    uitest::desktop().opened.clear();
    tip.SetBehaviour(CPPToolTip::MouseMayRestOnTip);
    tip.AddTool(target, u"More in the <a href=\"https://example.org/guide\">guide</a>");
    hover(target, {30, 20});
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible());
    uitest::render(tip);  // the paint records the link areas
    ASSERT_FALSE(tip.drawer().LinkAreas().empty());
    const html::Box link = tip.drawer().LinkAreas().front().box;
    uitest::click(tip, {(link.left + link.right) / 2, (link.top + link.bottom) / 2});
    ASSERT_EQ(uitest::desktop().opened.size(), 1u);
    EXPECT_EQ(uitest::desktop().opened[0].toString(), "https://example.org/guide");
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(ToolTip, WindowDetailsModeDescribesTheWindowUnderTheCursor) {
    tip.SetWindowDetailsMode(true);
    ui::setControlId(other, 1234);
    hover(other, {30, 20});
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible());
    const std::u16string& text = tip.shownTool().text;
    EXPECT_NE(text.find(u">Control ID</td><td width=130 bgcolor=window>1234<"), std::u16string::npos);
    EXPECT_NE(text.find(u">Has Tooltip</td><td width=130 bgcolor=window>No<"), std::u16string::npos);
    EXPECT_NE(text.find(u">X</td><td width=130 bgcolor=window>230<"), std::u16string::npos);  // 200 + 30
}

TEST_F(ToolTip, ShapeRegionAndPicture) {
    tip.SetDefaultEffect(2, 0);
    tip.SetBackgroundColours(ui::rgb(255, 255, 255), ui::rgb(255, 255, 255), ui::rgb(200, 220, 255));
    tip.ClearTools();
    tip.AddTool(target, u"<b>Flow temperature</b><br>The water leaves the heat pump<br>at <font color=red>35 °C</font> in the design case.");
    hover(target, {60, 30});
    uitest::clock().advance(500);
    ASSERT_TRUE(tip.isVisible());
    const auto& p = tip.placement();
    // The region holds the anchor's tip row and the body's centre, not the body's corner
    // (rounded) and includes the shadow copy.
    const QRegion& r = tip.windowRegion();
    EXPECT_TRUE(r.contains(QPoint(p.body.left + p.body.width() / 2, p.body.top + p.body.height() / 2)));
    EXPECT_FALSE(r.contains(QPoint(p.body.left, p.body.top)));
    EXPECT_TRUE(r.contains(QPoint(p.body.right + 3, p.body.bottom + 3)));  // shadow, offset 6

    // The owner with the tip where the screen shows it.
    QImage shot = uitest::render(owner);
    const QImage tipImage = uitest::render(tip);
    const QPoint at = owner.mapFromGlobal(tip.pos());
    QImage canvas(owner.width(), std::max(owner.height(), at.y() + tipImage.height()) + std::max(0, -at.y()),
                  QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        const int dy = std::max(0, -at.y());
        painter.drawImage(0, dy, shot);
        painter.fillRect(target->geometry().translated(0, dy), QColor(230, 230, 240));
        painter.drawImage(at.x(), at.y() + dy, tipImage);
    }
    EXPECT_FALSE(uitest::saveArtifact(canvas, "tooltip").empty());
}

}  // namespace
