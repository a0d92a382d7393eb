#include "model/data/Runden.h"

#include <cmath>

double RundeAufStellen(double wert, int stellen) {
    const double f = std::pow(10.0, stellen);
    return wert >= 0.0 ? std::floor(wert * f + 0.5) / f : std::ceil(wert * f - 0.5) / f;
}

int VorMonat(int monat) {
    return monat == 0 ? 11 : monat - 1;
}
