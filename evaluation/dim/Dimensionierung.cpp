#include "evaluation/dim/Dimensionierung.h"

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace {

constexpr float kStundenJeTag = 24.0f;
// One twenty-fourth as the stored constant, so that sums stay as they always were.
constexpr float kJeStunde = 0.041666668f;
constexpr float kKeineLeistung = 0.01f;
constexpr float kErdreichQuelle = -2.0f;
constexpr float kZwischenTauscherVerlust = 3.0f;

// How much longer the heat pump must run a day because of the blocking hours.
float TagesFaktor(float h) {
    if (!(h < kStundenJeTag)) ThrowFehler(0, nullptr);
    return kStundenJeTag / (kStundenJeTag - h);
}

// The air temperature an earth-air exchanger delivers at a given outdoor temperature.
float ErdluftTemp(int aussen) {
    if (aussen < -10) return 0.0f;
    if (aussen < -5) return 1.0f;
    if (aussen < 0) return 2.0f;
    return 3.0f;
}

}  // namespace

float CDimensionierung::GetDimTemperatur(float p, float h, float th, float w, unsigned tw, int m) {
    const float faktor = TagesFaktor(h);
    if (m != 1) return th;
    const float a = w / (kStundenJeTag - h);
    const float b = p * faktor;
    const float summe = a + b;
    if (summe < kKeineLeistung) return th;
    const float t = a / summe * static_cast<float>(tw) + b / summe * th;
    return t < th ? th : t;
}

float CDimensionierung::GetDimLeistung(float p, float h, float w, float /*unbenutzt*/, int m) {
    const float faktor = TagesFaktor(h);
    return GetWWZuschlag(m, w, h) + p * faktor;
}

float CDimensionierung::GetWWZuschlag(int m, float w, float h) {
    const float proStunde = m == 1 ? w * kJeStunde : 0.0f;
    return proStunde * TagesFaktor(h);
}

float CDimensionierung::GetDimQuellenTemp(int art, bool vorgabeNutzen, int vorgabeTemp,
                                          float normAussen, unsigned wasserTemp, bool erdluft,
                                          unsigned raumTemp, bool zwischenTauscher) {
    switch (art) {
        case 0:
        case 1:
        case 4:
        case 5:
            return kErdreichQuelle;
        case 2:
            if (!vorgabeNutzen) return erdluft ? 0.0f : normAussen;
            return erdluft ? ErdluftTemp(vorgabeTemp) : static_cast<float>(vorgabeTemp);
        case 3:
            return static_cast<float>(wasserTemp) -
                   (zwischenTauscher ? kZwischenTauscherVerlust : 0.0f);
        case 6:
            return static_cast<float>(raumTemp);
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CDimensionierung::GetDimQuellenTemp");
    }
}
