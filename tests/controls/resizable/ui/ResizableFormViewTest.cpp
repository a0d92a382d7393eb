#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <gtest/gtest.h>

#include "controls/buttons/ButtonST.h"
#include "controls/buttons/ShadeButtonST.h"
#include "controls/resizable/ResizableFormView.h"
#include "tests/support/ui/UiTest.h"

using namespace resizable;

namespace {

class Form : public uitest::Fixture {
  protected:
    void SetUp() override {
        view.resize(400, 260);
        label = new QLabel("Project name:", &view);
        label->setGeometry(10, 12, 100, 20);
        name = new QLineEdit("Heating north wing", &view);
        name->setGeometry(115, 10, 275, 24);
        list = new QListWidget(&view);
        list->addItems({"Heat pump 8 kW", "Buffer tank 300 l", "Hot water 200 l"});
        list->setGeometry(10, 44, 380, 166);
        ok = new QPushButton("OK", &view);
        ok->setGeometry(230, 222, 75, 26);
        cancel = new QPushButton("Cancel", &view);
        cancel->setGeometry(315, 222, 75, 26);
        view.AddAnchor(label, kTopLeft);
        view.AddAnchor(name, kTopLeft, kTopRight);
        view.AddAnchor(list, kTopLeft, kBottomRight);
        view.AddAnchor(ok, kBottomRight);
        view.AddAnchor(cancel, kBottomRight);
        view.SetScrollSize({300, 200});
        view.show();
        uitest::processEvents();
    }
    CResizableFormView view;
    QLabel* label = nullptr;
    QLineEdit* name = nullptr;
    QListWidget* list = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

TEST_F(Form, ChildrenKeepTheirAnchorsWhenResized) {
    QImage before = view.grab().toImage();
    view.resize(560, 360);
    uitest::processEvents();
    EXPECT_EQ(label->geometry(), QRect(10, 12, 100, 20));
    EXPECT_EQ(name->geometry(), QRect(115, 10, 435, 24));  // width 275 + 160
    EXPECT_EQ(list->geometry(), QRect(10, 44, 540, 266));  // grows by 160 x 100
    EXPECT_EQ(ok->geometry(), QRect(390, 322, 75, 26));    // moves by 160, 100
    EXPECT_EQ(cancel->geometry(), QRect(475, 322, 75, 26));
    EXPECT_TRUE(view.gripWindow()->isVisible());
    EXPECT_EQ(view.gripWindow()->geometry().bottomRight(), QPoint(559, 359));

    QImage after = view.grab().toImage();
    QImage both(before.width() + after.width() + 20, after.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter p(&both);
    p.drawImage(0, 0, before);
    p.drawImage(before.width() + 20, 0, after);
    p.end();
    EXPECT_FALSE(uitest::saveArtifact(both, "resizable-form").empty());
}

TEST_F(Form, GripHidesWhileScrollBarsWouldBeNeeded) {
    view.resize(250, 260);  // narrower than the scroll size 300
    uitest::processEvents();
    EXPECT_FALSE(view.gripVisible());
    view.resize(400, 260);
    uitest::processEvents();
    EXPECT_TRUE(view.gripVisible());
}

TEST_F(Form, GripIsTriangularInTheBottomRightCorner) {
    const QRegion shape = view.gripWindow()->mask();
    const int side = view.gripWindow()->width();
    EXPECT_TRUE(shape.contains(QPoint(side - 1, side - 1)));
    EXPECT_TRUE(shape.contains(QPoint(side - 2, 2)));      // right edge, near the top
    EXPECT_FALSE(shape.contains(QPoint(1, 1)));             // top-left half is cut away
    EXPECT_FALSE(shape.contains(QPoint(2, side - side / 2 - 3)));
}

TEST_F(Form, ClippingRegionSparesOnlyChildrenThatMayBeClipped) {
    auto* group = new QGroupBox("Heat source", &view);
    group->setGeometry(10, 214, 100, 40);
    auto* plain = new CButtonST(u"Plain", &view);
    plain->setGeometry(112, 222, 50, 26);
    auto* seeThrough = new CButtonST(u"Glass", &view);
    seeThrough->setGeometry(165, 222, 60, 26);
    seeThrough->DrawTransparent();
    for (QWidget* w : {static_cast<QWidget*>(group), static_cast<QWidget*>(plain), static_cast<QWidget*>(seeThrough)}) {
        w->show();
        view.AddAnchor(w, kBottomLeft);
    }
    QRegion region;
    view.GetClippingRegion(region);
    EXPECT_FALSE(region.contains(list->geometry().center()));
    EXPECT_FALSE(region.contains(label->geometry().center()));
    EXPECT_FALSE(region.contains(plain->geometry().center()));
    EXPECT_TRUE(region.contains(group->geometry().center()));  // erased behind the group box
    EXPECT_TRUE(region.contains(seeThrough->geometry().center()));  // it shows what is erased
    EXPECT_TRUE(region.contains(QPoint(395, 40)));  // no child there
    // The mode is asked at every pass: a button made transparent later is erased behind.
    plain->DrawTransparent();
    view.GetClippingRegion(region);
    EXPECT_TRUE(region.contains(plain->geometry().center()));
}

// A child placed by the view itself at every pass, 10 pixels inside its edges.
class CallbackForm : public CResizableFormView {
  public:
    QWidget* panel = new QLabel("Panel", this);

  protected:
    bool PlaceCallbackChild(LayoutInfo& info) override {
        if (info.callbackId != 5) return false;
        info.child = panel;
        info.typeTopLeft = kTopLeft;
        info.typeBottomRight = kBottomRight;
        info.marginTopLeftX = info.marginTopLeftY = 10;
        info.marginBottomRightX = info.marginBottomRightY = -10;
        return true;
    }
};

TEST(FormCallback, CallbackChildIsPlacedAtEveryPass) {
    CallbackForm view;
    view.AddAnchorCallback(5);
    view.resize(300, 200);
    view.show();
    uitest::processEvents();
    EXPECT_EQ(view.panel->geometry(), QRect(10, 10, 280, 180));
    view.resize(400, 250);
    uitest::processEvents();
    EXPECT_EQ(view.panel->geometry(), QRect(10, 10, 380, 230));
}

// Return and keypad Enter click the focused owner-drawn or shaded button as Space does;
// a focused edit takes Return without clicking anything.
TEST_F(Form, ReturnAndEnterClickTheFocusedButton) {
    auto* gezeichnet = new CButtonST(u"Drawn", &view);
    gezeichnet->setGeometry(10, 222, 75, 26);
    auto* schattiert = new CShadeButtonST(u"Shaded", &view);
    schattiert->setGeometry(95, 222, 75, 26);
    int klicks[2] = {0, 0};
    QObject::connect(gezeichnet, &QPushButton::clicked, [&] { ++klicks[0]; });
    QObject::connect(schattiert, &QPushButton::clicked, [&] { ++klicks[1]; });
    gezeichnet->show();
    schattiert->show();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } tasten[] = {{Qt::Key_Space, {}}, {Qt::Key_Return, {}}, {Qt::Key_Enter, Qt::KeypadModifier}};
    QPushButton* knoepfe[] = {gezeichnet, schattiert};
    for (int i = 0; i < 2; ++i) {
        knoepfe[i]->setFocus();
        uitest::processEvents();
        ASSERT_TRUE(knoepfe[i]->hasFocus());
        for (const auto& t : tasten) uitest::key(*knoepfe[i], t.key, t.mods);
        EXPECT_EQ(klicks[i], 3) << i;
    }
    name->setFocus();
    uitest::key(*name, Qt::Key_Return);
    EXPECT_EQ(klicks[0] + klicks[1], 6);
}

TEST_F(Form, MinimumTrackSizeLimitsTheWindow) {
    view.SetMinTrackSize({320, 200});
    EXPECT_EQ(view.minimumSize(), QSize(320, 200));
}

}  // namespace
