#include "platform/ui/DrawContext.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "tests/support/ui/UiTest.h"

namespace {

using namespace ui;

constexpr ColourRef kWhite{0xFFFFFF}, kBlack{0x000000}, kRed = rgb(255, 0, 0),
                    kGreen = rgb(0, 255, 0), kMagenta = rgb(255, 0, 255);

QImage canvas(int w = 20, int h = 20) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

ColourRef at(const QImage& img, int x, int y) { return fromQRgb(img.pixel(x, y)); }

TEST(DrawContextPixels, LinesExcludeTheirEndPixel) {
    struct Case {
        Point from, to;
        std::vector<Point> drawn, notDrawn;
    };
    const Case cases[] = {
        {{2, 5}, {8, 5}, {{2, 5}, {7, 5}}, {{8, 5}, {1, 5}}},      // right
        {{8, 5}, {2, 5}, {{8, 5}, {3, 5}}, {{2, 5}}},              // left
        {{4, 1}, {4, 9}, {{4, 1}, {4, 8}}, {{4, 9}}},              // down
        {{0, 0}, {5, 5}, {{0, 0}, {4, 4}}, {{5, 5}}},              // diagonal
        {{3, 3}, {3, 3}, {}, {{3, 3}}},                            // empty line
        {{3, 3}, {4, 3}, {{3, 3}}, {{4, 3}}},                      // one pixel
    };
    for (const Case& c : cases) {
        QImage img = canvas();
        {
            DrawContext dc(img);
            dc.selectPen({PenStyle::Solid, 1, kBlack});
            dc.moveTo(c.from);
            dc.lineTo(c.to);
            EXPECT_EQ(dc.currentPosition(), c.to);
        }
        for (Point p : c.drawn) EXPECT_EQ(at(img, p.x, p.y), kBlack) << p.x << "," << p.y;
        for (Point p : c.notDrawn) EXPECT_EQ(at(img, p.x, p.y), kWhite) << p.x << "," << p.y;
    }
}

TEST(DrawContextPixels, RectanglesExcludeRightAndBottom) {
    QImage img = canvas();
    {
        DrawContext dc(img);
        dc.selectPen({PenStyle::Solid, 1, kBlack});
        dc.selectBrush(Brush::solid(kRed));
        dc.rectangle({2, 2, 8, 6});  // outline on x 2 and 7, y 2 and 5
        dc.fillRect({10, 10, 13, 12}, kGreen);
        dc.frameRect({14, 1, 18, 5}, kBlack);
    }
    EXPECT_EQ(at(img, 2, 2), kBlack);
    EXPECT_EQ(at(img, 7, 5), kBlack);
    EXPECT_EQ(at(img, 8, 5), kWhite);
    EXPECT_EQ(at(img, 7, 6), kWhite);
    EXPECT_EQ(at(img, 3, 3), kRed);
    EXPECT_EQ(at(img, 6, 4), kRed);
    EXPECT_EQ(at(img, 12, 11), kGreen);
    EXPECT_EQ(at(img, 13, 11), kWhite);
    EXPECT_EQ(at(img, 12, 12), kWhite);
    EXPECT_EQ(at(img, 17, 4), kBlack);
    EXPECT_EQ(at(img, 15, 2), kWhite);  // frame only
    EXPECT_EQ(at(img, 18, 4), kWhite);
}

TEST(DrawContextPixels, NullPenRectangleFillsOnePixelLess) {
    QImage img = canvas();
    {
        DrawContext dc(img);
        dc.selectPen({PenStyle::Null, 1, kBlack});
        dc.selectBrush(Brush::solid(kRed));
        dc.rectangle({2, 2, 8, 6});
    }
    EXPECT_EQ(at(img, 2, 2), kRed);
    EXPECT_EQ(at(img, 6, 4), kRed);
    EXPECT_EQ(at(img, 7, 4), kWhite);
    EXPECT_EQ(at(img, 6, 5), kWhite);
}

TEST(DrawContextPixels, ThreeDRectGivesTheCornersToTheBottomRightColour) {
    QImage img = canvas();
    {
        DrawContext dc(img);
        dc.draw3dRect({2, 2, 10, 8}, kRed, kGreen);
    }
    EXPECT_EQ(at(img, 2, 2), kRed);
    EXPECT_EQ(at(img, 8, 2), kRed);
    EXPECT_EQ(at(img, 9, 2), kGreen);  // top-right corner
    EXPECT_EQ(at(img, 2, 7), kGreen);  // bottom-left corner
    EXPECT_EQ(at(img, 9, 7), kGreen);
    EXPECT_EQ(at(img, 5, 5), kWhite);
}

TEST(DrawContextPixels, SunkenEdgeUsesTheSystemColoursAndAnswersTheInside) {
    QImage img = canvas();
    Rect inside;
    {
        DrawContext dc(img);
        inside = dc.drawEdge({0, 0, 10, 10}, edge::Sunken, edge::SideRect | edge::Middle);
    }
    EXPECT_EQ(inside, (Rect{2, 2, 8, 8}));
    EXPECT_EQ(at(img, 0, 0), sysColour(SysColour::ButtonShadow));
    EXPECT_EQ(at(img, 9, 9), sysColour(SysColour::ButtonHighlight));
    EXPECT_EQ(at(img, 1, 1), sysColour(SysColour::DarkShadow3D));
    EXPECT_EQ(at(img, 8, 8), sysColour(SysColour::Light3D));
    EXPECT_EQ(at(img, 5, 5), sysColour(SysColour::ButtonFace));
}

TEST(DrawContextPixels, FocusRectAndInversionUndoThemselves) {
    QImage img = canvas();
    img.fill(QColor(0x12, 0x34, 0x56));
    const QImage before = img;
    {
        DrawContext dc(img);
        dc.drawFocusRect({2, 2, 12, 9});
        EXPECT_NE(img, before);
        dc.drawFocusRect({2, 2, 12, 9});
        dc.invertRect({0, 0, 4, 4});
        EXPECT_EQ(at(img, 1, 1), rgb(255 - 0x12, 255 - 0x34, 255 - 0x56));
        dc.invertRect({0, 0, 4, 4});
    }
    EXPECT_EQ(img, before);
}

TEST(DrawContextPixels, XorPenLineDisappearsWhenDrawnTwice) {
    QImage img = canvas();
    img.fill(QColor(200, 100, 50));
    const QImage before = img;
    DrawContext dc(img);
    dc.setRop2(Rop2::Not);
    for (int i = 0; i < 2; ++i) {
        dc.moveTo({0, 10});
        dc.lineTo({20, 10});
        if (i == 0) {
            EXPECT_EQ(at(img, 5, 10), rgb(55, 155, 205));
        }
    }
    EXPECT_EQ(img, before);
}

TEST(DrawContextPixels, MaskBlitShowsTheBackgroundThroughTheTransparentColour) {
    QImage img = canvas(8, 4);
    img.fill(toQColor(kGreen));
    QImage sprite(4, 4, QImage::Format_RGB32);
    sprite.fill(toQColor(kMagenta));
    for (int y = 0; y < 4; ++y) sprite.setPixel(1, y, toQRgb(kRed));
    const QImage mask = makeMask(sprite, kMagenta);
    EXPECT_EQ(fromQRgb(mask.pixel(0, 0)), kWhite);
    EXPECT_EQ(fromQRgb(mask.pixel(1, 0)), kBlack);
    {
        DrawContext dc(img);
        dc.maskBlit({2, 0}, sprite, mask);
    }
    EXPECT_EQ(at(img, 3, 2), kRed);
    EXPECT_EQ(at(img, 2, 2), kGreen);
    EXPECT_EQ(at(img, 4, 2), kGreen);
    EXPECT_EQ(at(img, 7, 2), kGreen);
}

TEST(DrawContextPixels, SaveAndRestoreBringBackTheState) {
    QImage img = canvas();
    DrawContext dc(img);
    dc.setTextColour(kRed);
    const int level = dc.save();
    dc.setTextColour(kGreen);
    dc.setViewportOrigin({5, 5});
    dc.save();
    dc.setBackMode(BkMode::Transparent);
    dc.restore(level);
    EXPECT_EQ(dc.textColour(), kRed);
    EXPECT_EQ(dc.backMode(), BkMode::Opaque);
    EXPECT_EQ(dc.viewportOrigin(), (Point{0, 0}));
    dc.setViewportOrigin({5, 5});
    dc.setPixel({0, 0}, kBlack);
    EXPECT_EQ(at(img, 5, 5), kBlack);
    EXPECT_EQ(dc.pixel({0, 0}), kBlack.value);
}

// ---- colours --------------------------------------------------------------------------

TEST(Colours, ColourRefKeepsRedInTheLowByte) {
    const ColourRef c = rgb(0x11, 0x22, 0x33);
    EXPECT_EQ(c.value, 0x332211u);
    EXPECT_EQ(toQRgb(c), 0xFF112233u);
    EXPECT_EQ(fromQRgb(0x80112233u), c);  // alpha dropped
    EXPECT_EQ(toQColor(c), QColor(0x11, 0x22, 0x33));
}

TEST(Colours, SystemTableRoundTripsAndMarkersPassUntouched) {
    for (int i = 0; i < kSysColourCount; ++i) {
        const ColourRef c = sysColour(i);
        EXPECT_EQ(c.value >> 24, 0u) << i;
        EXPECT_EQ(fromQColor(toQColor(c)), c) << i;
    }
    EXPECT_EQ(sysColour(SysColour::ButtonFace).value, 0xC0C0C0u);
    EXPECT_EQ(sysColour(SysColour::Highlight).value, 0x6A240Au);
    EXPECT_EQ(sysColour(SysColour::InfoBackground).value, 0xE1FFFFu);
    EXPECT_EQ(sysColour(99).value, 0u);
    EXPECT_EQ(fromQColor(QApplication::palette().color(QPalette::Button)),
              sysColour(SysColour::ButtonFace));

    // A marker such as the "default colour" 0xFF000000 is the caller's: kept as it is.
    QImage img = canvas();
    DrawContext dc(img);
    dc.setTextColour(ColourRef(0xFF000000));
    EXPECT_EQ(dc.setTextColour(kBlack).value, 0xFF000000u);
    EXPECT_EQ(red(ColourRef(0xFF000000)), 0);
}

}  // namespace
