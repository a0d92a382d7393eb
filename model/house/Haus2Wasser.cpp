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

void CHaus2::WarmwasserEnergie(unsigned short monat, CWawaDaten& daten, float tagesEnergie) {
    daten.ResetErgebnisse();
    if (Int(ID_WWmitWP) == 0) return;
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHaus2::WarmwasserEnergie");

    const bool nachN = Bool(ID_BBK);
    const auto kalt = static_cast<uint16_t>(UInt(ID_KaltWTemp));
    const auto soll = static_cast<uint16_t>(UInt(ID_WWSollTemp));
    if (nachN && tagesEnergie < kMinTagesEnergie) {
        tagesEnergie = WWbedarfNachN(monat) * kDreissigstel + GetWWbedarfProMonat() * kDreissigstel;
    }
    uint32_t volumen = 0;
    if (tagesEnergie < kMinTagesEnergie && !nachN) {
        const float verluste = GetWWbedarfProMonat() * kDreissigstel;
        volumen = platform::toUInt32(m_berechnung.VolumenAusEnergie(verluste, kalt, soll)) +
                  UInt(ID_WWproTag);
    } else {
        volumen = platform::toUInt32(m_berechnung.VolumenAusEnergie(tagesEnergie, kalt, soll));
    }

    daten.m_speicherTyp = Int(ID_WWSpTyp);
    daten.m_kaltWTemp = UInt(ID_KaltWTemp);
    daten.m_eintrittsTemp = UInt(ID_EintrittsTemp);
    daten.m_volumen = volumen;
    daten.m_sollTemp = UInt(ID_WWSollTemp);
    daten.m_tempVerlust = UInt(ID_WWTVerluste);
    daten.m_wawaMitWP = Int(ID_WWmitWP);
    m_berechnung.WarmwasserEnergie(monat, daten, Float(ID_BWW));
}

float CHaus2::GetLueftungsLeistung(float quellLeistung, float elLeistung) {
    const float luftwechsel = Float(ID_LWF);
    const unsigned volumen = UInt(ID_HVA);
    return LueftungsWaerme(luftwechsel, volumen,
                           LuftwechselAusLeistung(luftwechsel, volumen, quellLeistung)) +
           elLeistung;
}
