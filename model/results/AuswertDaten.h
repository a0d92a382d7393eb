#pragma once
// The yearly figures of one evaluation, summed from the monthly results: 25 fields and
// two flags.
#include <array>

// Field numbers, counted from 1; units per year.
enum TAuswertFeld : int {
    AF_QuellEnergieHeiz = 1,  // kWh source energy for heating
    AF_QuellEnergieWW = 2,    // kWh source energy for hot water
    AF_LaufzeitHeiz = 3,      // h
    AF_LaufzeitWW = 4,        // h
    AF_StromHeiz = 5,         // kWh heat-pump electricity
    AF_StromWW = 6,           // kWh
    AF_WPWaermeHeiz = 7,      // kWh heat delivered by the heat pump
    AF_WPWaermeWW = 8,        // kWh
    AF_ZweiterWEHeiz = 9,     // kWh of the second generator
    AF_ZweiterWEWW = 10,      // kWh
    AF_StromQuellpumpe = 11,  // kWh source pump or fan
    AF_StromHeizpumpe = 12,   // kWh heating circulation pump
    AF_StromAbtauen = 13,     // kWh defrosting
    AF_Feld14 = 14,           // never filled
    AF_StromZwkPumpe = 15,    // kWh intermediate-circuit pump
    AF_StromZirkPumpe = 16,   // kWh hot-water circulation pump
    AF_Kuehlung = 17,         // cooling figure
    AF_Abluft = 18,           // exhaust air
    AF_SolarHeiz = 19,        // kWh solar gains for heating
    AF_SolarWW = 20,          // kWh solar gains for hot water
    AF_SolarErdreich = 21,    // kWh solar heat fed into the ground
    AF_Summe23 = 22,          // sum of series 23
    AF_Summe24 = 23,          // sum of series 24
    AF_AbtauEnergie = 24,     // kWh computed defrosting energy
    AF_EinspeisungWP = 25,    // kWh fed-in heat used directly by the heat pump
};

class CAuswertDaten {
  public:
    static constexpr int kFelder = 25;

    CAuswertDaten() { Reset(); }
    virtual ~CAuswertDaten() = default;
    CAuswertDaten(const CAuswertDaten&) = default;
    CAuswertDaten& operator=(const CAuswertDaten&) = default;

    void Reset();

    // A field number outside 1..25 is a program error (text 0).
    float& Feld(TAuswertFeld feld);
    float Feld(TAuswertFeld feld) const;

    bool m_AbtauenInWPDaten = false;  // flag 1: defrosting energy in the heat-pump data
    bool m_LuefterInWPDaten = false;  // flag 2: fan in the heat-pump data

  private:
    std::array<float, kFelder> m_Felder{};
};
