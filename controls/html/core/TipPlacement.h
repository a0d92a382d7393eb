#pragma once
// Where the HTML tooltip goes: the window rectangle around a body of a given size, the
// anchor (a triangle pointing at the cursor) and the final direction, kept inside the
// screen. No window system: all in screen and window pixels.
//
//   html::TipShape shape = html::balloonShape();
//   html::TipPlacement p = html::placeTip({120, 40}, shape, 16, {500, 300}, {0, 0, 1920, 1080});
//   // p.window: screen rectangle; p.body: the body inside it; p.anchor: three window points
//
// Direction code: the side in the high part (0 below the cursor, anchor on the top edge;
// 16 above, anchor on the bottom edge; 32 right of the cursor, anchor on the left edge;
// 48 left of it, anchor on the right edge) plus the alignment in the low part (0 the body
// extends right of / below the anchor, 1 left of / above it, 2 centred on the cursor).
#include <array>

namespace html {

struct TipPoint {
    int x = 0, y = 0;
    friend bool operator==(const TipPoint&, const TipPoint&) = default;
};

struct TipExtent {
    int cx = 0, cy = 0;
};

// Left, top, right, bottom; right and bottom lie outside.
struct TipRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const TipRect&, const TipRect&) = default;
};

// The nine sizes of the tip's shape.
enum TipSize {
    CornerWidth = 0, CornerHeight, MarginX, MarginY, AnchorWidth, AnchorHeight, AnchorOffset,
    TipSizeCount = 9
};
using TipShape = std::array<int, TipSizeCount>;
TipShape balloonShape();  // rounded 16 x 16, margins 12, anchor 12 x 16 at 16
TipShape plainShape();    // square, margins 3 x 1, no anchor

constexpr int kDefaultDirection = 16;
// A valid code (0-2, 16-18, 32-34, 48-50) as it is, any other the default.
int validDirection(int code);

struct TipPlacement {
    TipRect window;            // on the screen
    TipRect body;              // inside the window (window coordinates)
    int direction = kDefaultDirection;  // after the turns that keep it on the screen
    TipPoint tip;              // the anchor's point (the cursor), window coordinates
    bool hasAnchor = false;
    std::array<TipPoint, 3> anchor{};  // tip, then the base on the body's edge
};

// `bounding` is the text size plus the margins on each side.
TipPlacement placeTip(TipExtent bounding, const TipShape& shape, int direction, TipPoint cursor,
                      const TipRect& screen);

}  // namespace html
