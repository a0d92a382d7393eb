// The heat pump's energies of a month: heating in two operating regimes, hot water by the
// house's calculation, and the heat pump's capacities.
#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/HeizKontext.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/house/WawaDaten.h"

namespace {

constexpr float kMinLeistung = 0.1f;   // kW: a smaller capacity runs no hours
constexpr float kMinLaufzeit = 0.1f;   // h: below, the means are those of the second regime
constexpr int kSpeicherWP = 3;         // tank heat pump
constexpr int kMediumAbluft = 4;

// One operating regime: a mean power delivered at the given capacities.
struct Regime {
    float stunden = 0.0f;
    SWPLeistung p;
};

Regime Laufe(float leistung, const SWPLeistung& p) {
    Regime r{0.0f, p};
    if (p.heiz >= kMinLeistung) r.stunden = leistung / p.heiz * kStundenJeMonat;
    return r;
}

// Hour-weighted means of the two regimes, or the second's when the heat pump hardly ran.
SWPLeistung Mittel(const Regime& r1, const Regime& r2) {
    const float stunden = r1.stunden + r2.stunden;
    if (stunden <= kMinLaufzeit) return r2.p;
    auto mittel = [&](float SWPLeistung::*feld) {
        return (r1.stunden * r1.p.*feld + r2.stunden * r2.p.*feld) / stunden;
    };
    return {mittel(&SWPLeistung::heiz), mittel(&SWPLeistung::quelle),
            mittel(&SWPLeistung::elektrisch)};
}

}  // namespace

SWPLeistung CAuswertManager::MomentaneLeistung(int monat, float quellTemp, float vorlaufTemp) {
    if (monat < 0 || monat >= 12)
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::MomentaneLeistung");
    if (!m_wpumpe || !m_haus || !m_tarif || !m_kontext) ThrowFehler(0, nullptr);
    return m_kontext->tabelle->Gesamt(quellTemp, vorlaufTemp);
}

SWPLeistung CAuswertManager::MomentaneLeistung(int monat, float quellTemp) {
    if (monat < 0 || monat >= 12)
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::MomentaneLeistung");
    return MomentaneLeistung(monat, quellTemp, m_jahr.vorlaufMonat[static_cast<size_t>(monat)]);
}

SHeizbedarfWP CAuswertManager::MomentanerHeizbedarf(int monat, float quellTemp, float zweiteLast) {
    if (monat < 0 || monat >= 12 || !m_kontext)
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::MomentanerHeizbedarf");
    return MomHeizbedarfDurchWP(monat, m_jahr.bedarf[static_cast<size_t>(monat)], quellTemp,
                                zweiteLast, *m_kontext);
}

CAuswertManager::SHeizung CAuswertManager::HeizEnergie(int monat, float quellTemp, float anteil) {
    if (monat < 0 || monat >= 12) ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::HeizEnergie");
    const SHeizbedarfWP b = MomentanerHeizbedarf(monat, quellTemp, 0.0f);
    // Without a first regime (no backup heater this month) the heat pump is not asked at
    // its temperatures.
    const Regime r1 = b.laufLeistung1 > 0.0f
                          ? Laufe(b.laufLeistung1 * anteil,
                                  MomentaneLeistung(monat, b.quellTemp1, b.vorlaufTemp1))
                          : Regime{};
    const Regime r2 = Laufe((b.wpAnteil - b.laufLeistung1) * anteil,
                            MomentaneLeistung(monat, b.quellTemp2));
    const SWPLeistung mittel = Mittel(r1, r2);

    SHeizung h;
    h.bedarf = b.bedarf * anteil;
    h.wpAnteil = b.wpAnteil * anteil;
    h.heiz = mittel.heiz;
    h.quelle = mittel.quelle;
    h.el = mittel.elektrisch;
    h.laufzeit = r1.stunden + r2.stunden;
    h.quellEnergie = r1.stunden * r1.p.quelle + r2.stunden * r2.p.quelle;
    return h;
}

void CAuswertManager::WarmwasserEnergie(int monat, float anteil, CWawaDaten& daten) {
    if (monat < 0 || monat >= 12)
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::WarmwasserEnergie");
    const auto m = static_cast<unsigned short>(monat);
    const int speicherTyp = m_warmwasser.speicherTyp;
    const float vorSole = Reihe(ER_SoleTemp)[static_cast<size_t>((monat + 11) % 12)];
    const uint32_t maxVorlauf =
        speicherTyp == kSpeicherWP
            ? 100u
            : static_cast<uint32_t>(std::max(0.0f, m_kontext->tabelle->MaxVorlauf(vorSole)));
    // The month's record as the house prepared it, at this source temperature.
    const float quellTemp = daten.m_quellTemp;
    daten = m_warmwasser.monate[m];
    daten.m_quellTemp = quellTemp;
    daten.m_maxVorlaufTemp = maxVorlauf;
    daten.ResetErgebnisse();
    if (m_warmwasser.mitWW) m_haus->WarmwasserBerechnen(m, daten, m_jahr.wwLeistungen);

    const int wwMitWP = m_warmwasser.service;
    const bool zuheizen = wwMitWP != 0 && wwMitWP != 2 && wwMitWP != 3 &&
                          speicherTyp != kSpeicherWP && m_kontext->medium != kMediumAbluft &&
                          daten.m_elEnergie > 0.01f && MussZugeheiztWerden(monat, *m_kontext);
    if (!zuheizen) {
        daten.m_gesamtEnergie *= anteil;
        daten.m_elEnergie *= anteil;
        daten.m_nachheizEnergie *= anteil;
        daten.m_quellEnergie *= anteil;
        daten.m_laufzeit *= anteil;
        return;
    }
    // The heat pump shares its capacity with the heating in the bins below the bivalence
    // point: it delivers what it reaches of the hot water at its mean power, the backup
    // heater the rest. The heat above the heat pump's flow temperature is reheated anyway
    // and is not asked of it a second time.
    const float leistung = (daten.m_gesamtEnergie - daten.m_nachheizEnergie) / kStundenJeMonat;
    const SHeizbedarfWP b = MomentanerHeizbedarf(monat, daten.m_quellTemp, leistung);
    const Regime r1 = b.laufLeistung2 > 0.0f
                          ? Laufe(b.laufLeistung2 * anteil,
                                  MomentaneLeistung(monat, b.quellTemp1, b.vorlaufTemp1))
                          : Regime{};
    const Regime r2 = Laufe((b.zweitAnteil - b.laufLeistung2) * anteil,
                            MomentaneLeistung(monat, b.quellTemp2));
    daten.m_elEnergie = r1.stunden * r1.p.elektrisch + r2.stunden * r2.p.elektrisch;
    daten.m_quellEnergie = r1.stunden * r1.p.quelle + r2.stunden * r2.p.quelle;
    daten.m_laufzeit = r1.stunden + r2.stunden;
    daten.m_nachheizEnergie = (leistung * anteil - b.zweitAnteil * anteil) * kStundenJeMonat +
                              anteil * daten.m_nachheizEnergie;
    daten.m_gesamtEnergie *= anteil;
}
