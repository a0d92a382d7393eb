#include "pages/WQ2PageLogik.h"

#include <cmath>

bool SoleGeaendert(const SSoleFelder& a, const SSoleFelder& n) {
    const auto ab = [](float x, float y, float schwelle) { return std::fabs(x - y) >= schwelle; };
    return ab(a.dichte, n.dichte, 0.01f) || ab(a.konzentration, n.konzentration, 0.01f) ||
           ab(a.innen, n.innen, 0.01f) || ab(a.spezWaerme, n.spezWaerme, 0.001f) ||
           ab(a.viskositaet, n.viskositaet, 0.001f) || ab(a.waermeleit, n.waermeleit, 0.0001f);
}

std::optional<int> InvestIndexZweiterET(int zweiterET) {
    switch (zweiterET) {
        case 0: return 5;  // gas
        case 1: return 3;  // oil
        case 2: return 8;  // night storage
        case 3: return 9;  // electric direct
        case 4: return 7;  // the user's own heating
        default: return std::nullopt;
    }
}

float GeforderterVolStrom(float nennVolStrom, unsigned anzahlWP) {
    return nennVolStrom * static_cast<float>(anzahlWP);
}

bool VolStromZuKlein(float verfuegbar, float gefordert) { return verfuegbar < gefordert; }

bool IstMonoenergetisch(int m) { return m == 0 || m == 3 || m == 5 || m == 7; }
bool IstBivalent(int m) { return m == 2 || m == 4 || m == 6 || m == 8; }
