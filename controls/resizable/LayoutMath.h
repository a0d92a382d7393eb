#pragma once
// The arithmetic of anchored children, without a window: a child is tied by its top-left
// and bottom-right corners to points of the parent's client area given in whole percent
// of its width and height, and keeps its distances (margins) to those points.
//
//   LayoutInfo info = anchorChild(client, childRect, kTopLeft, kBottomRight);
//   Box placed = calcChildRect(info, resizedClient);   // grows with the parent
#include <string>

namespace resizable {

// A rectangle in pixels; the right and bottom edges are excluded.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct AnchorType {
    int x = 0, y = 0;  // percent of the client width and height
    friend bool operator==(const AnchorType&, const AnchorType&) = default;
};

inline constexpr AnchorType kTopLeft{0, 0};
inline constexpr AnchorType kTopCenter{50, 0};
inline constexpr AnchorType kTopRight{100, 0};
inline constexpr AnchorType kMiddleLeft{0, 50};
inline constexpr AnchorType kMiddleCenter{50, 50};
inline constexpr AnchorType kMiddleRight{100, 50};
inline constexpr AnchorType kBottomLeft{0, 100};
inline constexpr AnchorType kBottomCenter{50, 100};
inline constexpr AnchorType kBottomRight{100, 100};
inline constexpr AnchorType kNoAnchor{-1, -1};

struct ResizeProperties {
    bool askClipping = true;
    bool askRefresh = true;
    bool likesClipping = false;
    bool needsRefresh = false;
};

// One registered child. `child` is the window's own handle, opaque to this arithmetic.
struct LayoutInfo {
    const void* child = nullptr;
    unsigned callbackId = 0;
    std::u16string className;
    AnchorType typeTopLeft;
    int marginTopLeftX = 0, marginTopLeftY = 0;
    AnchorType typeBottomRight;
    int marginBottomRightX = 0, marginBottomRightY = 0;
    bool messageSupport = false;
    ResizeProperties properties;
};

// `childRect` is in the coordinates of `client` (the layout client rectangle).
LayoutInfo anchorChild(const Box& client, const Box& childRect, AnchorType topLeft,
                       AnchorType bottomRight);
Box calcChildRect(const LayoutInfo& info, const Box& client);

// What a deferred placement must do; a child needing neither move nor size is skipped.
struct Placement {
    bool move = false;
    bool size = false;
    bool discardContents = false;  // set when the child will be repainted
    bool skip() const { return !move && !size; }
};
Placement placementFor(const Box& oldRect, const Box& newRect, bool repaint);

// The decisions for children that do not answer the resize-support protocol, from their
// class name and window style.
// `transparentOwnerDrawn`: an owner-drawn button that paints its parent's background.
bool allowsClippingByClass(std::u16string_view className, unsigned style,
                           bool transparentOwnerDrawn = false);
// A list box's horizontal scroll information as the desktop gives it: `max` is the end
// of the range including the page.
struct HorizontalScroll {
    bool known = false;
    int max = 0, page = 0, position = 0;
};
bool needsRepaintByClass(std::u16string_view className, unsigned style, const Box& oldRect,
                         const Box& newRect, const HorizontalScroll& scroll = {});

}  // namespace resizable
