#include "controls/buttons/ButtonState.h"

#include <algorithm>
#include <utility>

namespace buttons {
namespace {
std::uint8_t g_charSet = 0;
constexpr int kMaxWeight = 1000;
}  // namespace

ButtonState::ButtonState(std::uint32_t faceColour, std::uint32_t textColour) {
    SetDefaultColors(faceColour, textColour);
}

void ButtonState::subclass(unsigned style) {
    type_ = style & kTypeMask;
    default_ = type_ == kTypeDefPushButton;
    checkBox_ = (type_ & kTypeCheckBit) != 0;
}

int ButtonState::SetColor(int index, std::uint32_t colour) {
    if (index < 0 || index >= kColourCount) return kBadColourIndex;
    colours_[index] = colour;
    return kButtonOk;
}

void ButtonState::SetDefaultColors(std::uint32_t faceColour, std::uint32_t textColour) {
    colours_ = {faceColour, textColour, faceColour, textColour, faceColour, textColour};
}

int ButtonState::SetPressedStyle(int style) {
    switch (style) {
    case 0: offsetX_ = 1; offsetY_ = 1; return kButtonOk;
    case 1: offsetX_ = 0; offsetY_ = 2; return kButtonOk;
    case 2: offsetX_ = 0; offsetY_ = 0; return kButtonOk;
    default: return kBadPressedStyle;
    }
}

int ButtonState::SetFontWeight(int weight) {
    const int old = weight_;
    weight_ = std::clamp(weight, 0, kMaxWeight);
    return old;
}

bool ButtonState::SetCheck(int check) {
    if (!checkBox_) return false;
    const bool next = check == 1 || check == 2;
    const bool changed = next != checked_;
    checked_ = next;
    return changed;
}

bool ButtonState::click() {
    if (!checkBox_) return false;
    checked_ = !checked_;
    return true;
}

void ButtonState::SetURL(std::u16string_view url) {
    url_ = std::u16string(url.substr(0, kMaxUrlLength));
}

bool ButtonState::pressed(const ItemState& item, bool menuShowing) const {
    if (checkBox_) return item.selected || checked_;
    return item.selected || menuShowing;
}

std::uint32_t ButtonState::background(bool hovered, bool pressed, bool focused) const {
    if (hovered || pressed) return colours_[kBackHover];
    return colours_[focused ? kBackFocus : kBackNormal];
}

std::uint32_t ButtonState::text(bool hovered, bool pressed, bool focused) const {
    if (hovered || pressed) return colours_[kForeHover];
    return colours_[focused ? kForeFocus : kForeNormal];
}

std::uint8_t ButtonState::SetCharSet(std::uint8_t charSet) {
    return std::exchange(g_charSet, charSet);
}
std::uint8_t ButtonState::charSet() { return g_charSet; }

ImagePlace placeImage(int align, bool hasText, const Box& client, int imageWidth, int imageHeight,
                      bool pressedOffset, int offsetX, int offsetY) {
    ImagePlace p;
    p.caption = client;
    const int centreX = client.left + (client.width() - imageWidth) / 2;
    const int centreY = client.top + (client.height() - imageHeight) / 2;
    switch (align) {
    case kImageAbove:
        p.x = centreX;
        if (hasText) {
            p.y = client.top + kImageMargin;
            p.caption.top += imageHeight;
        } else {
            p.y = centreY;
        }
        break;
    case kImageRight:
        p.y = centreY;
        if (hasText) {
            p.x = client.right - kImageMargin - imageWidth;
            p.caption.right = p.x;
        } else {
            p.x = centreX;
        }
        break;
    default:
        p.y = centreY;
        if (hasText) {
            p.x = client.left + kImageMargin;
            p.caption.left = p.x + imageWidth;
        } else {
            p.x = centreX;
        }
        break;
    }
    if (pressedOffset) {
        p.x += offsetX;
        p.y += offsetY;
    }
    return p;
}

int chooseImage(bool hovered, bool pressed, bool hasSecond) {
    if (hovered || pressed || !hasSecond) return 0;
    return 1;
}

std::uint32_t greyOf(std::uint32_t c) {
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    const auto grey = static_cast<std::uint32_t>(0.299 * r + 0.587 * g + 0.114 * b);
    return grey | (grey << 8) | (grey << 16);
}

std::uint32_t darkerOf(std::uint32_t c) {
    const auto dark = [](std::uint32_t v) { return static_cast<std::uint32_t>(v - v * 0.25); };
    return dark(c & 0xFF) | (dark((c >> 8) & 0xFF) << 8) | (dark((c >> 16) & 0xFF) << 16);
}

}  // namespace buttons
