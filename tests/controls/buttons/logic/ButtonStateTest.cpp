#include <gtest/gtest.h>

#include "controls/buttons/ButtonState.h"

using namespace buttons;

namespace {

constexpr std::uint32_t kFace = 0xC0C0C0, kText = 0;

TEST(ButtonState, WeightIsClampedAndOldOneReturned) {
    ButtonState b(kFace, kText);
    EXPECT_EQ(b.SetFontWeight(1500), 400);
    EXPECT_EQ(b.fontWeight(), 1000);
    EXPECT_EQ(b.SetFontWeight(-1), 1000);
    EXPECT_EQ(b.fontWeight(), 0);
}

TEST(ButtonState, ColourIndexAndPressedStyleAreChecked) {
    ButtonState b(kFace, kText);
    EXPECT_EQ(b.SetColor(6, 0x123456), kBadColourIndex);
    EXPECT_EQ(b.SetColor(-1, 0x123456), kBadColourIndex);
    EXPECT_EQ(b.SetColor(kBackFocus, 0x123456), kButtonOk);
    EXPECT_EQ(b.background(false, false, true), 0x123456u);
    EXPECT_EQ(b.background(true, false, true), kFace);  // hover wins over focus
    EXPECT_EQ(b.SetPressedStyle(7), kBadPressedStyle);
    EXPECT_EQ(b.pressedOffsetX(), 1);
    EXPECT_EQ(b.SetPressedStyle(1), kButtonOk);
    EXPECT_EQ(b.pressedOffsetX(), 0);
    EXPECT_EQ(b.pressedOffsetY(), 2);
}

TEST(ButtonState, CheckOnlyInCheckBoxMode) {
    ButtonState push(kFace, kText);
    push.subclass(0);  // push button
    EXPECT_FALSE(push.SetCheck(1));
    EXPECT_EQ(push.GetCheck(), 0);
    EXPECT_FALSE(push.click());
    EXPECT_FALSE(push.pressed({}, false));
    EXPECT_TRUE(push.pressed({}, true));  // a showing menu presses it

    ButtonState check(kFace, kText);
    check.subclass(3);  // automatic check box
    EXPECT_TRUE(check.checkBoxMode());
    EXPECT_TRUE(check.SetCheck(2));  // states 1 and 2 check
    EXPECT_EQ(check.GetCheck(), 1);
    EXPECT_TRUE(check.pressed({}, false));
    EXPECT_TRUE(check.click());
    EXPECT_EQ(check.GetCheck(), 0);

    ButtonState def(kFace, kText);
    def.subclass(1);
    EXPECT_TRUE(def.isDefault());
    EXPECT_FALSE(def.checkBoxMode());
}

TEST(ButtonState, UrlKeepsAtMost260Characters) {
    ButtonState b(kFace, kText);
    b.SetURL(std::u16string(300, u'a'));
    EXPECT_EQ(b.url().size(), 260u);
    b.SetURL(u"");
    EXPECT_TRUE(b.url().empty());
}

TEST(ButtonState, CharSetIsSharedAndPreviousReturned) {
    const std::uint8_t before = ButtonState::SetCharSet(238);
    EXPECT_EQ(ButtonState::SetCharSet(before), 238);
}

TEST(ButtonImage, PlacementByAlignment) {
    const Box client{0, 0, 100, 40};
    // Left with text: image at the margin 3, centred vertically (40-16)/2 = 12; caption from 19.
    ImagePlace left = placeImage(kImageLeft, true, client, 16, 16, false, 1, 1);
    EXPECT_EQ(left.x, 3);
    EXPECT_EQ(left.y, 12);
    EXPECT_EQ(left.caption.left, 19);
    // Without text centred: (100-16)/2 = 42; pressed moves it by the offset.
    ImagePlace centred = placeImage(kImageLeft, false, client, 16, 16, true, 1, 1);
    EXPECT_EQ(centred.x, 43);
    EXPECT_EQ(centred.y, 13);
    // Above: top margin 3, caption moved down by the height.
    ImagePlace above = placeImage(kImageAbove, true, client, 16, 16, false, 1, 1);
    EXPECT_EQ(above.y, 3);
    EXPECT_EQ(above.caption.top, 16);
    // Right: 100 - 3 - 16 = 81, caption ends there.
    ImagePlace right = placeImage(kImageRight, true, client, 16, 16, false, 1, 1);
    EXPECT_EQ(right.x, 81);
    EXPECT_EQ(right.caption.right, 81);
}

TEST(ButtonImage, ChoiceAndDerivedColours) {
    EXPECT_EQ(chooseImage(true, false, true), 0);
    EXPECT_EQ(chooseImage(false, true, true), 0);
    EXPECT_EQ(chooseImage(false, false, true), 1);
    EXPECT_EQ(chooseImage(false, false, false), 0);
    // Grey of pure red: trunc(0.299*255) = trunc(76.245) = 76.
    EXPECT_EQ(greyOf(0x0000FF), 0x4C4C4Cu);
    // 25% darker of 201: trunc(201 - 50.25) = 150.
    EXPECT_EQ(darkerOf(0x0000C9), 0x000096u);
}

}  // namespace
