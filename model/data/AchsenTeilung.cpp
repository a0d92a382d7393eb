#include "model/data/AchsenTeilung.h"

#include <cmath>
#include <utility>

#include "platform/numbers/Numbers.h"

namespace {

double schrittweite(double spanne) {
    const double l = std::log10(spanne) - 0.0001;
    const double e = std::floor(l);
    const double schritt = std::pow(10.0, e);
    const double mantisse = std::pow(10.0, l - e);
    if (mantisse <= 2.0) return schritt * 0.2;
    if (mantisse <= 5.0) return schritt * 0.5;
    return schritt;
}

}  // namespace

void FuelleKurve(double min, double max, bool abNull, std::vector<double>& werte) {
    werte.clear();
    if (abNull) min = 0.0;
    if (max < min) std::swap(min, max);
    if (max - min < 0.0001) max += 1.0;
    const double schritt = schrittweite(max - min);
    double erster = std::floor(min / schritt) * schritt;
    if (std::fabs(erster - min) < 1e-9) erster = min;
    const int anzahl = platform::toInt32(std::ceil((max - erster) / schritt)) + 1;
    for (int i = 0; i < anzahl; ++i) werte.push_back(erster + i * schritt);
}
