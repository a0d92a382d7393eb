#include "model/house/HausBerechnung.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "model/house/WawaDaten.h"
#include "platform/errors/UserException.h"

namespace {

constexpr float kJeMonatsstunde = 0.0013888889f;  // 1 / 720 h: a monthly energy as a mean power
// 4.2 kJ/(kg K) over 3597.1223 kJ/kWh, kept as the one constant the results rest on.
constexpr float kKWhJeLiterUndKelvin = 0.0011676f;
constexpr float kKJjeKWh = 3597.1223f;
constexpr float kWaermeKapazitaet = 4.2f;
constexpr int kSchritt = 5;  // K
constexpr float kTageJeMonat = 30.0f;

enum Speichertyp { kGuteSchichtung = 0, kStarkeMischung = 1, kKombination = 2, kWaermepumpe = 3 };

// The project's heat pump as the active document answers for it.
class DokumentLeistungen : public IWPLeistungen {
  public:
    explicit DokumentLeistungen(IKelvoDocServices& dok) : dok_(dok) {}
    SWPLeistung LeistungOhneKorr(float quellTemp, float vorlaufTemp) override {
        SWPLeistung p;
        dok_.WPLeistungOhneKorr(0, quellTemp, vorlaufTemp, p.quelle);
        dok_.WPLeistungOhneKorr(1, quellTemp, vorlaufTemp, p.heiz);
        dok_.WPLeistungOhneKorr(2, quellTemp, vorlaufTemp, p.elektrisch);
        return p;
    }

  private:
    IKelvoDocServices& dok_;
};

// Energy to heat a daily volume between two whole-degree temperatures, kept signed: the
// steps below a low maximum flow temperature start below 0 °C.
float EnergieZwischen(unsigned volumen, int t1, int t2) {
    return static_cast<float>(t2 - t1) * static_cast<float>(volumen) * kKWhJeLiterUndKelvin;
}

int Tief16(uint32_t wert) {
    return static_cast<int>(wert & 0xFFFFu);
}

}  // namespace

CHausBerechnung::~CHausBerechnung() = default;

bool CHausBerechnung::IstHeizMonat(float temp, unsigned raumTemp, unsigned grenzTemp) const {
    return temp < static_cast<float>(raumTemp) && temp < static_cast<float>(grenzTemp);
}

uint16_t CHausBerechnung::AnzahlHeizMonate(KonstMonatsWerte temps, unsigned raumTemp,
                                           unsigned grenzTemp) const {
    return static_cast<uint16_t>(std::count_if(
        temps.begin(), temps.end(), [&](float t) { return IstHeizMonat(t, raumTemp, grenzTemp); }));
}

void CHausBerechnung::MomentanerHeizbedarf(float temp, float normLeistung, float normAussenTemp,
                                           unsigned raumTemp, unsigned grenzTemp, float gewinn1,
                                           float gewinn2, float& out) const {
    const float raum = static_cast<float>(raumTemp);
    out = 0.0f;
    // A design temperature at or above the room temperature leaves nothing to heat; it
    // must not divide by zero.
    if (IstHeizMonat(temp, raumTemp, grenzTemp) && raum > normAussenTemp) {
        out = normLeistung / (raum - normAussenTemp) * (raum - temp);
    }
    out = out - (gewinn1 + gewinn2) * kJeMonatsstunde;
    if (out < 0.0f) out = 0.0f;
}

void CHausBerechnung::VorlaufTemp(float last, float normLeistung, float vorlaufTemp,
                                  unsigned raumTemp, float exponent, float faktor, float,
                                  float& out) const {
    if (!(exponent > 0.0f)) ThrowFehler(textid::kDatenFehlen, u"CHausBerechnung::VorlaufTemp");
    // A load at or below zero (gains above the losses) needs no heating: room temperature.
    float r = 0.0f;
    const float anteil = normLeistung > 0.0f ? last * faktor / normLeistung : 0.0f;
    if (anteil > 0.0f) {
        r = static_cast<float>(
            std::pow(static_cast<double>(anteil), 1.0 / static_cast<double>(exponent)));
    }
    const float raum = static_cast<float>(raumTemp);
    out = raum + (vorlaufTemp - raum) * r;
}

void CHausBerechnung::MonatlicherWWbedarf(unsigned short monat, float bedarfsKennzahl,
                                          float& out) const {
    // A negative figure would give NaN and spoil every sum it enters.
    if (monat >= kMonate || !(bedarfsKennzahl >= 0.0f))
        ThrowFehler(textid::kDatenFehlen, u"CHausBerechnung::MonatlicherWWbedarf(BKZ)");
    out = static_cast<float>(360.0 * std::pow(static_cast<double>(bedarfsKennzahl), 0.82));
}

void CHausBerechnung::MonatlicherWWbedarf(MonatsWerte out, float bedarfsKennzahl) const {
    for (unsigned short monat = 0; monat < kMonate; ++monat) {
        MonatlicherWWbedarf(monat, bedarfsKennzahl, out[monat]);
    }
}

void CHausBerechnung::MonatlicherWWbedarf(unsigned short monat, unsigned sollTemp,
                                          unsigned kaltTemp, unsigned volumen, unsigned,
                                          float& out) const {
    if (monat >= kMonate)
        ThrowFehler(textid::kDatenFehlen, u"CHausBerechnung::MonatlicherWWbedarf(Vol)");
    out = TaeglicherWWbedarfVol(volumen, static_cast<uint16_t>(kaltTemp),
                                static_cast<uint16_t>(sollTemp)) *
          kTageJeMonat;
}

void CHausBerechnung::MonatlicherWWbedarf(unsigned sollTemp, unsigned kaltTemp, unsigned volumen,
                                          unsigned verlust, MonatsWerte out) const {
    for (unsigned short monat = 0; monat < kMonate; ++monat) {
        MonatlicherWWbedarf(monat, sollTemp, kaltTemp, volumen, verlust, out[monat]);
    }
}

float CHausBerechnung::TaeglicherWWbedarfVol(unsigned volumen, uint16_t t1, uint16_t t2) const {
    // The difference stays signed: a fall in temperature must not wrap round.
    return EnergieZwischen(volumen, t1, t2);
}

float CHausBerechnung::VolumenAusEnergie(float energie, uint16_t t1, uint16_t t2) const {
    const int differenz = static_cast<int>(t2) - static_cast<int>(t1);
    if (differenz <= 0) return 0.0f;
    return energie * kKJjeKWh / (static_cast<float>(differenz) * kWaermeKapazitaet);
}

void CHausBerechnung::WarmwasserEnergie(unsigned short monat, CWawaDaten& daten, float cop,
                                        IWPLeistungen* wp) const {
    try {
        WarmwasserSchritte(monat, daten, cop, wp);
    } catch (const platform::UserException&) {
        ThrowFehler(textid::kKeineErgebnisse, u"HausBerechnung::WarmwasserEnergie");
    }
}

void CHausBerechnung::WarmwasserSchritte(unsigned short monat, CWawaDaten& daten, float cop,
                                         IWPLeistungen* wp) const {
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"CHausBerechnung::WarmwasserEnergie");
    daten.ResetErgebnisse();

    const int verlust = Tief16(daten.m_tempVerlust);
    int ende = Tief16(daten.m_sollTemp) + verlust;
    const int start = Tief16(daten.m_kaltWTemp) + verlust;
    bool nachheizen = false;
    if (static_cast<int64_t>(daten.m_maxVorlaufTemp) < ende) {
        ende = static_cast<int>(daten.m_maxVorlaufTemp);
        nachheizen = true;
    }

    const int typ = daten.m_speicherTyp;
    int t0 = 0;
    switch (typ) {
        case kGuteSchichtung:
        case kWaermepumpe:
            t0 = start;
            break;
        case kStarkeMischung:
            t0 = ende - kSchritt;
            break;
        case kKombination:
            t0 = Tief16(daten.m_eintrittsTemp) + verlust;
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CHausBerechnung::WarmwasserEnergie");
    }
    if (t0 >= ende) t0 = ende - kSchritt;

    const bool mitWP = typ != kWaermepumpe;
    const bool laeuft = mitWP && daten.m_wawaMitWP == 1;
    // A tank heat pump without a coefficient of performance has no electric energy.
    if (!mitWP && !(cop > 0.0f)) ThrowFehler(0, nullptr);
    std::optional<DokumentLeistungen> dokument;
    if (mitWP && !wp) wp = &dokument.emplace(*GetKelvoApp().GetAktDokument(false));

    float gesamt = 0.0f, el = 0.0f, quelle = 0.0f, laufzeit = 0.0f;
    for (int t = t0; t < ende;) {
        const int tn = std::min(t + kSchritt, ende);
        const SWPLeistung p =
            mitWP ? wp->LeistungOhneKorr(daten.m_quellTemp, static_cast<float>(tn)) : SWPLeistung{};
        const float e = EnergieZwischen(daten.m_volumen, t, tn);
        gesamt += e;
        float stunden = 0.0f;
        if (laeuft) {
            if (p.heiz <= 0.01f) ThrowFehler(0, nullptr);
            stunden = e / p.heiz;
        }
        laufzeit += stunden;
        el += mitWP ? p.elektrisch * stunden : e / cop;
        if (mitWP) quelle += p.quelle * stunden;
        t = tn;
    }

    float nachheiz = 0.0f;
    if (nachheizen) {
        const int ziel = Tief16(daten.m_sollTemp) + (daten.m_wawaMitWP == 3 ? verlust : 0);
        nachheiz = EnergieZwischen(daten.m_volumen, ende - verlust, ziel);
    }

    float skala = 1.0f;
    if (typ == kStarkeMischung) skala = static_cast<float>(ende - start) * 0.2f;
    if (typ == kKombination)
        skala = static_cast<float>(ende - start) / static_cast<float>(ende - t0);
    gesamt *= skala;
    el *= skala;
    quelle *= skala;
    laufzeit *= skala;

    daten.m_nachheizEnergie = nachheiz * kTageJeMonat;
    daten.m_elEnergie = el * kTageJeMonat;
    daten.m_quellEnergie = quelle * kTageJeMonat;
    daten.m_laufzeit = laufzeit * kTageJeMonat;
    daten.m_gesamtEnergie = gesamt * kTageJeMonat + daten.m_nachheizEnergie;
    if (daten.m_wawaMitWP != 1) daten.m_nachheizEnergie = daten.m_gesamtEnergie;
}
