#pragma once
// What the HTML drawer needs of a device: fonts and their measures, text, lines, fills,
// borders and images. The drawer's markup, style and layout logic speaks only to this, so
// it runs without a window system (measuring in tests and under the fuzzer); the control
// library paints through `html::DrawContextCanvas` (PPHtmlDrawerCanvas.h), which puts
// these calls on a ui::DrawContext and the drawing manager.
//
// Colours are COLORREF words 0x00bbggrr; rectangles exclude their right and bottom edge.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/modules/Module.h"

namespace html {

using Colour = std::uint32_t;

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct Extent {
    int cx = 0, cy = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// A logical font as the style gives it: height is the cell height in pixels.
struct FontDesc {
    int height = 16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::u16string face;
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

struct FontMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
};

// An image the canvas has loaded; the drawer only asks its size and hands it back.
class HtmlImage {
  public:
    virtual ~HtmlImage() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// Where an image comes from. Only resources of modules already loaded and files are
// sources: markup never names a pointer or a library to load.
struct ImageSource {
    enum class Kind { Bitmap, Icon, File };
    Kind kind = Kind::Bitmap;
    platform::ModuleHandle module = nullptr;  // Bitmap, Icon: the resource module
    int id = 0;
    std::u16string file;  // File
};

// One image drawing: the drawing manager's bitmap call with its effect flags
// (1 grey, 2 darken, 4 lighten, 8 fill with one colour, 0x100/0x200 shadow).
struct ImageDraw {
    int x = 0, y = 0, width = 0, height = 0;
    // A frame of a strip: the frame at `frameIndex` of frameWidth x frameHeight cells;
    // frameIndex < 0 draws the whole image.
    int frameIndex = -1, frameWidth = 0, frameHeight = 0;
    bool useMask = false;
    Colour maskColour = 0xFF00FF;
    unsigned flags = 0;
    bool withShadow = false;
    int shadowX = 0, shadowY = 0, blurX = 0, blurY = 0;
    Colour fillColour = 0;
};

class HtmlCanvas {
  public:
    virtual ~HtmlCanvas() = default;

    // Device state; each setter answers what was set before.
    virtual FontDesc selectFont(const FontDesc& font) = 0;
    virtual FontMetrics metrics() const = 0;
    virtual Extent textExtent(std::u16string_view text) const = 0;
    virtual int logicalDpiY() const = 0;
    virtual Colour setTextColour(Colour c) = 0;
    virtual Colour setBackColour(Colour c) = 0;
    virtual int setBackMode(int mode) = 0;  // 1 transparent, 2 opaque

    // Drawing (paint passes only). Line and border styles: 0 none, 1 solid, 2 dash,
    // 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 double.
    virtual void textOut(int x, int y, std::u16string_view text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, Colour c, int style, int width) = 0;
    virtual void fillEffect(int kind, const Box& r, Colour c1, Colour c2, Colour c3,
                            int granularity) = 0;
    virtual void drawBorder(const Box& r, Colour light, Colour dark, int style, int width) = 0;

    // Images: null when the source cannot be read.
    virtual std::unique_ptr<HtmlImage> loadImage(const ImageSource& source) = 0;
    virtual void drawImage(const HtmlImage& image, const ImageDraw& how) = 0;
    // Whole copies from the top-left corner, the last row and column clipped.
    virtual void tileImage(const HtmlImage& image, const Box& r) = 0;
};

}  // namespace html
