#include "controls/buttons/ButtonBitmaps.h"

#include "platform/resources/Resources.h"
#include "platform/ui/DrawContext.h"

namespace buttons {

QImage derivedCopy(const QImage& source, ui::ColourRef transparent,
                   std::uint32_t (*rule)(std::uint32_t)) {
    QImage copy = source.convertToFormat(QImage::Format_RGB32);
    const QRgb key = ui::toQRgb(transparent) & 0xFFFFFF;
    for (int y = 0; y < copy.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key) continue;
            row[x] = ui::toQRgb(ui::ColourRef(rule(ui::fromQRgb(row[x]).value)));
        }
    }
    return copy;
}

ButtonBitmap prepareBitmap(const QImage& source, ui::ColourRef transparent) {
    if (source.isNull()) return {};
    const QImage colour = source.convertToFormat(QImage::Format_RGB32);
    ButtonBitmap b;
    b.transparent = transparent;
    b.mask = ui::makeMask(colour, transparent);
    b.image = ui::blackenMasked(colour, b.mask);
    return b;
}

QImage loadResourceBitmap(int id) {
    if (id <= 0) return {};
    const auto bytes = platform::findResource(platform::currentResourceModule(), u"BITMAP",
                                              static_cast<unsigned>(id));
    if (!bytes) return {};
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
    return image;
}

}  // namespace buttons
