// The pure computations of the location-data front: number series in their stored text
// form, the library's transform of stored weather and ground numbers, the weather bins
// that a climate implies and the ground temperatures' yearly sine.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/data/VRMdatenProvider2.h"
#include "model/data/ZahlenReihe.h"
#include "platform/format/Format.h"
#include "platform/numbers/Numbers.h"

namespace {

// The quotient, or 0 when the divisor is (nearly) zero: a degenerate climate must not
// fill the bins with infinities.
float sichererQuotient(float zaehler, float nenner) {
    if (std::fabs(nenner) < 1e-4f) return 0.0f;
    const float q = zaehler / nenner;
    return std::isfinite(q) ? q : 0.0f;
}

float nichtNegativ(float wert) {
    return std::isfinite(wert) && wert > 0.0f ? wert : 0.0f;
}

// Further below this the cold tail only adds to the coldest bin; the limit keeps the tail
// loop short for nonsensical design temperatures.
constexpr int kKaeltesterSchwanz = -1000;

struct KlimaKennwerte {
    float tMin = 0.0f;
    float tMax = 0.0f;
    float mittel = 0.0f;
    int kalteMonate = 0;   // months below 1.0 °C
    float tWinter = 0.0f;  // their mean, Tmin when there are none
};

KlimaKennwerte Kennwerte(CVRMdatenProvider2::KonstMonatsWerte t) {
    KlimaKennwerte k;
    k.tMin = *std::min_element(t.begin(), t.end());
    k.tMax = *std::max_element(t.begin(), t.end());
    float summe = 0.0f;
    float kaltSumme = 0.0f;
    for (float wert : t) {
        summe += wert;
        if (wert < 1.0f) {
            kaltSumme += wert;
            ++k.kalteMonate;
        }
    }
    k.mittel = summe * 0.0833333358f;
    k.tWinter = k.kalteMonate > 0 ? kaltSumme / static_cast<float>(k.kalteMonate) : k.tMin;
    return k;
}

// Days at 0 °C (X), at -1 °C (Y) and the days left for the cold tail (R).
struct Frosttage {
    float x = 0.0f;
    float y = 0.0f;
    float r = 0.0f;
};

Frosttage BerechneFrosttage(const KlimaKennwerte& k, float tn) {
    float d = 2.0f - 1.2f * tn;
    if (k.tWinter < 12.0f) d = d + static_cast<float>(k.kalteMonate + 1) * (12.0f - k.tWinter);
    d = std::clamp(d, 0.0f, 360.0f);

    Frosttage f;
    if (k.tMin < -3.0f) {
        f.x = 2.35f * k.tMin + 42.3f;
    } else if (k.tMin < 3.0f) {
        f.x = 24.9f - 3.48f * k.tMin;
    } else {
        f.x = 0.5f * d;
    }
    f.x = std::max(f.x, 0.0f);
    d = std::max(d, f.x);
    f.r = std::max(d - f.x, 0.0f);

    if (k.tWinter < 3.0f) {
        const float w = k.tWinter + 8.0f;
        f.y = 18.0f - 0.11f * (w * w);
    } else {
        f.y = 0.5f * f.x;
    }
    f.y = std::max(f.y, 0.0f);
    if (f.y > f.r) f.r = 2.5f * f.y;
    if (f.x < f.y) {
        f.x = f.y;
        f.y = 0.8f * f.y;
    }
    return f;
}

// The days below -1 °C as a cubic tail that ends with Y at -1 °C; returns the days it took.
float VerteileKaelteSchwanz(float tn, const Frosttage& f, CVRMdatenProvider2::TempKlassen klassen) {
    const float grenze = tn - (4.7f - 0.13333334f * tn);
    const int k = std::max(platform::toInt32(grenze) - 1, kKaeltesterSchwanz);
    if (k > -3) return f.r;
    const int n = -1 - k;
    const float n3 = static_cast<float>(n) * static_cast<float>(n) * static_cast<float>(n);
    const float g = f.y / n3;
    float summeKuben = 0.0f;
    for (int m = 0; m <= n; ++m) {
        const float fm = static_cast<float>(m);
        summeKuben += fm * fm * fm;
    }
    const float s = g * summeKuben;
    float faktor = 1.0f;
    if (std::fabs(s - f.y) > 0.1f && s > f.r) faktor = sichererQuotient(f.r - f.y, s - f.y);
    for (int m = 0; m <= n; ++m) {
        const float fm = static_cast<float>(m);
        float tage = fm * fm * fm * g;
        if (m < n) tage *= faktor;
        const int klasse = CVRMdatenProvider2::kNullGradKlasse + k + m;
        if (klasse <= 0) {
            klassen[0] += tage;
        } else {
            klassen[static_cast<size_t>(klasse)] = tage;
        }
    }
    return faktor * s;
}

// The days above 0 °C: a ramp up to the mean month, then a falling line to the warmest.
void VerteileWarmeTage(const KlimaKennwerte& k, const Frosttage& f, float r,
                       CVRMdatenProvider2::TempKlassen klassen) {
    const int n = platform::toInt32(k.mittel);
    const float q = 365.0f - r - f.x;
    float zuschlag = k.mittel + 5.0f;
    if (k.mittel > 12.0f) {
        zuschlag = 20.0f - k.mittel;
    } else if (k.mittel > 6.0f) {
        zuschlag = 22.0f - k.mittel;
    }
    const float h = k.tMax + zuschlag;
    const auto setze = [&](int i, float tage) {
        klassen[static_cast<size_t>(CVRMdatenProvider2::kNullGradKlasse + i)] = nichtNegativ(tage);
    };

    int i = 1;
    float b = 0.0f;
    if (n > 1) {
        const float m = std::min(f.x, f.y);
        const float fn = static_cast<float>(n);
        const float a = sichererQuotient(2.0f * q - fn * m, h);
        for (; i <= n - 1 && i <= 12; ++i) {
            setze(i, m + static_cast<float>(i) * sichererQuotient(a - m, fn));
        }
        b = -sichererQuotient(a, h - fn);
    } else {
        b = -sichererQuotient(2.0f * q, h * (h - 1.0f));
    }
    for (; i <= 12; ++i) setze(i, (static_cast<float>(i) - h) * b);
}

}  // namespace

void CVRMdatenProvider2::ErzeugeTempHaeufigkeiten(KonstMonatsWerte temps, TempKlassen klassen,
                                                  float normAussenTemp) {
    std::fill(klassen.begin(), klassen.end(), 0.0f);
    const KlimaKennwerte k = Kennwerte(temps);
    const Frosttage f = BerechneFrosttage(k, normAussenTemp);
    const float r = VerteileKaelteSchwanz(normAussenTemp, f, klassen);
    klassen[kNullGradKlasse] = f.x;
    klassen[kNullGradKlasse - 1] = f.y;
    VerteileWarmeTage(k, f, r, klassen);
    for (float& tage : klassen) tage = nichtNegativ(tage);
}

void CVRMdatenProvider2::SinusJahresgang(KonstMonatsWerte luft, MonatsWerte boden) {
    const float tief = luft[0] + 4.4f;  // January
    const float hoch = luft[6];         // July
    const float mitte = tief + (hoch - tief) * 0.5f;
    const float amplitude = (hoch - tief) * 0.5f;
    for (int monat = 0; monat < kMonate; ++monat) {
        // The ground lags the air: the sine starts at its middle in May.
        const int phase = (monat + 8) % kMonate;
        const double winkel = phase * std::numbers::pi / 6.0;
        boden[static_cast<size_t>(monat)] =
            mitte + amplitude * static_cast<float>(std::sin(winkel));
    }
}

float CVRMdatenProvider2::BiboWertSpeichern(float wert, int position) {
    const int r = position % 3;
    const int q = position % 5;
    return q != 0 ? (wert + static_cast<float>(r)) * static_cast<float>(q)
                  : wert + static_cast<float>(r);
}

float CVRMdatenProvider2::BiboWertLesen(float gespeichert, int position) {
    const int r = position % 3;
    const int q = position % 5;
    return q != 0 ? gespeichert / static_cast<float>(q) - static_cast<float>(r)
                  : gespeichert - static_cast<float>(r);
}

CVRMString CVRMdatenProvider2::SchreibeReihe(std::span<const float> werte, int nachkomma) {
    CVRMString text;
    for (float wert : werte)
        text.append(platform::format(u"%.*f#", nachkomma, EndlichOderNull(wert)));
    return text;
}
