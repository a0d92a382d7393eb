#pragma once
// The monthly results of one evaluation run: 25 series of 12 floats, January (0) to
// December (11). The evaluation copies its monthly arrays in; result views read them.
#include <array>

// Series numbers as the evaluation fills them, counted from 1.
enum TErgebnisReihe : int {
    ER_WPQuellLeistung = 1,  // kW, total capacity at the month's brine and flow temperature
    ER_WPHeizLeistung = 2,   // kW; the heat output the month requires
    ER_WPElLeistung = 3,     // kW
    ER_QuellTemp1 = 4,       // °C after extraction
    ER_QuellTemp2 = 5,
    ER_UngestoertTemp1 = 6,  // °C before extraction
    ER_UngestoertTemp2 = 7,
    ER_SoleTemp = 8,           // °C
    ER_WWWaerme = 9,           // kWh
    ER_WWStrom = 10,           // hot-water quantity 1: heat-pump electricity
    ER_WWZweiterWE = 11,       // hot-water quantity 2: second generator
    ER_WWQuellEnergie = 12,    // kWh
    ER_WWLaufzeit = 13,        // hot-water quantity 4: running hours
    ER_HeizWaerme = 14,        // mean kW
    ER_HeizWPWaerme = 15,      // heating quantity 2: by the heat pump, mean kW
    ER_HeizQuellEnergie = 16,  // kWh
    ER_HeizLaufzeit = 17,      // h
    ER_HeizStrom = 18,         // kWh
    ER_SolarWW = 19,           // kWh solar heat used for hot water
    ER_SolarHeiz = 20,         // kWh solar heat used for heating
    ER_Einspeisung1 = 21,      // kWh solar feed-in into source 1
    ER_Einspeisung2 = 22,      // kWh solar feed-in into source 2
    ER_Reihe23 = 23,           // always 0
    ER_Reihe24 = 24,           // always 0
    ER_EinspeisungWP = 25,     // kWh fed-in heat used directly by the heat pump
};

class CKelvoErgebnisse {
  public:
    static constexpr int kReihen = 25;
    static constexpr int kMonate = 12;
    using Monatswerte = std::array<float, kMonate>;

    CKelvoErgebnisse() { Reset(); }
    virtual ~CKelvoErgebnisse() = default;

    void Reset();

    // A series number outside 1..25 is a program error (text 0).
    Monatswerte& Reihe(TErgebnisReihe reihe);
    const Monatswerte& Reihe(TErgebnisReihe reihe) const;
    // The sum of a series over the 12 months.
    float Summe(TErgebnisReihe reihe) const;

  private:
    std::array<Monatswerte, kReihen> m_Reihen;
};
