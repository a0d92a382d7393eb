#include "controls/resizable/LayoutMath.h"

namespace resizable {
namespace {

constexpr unsigned kButtonGroupBox = 7;
constexpr unsigned kButtonOwnerDraw = 11;
constexpr unsigned kToolbarTransparent = 0x8000;
constexpr unsigned kStaticCentreImage = 0x200;
constexpr unsigned kStaticEllipsis = 0xC000;
constexpr unsigned kStaticKindMask = 0x1F;
constexpr unsigned kButtonKindMask = 0x0F;

int percentOf(int extent, int percent) { return extent * percent / 100; }

}  // namespace

LayoutInfo anchorChild(const Box& client, const Box& childRect, AnchorType topLeft,
                       AnchorType bottomRight) {
    if (bottomRight == kNoAnchor) bottomRight = topLeft;
    LayoutInfo info;
    info.typeTopLeft = topLeft;
    info.typeBottomRight = bottomRight;
    const int w = client.width(), h = client.height();
    const int left = childRect.left - client.left, top = childRect.top - client.top;
    const int right = childRect.right - client.left, bottom = childRect.bottom - client.top;
    info.marginTopLeftX = left - percentOf(w, topLeft.x);
    info.marginTopLeftY = top - percentOf(h, topLeft.y);
    info.marginBottomRightX = right - percentOf(w, bottomRight.x);
    info.marginBottomRightY = bottom - percentOf(h, bottomRight.y);
    return info;
}

Box calcChildRect(const LayoutInfo& info, const Box& client) {
    const int w = client.width(), h = client.height();
    return {client.left + percentOf(w, info.typeTopLeft.x) + info.marginTopLeftX,
            client.top + percentOf(h, info.typeTopLeft.y) + info.marginTopLeftY,
            client.left + percentOf(w, info.typeBottomRight.x) + info.marginBottomRightX,
            client.top + percentOf(h, info.typeBottomRight.y) + info.marginBottomRightY};
}

Placement placementFor(const Box& oldRect, const Box& newRect, bool repaint) {
    Placement p;
    p.move = oldRect.left != newRect.left || oldRect.top != newRect.top;
    p.size = oldRect.width() != newRect.width() || oldRect.height() != newRect.height();
    p.discardContents = repaint;
    return p;
}

bool allowsClippingByClass(std::u16string_view className, unsigned style,
                           bool transparentOwnerDrawn) {
    if (className == u"ToolbarWindow32") return (style & kToolbarTransparent) == 0;
    if (className == u"Button") {
        const unsigned kind = style & kButtonKindMask;
        if (kind == kButtonGroupBox) return false;
        return kind != kButtonOwnerDraw || !transparentOwnerDrawn;
    }
    if (className == u"Static") {
        switch (style & kStaticKindMask) {
        case 0: case 1: case 2: case 4: case 5: case 6: case 11: case 12: case 14: case 16:
        case 17:
            return true;
        case 3: case 15:
            return (style & kStaticCentreImage) == 0;
        default:
            return false;
        }
    }
    return true;
}

bool needsRepaintByClass(std::u16string_view className, unsigned style, const Box& oldRect,
                         const Box& newRect, const HorizontalScroll& scroll) {
    const int dW = newRect.width() - oldRect.width();
    const int dH = newRect.height() - oldRect.height();
    if (dW == 0 && dH == 0) return false;
    if (className == u"ListBox") {
        // Growing wider than the last scroll start would leave the old scroll position.
        if (dW < 1) return false;
        const int lastStart = scroll.known ? scroll.max - (scroll.page - 1) : scroll.max;
        return lastStart >= 1 && scroll.position + dW > lastStart;
    }
    if (className != u"Static") return false;
    const unsigned kind = style & kStaticKindMask;
    const bool centreImage = (style & kStaticCentreImage) != 0;
    const auto textRule = [&] { return dW != 0 || (centreImage && dH != 0); };
    switch (kind) {
    case 0: case 1: case 2:
        return textRule();
    case 3: case 7: case 8: case 9: case 14: case 15: case 18:
        return true;
    case 12:
        if ((style & kStaticEllipsis) == 0) return centreImage && dH != 0;
        return textRule();
    default:
        return false;
    }
}

}  // namespace resizable
