#pragma once
// The heat pump's share of a month's heating demand by outdoor-temperature bins: the days
// of the year at each whole outdoor temperature from -50 °C to +12 °C, the part of them
// that falls into the month, and what heat pump and backup heater deliver in each bin
// below the bivalence limit. Pure arithmetic: the house and the heat pump are asked
// through `IBinModell`, so that the yearly evaluation and the dimensioning share it.
// Powers in kW, energies in kWh, temperatures in °C, a month counts 720 hours.
#include <span>

#include "model/heatpump/WPLeistung.h"

// Number of bins and the bin of 0 °C: bin i stands for (i - 50) °C.
inline constexpr int kBinAnzahl = 63;
inline constexpr int kBinNullGrad = 50;
// A bin with fewer days counts as empty.
inline constexpr float kBinLeer = 0.1f;
inline constexpr float kStundenJeMonat = 720.0f;

using BinTage = std::span<const float, kBinAnzahl>;

// The part of `tage` days a year below the bivalence point that falls into `monat`
// (0 = January); 0 for a month outside 0..11.
float GetMonatsAnteil(int monat, float tage);

// The days of the non-empty bins whose temperature lies below `grenzTemp`.
float TageUnterGrenze(BinTage bins, float grenzTemp);

// What the bin method asks of house and heat pump.
class IBinModell {
  public:
    virtual ~IBinModell() = default;
    // The house's heating demand at an outdoor temperature.
    virtual float Heizbedarf(float aussenTemp) = 0;
    // The flow temperature at an outdoor temperature, with the tariff's blocking factor.
    virtual float VorlaufTemp(float aussenTemp) = 0;
    virtual SWPLeistung WPLeistung(float quellTemp, float vorlaufTemp) = 0;
};

struct SBinEingabe {
    int monat = 0;
    float grenzTemp = 0.0f;  // bins below this temperature are walked (bivalence point)
    int medium = 0;          // heat-pump medium 0..3; 1 (air) draws at the bin temperature
    float quellTemp = 0.0f;  // the month's source temperature of brine and water
    float monatsTemp = 0.0f; // the month's mean outdoor temperature
    float minLuftTemp = 0.0f;
    int maxVorlauf = 0;      // the heat pump's highest flow temperature, whole degrees
    bool wpDarfLaufen = true;
    float zweiteLast = 0.0f;  // kW booked beside the heating demand (hot water)
    float sperrFaktor = 1.0f;
    float sperrStdTag = 0.0f;  // blocked hours a day
    BinTage bins;
};

struct SBinErgebnis {
    // Energies over the bins of the month (kWh).
    float zusatzHeiz = 0.0f;   // backup heat for the heating demand
    float zusatzZweit = 0.0f;  // backup heat for the second load
    float wpHeiz = 0.0f;       // heat-pump heat for heating
    float wpZweit = 0.0f;      // heat-pump heat for the second load
    float quellHeiz = 0.0f, quellZweit = 0.0f;
    float elHeiz = 0.0f, elZweit = 0.0f;
    float laufzeitHeiz = 0.0f, laufzeitZweit = 0.0f;
    float stundenUnterGrenze = 0.0f;
    // The first operating regime (the bins) and the rest of the month.
    float quellTemp1 = 0.0f;
    float vorlaufTemp1 = 0.0f;
    float quellTempRest = 0.0f;
};

// The bin method for one month. The medium must be 0..3.
SBinErgebnis BerechneBins(const SBinEingabe& e, IBinModell& modell);
