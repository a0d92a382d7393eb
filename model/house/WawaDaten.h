#pragma once
// The hot-water record of one month: what the evaluation and the house hand to the house
// calculator, and the five results it fills (energies in kWh per month, hours per month).
#include <cstdint>

class CWawaDaten {
  public:
    CWawaDaten() = default;
    virtual ~CWawaDaten();

    // Only the five results back to 0.
    void ResetErgebnisse();

    float m_quellTemp = 0.0f;       // °C, for the heat pump's capacity
    uint32_t m_maxVorlaufTemp = 0;  // °C, highest flow temperature of the heat pump
    int32_t m_speicherTyp = -1;     // 0 layering, 1 mixing, 2 both, 3 tank heat pump
    uint32_t m_kaltWTemp = 0;       // °C
    uint32_t m_eintrittsTemp = 0;   // °C, start of tank type 2
    uint32_t m_volumen = 0;         // litres per day
    uint32_t m_sollTemp = 0;        // °C
    uint32_t m_tempVerlust = 0;     // K, added to cold-water, entry and set temperature
    int32_t m_wawaMitWP = 0;        // hot-water service: 1 heat pump, 3 second source

    float m_elEnergie = 0.0f;
    float m_nachheizEnergie = 0.0f;  // above what the heat pump reaches
    float m_quellEnergie = 0.0f;
    float m_laufzeit = 0.0f;
    float m_gesamtEnergie = 0.0f;
};
