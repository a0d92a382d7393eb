// Where the HTML static control puts its text block.
#include <gtest/gtest.h>

#include "controls/html/core/StaticAlign.h"

namespace {

using html::BlockRect;
namespace a = html::align;
namespace s = html::staticStyle;

struct AlignCase {
    const char* name;
    unsigned flags, style;
    BlockRect expected;
};

TEST(StaticAlign, FlagsFirstThenTheStaticStyle) {
    // A 60 x 20 block in a client of 200 x 50 at (10, 5).
    const BlockRect client{10, 5, 210, 55};
    const AlignCase cases[] = {
        {"default: left, top", 0, s::Left, {10, 5, 70, 25}},
        {"right style", 0, s::Right, {150, 5, 210, 25}},
        // centre: 10 + (200 - 60) / 2 = 80
        {"centre style", 0, s::Centre, {80, 5, 140, 25}},
        // centre image: 5 + (50 - 20) / 2 = 20
        {"centre image style", 0, s::Left | s::CentreImage, {10, 20, 70, 40}},
        {"flags override the style", a::Left | a::Bottom, s::Right, {10, 35, 70, 55}},
        {"horizontal flag, vertical from the style", a::Right, s::Centre | s::CentreImage, {150, 20, 210, 40}},
        {"both centred", a::HCentre | a::VCentre, s::Left, {80, 20, 140, 40}},
    };
    for (const AlignCase& c : cases) EXPECT_EQ(html::alignBlock(client, 60, 20, c.flags, c.style), c.expected) << c.name;
}

TEST(StaticAlign, TheBlockIsLimitedToTheClient) {
    EXPECT_EQ(html::alignBlock({0, 0, 100, 30}, 400, 90, 0, s::Centre), (BlockRect{0, 0, 100, 30}));
    EXPECT_EQ(html::alignBlock({0, 0, 100, 30}, -5, 0, 0, s::Right), (BlockRect{100, 0, 100, 0}));
}

}  // namespace
