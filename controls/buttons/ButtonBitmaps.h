#pragma once
// The bitmaps of an owner-drawn button: each with its monochrome mask (white where the
// transparent colour was) and its transparent pixels made black, so that drawing the mask
// with AND and the bitmap with OR lets the background show through.
#include <QImage>
#include <cstdint>

#include "platform/ui/Colour.h"

namespace buttons {

// Ids of derived bitmaps in place of a resource id: a grey or a 25% darker copy of the
// in bitmap.
inline constexpr int kAutoGrey = -2;
inline constexpr int kAutoDarker = -3;

struct ButtonBitmap {
    QImage image;
    QImage mask;
    ui::ColourRef transparent;
    bool isNull() const { return image.isNull(); }
};

// Each pixel other than the transparent colour through `rule` (colours 0x00bbggrr).
QImage derivedCopy(const QImage& source, ui::ColourRef transparent,
                   std::uint32_t (*rule)(std::uint32_t));
// Mask and blackened bitmap; null when the source is.
ButtonBitmap prepareBitmap(const QImage& source, ui::ColourRef transparent);
// The "BITMAP" resource of the current resource module; null when missing or unreadable.
QImage loadResourceBitmap(int id);

}  // namespace buttons
