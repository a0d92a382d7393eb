#include "model/tariff/TarifBerechnung.h"

#include "model/errors/Fehler.h"

float CTarifBerechnung::GetSperrzeitFaktor(float stunden, bool ganzeWoche) const {
    // Written as "not below 24" so that a NaN is refused as well.
    if (!(stunden < 24.0f)) ThrowFehler(0, u"");
    const float faktor = 24.0f / (24.0f - stunden);
    if (ganzeWoche) return faktor;
    return faktor * 0.714f + 0.286f;
}
