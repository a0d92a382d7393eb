#include "model/data/KostenRechnung.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/numbers/Numbers.h"

namespace {

bool hatZweitenErzeuger(int betrWeise) {
    return betrWeise == 2 || betrWeise == 4 || betrWeise == 6 || betrWeise == 8;
}

}  // namespace

int32_t BerechneKostenAnteil(float menge, float preis, unsigned prozent) {
    const float produkt = static_cast<float>(prozent) * menge * preis;
    return platform::toInt32(produkt * 0.0001 + 0.5);
}

int32_t BerechneEnergieKosten(bool zweiTarife, float menge, float preis1, unsigned prozent1,
                              float preis2, unsigned prozent2, float einzelPreis) {
    if (!zweiTarife) return BerechneKostenAnteil(menge, einzelPreis, 100);
    return BerechneKostenAnteil(menge, preis1, prozent1) +
           BerechneKostenAnteil(menge, preis2, prozent2);
}

int32_t GetKostenZweiterET(int betrWeise, int zweiterWE, float energieHeiz, float energieWW,
                           const SStromPreise& preise, unsigned prozent1, unsigned prozent2,
                           const VergleichsPreise& tabelle) {
    if (!hatZweitenErzeuger(betrWeise)) {
        return BerechneEnergieKosten(preise.p3wieWP != 0, energieHeiz, preise.preis1, prozent1,
                                     preise.preis2, prozent2, preise.preis3) +
               BerechneEnergieKosten(preise.p4wieWP != 0, energieWW, preise.preis1, prozent1,
                                     preise.preis2, prozent2, preise.preis4);
    }
    static constexpr int kZeile[] = {2, 1, 4, 5, 3};
    if (zweiterWE < 0 || zweiterWE > 4)
        ThrowFehler(textid::kFalscheKonstante, u"GetKostenZweiterET");
    const SPreisWirkungsgrad& zeile = tabelle[static_cast<size_t>(kZeile[zweiterWE])];
    // An efficiency of 0 would turn the fuel amount into infinity.
    if (zeile.wirkungsgrad <= 0.0f) ThrowFehler(0, nullptr, 0);
    const double brennstoff = (energieHeiz + energieWW) / (zeile.wirkungsgrad * 0.01);
    return BerechneKostenAnteil(static_cast<float>(brennstoff), zeile.preis, 100);
}

SJahresKosten BerechneJahresKosten(const SJahresKostenDaten& daten, const SStromPreise& preise,
                                   unsigned prozent1, unsigned prozent2,
                                   const VergleichsPreise& tabelle) {
    const float wpEnergie =
        daten.ohneHilfsEnergie ? daten.wpEnergie : daten.wpEnergie + daten.hilfsEnergie;
    SJahresKosten kosten;
    kosten.zweiterET = GetKostenZweiterET(daten.betrWeise, daten.zweiterWE, daten.energieHeiz,
                                          daten.energieWW, preise, prozent1, prozent2, tabelle);
    kosten.summe = BerechneEnergieKosten(true, wpEnergie, preise.preis1, prozent1, preise.preis2,
                                         prozent2, preise.preis1) +
                   kosten.zweiterET;
    for (const SStromPosten& posten : daten.hilfsPosten) {
        kosten.summe +=
            BerechneEnergieKosten(posten.zweiTarife, posten.energie, preise.preis1, prozent1,
                                  preise.preis2, prozent2, posten.einzelPreis);
    }
    static constexpr unsigned kBits[] = {4, 2, 1};
    for (size_t i = 0; i < daten.abschaltbar.size(); ++i) {
        if ((daten.optionBits & kBits[i]) != 0) continue;
        const SKostenPosten& posten = daten.abschaltbar[i];
        kosten.summe += BerechneKostenAnteil(posten.menge, posten.preis, 100);
    }
    return kosten;
}

int32_t GetGerundeteSumme(const std::array<float, 4>* kosten) {
    if (!kosten) return 0;
    double summe = 0.0;
    for (float k : *kosten) summe += k;
    return platform::toInt32(summe + 0.5);
}

float PositiveDifferenzDurch(float a, float b, float c) {
    if (b < 0.1f) return 0.0f;
    return std::max(a - c, 0.0f) / b;
}
