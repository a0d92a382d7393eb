#pragma once
// What the project document computes for the result windows that show it: the curves of
// the energy-coverage chart and the inputs of the expenditure-factor dialog.
#include <array>

// The energy-coverage chart (CKelvoDoc::getEnergiedeckungDaten): curves over the outdoor
// temperature from -50 to +12 °C, index = temperature + 50; 0 outside the house's range.
struct SEnergiedeckung {
    static constexpr int kPunkte = 63;
    static constexpr int kTiefsteTemp = -50;
    std::array<float, kPunkte> bedarf{};    // kW the heat pumps must give
    std::array<float, kPunkte> leistung{};  // kW they give
    std::array<float, kPunkte> cop{};
    int tiefste = 0;   // °C, the house's design outdoor temperature
    int hoechste = 0;  // °C, the heating limit, at most 12
    float wert = 0.0f;  // kWh/year of the second generator for hot water (record field 10)
};

// The inputs of the expenditure-factor dialog (CKelvoDoc::BerechneAufwandszahl).
struct SAufwandszahlDaten {
    float verlust1 = 0.0f;        // the usable floor area, m² (house value 200 x 0.04)
    float verlust2 = 0.0f;        // kWh/year: area x 12.5
    int wwModus = 0;              // house value 188
    float jahresWW = 0.0f;        // kWh/year of hot-water demand
    float bezugsEnergie = 0.0f;   // kWh/year of heat for heating under reference conditions
    float heizZahl = 0.0f;        // seasonal performance factor of the heating
    float wwZahl = 0.0f;          // seasonal performance factor of the hot water
    float zirkKosten = 0.0f;      // kWh/year of the hot-water circulation pump
    float bezugsVerbrauch = 0.0f; // kWh/year of solar gains under reference conditions
    int medium = 0;               // the heat pump's value 373
};
