#include "platform/ui/Colour.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace ui {
namespace {

bool& fixedFlag() {
    static bool fixed = false;
    return fixed;
}

// The classic desktop scheme, as COLORREF words.
constexpr std::array<std::uint32_t, kSysColourCount> kClassic = {
    0xC0C0C0,  //  0 scroll bar
    0x808000,  //  1 desktop background (teal)
    0x6A240A,  //  2 active caption
    0x808080,  //  3 inactive caption
    0xC0C0C0,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x6A240A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 3-D highlight
    0x000000,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background
};

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The nearest palette role of each index; captions and borders have no role of their own.
constexpr std::array<RoleOf, kSysColourCount> kRoles = {{
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Inactive, QPalette::Highlight},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Base},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::WindowText},
    {QPalette::Active, QPalette::Text},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Disabled, QPalette::Text},
    {QPalette::Active, QPalette::ButtonText},
    {QPalette::Inactive, QPalette::Text},
    {QPalette::Active, QPalette::Light},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::Midlight},
    {QPalette::Active, QPalette::ToolTipText},
    {QPalette::Active, QPalette::ToolTipBase},
}};

}  // namespace

QColor toQColor(ColourRef c) { return QColor(red(c), green(c), blue(c)); }

QRgb toQRgb(ColourRef c) { return qRgb(red(c), green(c), blue(c)); }

ColourRef fromQRgb(QRgb v) { return rgb(qRed(v), qGreen(v), qBlue(v)); }

ColourRef sysColour(SysColour index) { return sysColour(static_cast<int>(index)); }

ColourRef sysColour(int index) {
    if (index < 0 || index >= kSysColourCount) return ColourRef(0);
    if (fixedFlag() || !qApp) return ColourRef(kClassic[static_cast<std::size_t>(index)]);
    const RoleOf& r = kRoles[static_cast<std::size_t>(index)];
    return fromQColor(QApplication::palette().color(r.group, r.role));
}

ColourRef SystemColours::classic(SysColour index) {
    return ColourRef(kClassic[static_cast<std::size_t>(index)]);
}

QPalette SystemColours::classicPalette() {
    QPalette p;
    auto set = [&p](QPalette::ColorRole role, SysColour c) {
        p.setColor(role, toQColor(classic(c)));
    };
    set(QPalette::Window, SysColour::ButtonFace);
    set(QPalette::WindowText, SysColour::WindowText);
    set(QPalette::Base, SysColour::Window);
    set(QPalette::AlternateBase, SysColour::ButtonFace);
    set(QPalette::Text, SysColour::WindowText);
    set(QPalette::Button, SysColour::ButtonFace);
    set(QPalette::ButtonText, SysColour::ButtonText);
    set(QPalette::Light, SysColour::ButtonHighlight);
    set(QPalette::Midlight, SysColour::Light3D);
    set(QPalette::Dark, SysColour::ButtonShadow);
    set(QPalette::Mid, SysColour::ButtonShadow);
    set(QPalette::Shadow, SysColour::DarkShadow3D);
    set(QPalette::Highlight, SysColour::Highlight);
    set(QPalette::HighlightedText, SysColour::HighlightText);
    set(QPalette::ToolTipBase, SysColour::InfoBackground);
    set(QPalette::ToolTipText, SysColour::InfoText);
    p.setColor(QPalette::Disabled, QPalette::Text, toQColor(classic(SysColour::GrayText)));
    p.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(classic(SysColour::GrayText)));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, toQColor(classic(SysColour::GrayText)));
    return p;
}

void SystemColours::useFixedScheme() {
    fixedFlag() = true;
    if (qApp) QApplication::setPalette(classicPalette());
}

void SystemColours::useLiveScheme() { fixedFlag() = false; }

bool SystemColours::fixed() { return fixedFlag(); }

double relativeLuminance(ColourRef c) {
    // The sRGB channels made linear, weighted by the eye's sensitivity.
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red(c)) + 0.7152 * linear(green(c)) + 0.0722 * linear(blue(c));
}

double contrastRatio(ColourRef a, ColourRef b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace ui
