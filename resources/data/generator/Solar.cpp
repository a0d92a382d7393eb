#include "Solar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace libgen {

namespace {
constexpr int kTage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double kSolarkonstante = 0.0820;  // MJ/(m² min)
}  // namespace

int TageImMonat(int monat) {
    return kTage[monat];
}

int MittlererTag(int monat) {
    return static_cast<int>(std::trunc(30.4 * (monat + 1) - 15.0));
}

Tageswerte Extraterrestrisch(double breiteGrad, int tag) {
    const double pi = std::numbers::pi;
    const double phi = breiteGrad * pi / 180.0;
    const double dr = 1.0 + 0.033 * std::cos(2.0 * pi * tag / 365.0);
    const double delta = 0.409 * std::sin(2.0 * pi * tag / 365.0 - 1.39);
    const double x = std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0);
    const double ws = std::acos(x);
    Tageswerte t;
    t.ra = 24.0 * 60.0 / pi * kSolarkonstante * dr *
           (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
    t.tagStd = 24.0 / pi * ws;
    return t;
}

Monate SonnenstundenAusStrahlung(const Monate& globalKWh, double breiteGrad) {
    Monate stunden{};
    for (int m = 0; m < 12; ++m) {
        const Tageswerte t = Extraterrestrisch(breiteGrad, MittlererTag(m));
        const double rs = globalKWh[m] * 3.6 / TageImMonat(m);  // MJ/(m² day)
        double anteil = 0.0;
        if (t.ra > 0.0) anteil = (rs / t.ra - kAngstroemA) / kAngstroemB;
        stunden[m] = std::clamp(anteil, 0.0, 1.0) * t.tagStd * TageImMonat(m);
    }
    return stunden;
}

}  // namespace libgen
