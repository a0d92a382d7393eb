#include "pages/ProjektPageLogik.h"

#include <limits>

namespace {
constexpr unsigned kMindestAnteil = 20;
constexpr unsigned kQuellpumpen = 6070;   // "Heat source pump(s) [W]"
constexpr unsigned kVentilator = 3330;    // "Power consumption of fan [W]"
}  // namespace

STarifAnteile ErzwungeneAnteile(bool tarif1, bool tarif2, STarifAnteile anteile) {
    if (!tarif1) anteile = {0, 100};
    if (!tarif2) anteile = {100, 0};
    return anteile;
}

AnteilPruefung PruefeAnteile(bool tarif1, bool tarif2, STarifAnteile anteile) {
    // Each share is at most 100 (the field's range), so the sum cannot overflow.
    if (anteile.tag + anteile.nacht != 100) return AnteilPruefung::SummeFalsch;
    if ((tarif1 && anteile.tag < kMindestAnteil) || (tarif2 && anteile.nacht < kMindestAnteil))
        return AnteilPruefung::Nachfragen;
    return AnteilPruefung::Gut;
}

uint32_t FuehrendeZahl(std::u16string_view text) {
    constexpr uint32_t kGroesste = std::numeric_limits<uint32_t>::max();
    uint32_t zahl = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        const uint32_t ziffer = static_cast<uint32_t>(c - u'0');
        if (zahl > (kGroesste - ziffer) / 10) return kGroesste;
        zahl = zahl * 10 + ziffer;
    }
    return zahl;
}

SPumpenText PumpenText(int medium) {
    switch (medium) {
        case 0:
        case 2:
            return {kQuellpumpen, false};
        case 1:
        case 4:
            return {kVentilator, false};
        case 3:
            return {kQuellpumpen, true};
        default:
            return {};
    }
}
