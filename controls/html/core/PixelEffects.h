#pragma once
// The pixel arithmetic of the drawing manager, without a window system: colour operations,
// effect copies, blends, shadows and the box filter over 32-bit pixel blocks.
//
//   html::Pixels32 img = ...;                                  // 0xAARRGGBB words, rows top-down
//   html::EffectResult e = html::makeEffectCopy(img, html::effect::Grey, false, 0, 0);
//   html::blendPixels(dest, src, 40);                         // 40 % of src over dest
//
// Colour arguments are COLORREF values (0x00bbggrr); pixels of the blocks are 0xAARRGGBB,
// so the routines turn a COLORREF into the pixel order before comparing or storing it.
#include <cstdint>
#include <vector>

namespace html {

// Image effect flags of the drawing manager (also the "style" of an image).
namespace effect {
constexpr std::uint32_t Grey = 1, Darken = 2, Lighten = 4, Fill = 8, Invert = 0x8000,
                        Shadow = 0x100, BlurredShadow = 0x200,
                        AnyShadow = Shadow | BlurredShadow;
}

struct Pixels32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> words;  // width x height, row after row from the top

    Pixels32() = default;
    Pixels32(int w, int h, std::uint32_t fill = 0);
    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t& at(int x, int y) { return words[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return words[static_cast<std::size_t>(y) * width + x]; }
};

// COLORREF 0x00bbggrr <-> pixel 0x00rrggbb (the alpha byte is the caller's).
constexpr std::uint32_t colourToPixel(std::uint32_t colourRef) {
    return ((colourRef & 0xFF) << 16) | (colourRef & 0xFF00) | ((colourRef >> 16) & 0xFF);
}
constexpr std::uint32_t pixelToColour(std::uint32_t pixel) { return colourToPixel(pixel) & 0xFFFFFF; }

// Channel operations; the alpha byte (or the COLORREF's high byte) stays as it was.
// grey = 0.299 R + 0.587 G + 0.114 B, truncated, in all three channels.
std::uint32_t greyScale(std::uint32_t c);
// Each channel times f when 0 <= f < 1; otherwise c unchanged.
std::uint32_t darken(std::uint32_t c, double f);
// Each channel times 1 + f, at most 255, when 0 < f <= 1; otherwise c unchanged.
std::uint32_t lighten(std::uint32_t c, double f);
std::uint32_t invert(std::uint32_t c);
// a x pa + b x pb per channel, truncated (the alpha byte is a's).
std::uint32_t mix(std::uint32_t a, double pa, std::uint32_t b, double pb);

struct EffectResult {
    Pixels32 image;
    bool hadAlpha = false;  // a source pixel had a non-zero alpha byte
};

// The effect copy: a pixel equal to the transparent colour (when used) becomes 0; every
// other pixel gets grey, darken 0.75, lighten 0.25 and the fill colour, in this order, as
// the flags ask; then every pixel is inverted for Invert. Alpha bytes stay as they were.
// With `alphaZeroTransparent` (images that carry an alpha channel) a pixel of alpha 0
// counts as transparent too.
EffectResult makeEffectCopy(const Pixels32& source, std::uint32_t flags, bool useTransparent,
                            std::uint32_t transparentColour, std::uint32_t fillColour,
                            bool alphaZeroTransparent = false);

// dest = src x p + dest x (1 - p) per channel with p = percent / 100, truncated; 100 and
// more copies src, 0 and less leaves dest. Both blocks have the same size.
void blendPixels(Pixels32& dest, const Pixels32& src, int percent);
// The same mix with p = the source pixel's alpha / 255.
void alphaPixels(Pixels32& dest, const Pixels32& src);

// Averages the first byte of each pixel (4 bytes a pixel, rows top-down) over a
// blurX x blurY box centred on it, counting 255 outside the image, and answers factors
// 0..1 (the sum divided by blurX x blurY x 255). Box sizes below 1 count as 1.
std::vector<double> boxFilter(int width, int height, const std::vector<std::uint8_t>& bytes,
                              int blurX, int blurY);

// Darkens every destination pixel by the shadow mask (same size): without blur by the
// mask's low byte / 255; with blur the even blur sizes grow by 1, the mask is shrunk by
// the blur sizes and centred on white, box-filtered and the factors applied.
void applyShadow(Pixels32& dest, const Pixels32& mask, bool blurred, int blurX, int blurY);

// One band of a 64-band gradient along one direction: from `begin` to `end` (exclusive).
struct GradientBand {
    int begin = 0;
    int end = 0;
    std::uint32_t colour = 0;  // COLORREF
};
// The bands of a gradient over [start, start + length) from one COLORREF to another;
// bands of no width are left out.
std::vector<GradientBand> gradientBands(int start, int length, std::uint32_t from, std::uint32_t to);

// Nearest-neighbour resampling, as a plain stretched copy draws it.
Pixels32 stretched(const Pixels32& source, int width, int height);

}  // namespace html
