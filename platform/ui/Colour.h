#pragma once
// Colours as the stored data and the drawing code keep them: a 32-bit word 0x00bbggrr
// (red in the low byte). Qt's QRgb is 0xAARRGGBB, so every crossing goes through
// toQColor/toQRgb/fromQRgb and nowhere else. The high byte is the caller's: markers such
// as 0xFF000000 ("default colour") are kept untouched by ColourRef and by the drawing
// context's state; only drawing ignores them.
//
// System colours come from `sysColour(SysColour::ButtonFace)`. Live, they follow the
// application palette; `SystemColours::useFixedScheme()` (tests) pins the classic values
// and makes the application palette agree, so pixel assertions are stable.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace ui {

struct ColourRef {
    std::uint32_t value = 0;
    constexpr ColourRef() = default;
    constexpr explicit ColourRef(std::uint32_t v) : value(v) {}
    friend constexpr bool operator==(ColourRef, ColourRef) = default;
};

constexpr ColourRef rgb(int r, int g, int b) {
    return ColourRef((static_cast<std::uint32_t>(r) & 0xFF) |
                     ((static_cast<std::uint32_t>(g) & 0xFF) << 8) |
                     ((static_cast<std::uint32_t>(b) & 0xFF) << 16));
}
constexpr int red(ColourRef c) { return static_cast<int>(c.value & 0xFF); }
constexpr int green(ColourRef c) { return static_cast<int>((c.value >> 8) & 0xFF); }
constexpr int blue(ColourRef c) { return static_cast<int>((c.value >> 16) & 0xFF); }

// Opaque Qt colours of the low three bytes.
QColor toQColor(ColourRef c);
QRgb toQRgb(ColourRef c);
// The alpha of `rgb` is dropped: the result is 0x00bbggrr.
ColourRef fromQRgb(QRgb rgb);
inline ColourRef fromQColor(const QColor& c) { return fromQRgb(c.rgb()); }

// The relative luminance of a colour: 0 black .. 1 white, as legibility is measured.
double relativeLuminance(ColourRef c);
// How far apart two colours stand for reading: 1 (the same) .. 21 (black on white).
double contrastRatio(ColourRef a, ColourRef b);

// The system colour indices 0..24 of the desktop.
enum class SysColour {
    ScrollBar = 0, Background, ActiveCaption, InactiveCaption, Menu, Window, WindowFrame,
    MenuText, WindowText, CaptionText, ActiveBorder, InactiveBorder, AppWorkspace, Highlight,
    HighlightText, ButtonFace, ButtonShadow, GrayText, ButtonText, InactiveCaptionText,
    ButtonHighlight, DarkShadow3D, Light3D, InfoText, InfoBackground
};
constexpr int kSysColourCount = 25;

ColourRef sysColour(SysColour index);
// Index as stored numbers give it; outside 0..24 answers black.
ColourRef sysColour(int index);

class SystemColours {
  public:
    // Pins the classic scheme (face 0xC0C0C0, shadow 0x808080, ...) and installs an
    // application palette made of it, so Qt-drawn widgets match the table.
    static void useFixedScheme();
    // Back to the application palette of the platform (used by the program).
    static void useLiveScheme();
    static bool fixed();
    // The classic value of an index (the fixed scheme).
    static ColourRef classic(SysColour index);
    // The palette that the fixed scheme installs.
    static QPalette classicPalette();
};

}  // namespace ui
