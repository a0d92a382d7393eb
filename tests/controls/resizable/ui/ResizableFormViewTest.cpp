#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <gtest/gtest.h>

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

TEST_F(Form, MinimumTrackSizeLimitsTheWindow) {
    view.SetMinTrackSize({320, 200});
    EXPECT_EQ(view.minimumSize(), QSize(320, 200));
}

}  // namespace
