// The palette bitmap on screen: its 8-bit rows as an indexed image, drawn at its own size.
#include <QImage>

#include "controls/buttons/CeXDib.h"
#include "platform/ui/DrawContext.h"

void CCeXDib::Draw(ui::DrawContext& dc, int x, int y) const {
    if (!IsValid() || bitCount_ != 8 || width_ == 0 || height_ == 0) return;
    QImage image(width_, height_, QImage::Format_RGB32);
    for (int row = 0; row < height_; ++row) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < width_; ++col) {
            const std::uint32_t c = PaletteColour(GetPixelIndex(col, row));
            out[col] = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
    }
    dc.blit({x, y}, image, {0, 0, width_, height_});
}
