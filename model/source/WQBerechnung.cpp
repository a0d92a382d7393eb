// Monthly source temperatures of a probe field and a horizontal collector under the energy
// drawn from and fed into the ground, with frozen ground holding at 0 °C while its latent
// heat lasts.
#include "model/source/WQBerechnung.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/source/WQKontext.h"

namespace {

constexpr float kProStunde = 0.0013888889f;  // 1 / 720 hours of a month
constexpr float kPi = 3.1415925f;

// Kind 5 runs this much below its natural temperature, January to December (plus 1 K).
constexpr std::array<float, 12> kVersatzArt5 = {4.0f, 3.5f, 4.0f, 4.5f, 3.5f, 3.0f,
                                                2.0f, 1.0f, 2.0f, 4.5f, 6.5f, 4.5f};

int Monat(int index) {
    return index % 12;
}

// The probe and collector formulas divide by these; a record without them cannot give a
// temperature.
void PruefeErdreich(const SWQKontext& k) {
    bool ok = k.lambda > 0.0f && k.spezWaerme > 0.0f && k.abstand > 0.0f && k.kreise >= 1 &&
              k.laenge > 0.0f;
    if (k.art == 0) ok = ok && k.reihe >= 1;
    if (k.art == 1) ok = ok && k.r > 0.0f && k.r * 0.001f < k.abstand;
    if (!ok) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::QuellenTemperatur(2)");
}

}  // namespace

void CWQBerechnung::QuellenTemperatur(int monat, int art, Monate natur, Monate eingespeist,
                                      Monate entzug1, Monate entzug2, float lambda, float flaeche,
                                      float laenge, float abstand, int kreise, float aussen,
                                      float spezWaerme, float spreizung, float latentWaerme,
                                      int reihe, Monate arbeit, float& out) {
    if (monat < 0 || monat > 11)
        ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::QuellenTemperatur");
    SWQKontext& k = WQKontext();
    k.art = art;
    k.lambda = lambda;
    k.flaeche = flaeche;
    k.laenge = laenge;
    k.abstand = abstand;
    k.kreise = kreise;
    k.r = aussen * 0.5f;
    k.spezWaerme = spezWaerme;
    k.spreizung = spreizung;
    k.latentWaerme = latentWaerme;
    k.reihe = reihe;
    k.gefroren = false;
    k.SetzeRohrLaengen();
    if (art == 0 || art == 1) PruefeErdreich(k);

    std::array<float, 12> kopie;
    std::copy(arbeit.begin(), arbeit.end(), kopie.begin());
    QuellenTemp(monat, natur, eingespeist, entzug1, entzug2, kopie);
    out = kopie[monat];
}

void CWQBerechnung::QuellenTemp(int monat, Monate natur, Monate eingespeist, Monate entzug1,
                                Monate entzug2, ArbeitsMonate arbeit) {
    if (monat < 0 || monat > 11) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::QuellenTemp");
    switch (WQKontext().art) {
        case 0:
            SondenMonat(monat, natur, eingespeist, entzug1, entzug2, arbeit);
            break;
        case 1:
            FlachKMonat(monat, natur, eingespeist, entzug1, entzug2, arbeit);
            break;
        case 2:
        case 3:
        case 6:
            std::copy(natur.begin(), natur.end(), arbeit.begin());
            break;
        case 5:
            arbeit[monat] = natur[monat] - kVersatzArt5[monat] + 1.0f;
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::QuellenTemp2");
    }
}

float CWQBerechnung::GetEntzugsSumme(int von, int bis, bool mitEinspeisung, Monate natur,
                                     Monate eingespeist, Monate entzug1, Monate entzug2,
                                     std::span<const float, 12> arbeit) {
    const SWQKontext& k = WQKontext();
    const float f = 1000.0f / (static_cast<float>(k.kreise) * k.laenge);
    float summe = 0.0f;
    for (int i = von; i <= bis; ++i) {
        const int m = Monat(i);
        summe += (entzug1[m] * kProStunde + entzug2[m] * kProStunde) * f;
        if (mitEinspeisung) summe -= eingespeist[m] * kProStunde * f;
        // A month left warmer than the undisturbed ground has given heat back to it.
        if (i < bis && arbeit[m] > natur[m]) summe += (arbeit[m] - natur[m]) * k.lambda * 1.023751f;
    }
    return summe;
}

float CWQBerechnung::SondenQuellTemp(float temp, float entzug) {
    SWQKontext& k = WQKontext();
    const float gross = (k.lambda / (k.spezWaerme * 278.0f)) * 720.0f / (k.abstand * k.abstand);
    const float g = std::log10(gross) + 0.106f / gross + 0.351f;
    const float ergebnis = temp - (entzug * 0.1833f / k.lambda) * g;
    if (ergebnis >= 0.0f) return ergebnis;

    // Below 0 °C the ground freezes: its latent heat holds it at 0 °C first.
    const float meter = static_cast<float>(k.kreise) * k.laenge;
    const float entzugNull = k.lambda * temp * 5.4555373f / g;
    const float ueberschuss = (entzug - entzugNull) * meter * 720.0f;
    if (ueberschuss > k.latentWaerme) {
        k.gefroren = true;
        const float rest = ((ueberschuss - k.latentWaerme) / meter) / 720.0f;
        return -(rest * 0.1833f / k.lambda) * g;
    }
    k.gefroren = false;
    return 0.0f;
}

float CWQBerechnung::FlachKTemp(float temp, float entzug) {
    SWQKontext& k = WQKontext();
    const float rho = k.r * 0.001f;
    const float a = k.lambda / (k.spezWaerme * 278.0f);
    const float s = std::sqrt(2.0f * a * 720.0f);
    const float fern = s / (std::sqrt(kPi) * k.lambda * k.abstand);
    const float nah = 2.03f / (k.lambda * 6.283185f) * std::pow(rho / s, 0.8265f);
    const float a2 = rho * rho / (k.abstand * k.abstand);
    const float b2 = 0.125f / (rho / k.abstand - a2);
    const float w = (b2 - 0.5f) / (a2 * kPi + b2);
    const float faktor = (1.0f - w) * fern + w * nah;
    const float ergebnis = temp - entzug * faktor;
    if (ergebnis >= 0.0f) return ergebnis;

    const float entzugNull = temp / faktor;
    const float ueberschuss = (entzug - entzugNull) * 720.0f * k.laengeGesamt;
    if (ueberschuss > k.latentWaerme) {
        k.gefroren = true;
        const float rest = ((ueberschuss - k.latentWaerme) / k.laengeGesamt) / 720.0f;
        return 0.0f - rest * faktor;
    }
    k.gefroren = false;
    return 0.0f;
}

void CWQBerechnung::SondenMonat(int monat, Monate natur, Monate eingespeist, Monate entzug1,
                                Monate entzug2, ArbeitsMonate arbeit) {
    const auto summe = [&](int von, int bis, bool mitEinspeisung) {
        return GetEntzugsSumme(von, bis, mitEinspeisung, natur, eingespeist, entzug1, entzug2,
                               arbeit);
    };
    // The heating season from July on draws the ground down month by month.
    if (monat == 6) {
        arbeit[6] = natur[6];
        return;
    }
    if (monat == 0 || monat > 6) {
        const int bis = monat == 0 ? 12 : monat;
        arbeit[monat] = SondenQuellTemp(natur[monat], summe(6, bis, true));
        return;
    }
    // February to June recover: as far as the mirror month of autumn when the month
    // before has recovered already, else from January's state.
    const int spiegel = monat == 1 ? 0 : 13 - monat;
    const int vorher = monat - 1;
    if (arbeit[vorher] + 0.1f > natur[vorher]) {
        arbeit[monat] = arbeit[spiegel];
        return;
    }
    const float t1 = SondenQuellTemp(natur[0], summe(6, 12, false));
    const float t2 = SondenQuellTemp(natur[0], summe(6, 12, true));
    const float start =
        spiegel == 0 ? t1 : SondenQuellTemp(natur[spiegel], summe(6, spiegel, false));
    float ergebnis = std::min(start + (t2 - t1), natur[monat]);
    for (int i = monat - 1; i >= 1; --i) {
        const float e = summe(i, i, true);
        if (e < 0.0f) ergebnis += SondenQuellTemp(natur[i], e) - natur[i];
    }
    arbeit[monat] = ergebnis;
}

void CWQBerechnung::FlachKMonat(int monat, Monate natur, Monate eingespeist, Monate entzug1,
                                Monate entzug2, ArbeitsMonate arbeit) {
    if (monat == 6) {
        arbeit[6] = natur[6];
        return;
    }
    const float laenge = WQKontext().laengeGesamt;
    const int bis = monat < 6 ? monat + 12 : monat;
    float summe = 0.0f;
    for (int i = 7; i <= bis; ++i) {
        const int m = Monat(i);
        summe += (entzug1[m] + entzug2[m]) / 720.0f * 1000.0f / laenge -
                 eingespeist[m] / 720.0f * 1000.0f / laenge;
        arbeit[m] = FlachKTemp(natur[m], summe);
    }
}
