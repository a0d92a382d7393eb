#include "controls/html/PPDrawManager.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "controls/html/core/NoiseFill.h"

namespace {

using html::Pixels32;

// The image under a memory context and the offset of its logical origin.
struct DeviceImage {
    const QImage* image = nullptr;
    int dx = 0, dy = 0;
};

std::optional<DeviceImage> deviceImage(ui::DrawContext& dc) {
    const auto* image = dynamic_cast<const QImage*>(dc.painter().device());
    if (!image) return std::nullopt;
    const QTransform t = dc.painter().deviceTransform();
    if (t.type() > QTransform::TxTranslate) return std::nullopt;
    return DeviceImage{image, static_cast<int>(t.dx()), static_cast<int>(t.dy())};
}

// The destination's words as they are (outside the image: 0).
Pixels32 readDestination(const DeviceImage& d, int x, int y, int w, int h) {
    Pixels32 out(w, h);
    for (int row = 0; row < out.height; ++row)
        for (int col = 0; col < out.width; ++col) {
            const int px = x + col + d.dx, py = y + row + d.dy;
            if (d.image->valid(px, py)) out.at(col, row) = d.image->pixel(px, py);
        }
    return out;
}

QImage toImage(const Pixels32& p, QImage::Format format = QImage::Format_ARGB32) {
    if (p.empty()) return QImage();
    QImage image(p.width, p.height, format);
    for (int row = 0; row < p.height; ++row)
        std::memcpy(image.scanLine(row), &p.words[static_cast<std::size_t>(row) * p.width],
                    static_cast<std::size_t>(p.width) * 4);
    return image;
}

void writeDestination(ui::DrawContext& dc, int x, int y, const Pixels32& p) {
    if (p.empty()) return;
    dc.blit({x, y}, toImage(p), {0, 0, p.width, p.height}, ui::RasterOp::Copy);
}

// A bitmap's pixels as a 32-bit section holds them: without an alpha channel the alpha
// byte is 0. Outside the image: 0.
Pixels32 sourcePixels(const QImage& source, int sx, int sy, int w, int h) {
    Pixels32 out(w, h);
    if (source.isNull()) return out;
    const bool alpha = source.hasAlphaChannel();
    const QImage img = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int row = 0; row < out.height; ++row)
        for (int col = 0; col < out.width; ++col) {
            const int px = sx + col, py = sy + row;
            if (!img.valid(px, py)) continue;
            const QRgb word = img.pixel(px, py);
            out.at(col, row) = alpha ? word : (word & 0xFFFFFFu);
        }
    return out;
}

Pixels32 wholeImage(const QImage& image) { return sourcePixels(image, 0, 0, image.width(), image.height()); }

// The same words, opaque, for the AND and OR transfers.
QImage opaqueImage(Pixels32 p) {
    for (std::uint32_t& w : p.words) w |= 0xFF000000u;
    return toImage(p, QImage::Format_RGB32);
}

ui::PenStyle penStyleOf(int style) {
    switch (style) {
        case 2:
            return ui::PenStyle::Dash;
        case 3:
            return ui::PenStyle::Dot;
        case 4:
            return ui::PenStyle::DashDot;
        case 5:
            return ui::PenStyle::DashDotDot;
        default:
            return ui::PenStyle::Solid;
    }
}

constexpr std::uint32_t kColourEffects =
    html::effect::Grey | html::effect::Darken | html::effect::Lighten | html::effect::Fill |
    html::effect::Invert;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

ui::Size CPPDrawManager::GetIconSize(const QImage& icon) {
    if (icon.isNull()) return {};
    return {icon.width(), icon.height()};
}

ui::Size CPPDrawManager::GetBitmapSize(const QImage& bitmap) {
    if (bitmap.isNull()) return {};
    return {bitmap.width(), bitmap.height()};
}

void CPPDrawManager::BlendBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src,
                              int sx, int sy, int percent) {
    if (w <= 0 || h <= 0 || src.isNull() || percent <= 0) return;
    if (percent >= 100) {
        dest.blit({x, y}, src, {sx, sy, sx + w, sy + h}, ui::RasterOp::Copy);
        return;
    }
    if (auto device = deviceImage(dest)) {
        Pixels32 pixels = readDestination(*device, x, y, w, h);
        html::blendPixels(pixels, sourcePixels(src, sx, sy, w, h), percent);
        writeDestination(dest, x, y, pixels);
        return;
    }
    QPainter& p = dest.painter();
    p.save();
    p.setOpacity(percent / 100.0);
    p.drawImage(QPoint(x, y), src, QRect(sx, sy, w, h));
    p.restore();
}

void CPPDrawManager::AlphaBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src,
                              int sx, int sy) {
    if (w <= 0 || h <= 0 || src.isNull()) return;
    if (auto device = deviceImage(dest)) {
        Pixels32 pixels = readDestination(*device, x, y, w, h);
        html::alphaPixels(pixels, sourcePixels(src, sx, sy, w, h));
        writeDestination(dest, x, y, pixels);
        return;
    }
    QPainter& p = dest.painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(x, y), src.convertToFormat(QImage::Format_ARGB32), QRect(sx, sy, w, h));
    p.restore();
}

QImage CPPDrawManager::MakeEffectCopy(const QImage& bitmap, int w, int h, std::uint32_t flags,
                                      bool useTransparent, ui::ColourRef transparentColour,
                                      ui::ColourRef fillColour) {
    hadAlpha_ = false;
    if (bitmap.isNull() || w <= 0 || h <= 0) return QImage();
    const Pixels32 sized = html::stretched(wholeImage(bitmap), w, h);
    html::EffectResult r = html::makeEffectCopy(sized, flags, useTransparent, transparentColour.value,
                                                fillColour.value, bitmap.hasAlphaChannel());
    hadAlpha_ = r.hadAlpha;
    return toImage(r.image);
}

QImage CPPDrawManager::StretchIcon(const QImage& icon, int w, int h) {
    if (icon.isNull() || w <= 0 || h <= 0) return QImage();
    if (icon.width() == w && icon.height() == h) return icon;
    return icon.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void CPPDrawManager::FillGradient(ui::DrawContext& dc, const ui::Rect& rect, ui::ColourRef from,
                                  ui::ColourRef to, bool horizontal) {
    if (rect.isEmpty()) return;
    const int start = horizontal ? rect.left : rect.top;
    const int length = horizontal ? rect.width() : rect.height();
    for (const html::GradientBand& band : html::gradientBands(start, length, from.value, to.value)) {
        const ui::Rect r = horizontal ? ui::Rect{band.begin, rect.top, band.end, rect.bottom}
                                      : ui::Rect{rect.left, band.begin, rect.right, band.end};
        dc.fillRect(r, ui::ColourRef(band.colour));
    }
}

void CPPDrawManager::FillEffect(ui::DrawContext& dc, int kind, const ui::Rect& rect,
                                ui::ColourRef colour1, ui::ColourRef colour2, ui::ColourRef colour3,
                                int granularity, int /*extra*/) {
    if (rect.isEmpty()) return;
    const int halfW = rect.width() / 2, halfH = rect.height() / 2;
    const ui::Rect left{rect.left, rect.top, rect.left + halfW, rect.bottom};
    const ui::Rect right{rect.left + halfW, rect.top, rect.right, rect.bottom};
    const ui::Rect top{rect.left, rect.top, rect.right, rect.top + halfH};
    const ui::Rect bottom{rect.left, rect.top + halfH, rect.right, rect.bottom};
    switch (kind) {
        case 1:
        case 2:
            FillGradient(dc, rect, colour1, colour3, kind == 1);
            return;
        case 3:
            FillGradient(dc, left, colour1, colour3, true);
            FillGradient(dc, right, colour3, colour1, true);
            return;
        case 4:
            FillGradient(dc, top, colour1, colour3, false);
            FillGradient(dc, bottom, colour3, colour1, false);
            return;
        case 5:
            FillGradient(dc, left, colour1, colour2, true);
            FillGradient(dc, right, colour2, colour3, true);
            return;
        case 6:
            FillGradient(dc, top, colour1, colour2, false);
            FillGradient(dc, bottom, colour2, colour3, false);
            return;
        default:
            break;
    }
    if (html::drawNoise(scratch_, kind, rect.width(), rect.height(), colour1.value, colour2.value,
                        colour3.value, granularity)) {
        scratch_.Draw(dc, rect.left, rect.top);
        return;
    }
    dc.fillRect(rect, colour1);
}

void CPPDrawManager::TileBlt(ui::DrawContext& dest, int x, int y, int w, int h, const QImage& src,
                             int sx, int sy, int tileW, int tileH) {
    if (src.isNull() || w <= 0 || h <= 0 || tileW <= 0 || tileH <= 0) return;
    for (int ty = y; ty < y + h; ty += tileH) {
        const int ch = std::min(tileH, y + h - ty);
        for (int tx = x; tx < x + w; tx += tileW) {
            const int cw = std::min(tileW, x + w - tx);
            dest.blit({tx, ty}, src, {sx, sy, sx + cw, sy + ch}, ui::RasterOp::Copy);
        }
    }
}

void CPPDrawManager::drawImageWithEffects(ui::DrawContext& dc, int x, int y, const QImage& sized,
                                          bool useTransparent, ui::ColourRef transparentColour,
                                          std::uint32_t flags, bool withShadow, int shadowX,
                                          int shadowY, int blurX, int blurY,
                                          ui::ColourRef fillColour) {
    const int w = sized.width(), h = sized.height();
    const Pixels32 pixels = wholeImage(sized);
    const bool alphaChannel = sized.hasAlphaChannel();
    // Transparent pixels white, the others black.
    const html::EffectResult mask =
        html::makeEffectCopy(pixels, html::effect::Fill | html::effect::Invert, useTransparent,
                             transparentColour.value, kWhite, alphaChannel);
    const html::EffectResult image = html::makeEffectCopy(
        pixels, flags & kColourEffects, useTransparent, transparentColour.value, fillColour.value,
        alphaChannel);
    hadAlpha_ = image.hadAlpha;

    if (withShadow && (flags & html::effect::AnyShadow)) {
        // The fill colour where the image is, white where it is transparent.
        const html::EffectResult shadow = html::makeEffectCopy(
            pixels, html::effect::Fill | html::effect::Invert, useTransparent,
            transparentColour.value, fillColour.value ^ kWhite, alphaChannel);
        DrawShadow(dc, x + shadowX, y + shadowY, w, h, toImage(shadow.image, QImage::Format_RGB32),
                   (flags & html::effect::BlurredShadow) != 0, blurX, blurY);
    } else if (withShadow) {
        x += shadowX;
        y += shadowY;
    }
    if (image.hadAlpha) {
        AlphaBlt(dc, x, y, w, h, toImage(image.image), 0, 0);
    } else {
        dc.blit({x, y}, opaqueImage(mask.image), {0, 0, w, h}, ui::RasterOp::And);
        dc.blit({x, y}, opaqueImage(image.image), {0, 0, w, h}, ui::RasterOp::Paint);
    }
}

void CPPDrawManager::DrawBitmap(ui::DrawContext& dc, int x, int y, int w, int h,
                                const QImage& bitmap, bool useTransparent,
                                ui::ColourRef transparentColour, std::uint32_t flags,
                                bool withShadow, int shadowX, int shadowY, int blurX, int blurY,
                                ui::ColourRef fillColour) {
    if (bitmap.isNull() || w <= 0 || h <= 0) return;
    const QImage sized = bitmap.size() == QSize(w, h)
                             ? bitmap
                             : bitmap.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    drawImageWithEffects(dc, x, y, sized, useTransparent, transparentColour, flags, withShadow,
                         shadowX, shadowY, blurX, blurY, fillColour);
}

void CPPDrawManager::DrawIconImage(ui::DrawContext& dc, int x, int y, int w, int h,
                                   const QImage& icon, std::uint32_t flags, bool withShadow,
                                   int shadowX, int shadowY, int blurX, int blurY,
                                   ui::ColourRef fillColour) {
    if (icon.isNull() || w <= 0 || h <= 0) return;
    // The icon's alpha channel is its mask: no colour is transparent.
    drawImageWithEffects(dc, x, y, StretchIcon(icon, w, h), false, ui::ColourRef(), flags,
                         withShadow, shadowX, shadowY, blurX, blurY, fillColour);
}

void CPPDrawManager::DrawStripFrame(ui::DrawContext& dc, int x, int y, int w, int h,
                                    const QImage& strip, int index, int frameW, int frameH,
                                    bool useTransparent, ui::ColourRef transparentColour,
                                    std::uint32_t flags, bool withShadow, int shadowX, int shadowY,
                                    int blurX, int blurY, ui::ColourRef fillColour) {
    if (strip.isNull() || frameW <= 0 || frameH <= 0 || index < 0) return;
    const int columns = strip.width() / frameW, rows = strip.height() / frameH;
    if (index >= columns * rows) return;
    const QImage frame = strip.copy((index % columns) * frameW, (index / columns) * frameH, frameW, frameH);
    DrawBitmap(dc, x, y, w, h, frame, useTransparent, transparentColour, flags, withShadow, shadowX,
               shadowY, blurX, blurY, fillColour);
}

void CPPDrawManager::DrawShadow(ui::DrawContext& dest, int x, int y, int w, int h,
                                const QImage& mask, bool blurred, int blurX, int blurY) {
    if (w <= 0 || h <= 0 || mask.isNull()) return;
    const Pixels32 maskPixels = html::stretched(wholeImage(mask), w, h);
    if (auto device = deviceImage(dest)) {
        Pixels32 pixels = readDestination(*device, x, y, w, h);
        html::applyShadow(pixels, maskPixels, blurred, blurX, blurY);
        writeDestination(dest, x, y, pixels);
        return;
    }
    // Darkening by f is black laid over with opacity 1 - f.
    Pixels32 factors(w, h, 0xFFFFFFFFu);
    html::applyShadow(factors, maskPixels, blurred, blurX, blurY);
    for (std::uint32_t& word : factors.words) word = (255u - (word & 0xFF)) << 24;
    QPainter& p = dest.painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(x, y), toImage(factors));
    p.restore();
}

void CPPDrawManager::DrawBorder(ui::DrawContext& dc, const ui::Rect& rect, ui::ColourRef light,
                                ui::ColourRef dark, int style, int width) {
    if (style <= 0 || width < 1 || rect.isEmpty()) return;
    ui::DcState keep(dc);
    const ui::PenStyle penStyle = penStyleOf(style);
    auto border = [&](const ui::Rect& r) {
        // The pen is centred on its line: inset by half the width, on the last pixel
        // column and row inside the rectangle.
        const int inset = width / 2;
        const int l = r.left + inset, t = r.top + inset;
        const int rt = r.right - 1 - inset, b = r.bottom - 1 - inset;
        if (rt < l || b < t) return;
        dc.selectPen({penStyle, width, light});
        dc.moveTo({l, b});
        dc.lineTo({l, t});
        dc.lineTo({rt, t});
        if (dark != light) dc.selectPen({penStyle, width, dark});
        dc.moveTo({rt, t});
        dc.lineTo({rt, b});
        dc.lineTo({l, b});
    };
    border(rect);
    if (style == 6) border(rect.inflated(-2 * width, -2 * width));
}

void CPPDrawManager::DrawLine(ui::DrawContext& dc, int x1, int y1, int x2, int y2,
                              ui::ColourRef colour, int style, int width) {
    if (style <= 0 || width < 1) return;
    ui::DcState keep(dc);
    dc.selectPen({penStyleOf(style), width, colour});
    dc.moveTo({x1, y1});
    dc.lineTo({x2, y2});
    if (style == 6) {
        const bool horizontal = std::abs(x2 - x1) >= std::abs(y2 - y1);
        const int dx = horizontal ? 0 : 2 * width, dy = horizontal ? 2 * width : 0;
        dc.moveTo({x1 + dx, y1 + dy});
        dc.lineTo({x2 + dx, y2 + dy});
    }
}
