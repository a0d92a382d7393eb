#include <gtest/gtest.h>

#include "controls/resizable/LayoutMath.h"

using namespace resizable;

namespace {

struct AnchorCase {
    const char* name;
    AnchorType topLeft, bottomRight;
    Box expected;  // the child (20,30)-(120,60) of a 400x300 client after growing to 600x500
};

// Margins taken at 400x300, placed again at 600x500:
// top-left/top-left: margins (20,30) and (120,60) from (0,0): unchanged.
// top-left/bottom-right: bottom-right margin (120-400, 60-300) = (-280,-240) -> (320,260).
// bottom-right/bottom-right: both corners move by (200,200).
// middle-centre/middle-centre: 50% of 400 = 200 -> margins (-180,-120) and (-80,-90);
//   at 600x500 the centre is (300,250) -> (120,130)-(220,160).
// no anchor as bottom-right acts as top-left at both corners.
const AnchorCase kAnchorCases[] = {
    {"TopLeftKeepsSizeAndDistance", kTopLeft, kTopLeft, {20, 30, 120, 60}},
    {"TopLeftBottomRightGrows", kTopLeft, kBottomRight, {20, 30, 320, 260}},
    {"BottomRightMovesWithCorner", kBottomRight, kBottomRight, {220, 230, 320, 260}},
    {"MiddleCentreKeepsDistanceToCentre", kMiddleCenter, kMiddleCenter, {120, 130, 220, 160}},
    {"NoAnchorBottomRightIsTopLeft", kTopLeft, kNoAnchor, {20, 30, 120, 60}},
};

class Anchors : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(Anchors, PlaceChildAfterGrowth) {
    const AnchorCase& c = GetParam();
    const LayoutInfo info = anchorChild({0, 0, 400, 300}, {20, 30, 120, 60}, c.topLeft, c.bottomRight);
    EXPECT_EQ(calcChildRect(info, {0, 0, 600, 500}), c.expected);
    // Back at the original size the child is where it was.
    EXPECT_EQ(calcChildRect(info, {0, 0, 400, 300}), (Box{20, 30, 120, 60}));
}

INSTANTIATE_TEST_SUITE_P(Layout, Anchors, ::testing::ValuesIn(kAnchorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Layout, ClientOriginOffsetsMarginsAndPlacement) {
    // A scrolled view's client rectangle starts at (-10,-5): the child keeps its place
    // relative to that origin.
    const LayoutInfo info = anchorChild({-10, -5, 390, 295}, {20, 30, 120, 60}, kTopLeft, kBottomRight);
    EXPECT_EQ(calcChildRect(info, {-10, -5, 590, 495}), (Box{20, 30, 320, 260}));
}

TEST(Layout, PercentTruncatesTowardZero) {
    // 50% of 301 = 150 (150.5 truncated); the child at 160 has margin 10; at 303 -> 151 + 10.
    const LayoutInfo info = anchorChild({0, 0, 301, 100}, {160, 0, 170, 10}, kTopCenter, kTopCenter);
    EXPECT_EQ(calcChildRect(info, {0, 0, 303, 100}).left, 161);
}

TEST(Layout, PlacementSkipsUnchangedChildren) {
    EXPECT_TRUE(placementFor({0, 0, 10, 10}, {0, 0, 10, 10}, false).skip());
    const Placement moved = placementFor({0, 0, 10, 10}, {5, 0, 15, 10}, false);
    EXPECT_TRUE(moved.move);
    EXPECT_FALSE(moved.size);
    const Placement sized = placementFor({0, 0, 10, 10}, {0, 0, 12, 10}, true);
    EXPECT_FALSE(sized.move);
    EXPECT_TRUE(sized.size);
    EXPECT_TRUE(sized.discardContents);
}

TEST(Layout, ClippingByClass) {
    EXPECT_FALSE(allowsClippingByClass(u"Button", 7));  // group box: erased behind
    EXPECT_TRUE(allowsClippingByClass(u"Button", 0));
    EXPECT_TRUE(allowsClippingByClass(u"Button", 11));
    EXPECT_FALSE(allowsClippingByClass(u"Button", 11, true));
    EXPECT_FALSE(allowsClippingByClass(u"ToolbarWindow32", 0x8000));
    EXPECT_TRUE(allowsClippingByClass(u"Static", 0));
    EXPECT_TRUE(allowsClippingByClass(u"Static", 3));
    EXPECT_FALSE(allowsClippingByClass(u"Static", 3 | 0x200));
    EXPECT_FALSE(allowsClippingByClass(u"Static", 7));
    EXPECT_TRUE(allowsClippingByClass(u"Edit", 0));
}

TEST(Layout, RepaintByClass) {
    const Box old{0, 0, 100, 20};
    const Box taller{0, 0, 100, 40}, wider{0, 0, 120, 20};
    EXPECT_FALSE(needsRepaintByClass(u"Static", 0, old, old));
    // Text whose width stays and without centre-image: no repaint on a height change.
    EXPECT_FALSE(needsRepaintByClass(u"Static", 0, old, taller));
    EXPECT_TRUE(needsRepaintByClass(u"Static", 0, old, wider));
    EXPECT_TRUE(needsRepaintByClass(u"Static", 1 | 0x200, old, taller));
    EXPECT_TRUE(needsRepaintByClass(u"Static", 7, old, taller));  // frame
    EXPECT_FALSE(needsRepaintByClass(u"Static", 12, old, wider));
    EXPECT_TRUE(needsRepaintByClass(u"Static", 12 | 0x4000, old, wider));
    EXPECT_FALSE(needsRepaintByClass(u"Edit", 0, old, wider));
}

TEST(Layout, ListBoxRepaintsWhenGrowingPastTheLastScrollStart) {
    const Box old{0, 0, 100, 80}, wider{0, 0, 130, 80}, narrower{0, 0, 90, 80};
    // Range end 199 with page 100: last start 199 - 99 = 100.
    const HorizontalScroll scrolled{true, 199, 100, 80};
    EXPECT_TRUE(needsRepaintByClass(u"ListBox", 0, old, wider, scrolled));    // 80 + 30 > 100
    EXPECT_FALSE(needsRepaintByClass(u"ListBox", 0, old, {0, 0, 120, 80}, scrolled));  // 80 + 20 = 100
    EXPECT_FALSE(needsRepaintByClass(u"ListBox", 0, old, narrower, scrolled));
    // Nothing to scroll: last start 0.
    EXPECT_FALSE(needsRepaintByClass(u"ListBox", 0, old, wider, {true, 99, 100, 0}));
    EXPECT_FALSE(needsRepaintByClass(u"ListBox", 0, old, wider, {}));
}

}  // namespace
