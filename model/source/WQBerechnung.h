#pragma once
// The calculator behind every heat source: monthly source temperatures under the energy
// drawn from and fed into the ground, the brine temperature entering the heat pump, the
// specific extraction of a probe or collector and its permitted limits, the design test
// and the size of a probe or collector. It works on plain numbers and keeps nothing of
// its own; the inner steps share the program-wide working record (WQKontext.h).
//
// Kinds: 0 vertical probe, 1 horizontal collector, 2 outdoor air, 3 ground water,
// 4 earth-air tubes, 5 second collector form, 6 air at a given constant temperature.
#include <span>

#include "core/value/VRMString.h"

// What the size of a horizontal collector depends on besides the ground.
struct SVerlegung {
    float aussen = 0.0f;     // outer tube diameter, mm
    bool perFormel = false;  // laying factor by the outer diameter's formula
    CVRMString land;         // country code of the laying factor
    float f1 = 1.0f;         // laying factor of the reference country
    float f2 = 1.0f;         // laying factor of the project's country
};

class CWQBerechnung {
  public:
    using Monate = std::span<const float, 12>;
    using ArbeitsMonate = std::span<float, 12>;

    virtual ~CWQBerechnung() = default;

    // Source temperatures. `arbeit` holds the results of the months before; the month's
    // temperature comes out in `out`, `arbeit` stays as it was.
    void QuellenTemperatur(int monat, int art, Monate natur, Monate eingespeist, Monate entzug1,
                           Monate entzug2, float lambda, float flaeche, float laenge, float abstand,
                           int kreise, float aussen, float spezWaerme, float spreizung,
                           float latentWaerme, int reihe, Monate arbeit, float& out);
    // Sets arbeit[monat] from the working record.
    void QuellenTemp(int monat, Monate natur, Monate eingespeist, Monate entzug1, Monate entzug2,
                     ArbeitsMonate arbeit);

    // Brine temperature entering the heat pump at source temperature `quellTemp` under the
    // month's load `last`.
    void SoleEintrittsTemp(int monat, int art, float quellTemp, float last, float spreizung,
                           float dichte, float spezW, float waermeLF, float viskos,
                           float rohrLambda, float innen, float aussen, float laenge, int kreise,
                           bool einfacheSpreizung, float volStrom, int reihe, int sondenart,
                           float& out);
    float SoleETemperatur(float quellTemp);

    // Design test: true when the source keeps both extraction limits. A failure inside is
    // shown and answers false.
    bool TesteWQuelle(int art, float leistung, float energie, float laenge, float flaeche,
                      float lambda, int feuchte, int richtung, float f1, float f2, int sondenart);
    bool TesteSondenWerte(float leistung, float energie, float laenge, float lambda, int feuchte,
                          int richtung, int sondenart);
    bool TesteFlachKWerte(float leistung, float energie, float laenge, float flaeche, float lambda,
                          int feuchte, int richtung, float f1, float f2);

    // Momentary (W/m or W/m²) and yearly (kWh/m or kWh/m²) specific extraction.
    float GetMSE(int art, float leistung, float laenge, float flaeche);
    float GetEJE(int art, float energie, float laenge, float flaeche);
    // Their permitted limits.
    float GetMSEGrenze(int art, float lambda, int feuchte, int richtung, int sondenart, float f1,
                       float f2);
    float GetEJEGrenze(int art, float lambda, int feuchte, int richtung);
    // Ground, moisture and orientation factors of a collector multiplied.
    float GetBFSProdukt(int art, float lambda, int feuchte, int richtung);
    // The collector's momentary limit in W/m² for a factor product, before laying factors.
    static float GetMSEBasisFlachK(float produkt);

    // Probe: out1 = 1, out2 = probe length. Collector: out1 = area, out2 = its tube length.
    // Kind 5: out1 = 8 × out2 + 0.5.
    void DimensioniereWQuelle(int art, float leistung, float energie, float lambda, int feuchte,
                              int richtung, const SVerlegung& verlegung, float& out1, float& out2);
    float DimensioniereSonde(float leistung, float energie, float lambda);
    float DimensioniereFlachK(float leistung, float energie, float lambda, int feuchte,
                              int richtung, const SVerlegung& verlegung, float& rohrLaenge);

    // Brine flow.
    float GetReynoldsZahl(int art, float innen, int kreise, float volStrom, float viskos, int reihe,
                          int sondenart);
    float GetVolStromLeistung(float dichte, float spezW, float spreizung, float leistung);
    float GetVolStromTurbulent(float innen, float viskos, int kreise, int art, float reynolds,
                               int reihe, int sondenart);

    // Latent heat of frozen ground; c is the class constant 10, 18 or 30.
    float LatentWaermeSonde(int kreise, float laenge, float c);
    float LatentWaermeFlachK(float flaeche, float c);

    // A positive kinematic viscosity is taken as given; a non-positive one (no fluid data
    // make one, a caller may) would give a NaN Reynolds number and takes the lowest the
    // fluid data give instead.
    static float GeschuetzteViskositaet(float viskos);

  private:
    float GetEntzugsSumme(int von, int bis, bool mitEinspeisung, Monate natur, Monate eingespeist,
                          Monate entzug1, Monate entzug2, std::span<const float, 12> arbeit);
    float SondenQuellTemp(float temp, float entzug);
    float FlachKTemp(float temp, float entzug);
    void SondenMonat(int monat, Monate natur, Monate eingespeist, Monate entzug1, Monate entzug2,
                     ArbeitsMonate arbeit);
    void FlachKMonat(int monat, Monate natur, Monate eingespeist, Monate entzug1, Monate entzug2,
                     ArbeitsMonate arbeit);
    float RohrRegel(float quellTemp);
    static float Querschnitt(int art, float innen, int kreise, int reihe, int sondenart);
};
