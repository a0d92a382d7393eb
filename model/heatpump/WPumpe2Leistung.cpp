// Capacity, electric power and coefficient of performance between the performance
// records, the spread correction, the maximum flow temperature and exact table values.
#include <algorithm>
#include <utility>

#include "core/db/Interpolation.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"

namespace {

constexpr float kMinWert = 0.01f;
// Condenser spread correction: relative change of the electric power per kelvin.
constexpr float kSpreizungsFaktor = 0.0103f;
// How close a table point must be to count as the same temperature.
constexpr float kTabellenToleranz = 0.1f;

// The values of `art` at 35 °C and at the second flow temperature.
std::pair<float, float> Spalten(int art, const CWPLeistDaten& satz, const char16_t* ort) {
    switch (art) {
        case CWPumpe2::kQuellLeistung:
            return {satz.quelle35, satz.quelle2};
        case CWPumpe2::kHeizLeistung:
            return {satz.heiz35, satz.heiz2};
        case CWPumpe2::kElektroLeistung:
            return {satz.elektro35, satz.elektro2};
        default:
            ThrowFehler(textid::kFalscheKonstante, ort);
    }
}

float BeiVorlauf(int art, const CWPLeistDaten& satz, float vorlaufTemp) {
    const auto [bei35, bei2] = Spalten(art, satz, u"CWPumpe2::GetLeistung");
    return InterpoliereLinear(CWPLeistDaten::kVorlauf35, satz.vorlauf2, vorlaufTemp, bei35, bei2);
}

bool Nahe(float a, float b) {
    return b - kTabellenToleranz < a && a < b + kTabellenToleranz;
}

}  // namespace

void CWPumpe2::GetLeistung(int art, float quellTemp, float vorlaufTemp,
                           const WPLeistDatenZeiger& daten, float& wert) {
    PruefeInit(u"CWPumpe2::GetLeistung");
    const CWPLeistDaten* unten = nullptr;
    const CWPLeistDaten* oben = nullptr;
    // A temperature beyond the extrapolation limit comes back at the limit, which the
    // second search always accepts.
    while (!FindeLeistDaten(quellTemp, daten, unten, oben)) {
    }
    Spalten(art, *unten, u"CWPumpe2::GetLeistung");
    vorlaufTemp =
        std::max(vorlaufTemp, static_cast<float>(m_werte.get(ID_MinInterpolTempVL).GetUIntVal()));
    wert = LeistungZwischen(art, *unten, *oben, quellTemp, vorlaufTemp);
}

float CWPumpe2::LeistungZwischen(int art, const CWPLeistDaten& unten, const CWPLeistDaten& oben,
                                 float quellTemp, float vorlaufTemp) {
    const float wertUnten = BeiVorlauf(art, unten, vorlaufTemp);
    float wert = wertUnten;
    if (&unten != &oben) {
        const float wertOben = BeiVorlauf(art, oben, vorlaufTemp);
        wert = InterpoliereLinear(unten.quellTemp, oben.quellTemp, quellTemp, wertUnten, wertOben);
    }
    return wert < 0.0f ? 0.0f : wert;
}

float CWPumpe2::SpreizungsKorrektur(float tv, float tr, float spreizung) {
    return 1.0f / ((tv - tr - spreizung) * kSpreizungsFaktor + 1.0f);
}

void CWPumpe2::GetLeistungKorr(int art, float quellTemp, float vorlaufTemp,
                               const WPLeistDatenZeiger& daten, float tv, float tr, float& wert) {
    PruefeInit(u"CWPumpe2::GetLeistungKorr");
    if (art == kHeizLeistung) return;
    if (art != kQuellLeistung && art != kElektroLeistung) ThrowFehler(0u, nullptr);
    const float c = SpreizungsKorrektur(tv, tr, m_werte.get(ID_TempDiffVerfluess).GetFloatVal());
    if (art == kElektroLeistung) {
        wert *= c;
        return;
    }
    float elektro = 0.0f;
    GetLeistung(kElektroLeistung, quellTemp, std::max(vorlaufTemp, kMinKorrVorlauf), daten,
                elektro);
    wert -= (c - 1.0f) * elektro;
}

void CWPumpe2::GetLeistungGesamt(int art, float quellTemp, float vorlaufTemp, float tv, float tr,
                                 float& wert) {
    PruefeInit(u"CWPumpe2::GetLeistungGesamt");
    WPLeistDatenZeiger gueltig;
    GetGueltigeLeistDaten(gueltig);
    GetLeistung(art, quellTemp, vorlaufTemp, gueltig, wert);
    GetLeistungKorr(art, quellTemp, vorlaufTemp, gueltig, tv, tr, wert);
    wert *= static_cast<float>(m_anzahl);
}

void CWPumpe2::GetLeistungAnzahl(int art, float quellTemp, float vorlaufTemp, float& wert) {
    PruefeInit(u"CWPumpe2::GetLeistungAnzahl");
    WPLeistDatenZeiger gueltig;
    GetGueltigeLeistDaten(gueltig);
    GetLeistung(art, quellTemp, vorlaufTemp, gueltig, wert);
    wert *= static_cast<float>(m_anzahl);
}

float CWPumpe2::GetLeistungszahl(float quellTemp, float vorlaufTemp) {
    PruefeInit(u"CWPumpe2::GetLeistungszahl");
    float heiz = 0.0f, elektro = 0.0f;
    GetLeistungAnzahl(kHeizLeistung, quellTemp, vorlaufTemp, heiz);
    GetLeistungAnzahl(kElektroLeistung, quellTemp, vorlaufTemp, elektro);
    return elektro > kMinWert ? heiz / elektro : 0.0f;
}

float CWPumpe2::GetLeistungszahlKorr(float quellTemp, float vorlaufTemp, float tv, float tr) {
    PruefeInit(u"CWPumpe2::GetLeistungszahlKorr");
    float heiz = 0.0f, elektro = 0.0f;
    GetLeistungGesamt(kHeizLeistung, quellTemp, vorlaufTemp, tv, tr, heiz);
    GetLeistungGesamt(kElektroLeistung, quellTemp, vorlaufTemp, tv, tr, elektro);
    return elektro > kMinWert ? heiz / elektro : 0.0f;
}

float CWPumpe2::getTHL() {
    PruefeInit(u"CWPumpe2::getTHL");
    float heiz = 0.0f;
    GetLeistungAnzahl(kHeizLeistung, getAPQ(), getAPV(), heiz);
    return heiz;
}

float CWPumpe2::getMVT(float quellTemp) {
    PruefeInit(u"CWPumpe2::getMVT");
    const WPLeistDatenZeiger alle = m_leistDaten.Zeiger();
    const CWPLeistDaten* unten = nullptr;
    const CWPLeistDaten* oben = nullptr;
    while (!FindeLeistDaten(quellTemp, alle, unten, oben)) {
    }
    if (unten == oben) return unten->maxVorlauf;
    return InterpoliereLinear(unten->quellTemp, oben->quellTemp, quellTemp, unten->maxVorlauf,
                              oben->maxVorlauf);
}

bool CWPumpe2::getTabellenWert(int art, float quellTemp, float vorlaufTemp, float& wert) {
    constexpr const char16_t* kOrt = u"CWPumpe2::getTabellenWert";
    PruefeInit(kOrt);
    wert = 0.0f;
    if (art < kQuellLeistung || art > kElektroLeistung)
        ThrowFehler(textid::kFalscheKonstante, kOrt);
    const float anzahl = static_cast<float>(m_anzahl);
    for (const CWPLeistDaten* satz : m_leistDaten.Zeiger()) {
        if (!satz || !Nahe(satz->quellTemp, quellTemp)) continue;
        const auto [bei35, bei2] = Spalten(art, *satz, kOrt);
        if (34.9f <= vorlaufTemp && vorlaufTemp < 35.1f) {
            wert = bei35 * anzahl;
            return wert > kMinWert;
        }
        if (satz->vorlauf2 > 0.0f && Nahe(satz->vorlauf2, vorlaufTemp)) {
            wert = bei2 * anzahl;
            return wert > kMinWert;
        }
    }
    return false;
}

bool CWPumpe2::GetTabellenLeistungszahl(float quellTemp, float vorlaufTemp, float& wert) {
    PruefeInit(u"CWPumpe2::GetTabellenLeistungszahl");
    wert = 1.0f;
    float heiz = 0.0f, elektro = 0.0f;
    if (!getTabellenWert(kHeizLeistung, quellTemp, vorlaufTemp, heiz) ||
        !getTabellenWert(kElektroLeistung, quellTemp, vorlaufTemp, elektro))
        return false;
    wert = heiz / elektro;
    return true;
}
