// Where the tip goes: directions turned at the screen's edges, anchors at the cursor, and a
// sweep that keeps every tip on the screen.
#include <gtest/gtest.h>

#include "controls/html/core/TipPlacement.h"

namespace {

using html::TipPoint;
using html::TipRect;

const TipRect kScreen{0, 0, 1920, 1080};
const html::TipExtent kBox{100, 40};  // text plus margins

TEST(TipPlacement, AboveTheCursorWithTheAnchorOnTheBottomEdge) {
    // Balloon: anchor 12 wide, 16 high, 16 from the start. Window 100 x (40 + 16).
    const auto p = html::placeTip(kBox, html::balloonShape(), 16, {500, 300}, kScreen);
    EXPECT_EQ(p.direction, 16);
    EXPECT_EQ(p.window, (TipRect{484, 244, 584, 300}));  // tip at (16, 56) in the window
    EXPECT_EQ(p.body, (TipRect{0, 0, 100, 40}));
    ASSERT_TRUE(p.hasAnchor);
    EXPECT_EQ(p.anchor[0], (TipPoint{16, 56}));
    EXPECT_EQ(p.anchor[1], (TipPoint{16, 40}));
    EXPECT_EQ(p.anchor[2], (TipPoint{28, 40}));
}

struct EdgeCase {
    const char* where;
    int direction;
    TipPoint cursor;
    int expectedDirection;
    TipRect expectedWindow;
};

TEST(TipPlacement, DirectionsTurnAtTheScreenEdges) {
    const EdgeCase cases[] = {
        // Bottom right, above: 1910 + 100 - 16 passes 1920, 1910 - 100 + 16 does not pass 0:
        // alignment 1; its tip 100 - 16 = 84 would end at 1926, so it moves to 90.
        {"bottom right", 16, {1910, 1075}, 17, {1820, 1019, 1920, 1075}},
        // Top left, above: 10 - 56 passes the top, so below; the tip at 16 would start at
        // -11 and moves to 5.
        {"top left", 16, {5, 10}, 0, {0, 10, 100, 66}},
        // Below near the bottom turns above.
        {"bottom", 0, {500, 1060}, 16, {484, 1004, 584, 1060}},
        // Right of the cursor near the right edge turns left (window 116 x 40, tip at y 16).
        {"right edge", 32, {1900, 500}, 48, {1784, 484, 1900, 524}},
        // Left of the cursor near the left edge turns right.
        {"left edge", 48, {50, 500}, 32, {50, 484, 166, 524}},
        // Centred 10 px from the left edge: within the anchor offset, so alignment 0.
        {"centred near left", 18, {10, 500}, 16, {0, 444, 100, 500}},
        // Centred 30 px from the left edge: the window would start at -20 and moves right.
        {"centred moved", 18, {30, 500}, 18, {0, 444, 100, 500}},
        // An invalid code takes the default.
        {"invalid", 3, {500, 300}, 16, {484, 244, 584, 300}},
    };
    for (const EdgeCase& c : cases) {
        const auto p = html::placeTip(kBox, html::balloonShape(), c.direction, c.cursor, kScreen);
        EXPECT_EQ(p.direction, c.expectedDirection) << c.where;
        EXPECT_EQ(p.window, c.expectedWindow) << c.where;
    }
}

TEST(TipPlacement, PlainShapeHasNoAnchor) {
    const auto p = html::placeTip(kBox, html::plainShape(), 16, {500, 300}, kScreen);
    EXPECT_FALSE(p.hasAnchor);
    EXPECT_EQ(p.window, (TipRect{500, 260, 600, 300}));
    EXPECT_EQ(p.body, (TipRect{0, 0, 100, 40}));
}

TEST(TipPlacement, EveryTipStaysOnTheScreen) {
    const TipRect screen{-200, 0, 1000, 700};  // monitors left of the primary one too
    for (int direction : {0, 1, 2, 16, 17, 18, 32, 33, 34, 48, 49, 50})
        for (int x = screen.left; x < screen.right; x += 37)
            for (int y = screen.top; y < screen.bottom; y += 29) {
                const auto p = html::placeTip({150, 60}, html::balloonShape(), direction, {x, y}, screen);
                EXPECT_GE(p.window.left, screen.left) << direction << " " << x << "," << y;
                EXPECT_LE(p.window.right, screen.right) << direction << " " << x << "," << y;
                EXPECT_GE(p.window.top, screen.top) << direction << " " << x << "," << y;
                EXPECT_LE(p.window.bottom, screen.bottom) << direction << " " << x << "," << y;
                // The anchor points at the cursor.
                EXPECT_EQ(p.window.left + p.tip.x, x);
                EXPECT_EQ(p.window.top + p.tip.y, y);
            }
}

}  // namespace
