#include "model/heatpump/WPLeistungsTabelle.h"

#include <algorithm>

#include "core/db/Interpolation.h"
#include "model/heatpump/LeistDatenSuche.h"
#include "model/heatpump/WPLeistDaten.h"
#include "model/heatpump/WPumpe2.h"

CWPLeistungsTabelle::CWPLeistungsTabelle(CWPumpe2& wpumpe, float tv, float tr)
    : m_name(wpumpe.getConsumerName()) {
    wpumpe.GetGueltigeLeistDaten(m_gueltig);
    m_slots = wpumpe.GetLeistDatenSlots();
    m_maxQuellTemp = wpumpe.GetWert(ID_MaxInterpolTempSO).GetUIntVal();
    m_minVorlauf = static_cast<float>(wpumpe.GetWert(ID_MinInterpolTempVL).GetUIntVal());
    m_korrektur =
        CWPumpe2::SpreizungsKorrektur(tv, tr, wpumpe.GetWert(ID_TempDiffVerfluess).GetFloatVal());
    m_einheiten = static_cast<float>(wpumpe.GetAnzahl());
}

CWPLeistungsTabelle::Klammer CWPLeistungsTabelle::Suche(float quellTemp, size_t slots) {
    PruefeLeistDaten(slots, m_gueltig.size(), m_name);
    if (!m_warnen) m_warnen = LeistDatenWarnungenAn();
    Klammer k;
    k.quellTemp = quellTemp;
    // Once moved down to the limit the temperature is found.
    while (!SucheLeistDaten(k.quellTemp, m_gueltig, m_maxQuellTemp, *m_warnen, k.unten, k.oben)) {
    }
    return k;
}

float CWPLeistungsTabelle::Wert(int art, const Klammer& k, float vorlaufTemp) const {
    return CWPumpe2::LeistungZwischen(art, *k.unten, *k.oben, k.quellTemp,
                                      std::max(vorlaufTemp, m_minVorlauf));
}

SWPLeistung CWPLeistungsTabelle::Gesamt(float quellTemp, float vorlaufTemp) {
    // The heat pump's own lookups search among its valid records only.
    const Klammer k = Suche(quellTemp, m_gueltig.size());
    SWPLeistung p;
    p.heiz = Wert(CWPumpe2::kHeizLeistung, k, vorlaufTemp) * m_einheiten;
    p.elektrisch = Wert(CWPumpe2::kElektroLeistung, k, vorlaufTemp) * m_korrektur * m_einheiten;
    const float elektroKorr =
        Wert(CWPumpe2::kElektroLeistung, k, std::max(vorlaufTemp, CWPumpe2::kMinKorrVorlauf));
    float quelle = Wert(CWPumpe2::kQuellLeistung, k, vorlaufTemp);
    quelle -= (m_korrektur - 1.0f) * elektroKorr;
    p.quelle = quelle * m_einheiten;
    return p;
}

SWPLeistung CWPLeistungsTabelle::LeistungOhneKorr(float quellTemp, float vorlaufTemp) {
    const Klammer k = Suche(quellTemp, m_gueltig.size());
    SWPLeistung p;
    p.heiz = Wert(CWPumpe2::kHeizLeistung, k, vorlaufTemp) * m_einheiten;
    p.elektrisch = Wert(CWPumpe2::kElektroLeistung, k, vorlaufTemp) * m_einheiten;
    p.quelle = Wert(CWPumpe2::kQuellLeistung, k, vorlaufTemp) * m_einheiten;
    return p;
}

float CWPLeistungsTabelle::MaxVorlauf(float quellTemp) {
    // The heat pump searches every slot here, empty ones too.
    const Klammer k = Suche(quellTemp, m_slots);
    if (k.unten == k.oben) return k.unten->maxVorlauf;
    return InterpoliereLinear(k.unten->quellTemp, k.oben->quellTemp, k.quellTemp,
                              k.unten->maxVorlauf, k.oben->maxVorlauf);
}
