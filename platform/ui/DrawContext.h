#pragma once
// A drawing context with the desktop's device-context state and pixel rules over QPainter.
//
//   void CMyCtrl::onPaint(ui::DrawContext& dc) {      // inside a ui::WindowOf<> paint hook
//       ui::DcState keep(dc);                          // restores pen, font, colours, ... on exit
//       dc.selectPen({ui::PenStyle::Solid, 1, ui::rgb(0, 0, 0)});
//       dc.moveTo({0, 0});  dc.lineTo({10, 0});       // pixels x = 0..9: the end is excluded
//       dc.fillRect({0, 2, 10, 4}, ui::sysColour(ui::SysColour::ButtonFace));
//       ui::Rect r{0, 10, 100, 30};
//       dc.drawText(u"Centred", r, ui::dt::Center | ui::dt::VCenter | ui::dt::SingleLine);
//   }
//   QImage img(100, 50, QImage::Format_RGB32);  ui::DrawContext mem(img);  // memory context
//
// Pixel rules: a line excludes its end pixel; rectangle/ellipse/fill exclude the right and
// bottom edge; with the null pen a rectangle's fill is one pixel smaller in both directions.
// Antialiasing is off. Colours are COLORREF (ui::ColourRef); the high byte is ignored
// when drawing but kept in the state. Drawing happens only while Qt paints (paint hooks)
// or into images: there is no drawing on a window outside its paint.
#include <QImage>
#include <QPainter>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/ui/Colour.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace ui {

// Cosmetic dash patterns follow the desktop's (dash 18/6, dot 3/3, ...).
enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    ColourRef colour{};
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    enum class Kind { Solid, Null } kind = Kind::Solid;
    ColourRef colour{0xFFFFFF};
    static Brush solid(ColourRef c) { return {Kind::Solid, c}; }
    static Brush null() { return {Kind::Null, ColourRef{}}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class BkMode { Transparent = 1, Opaque = 2 };

// Line and rectangle drawing modes (the values of the desktop's binary raster operations).
enum class Rop2 { Black = 1, Not = 6, XorPen = 7, NotXorPen = 10, CopyPen = 13 };

// Bitmap transfer: copy, AND, OR and XOR of source and destination.
enum class RasterOp { Copy, And, Paint, Invert };

// Text drawing flags.
namespace dt {
constexpr unsigned Top = 0x0, Left = 0x0, Center = 0x1, Right = 0x2, VCenter = 0x4, Bottom = 0x8,
                   WordBreak = 0x10, SingleLine = 0x20, ExpandTabs = 0x40, NoClip = 0x100,
                   CalcRect = 0x400, NoPrefix = 0x800, PathEllipsis = 0x4000,
                   EndEllipsis = 0x8000;
}

// Text alignment of textOut (reference point of the string).
namespace ta {
constexpr unsigned Left = 0, Right = 2, Center = 6, Top = 0, Bottom = 8, Baseline = 24;
}

// 3-D edges: the border kinds and which sides to draw.
namespace edge {
constexpr unsigned RaisedOuter = 0x1, SunkenOuter = 0x2, RaisedInner = 0x4, SunkenInner = 0x8;
constexpr unsigned Raised = RaisedOuter | RaisedInner, Sunken = SunkenOuter | SunkenInner,
                   Etched = SunkenOuter | RaisedInner, Bump = RaisedOuter | SunkenInner;
constexpr unsigned SideLeft = 0x1, SideTop = 0x2, SideRight = 0x4, SideBottom = 0x8,
                   SideRect = 0xF, Middle = 0x800;
}  // namespace edge

class DrawContext {
  public:
    // Paints on a device (a widget inside its paint, or an image) with a painter of its own.
    explicit DrawContext(QPaintDevice& device);
    // Paints through a painter that the caller owns (state is restored on destruction).
    explicit DrawContext(QPainter& painter);
    ~DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    // State, saved and restored as a whole. restore(-1) pops one level; restore(n) goes
    // back to the level that save() answered n for.
    int save();
    void restore(int level = -1);
    Rect clipBox() const;
    void setClipRect(const Rect& r);  // in logical coordinates; replaces the clip
    void clearClip();
    void setViewportOrigin(Point origin);  // device point of the logical origin
    Point viewportOrigin() const { return state_.origin; }
    int logicalDpiX() const;
    int logicalDpiY() const;

    // Selections return what was selected before.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    FontSpec selectFont(const FontSpec& font);
    ColourRef setTextColour(ColourRef c);
    ColourRef setBackColour(ColourRef c);
    BkMode setBackMode(BkMode m);
    unsigned setTextAlign(unsigned taFlags);
    Rop2 setRop2(Rop2 mode);
    const Pen& pen() const { return state_.pen; }
    const Brush& brush() const { return state_.brush; }
    const FontSpec& font() const { return state_.font; }
    ColourRef textColour() const { return state_.textColour; }
    ColourRef backColour() const { return state_.backColour; }
    BkMode backMode() const { return state_.backMode; }

    // Text. textOut honours the alignment, the background mode and the font's escapement.
    TextMetrics textMetrics() const;
    Size textExtent(std::u16string_view text) const;
    void textOut(int x, int y, std::u16string_view text);
    // Returns the height of the text; with dt::VCenter or dt::Bottom the offset from
    // r.top to the bottom of the text. With dt::CalcRect nothing is drawn and r's right
    // and bottom are set to the text's extent ("&" prefixes count unless dt::NoPrefix).
    int drawText(std::u16string_view text, Rect& r, unsigned dtFlags);

    // Lines and shapes.
    void moveTo(Point p) { state_.position = p; }
    void lineTo(Point p);
    Point currentPosition() const { return state_.position; }
    void polyline(std::span<const Point> points);
    void rectangle(const Rect& r);
    void ellipse(const Rect& r);
    void polygon(std::span<const Point> points);
    void fillRect(const Rect& r, ColourRef c);
    void fillRect(const Rect& r, const Brush& b);
    void frameRect(const Rect& r, ColourRef c);
    void draw3dRect(const Rect& r, ColourRef topLeft, ColourRef bottomRight);
    // Draws the edge kinds of `edges` on the `sides`; answers the rectangle inside it.
    Rect drawEdge(const Rect& r, unsigned edges, unsigned sides = edge::SideRect);
    // The dotted focus frame, drawn by inversion: drawing it twice removes it.
    void drawFocusRect(const Rect& r);
    void invertRect(const Rect& r);
    void setPixel(Point p, ColourRef c);
    // Reads back a pixel of an image context; 0xFFFFFFFF where there is none.
    std::uint32_t pixel(Point p) const;

    // Images (32-bit QImages hold 0xAARRGGBB words, the layout of a 32-bit DIB).
    void blit(Point dst, const QImage& src, const Rect& srcRect, RasterOp op = RasterOp::Copy);
    void stretchBlit(const Rect& dst, const QImage& src, const Rect& srcRect, bool smooth = false);
    // The transparent-colour composition: mask with AND, then the image (transparent pixels
    // made black) with OR; the background shows through the transparent colour.
    void maskBlit(Point dst, const QImage& image, const QImage& mask);
    // The disabled look of an image: its opaque shape embossed, 3-D highlight offset by
    // (1, 1) under the 3-D shadow. `mask` white = transparent; null: the image's alpha.
    void drawDisabled(Point dst, const QImage& image, const QImage* mask = nullptr);

    QPainter& painter() { return *painter_; }

  private:
    struct State {
        Pen pen{};
        Brush brush{};
        FontSpec font{};
        ColourRef textColour{0x000000};
        ColourRef backColour{0xFFFFFF};
        BkMode backMode = BkMode::Opaque;
        unsigned textAlign = 0;
        Point position{};
        Rop2 rop = Rop2::CopyPen;
        Point origin{};
        std::optional<Rect> clip;  // logical coordinates
    };

    void applyTransform();
    void applyClip();
    void applyRop();
    void fillPixels(const Rect& r, const QColor& c);
    void strokeLine(Point a, Point b);  // excludes b
    void applyPenTo(QPainter& p) const;
    QImage* image() const;

    QPainter* painter_;
    std::optional<QPainter> own_;
    QTransform base_;
    State state_;
    std::vector<State> stack_;
};

// Saves the state of a context and restores it when leaving the scope.
class DcState {
  public:
    explicit DcState(DrawContext& dc) : dc_(dc), level_(dc.save()) {}
    ~DcState() { dc_.restore(level_); }
    DcState(const DcState&) = delete;
    DcState& operator=(const DcState&) = delete;

  private:
    DrawContext& dc_;
    int level_;
};

// Image helpers of the transparent-colour drawing.
// A mask where `transparent` is white and every other pixel black (RGB32).
QImage makeMask(const QImage& image, ColourRef transparent);
// A copy of `image` in which the pixels that are white in `mask` are black.
QImage blackenMasked(const QImage& image, const QImage& mask);

}  // namespace ui
