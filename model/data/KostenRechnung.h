#pragma once
// Cost arithmetic of the operating-cost comparison. Energies in kWh, prices in cents per
// kWh, shares and efficiencies in percent; results in whole currency units.
#include <array>
#include <cstdint>

// The tariff's prices as the cost calculations read them.
struct SStromPreise {
    float preis1 = 0.0f, preis2 = 0.0f;  // tariff 1 and tariff 2
    float preis3 = 0.0f;                 // monoenergetic operation
    float preis4 = 0.0f;                 // hot-water reheating
    float preis5 = 0.0f;                 // defrosting
    float preis6 = 0.0f;                 // circulation pumps
    float preis7 = 0.0f, preis8 = 0.0f;
    float preis6b = 0.0f;  // second copy of preis6
    // Non-zero: the item is billed at the two heat-pump tariffs instead of its own price.
    int p3wieWP = 0, p4wieWP = 0, p5wieWP = 0, p6wieWP = 0;
};

// Price and efficiency of one comparison heating, in the order of the cost table
// (heat pump, oil, gas, own heating, night storage, electric direct).
struct SPreisWirkungsgrad {
    float preis = 0.0f;
    float wirkungsgrad = 0.0f;  // percent
};
using VergleichsPreise = std::array<SPreisWirkungsgrad, 6>;

int32_t BerechneKostenAnteil(float menge, float preis, unsigned prozent);
int32_t BerechneEnergieKosten(bool zweiTarife, float menge, float preis1, unsigned prozent1,
                              float preis2, unsigned prozent2, float einzelPreis);
// The costs of the energy that is not the heat pump's own: billed as electricity in
// modes without a second generator, else as fuel of the second generator `zweiterWE`
// (gas 0, oil 1, night storage 2, electric 3, own 4; others error 3162).
int32_t GetKostenZweiterET(int betrWeise, int zweiterWE, float energieHeiz, float energieWW,
                           const SStromPreise& preise, unsigned prozent1, unsigned prozent2,
                           const VergleichsPreise& tabelle);

// One electricity item of the operating costs: billed at the two heat-pump tariffs or at
// its own price.
struct SStromPosten {
    float energie = 0.0f;  // kWh
    bool zweiTarife = false;
    float einzelPreis = 0.0f;
};
// One further cost item: amount times price, in full.
struct SKostenPosten {
    float menge = 0.0f;
    float preis = 0.0f;
};

// What the yearly operating costs of the heat-pump option read. The record's layout
// belongs to the economics pages; they hand over these values.
struct SJahresKostenDaten {
    float wpEnergie = 0.0f;     // the heat pump's electricity, kWh
    float hilfsEnergie = 0.0f;  // its auxiliary electricity, kWh
    bool ohneHilfsEnergie = false;
    // The energy that is not the heat pump's own (GetKostenZweiterET).
    int betrWeise = 0;
    int zweiterWE = 0;
    float energieHeiz = 0.0f, energieWW = 0.0f;
    std::array<SStromPosten, 3> hilfsPosten{};
    // The items that option bits 4, 2 and 1, in this order, switch off.
    std::array<SKostenPosten, 3> abschaltbar{};
    unsigned optionBits = 0;
};

struct SJahresKosten {
    int32_t summe = 0;
    int32_t zweiterET = 0;  // GetKostenZweiterET, part of the sum
};

// The yearly operating costs of the heat-pump option: the heat pump's electricity at the
// two tariff shares, the costs of the second energy, the three auxiliary electricity items
// and the further items whose option bit is not set.
SJahresKosten BerechneJahresKosten(const SJahresKostenDaten& daten, const SStromPreise& preise,
                                   unsigned prozent1, unsigned prozent2,
                                   const VergleichsPreise& tabelle);

// The rounded sum of four cost fields; 0 without fields.
int32_t GetGerundeteSumme(const std::array<float, 4>* kosten);
// max(a - c, 0) / b, and 0 when b is below 0.1.
float PositiveDifferenzDurch(float a, float b, float c);
