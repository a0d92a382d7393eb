#include "platform/ui/Font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

QString faceOf(const FontSpec& spec) {
    return QString::fromStdU16String(spec.face.empty() ? std::u16string(kDefaultFace) : spec.face);
}

QFont baseFont(const FontSpec& spec) {
    QFont f(faceOf(spec));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight == 0 ? 400 : spec.weight, 1, 1000)));
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setStrikeOut(spec.strikeOut);
    f.setKerning(false);
    return f;
}

// Cell height per em pixel of a face, measured at a large size to keep rounding small.
double cellRatio(const FontSpec& spec) {
    QFont f = baseFont(spec);
    f.setPixelSize(1000);
    QFontMetrics m(f);
    const int cell = m.ascent() + m.descent();
    return cell > 0 ? cell / 1000.0 : 1.0;
}

}  // namespace

int emPixels(const FontSpec& spec) {
    if (spec.height < 0) return -spec.height;
    if (spec.height == 0) return kDefaultEmPixels;
    return std::max(1, static_cast<int>(std::lround(spec.height / cellRatio(spec))));
}

QFont toQFont(const FontSpec& spec) {
    QFont f = baseFont(spec);
    f.setPixelSize(emPixels(spec));
    return f;
}

FontSpec fromQFont(const QFont& font) {
    FontSpec s;
    int px = font.pixelSize();
    if (px <= 0) px = QFontInfo(font).pixelSize();
    s.height = -px;
    s.weight = font.weight();
    s.italic = font.italic();
    s.underline = font.underline();
    s.strikeOut = font.strikeOut();
    s.face = font.family().toStdU16String();
    return s;
}

FontSpec messageFont() {
    FontSpec s;
    s.height = -kDefaultEmPixels;
    s.face = kDefaultFace;
    return s;
}

FontSpec defaultGuiFont() {
    FontSpec s;
    s.height = -11;
    s.face = kDefaultFace;
    return s;
}

FontSpec pointFont(int tenthsOfPoint, std::u16string face) {
    FontSpec s;
    // 96 pixels per inch, 72 points per inch; rounded like the desktop's conversion.
    s.height = -static_cast<int>(std::lround(tenthsOfPoint * 96.0 / 720.0));
    s.face = std::move(face);
    return s;
}

TextMetrics textMetricsOf(const FontSpec& spec) {
    const QFont f = toQFont(spec);
    const QFontMetrics m(f);
    TextMetrics t;
    t.ascent = m.ascent();
    t.descent = m.descent();
    t.height = t.ascent + t.descent;
    t.internalLeading = std::max(0, t.height - f.pixelSize());
    t.externalLeading = std::max(0, m.leading());
    t.aveCharWidth = m.averageCharWidth();
    t.maxCharWidth = m.maxWidth();
    return t;
}

}  // namespace ui
