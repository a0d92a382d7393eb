#pragma once
// The pixel layer under the HTML drawer and the HTML tooltip: gradient and noise fills,
// images drawn with colour effects, transparency, alpha and soft shadows, 3-D borders and
// lines, on a drawing context of the windowing layer.
//
//   CPPDrawManager dm;
//   dm.FillEffect(dc, 2, {0, 0, 200, 40}, ui::rgb(255, 255, 255), mid, ui::rgb(0, 0, 128));
//   dm.DrawBitmap(dc, 4, 4, 16, 16, bitmap, true, ui::rgb(255, 0, 255), html::effect::Grey,
//                 false, 0, 0, 0, 0, fill);
//   dm.DrawBorder(dc, cellRect, light, dark, 1, 1);
//
// Bitmaps and icons are QImages; an icon is an image whose alpha channel is its mask.
// The per-pixel work (blends, alpha, shadows) reads the destination back, which a memory
// context (a QImage) allows; on a window being painted directly Qt's composition gives the
// same picture. The arithmetic itself is in controls/html/core (no window system).
#include <QImage>
#include <cstdint>

#include "controls/buttons/CeXDib.h"
#include "controls/html/core/PixelEffects.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DrawContext.h"
#include "platform/ui/Geometry.h"

class CPPDrawManager {
  public:
    CPPDrawManager() = default;
    virtual ~CPPDrawManager() = default;
    CPPDrawManager(const CPPDrawManager&) = delete;
    CPPDrawManager& operator=(const CPPDrawManager&) = delete;

    // The icon's size (the doubled centre hot spot is the size here); (0, 0) for none.
    static ui::Size GetIconSize(const QImage& icon);
    static ui::Size GetBitmapSize(const QImage& bitmap);

    // src x p + dest x (1 - p), p = percent / 100 (channels truncated); 100 and more is a
    // plain copy, 0 and less leaves the destination.
    void BlendBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src, int sx,
                  int sy, int percent);
    // The same mix with p = the source pixel's alpha / 255.
    void AlphaBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src, int sx,
                  int sy);

    // A w x h copy of the bitmap (stretched) with the effect flags applied (ARGB32 words,
    // the source alpha kept); null for a null bitmap or an empty size. Sets the had-alpha
    // flag read by lastImageHadAlpha().
    QImage MakeEffectCopy(const QImage& bitmap, int w, int h, std::uint32_t flags,
                          bool useTransparent, ui::ColourRef transparentColour,
                          ui::ColourRef fillColour);
    bool lastImageHadAlpha() const { return hadAlpha_; }

    // A w x h copy of the icon; null for a null icon or an empty size.
    static QImage StretchIcon(const QImage& icon, int w, int h);

    // 64 bands from one colour to the other, along x (horizontal) or y.
    void FillGradient(ui::DrawContext& dc, const ui::Rect& rect, ui::ColourRef from,
                      ui::ColourRef to, bool horizontal);
    // Kinds 1..6 gradients, 7..15 noise, anything else a solid fill with colour1. `extra`
    // is accepted for the callers' sake and selects nothing.
    void FillEffect(ui::DrawContext& dc, int kind, const ui::Rect& rect, ui::ColourRef colour1,
                    ui::ColourRef colour2, ui::ColourRef colour3, int granularity = 5,
                    int extra = 0);

    // Copies the tile (tileW x tileH at (sx, sy) of src) across the area, row by row, the
    // last column and row clipped.
    void TileBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src, int sx,
                 int sy, int tileW, int tileH);

    void DrawBitmap(ui::DrawContext& dc, int x, int y, int w, int h, const QImage& bitmap,
                    bool useTransparent, ui::ColourRef transparentColour, std::uint32_t flags,
                    bool withShadow, int shadowX, int shadowY, int blurX, int blurY,
                    ui::ColourRef fillColour);
    void DrawIconImage(ui::DrawContext& dc, int x, int y, int w, int h, const QImage& icon,
                       std::uint32_t flags, bool withShadow, int shadowX, int shadowY, int blurX,
                       int blurY, ui::ColourRef fillColour);
    // Frame `index` of a strip of frameW x frameH frames numbered along the rows.
    void DrawStripFrame(ui::DrawContext& dc, int x, int y, int w, int h, const QImage& strip,
                        int index, int frameW, int frameH, bool useTransparent,
                        ui::ColourRef transparentColour, std::uint32_t flags, bool withShadow,
                        int shadowX, int shadowY, int blurX, int blurY, ui::ColourRef fillColour);

    // Darkens the area by the mask's blue channel / 255 (white: unchanged), blurred or not.
    void DrawShadow(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& mask,
                    bool blurred, int blurX, int blurY);

    // Styles: 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 double solid.
    // The border lies inside the rectangle: left and top light, right and bottom dark.
    void DrawBorder(ui::DrawContext& dc, const ui::Rect& rect, ui::ColourRef light,
                    ui::ColourRef dark, int style, int width);
    void DrawLine(ui::DrawContext& dc, int x1, int y1, int x2, int y2, ui::ColourRef colour,
                  int style, int width);

  private:
    void drawImageWithEffects(ui::DrawContext& dc, int x, int y, const QImage& sized,
                              bool useTransparent, ui::ColourRef transparentColour,
                              std::uint32_t flags, bool withShadow, int shadowX, int shadowY,
                              int blurX, int blurY, ui::ColourRef fillColour);

    CCeXDib scratch_;  // the noise fills' palette image
    bool hadAlpha_ = false;
};
