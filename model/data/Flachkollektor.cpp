#include "model/data/Flachkollektor.h"

#include <cmath>

#include "model/errors/Fehler.h"
#include "platform/numbers/Numbers.h"

float GetRohrInnenDurchmesser(float aussen) {
    const int q = platform::toInt32(aussen / ((40.0 - aussen) * 0.1 + 3.0));
    const int v = platform::toInt32((aussen - 2.0 * std::sqrt(q > 0 ? q : 0)) * 10.0);
    const int ziffer = v % 10;
    const float ganz = static_cast<float>(v / 10);
    if (ziffer < 3) return ganz;
    if (ziffer < 8) return ganz + 0.5f;
    return ganz + 1.0f;
}

float GetVerlegeFaktor(float aussen, bool perFormel, const CVRMString& land) {
    if (land == u"N") return 0.9f;
    if (land == u"DK") return 1.3f;
    if (land == u"EST" || land == u"LT" || land == u"LV" || land == u"FIN") return 1.5f;
    if (perFormel) return static_cast<float>(aussen * 0.025 + 0.32);
    const double innen = GetRohrInnenDurchmesser(aussen);
    return static_cast<float>(innen * innen * 0.00072722044 + 0.005);
}

bool IstVerlegeFaktorOK(float flaeche, float teiler, float aussen, bool perFormel,
                        const CVRMString& land) {
    if (teiler < 1.0f) ThrowFehler(0, nullptr, 0);
    return 1.4 * GetVerlegeFaktor(aussen, perFormel, land) > flaeche / teiler;
}

float GetRohrlaengeFlachK(float flaeche, float aussen, bool perFormel, const CVRMString& land) {
    return flaeche / GetVerlegeFaktor(aussen, perFormel, land);
}

int BerechneKreisAnzahl(float aussen, float laenge) {
    double k = 1.0 / 150.0;
    if (aussen <= 25.0f)
        k = 1.0 / 75.0;
    else if (aussen <= 32.0f)
        k = 0.01;
    return platform::toInt32(laenge * k + 0.9);
}
