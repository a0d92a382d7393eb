#include "app/doc/AuswertSummen.h"

#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kMonatOhneLeistung = 3256;  // "Month without required heat output"
constexpr float kStundenJeMonat = 720.0f;
constexpr float kTageJeJahr = 360.0f;
constexpr float kMinLeistung = 0.01f;
// An intermediate circuit whose pump has no rating counts with 50 W.
constexpr float kZwkPumpeVorgabe = 50.0f;
// The defrosting energy computed from the heat delivered.
constexpr float kAbtauAnteil = 0.06f;

}  // namespace

void SummiereJahr(const CKelvoErgebnisse& e, const SAuswertWerte& w, CAuswertDaten& r,
                  std::array<float, 12>& monatsSummen) {
    r.Reset();
    if (w.mitFlags) {
        r.m_AbtauenInWPDaten = w.abtauenInWPDaten;
        r.m_LuefterInWPDaten = w.luefterInWPDaten;
    }
    monatsSummen.fill(0.0f);
    const float a = static_cast<float>(w.quellPumpe);
    const auto s = [&e](TErgebnisReihe reihe, int m) { return e.Reihe(reihe)[static_cast<size_t>(m)]; };
    for (int m = 0; m < 12; ++m) {
        r.Feld(AF_ZweiterWEHeiz) += (s(ER_HeizWaerme, m) - s(ER_HeizWPWaerme, m)) * kStundenJeMonat;
        r.Feld(AF_ZweiterWEWW) += s(ER_WWZweiterWE, m);
        if (s(ER_WPHeizLeistung, m) <= kMinLeistung) ThrowFehler(kMonatOhneLeistung, u"");
        r.Feld(AF_LaufzeitHeiz) += s(ER_HeizLaufzeit, m);
        r.Feld(AF_LaufzeitWW) += s(ER_WWLaufzeit, m);
        r.Feld(AF_QuellEnergieHeiz) += s(ER_HeizQuellEnergie, m);
        r.Feld(AF_QuellEnergieWW) += s(ER_WWQuellEnergie, m);
        r.Feld(AF_StromHeiz) += s(ER_HeizStrom, m);
        r.Feld(AF_StromWW) += s(ER_WWStrom, m);
        r.Feld(AF_WPWaermeHeiz) += s(ER_HeizWPWaerme, m) * kStundenJeMonat;
        r.Feld(AF_WPWaermeWW) += s(ER_WWWaerme, m) - s(ER_WWZweiterWE, m);
        r.Feld(AF_StromQuellpumpe) += (s(ER_WWLaufzeit, m) + s(ER_HeizLaufzeit, m)) * a * 0.001f;
        r.Feld(AF_SolarWW) += s(ER_SolarWW, m);
        r.Feld(AF_SolarHeiz) += s(ER_SolarHeiz, m);
        r.Feld(AF_SolarErdreich) += s(ER_Einspeisung2, m) + s(ER_Einspeisung1, m);
        r.Feld(AF_EinspeisungWP) += s(ER_EinspeisungWP, m);
        r.Feld(AF_Summe23) += s(ER_Reihe23, m);
        r.Feld(AF_Summe24) += s(ER_Reihe24, m);
        monatsSummen[static_cast<size_t>(m)] = s(ER_HeizStrom, m) + s(ER_WWStrom, m);
    }
    r.Feld(AF_StromQuellpumpe) += static_cast<float>(w.solarGewinnAnteil) * a * 0.001f;
    r.Feld(AF_AbtauEnergie) = (r.Feld(AF_WPWaermeHeiz) + r.Feld(AF_WPWaermeWW)) * kAbtauAnteil;
    r.Feld(AF_StromHeizpumpe) =
        static_cast<float>(w.laufzeitHeizPumpe) * static_cast<float>(w.heizPumpe) * 0.001f;
    if (w.zirkulation)
        r.Feld(AF_StromZirkPumpe) =
            static_cast<float>(w.zirkPumpe) * w.zirkLaufzeit * kTageJeJahr * 0.001f;
    if (w.zwischenkreis) {
        const float p = w.zwkPumpe > 0.0f ? w.zwkPumpe : kZwkPumpeVorgabe;
        r.Feld(AF_StromZwkPumpe) = (r.Feld(AF_LaufzeitWW) + r.Feld(AF_LaufzeitHeiz)) * p * 0.001f;
    }
    if (w.luftWP)
        r.Feld(AF_StromAbtauen) = w.abtauenBerechnen ? r.Feld(AF_AbtauEnergie)
                                                     : static_cast<float>(w.stromAbtauen);
    r.Feld(AF_Kuehlung) = w.kuehlung;
    r.Feld(AF_Abluft) = 0.0f;
}
