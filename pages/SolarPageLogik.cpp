#include "pages/SolarPageLogik.h"

namespace solarseite {

std::array<std::array<unsigned, 3>, 4> Szenarien(unsigned w, unsigned g) {
    return {{{2, w, g}, {w, 2, g}, {g, 2, w}, {g, w, 2}}};
}

Szenario Gewinner(const std::array<float, 4>& werte) {
    const auto kleinsterVon = [&](int i) {
        for (int j = 0; j < 4; ++j)
            if (j != i && werte[static_cast<size_t>(i)] > werte[static_cast<size_t>(j)]) return false;
        return true;
    };
    for (Szenario s : {kWawa, kHeiz, kErde})
        if (kleinsterVon(s)) return s;
    return kErde2;
}

bool SetzeZiel(Reihenfolgen& orders, const SBereich& b, unsigned ziel) {
    if (b.minRow < 0 || b.maxRow < b.minRow || b.maxRow >= 12) return false;
    if (b.minCol < 1 || b.maxCol < b.minCol || b.maxCol > 3) return false;
    for (int rang = b.minCol; rang <= b.maxCol; ++rang) {
        std::vector<unsigned>& order = orders[static_cast<size_t>(rang - 1)];
        if (order.size() < 12) order.resize(12, 0);
        for (int monat = b.minRow; monat <= b.maxRow; ++monat) order[static_cast<size_t>(monat)] = ziel;
    }
    return true;
}

}  // namespace solarseite
