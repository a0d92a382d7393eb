#include "controls/small/core/LabelLogic.h"

#include <algorithm>

namespace small {

namespace {
int anteil(std::uint32_t farbe, int verschiebung) {
    return static_cast<int>((farbe >> verschiebung) & 0xFF);
}
}  // namespace

std::vector<Band> verlaufsBaender(int breite, std::uint32_t start, std::uint32_t ende) {
    const int n = std::max(1, std::min(100, breite));
    const int bandBreite = std::max(breite, 0) / n;
    int wert[3], schritt[3];
    for (int k = 0; k < 3; ++k) {
        wert[k] = anteil(start, 8 * k) << 8;
        schritt[k] = (anteil(ende, 8 * k) - anteil(start, 8 * k)) * 256 / n;
    }
    std::vector<Band> baender;
    baender.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::uint32_t farbe = 0;
        for (int k = 0; k < 3; ++k) {
            farbe |= static_cast<std::uint32_t>(std::clamp(wert[k] >> 8, 0, 255)) << (8 * k);
            wert[k] += schritt[k];
        }
        const int links = i * bandBreite;
        baender.push_back({links, i == n - 1 ? std::max(breite, links) : links + bandBreite, farbe});
    }
    return baender;
}

std::uint32_t blinkTextFarbe(Blinken art, bool zustand, std::uint32_t textFarbe,
                             std::uint32_t gemalterHintergrund) {
    return art == Blinken::Text && !zustand ? gemalterHintergrund : textFarbe;
}

TextFormat textFormat(StaticStil stil, const std::u16string& text) {
    using A = TextFormat::Ausrichtung;
    if (stil == StaticStil::BildZentriert) {
        const bool mehrzeilig = text.find(u"\r\n") != std::u16string::npos;
        return {A::Mitte, mehrzeilig, false, !mehrzeilig};
    }
    TextFormat f;
    f.ausrichtung = stil == StaticStil::Zentriert ? A::Mitte
                    : stil == StaticStil::Rechts  ? A::Rechts
                                                  : A::Links;
    f.umbruch = stil != StaticStil::LinksOhneUmbruch;
    f.tabs = text.find(u'\t') != std::u16string::npos;
    return f;
}

std::optional<std::u16string> linkZiel(LinkArt art, const std::u16string& adresse,
                                       const std::u16string& text) {
    switch (art) {
        case LinkArt::Web:
            return adresse.empty() ? text : adresse;
        case LinkArt::Mail:
            return u"mailto:" + text;
        case LinkArt::Keiner:
            break;
    }
    return std::nullopt;
}

}  // namespace small
