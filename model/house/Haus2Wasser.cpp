// The house's hot water: monthly demand by the demand figure N or by the daily volume,
// the daily volume derived from N, the month's hot-water energy of the heat pump, and
// the ventilation figure.
#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/house/Haus2.h"
#include "model/house/WawaDaten.h"
#include "platform/errors/UserException.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr float kZwoelftel = 0.083333336f;
constexpr float kDreissigstel = 0.033333335f;
constexpr float kMinTagesEnergie = 0.1f;  // kWh: below, the daily energy counts as not given

// The air heat of air change n, volume V and temperature difference dT, in kW.
float LueftungsWaerme(float luftwechsel, unsigned volumen, float deltaT) {
    return luftwechsel * static_cast<float>(volumen) * 0.34f * deltaT * 0.001f;
}

// The temperature difference at which the air gives a power, at most 15 K; air that
// gives nothing (no volume or no air change) stands at the limit.
float LuftwechselAusLeistung(float luftwechsel, unsigned volumen, float leistung) {
    constexpr float kGrenze = 15.0f;
    const float nenner = static_cast<float>(volumen) * luftwechsel * 0.34f;
    if (!(nenner > 0.0f)) return kGrenze;
    return std::min(leistung * 1000.0f / nenner, kGrenze);
}

}  // namespace

float CHaus2::GetWWbedarfProMonat() {
    if (Int(ID_WWmitWP) == 0) return 0.0f;
    return static_cast<float>(UInt(ID_ZIV) + UInt(ID_GSV)) * kZwoelftel;
}

float CHaus2::WWbedarfNachN(unsigned short monat) {
    float out = 0.0f;
    m_berechnung.MonatlicherWWbedarf(monat, Float(ID_BKZ), out);
    return out;
}

// The demand of a month by the rule the record chooses, with the yearly losses spread
// over the months.
float CHaus2::WWbedarfMonat(unsigned short monat) {
    float out = 0.0f;
    if (Bool(ID_BBK)) {
        out = WWbedarfNachN(monat);
    } else {
        m_berechnung.MonatlicherWWbedarf(monat, UInt(ID_WWSollTemp), UInt(ID_KaltWTemp),
                                         UInt(ID_WWproTag), UInt(ID_WWTVerluste), out);
    }
    return out + GetWWbedarfProMonat();
}

void CHaus2::MonatlicherWWbedarf(MonatsWerte out) {
    std::fill(out.begin(), out.end(), 0.0f);
    if (Int(ID_WWmitWP) == 0) return;
    try {
        for (unsigned short monat = 0; monat < kMonate; ++monat) out[monat] = WWbedarfMonat(monat);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MonatlicherWWbedarf(1)");
    }
}

void CHaus2::MonatlicherWWbedarf(unsigned short monat, float& out) {
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::MonatlicherWWbedarf(2)");
    out = 0.0f;
    try {
        if (Int(ID_WWmitWP) != 0) out = WWbedarfMonat(monat);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Haus2::MonatlicherWWbedarf(2)");
    }
}

unsigned CHaus2::BerechneWWEnergie() {
    if (!Bool(ID_BBK)) return UInt(ID_WWproTag);
    const float tagesEnergie = WWbedarfNachN(0) * kDreissigstel;
    return platform::toUInt32(
        m_berechnung.VolumenAusEnergie(tagesEnergie, static_cast<uint16_t>(UInt(ID_KaltWTemp)),
                                       static_cast<uint16_t>(UInt(ID_WWSollTemp))));
}

void CHaus2::WarmwasserEnergie(unsigned short monat, CWawaDaten& daten, float tagesEnergie,
                               IWPLeistungen* wp) {
    daten.ResetErgebnisse();
    if (WarmwasserVorbereiten(monat, daten, tagesEnergie)) WarmwasserBerechnen(monat, daten, wp);
}

CHaus2::SWarmwasserDaten CHaus2::LeseWarmwasserDaten() {
    SWarmwasserDaten w;
    w.nachN = Bool(ID_BBK);
    w.kalt = UInt(ID_KaltWTemp);
    w.soll = UInt(ID_WWSollTemp);
    w.proMonat = GetWWbedarfProMonat();
    w.proTag = UInt(ID_WWproTag);
    w.speicherTyp = Int(ID_WWSpTyp);
    w.eintritt = UInt(ID_EintrittsTemp);
    w.verlust = UInt(ID_WWTVerluste);
    w.service = Int(ID_WWmitWP);
    return w;
}

void CHaus2::WarmwasserAus(const SWarmwasserDaten& w, unsigned short monat, CWawaDaten& daten,
                           float tagesEnergie) {
    const auto kalt = static_cast<uint16_t>(w.kalt);
    const auto soll = static_cast<uint16_t>(w.soll);
    if (w.nachN && tagesEnergie < kMinTagesEnergie) {
        tagesEnergie = WWbedarfNachN(monat) * kDreissigstel + w.proMonat * kDreissigstel;
    }
    uint32_t volumen = 0;
    if (tagesEnergie < kMinTagesEnergie && !w.nachN) {
        const float verluste = w.proMonat * kDreissigstel;
        volumen = platform::toUInt32(m_berechnung.VolumenAusEnergie(verluste, kalt, soll)) + w.proTag;
    } else {
        volumen = platform::toUInt32(m_berechnung.VolumenAusEnergie(tagesEnergie, kalt, soll));
    }

    daten.m_speicherTyp = w.speicherTyp;
    daten.m_kaltWTemp = w.kalt;
    daten.m_eintrittsTemp = w.eintritt;
    daten.m_volumen = volumen;
    daten.m_sollTemp = w.soll;
    daten.m_tempVerlust = w.verlust;
    daten.m_wawaMitWP = w.service;
}

bool CHaus2::WarmwasserVorbereiten(unsigned short monat, CWawaDaten& daten, float tagesEnergie) {
    if (Int(ID_WWmitWP) == 0) return false;
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::WarmwasserEnergie");
    WarmwasserAus(LeseWarmwasserDaten(), monat, daten, tagesEnergie);
    return true;
}

bool CHaus2::WarmwasserVorbereiten(std::span<CWawaDaten, kMonate> monate, float tagesEnergie) {
    if (Int(ID_WWmitWP) == 0) return false;
    const SWarmwasserDaten w = LeseWarmwasserDaten();
    for (unsigned short monat = 0; monat < kMonate; ++monat)
        WarmwasserAus(w, monat, monate[monat], tagesEnergie);
    return true;
}

void CHaus2::WarmwasserBerechnen(unsigned short monat, CWawaDaten& daten, IWPLeistungen* wp) {
    m_berechnung.WarmwasserEnergie(monat, daten, Float(ID_BWW), wp);
}

float CHaus2::GetLueftungsLeistung(float quellLeistung, float elLeistung) {
    const float luftwechsel = Float(ID_LWF);
    const unsigned volumen = UInt(ID_HVA);
    return LueftungsWaerme(luftwechsel, volumen,
                           LuftwechselAusLeistung(luftwechsel, volumen, quellLeistung)) +
           elLeistung;
}
