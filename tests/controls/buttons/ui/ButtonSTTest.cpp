#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/buttons/ShadeButtonST.h"
#include "platform/ui/Menu.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class Owner : public ui::WindowOf<QWidget> {
  public:
    std::vector<int> commands;
    bool onCommand(int id, int, ui::Window*) override {
        commands.push_back(id);
        return true;
    }
};

class ButtonWindow : public uitest::Fixture {
  protected:
    void SetUp() override {
        owner.resize(300, 100);
        first = new CButtonST(u"First", &owner);
        first->setGeometry(10, 10, 80, 30);
        second = new CButtonST(u"Second", &owner);
        second->setGeometry(100, 10, 80, 30);
        owner.show();
        uitest::processEvents();
    }
    Owner owner;
    CButtonST* first = nullptr;
    CButtonST* second = nullptr;
};

TEST_F(ButtonWindow, DoubleClickArrivesAsTwoClicks) {
    int clicks = 0;
    QObject::connect(first, &QPushButton::clicked, [&] { ++clicks; });
    // The desktop's order: down, up, double click, up.
    const QPoint at(20, 15);
    QTest::mousePress(first, Qt::LeftButton, {}, at);
    QTest::mouseRelease(first, Qt::LeftButton, {}, at);
    sendMouse(first, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    QTest::mouseRelease(first, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonWindow, DisablingTheFocusedButtonMovesTheFocusOn) {
    owner.activateWindow();
    first->setFocus();
    uitest::processEvents();
    ASSERT_TRUE(first->hasFocus());
    first->setEnabled(false);
    uitest::processEvents();
    EXPECT_TRUE(second->hasFocus());
}

TEST_F(ButtonWindow, DropDownPostsTheChosenCommandToTheOwner) {
    constexpr int kMenuId = 4711;
    ui::registerMenu({kMenuId, {{0, 0, u"Pop", {{32001, 0, u"One"}, {32002, 0, u"Two"}}}}});
    first->SetMenu(kMenuId, &owner);
    bool pressedWhileShowing = false;
    first->setMenuTracker([&](const ui::MenuItem& popup, QPoint) {
        pressedWhileShowing = first->state().pressed({}, true);
        return popup.popup.at(1).commandId;
    });
    QTest::mouseClick(first, Qt::LeftButton);
    uitest::processEvents();
    EXPECT_TRUE(pressedWhileShowing);
    EXPECT_EQ(owner.commands, std::vector<int>{32002});
}

TEST_F(ButtonWindow, LinkTargetOpensThroughTheShell) {
    uitest::desktop().reset();
    second->SetURL(u"https://example.org/varmion");
    QTest::mouseClick(second, Qt::LeftButton);
    ASSERT_EQ(uitest::desktop().opened.size(), 1u);
    EXPECT_EQ(uitest::desktop().opened.back().toString(), "https://example.org/varmion");
}

TEST_F(ButtonWindow, CheckBoxModeFlipsOnClickAndPushButtonIgnoresSetCheck) {
    auto* box = new CButtonST(u"Check", &owner, 3);
    box->setGeometry(190, 10, 80, 30);
    box->show();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->GetCheck(), 1);
    first->SetCheck(1);
    EXPECT_EQ(first->GetCheck(), 0);
}

TEST_F(ButtonWindow, HoverFollowsTheMouse) {
    QTest::mouseMove(first, {20, 15});
    uitest::processEvents();
    EXPECT_TRUE(first->hovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first, &leave);
    EXPECT_FALSE(first->hovered());
}

// A bar icon: a coloured disc on the transparent colour 255 (pure red).
QImage barIcon(QColor colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(colour);
    p.drawEllipse(QRect(4, 4, 24, 24));
    return image;
}

// The large buttons of the main frame's bar as the frame sets them up: hovered text blue,
// normal text black, shaded diagonally towards white, bitmaps in colour while hovered and
// grey otherwise, transparent colour 255.
TEST(ButtonBar, EightShadedButtonsNormalAndHovered) {
    const char16_t* names[] = {u"Open project", u"Design", u"Cost comparison", u"Create report",
                               u"Building results", u"Heat-source results", u"Annual evaluation",
                               u"Help search"};
    const QColor colours[] = {Qt::darkYellow, Qt::darkGreen, Qt::darkCyan, Qt::darkBlue,
                              Qt::darkRed, Qt::darkMagenta, Qt::blue, Qt::darkGray};
    constexpr ui::ColourRef kTransparent(255);
    QWidget bar;
    bar.resize(2 * 170 + 15, 8 * 56 + 5);
    std::vector<CShadeButtonST*> hovered;
    for (int column = 0; column < 2; ++column)
        for (int i = 0; i < 8; ++i) {
            auto* b = new CShadeButtonST(names[i], &bar);
            b->setGeometry(5 + column * 175, 5 + i * 56, 170, 52);
            EXPECT_EQ(b->SetColor(buttons::kForeHover, ui::ColourRef(0xFF0000)), buttons::kButtonOk);
            EXPECT_EQ(b->SetColor(buttons::kForeNormal, ui::ColourRef(0)), buttons::kButtonOk);
            b->SetShade(buttons::kShadeDiagonal, 0, 70, 0, ui::rgb(255, 255, 255));
            const QImage icon = barIcon(colours[i]);
            EXPECT_EQ(b->SetBitmaps(icon, kTransparent,
                                    buttons::derivedCopy(icon, kTransparent, buttons::greyOf),
                                    kTransparent),
                      buttons::kButtonOk);
            if (column == 1) hovered.push_back(b);
        }
    bar.show();
    uitest::processEvents();
    // Each gets a move of its own, so that all of the right column show their hover face.
    for (CShadeButtonST* b : hovered) sendMouse(b, QEvent::MouseMove, {40, 30}, Qt::NoButton);
    uitest::processEvents();
    for (CShadeButtonST* b : hovered) EXPECT_TRUE(b->hovered());
    const std::string path = uitest::saveArtifact(bar, "button-bar");
    EXPECT_FALSE(path.empty());
}

}  // namespace
