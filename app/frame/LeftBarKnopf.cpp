#include "app/frame/LeftBarKnopf.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Colour.h"

namespace {

// The 8-bit channel whose linear value is `linear` (the inverse of the sRGB curve).
int Kanal(double linear) {
    linear = std::clamp(linear, 0.0, 1.0);
    const double v =
        linear <= 0.03928 / 12.92 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255));
}

// The darkest colour of the shade within the rectangle.
ui::ColourRef DunkelsterGrund(const CCeXDib& bild, const ui::Rect& r) {
    ui::ColourRef dunkelste = ui::sysColour(ui::SysColour::ButtonFace);
    double leuchtdichte = 2;
    for (int y = std::max(0, r.top); y < std::min(bild.GetHeight(), r.bottom); ++y)
        for (int x = std::max(0, r.left); x < std::min(bild.GetWidth(), r.right); ++x) {
            const ui::ColourRef c(bild.PaletteColour(bild.GetPixelIndex(x, y)));
            if (ui::relativeLuminance(c) < leuchtdichte) {
                leuchtdichte = ui::relativeLuminance(c);
                dunkelste = c;
            }
        }
    return dunkelste;
}

// The grey that stands `kontrast` apart from a ground of the colour.
ui::ColourRef GrauMitKontrast(ui::ColourRef grund, double kontrast) {
    const double l = ui::relativeLuminance(grund);
    const double dunkler = (l + 0.05) / kontrast - 0.05;
    const double heller = kontrast * (l + 0.05) - 0.05;
    // A dark label is the disabled look; a ground too dark for one takes a light label.
    double ziel = dunkler;
    if (dunkler < 0) ziel = heller;
    // Neither reaches the contrast: black or white, whichever stands farther apart.
    if (dunkler < 0 && heller > 1) ziel = l > 0.179 ? 0.0 : 1.0;
    const int g = Kanal(ziel);
    return ui::rgb(g, g, g);
}

}  // namespace

void CLeftBarKnopf::DisabledTextColours(const ui::Rect& place, ui::ColourRef& relief,
                                        ui::ColourRef& label) const {
    CShadeButtonST::DisabledTextColours(place, relief, label);
    const double desktop = ui::contrastRatio(ui::sysColour(ui::SysColour::GrayText),
                                             ui::sysColour(ui::SysColour::ButtonFace));
    // Measured where the shade is closest to the label: a dark label against the darkest
    // part of the ground beneath it, so that every letter stands out as far.
    const ui::ColourRef grund = DunkelsterGrund(normalImage(), place);
    label = GrauMitKontrast(grund, desktop);
    // A ground too dark for a dark label got a light one: its relief on the shadow side.
    if (ui::relativeLuminance(label) > ui::relativeLuminance(grund))
        relief = ui::sysColour(ui::SysColour::ButtonShadow);
}
