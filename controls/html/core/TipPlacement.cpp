#include "controls/html/core/TipPlacement.h"

namespace html {

namespace {

constexpr int kBelow = 0, kAbove = 16, kRight = 32, kLeft = 48;
constexpr int kStart = 0, kEnd = 1, kCentre = 2;

// One axis along the anchored edge: the cursor, the window's extent and the screen's ends.
struct Axis {
    int p, s, o, near, far;
};

int alignFor(int align, const Axis& a) {
    switch (align) {
        case kStart:
            if (a.p + a.s - a.o > a.far) return a.p - a.s + a.o < a.near ? kCentre : kEnd;
            return kStart;
        case kEnd:
            if (a.p + a.o - a.s < a.near) return a.p - a.o + a.s > a.far ? kCentre : kStart;
            return kEnd;
        default:
            if (a.p - a.near < a.o) return kStart;
            if (a.far - a.p < a.o) return kEnd;
            return kCentre;
    }
}

// The tip's position along the anchored edge of length a.s, kept so the window stays
// between the screen's ends.
int tipAlong(int align, const Axis& a) {
    int t = align == kStart ? a.o : align == kEnd ? a.s - a.o : a.s / 2;
    if (align == kCentre) {
        const int start = a.p - t, end = start + a.s;
        const bool passesFar = end > a.far, passesNear = start < a.near;
        if (passesFar && !passesNear)
            t += end - a.far;
        else if (passesNear && !passesFar)
            t += start - a.near;
    }
    if (align == kEnd) {
        if (a.p - t + a.s > a.far) t = a.p + a.s - a.far;
    } else if (a.p - t < a.near) {
        t = a.p - a.near;
    }
    return t;
}

}  // namespace

TipShape balloonShape() { return {16, 16, 12, 12, 12, 16, 16, 0, 0}; }
TipShape plainShape() { return {0, 0, 3, 1, 0, 0, 0, 0, 0}; }

int validDirection(int code) {
    const int side = code & ~0xF, align = code & 0xF;
    if (code < 0 || side > kLeft || align > kCentre) return kDefaultDirection;
    return code;
}

TipPlacement placeTip(TipExtent bounding, const TipShape& shape, int direction, TipPoint cursor,
                      const TipRect& screen) {
    const int anchorH = shape[AnchorHeight], anchorW = shape[AnchorWidth], offset = shape[AnchorOffset];
    direction = validDirection(direction);
    int side = direction & ~0xF, align = direction & 0xF;
    const bool vertical = side == kBelow || side == kAbove;  // anchor on a horizontal edge
    const int w = bounding.cx + (vertical ? 0 : anchorH);
    const int h = bounding.cy + (vertical ? anchorH : 0);

    const Axis along = vertical ? Axis{cursor.x, w, offset, screen.left, screen.right}
                                : Axis{cursor.y, h, offset, screen.top, screen.bottom};
    align = alignFor(align, along);
    if (side == kBelow && cursor.y + h > screen.bottom) side = kAbove;
    else if (side == kAbove && cursor.y - h < screen.top) side = kBelow;
    else if (side == kRight && cursor.x + w > screen.right) side = kLeft;
    else if (side == kLeft && cursor.x - w < screen.left) side = kRight;

    TipPlacement out;
    out.direction = side | align;
    const int t = tipAlong(align, along);
    switch (side) {
        case kBelow:
            out.tip = {t, 0};
            out.body = {0, anchorH, w, h};
            break;
        case kAbove:
            out.tip = {t, h};
            out.body = {0, 0, w, h - anchorH};
            break;
        case kRight:
            out.tip = {0, t};
            out.body = {anchorH, 0, w, h};
            break;
        default:
            out.tip = {w, t};
            out.body = {0, 0, w - anchorH, h};
            break;
    }
    out.window = {cursor.x - out.tip.x, cursor.y - out.tip.y, cursor.x - out.tip.x + w,
                  cursor.y - out.tip.y + h};

    out.hasAnchor = anchorW != 0 && anchorH != 0;
    if (out.hasAnchor) {
        const int length = vertical ? w : h;
        const int baseStart = align == kStart ? offset
                              : align == kEnd ? length - offset - anchorW
                                              : t - anchorW / 2;
        const int baseEnd = baseStart + anchorW;
        const int edge = side == kBelow ? out.body.top
                         : side == kAbove ? out.body.bottom
                         : side == kRight ? out.body.left
                                          : out.body.right;
        out.anchor[0] = out.tip;
        out.anchor[1] = vertical ? TipPoint{baseStart, edge} : TipPoint{edge, baseStart};
        out.anchor[2] = vertical ? TipPoint{baseEnd, edge} : TipPoint{edge, baseEnd};
    }
    return out;
}

}  // namespace html
