#include "pages/WawaVerluste.h"

#include <algorithm>
#include <cmath>

namespace {
// Days of heating a year, over 24 h (224 / 24), and the room temperatures of the two places.
constexpr double kTageFaktor = 9.33333;
constexpr unsigned kRaumInnen = 20, kRaumAussen = 13;
// The share of a loss inside the heated space that the heating takes back.
constexpr double kSpeicherNutzbar = 0.4625 * (1.0 - 0.15);
constexpr double kZirkulationNutzbar = 0.44928571;
constexpr double kZirkulationTage = 0.35;

unsigned Soll(unsigned soll) { return std::max(soll, kWawaMindestTemp); }
unsigned Ganz(double kWh) { return kWh <= 0.0 ? 0u : static_cast<unsigned>(kWh); }
}  // namespace

float Bereitschaftsverlust(unsigned liter) {
    return static_cast<float>(0.4 + 0.2 * std::pow(static_cast<double>(liter), 0.4));
}

unsigned SpeicherJahresVerlust(float kWhTag, unsigned soll, bool innen) {
    const unsigned t = Soll(soll);
    if (innen) return Ganz(kWhTag * kTageFaktor * (t - kRaumInnen) * (1.0 - kSpeicherNutzbar));
    return Ganz(kWhTag * kTageFaktor * (t - kRaumAussen));
}

unsigned ZirkulationsJahresVerlust(unsigned laenge, unsigned innen, float leitwert, float stunden,
                                   unsigned soll) {
    const unsigned t = Soll(soll);
    const double je = kZirkulationTage * leitwert * stunden;
    const double a = je * innen * (t - kRaumInnen);
    const double b = je * (laenge - std::min(innen, laenge)) * (t - kRaumAussen);
    return Ganz(b + a * (1.0 - kZirkulationNutzbar));
}
