#include <gtest/gtest.h>

#include "controls/resizable/GripState.h"
#include "controls/resizable/SizeLimits.h"

using namespace resizable;

namespace {

TEST(SizeLimits, OnlySetLimitsAreWritten) {
    CResizableMinMax limits;
    MinMaxInfo info{{1, 1}, {2, 2}, {3, 3}, {4000, 4000}};
    limits.ApplyMinMaxInfo(info);
    EXPECT_EQ(info.minTrackSize, (Extent{3, 3}));
    limits.SetMinTrackSize({300, 200});
    limits.ApplyMinMaxInfo(info);
    EXPECT_EQ(info.minTrackSize, (Extent{300, 200}));
    EXPECT_EQ(info.maxTrackSize, (Extent{4000, 4000}));
}

TEST(SizeLimits, FrameMinimumCoversViewPlusDecoration) {
    // View minimum 500x300 + decoration 16x60 = 516x360, larger than the frame's 400x300.
    MinMaxInfo frame{{}, {}, {400, 300}, {4000, 4000}};
    const MinMaxInfo view{{}, {}, {500, 300}, {3000, 5000}};
    combineWithView(frame, view, {16, 60});
    EXPECT_EQ(frame.minTrackSize, (Extent{516, 360}));
    EXPECT_EQ(frame.maxTrackSize, (Extent{3016, 4000}));
}

struct GripCase {
    const char* name;
    GripFacts facts;
    bool visible;
};
const GripCase kGripCases[] = {
    {"AllConditionsHold", {false, 400, 300, 400, 300, true}, true},
    {"FrameMaximised", {true, 400, 300, 400, 300, true}, false},
    {"ScrollBarsNeeded", {false, 399, 300, 400, 300, true}, false},
    {"NotAtFrameCorner", {false, 400, 300, 400, 300, false}, false},
    {"NoneHolds", {true, 10, 10, 400, 300, false}, false},
};
class Grip : public ::testing::TestWithParam<GripCase> {};

TEST_P(Grip, VisibleExactlyWhileAllConditionsHold) {
    CResizableGrip grip;
    unsigned status = kGripAllConditions;
    updateGripConditions(grip, status, GetParam().facts);
    EXPECT_EQ(grip.visible(), GetParam().visible);
    // Repeating the same facts changes nothing; restoring them all shows the grip again.
    updateGripConditions(grip, status, GetParam().facts);
    EXPECT_EQ(grip.visible(), GetParam().visible);
    updateGripConditions(grip, status, {false, 500, 400, 400, 300, true});
    EXPECT_TRUE(grip.visible());
    EXPECT_EQ(status, kGripAllConditions);
}
INSTANTIATE_TEST_SUITE_P(SizeGrip, Grip, ::testing::ValuesIn(kGripCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
