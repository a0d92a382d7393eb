#pragma once
// What the design-point dialog computes, without its window: the project's yearly demands,
// the bivalence temperature at which the heat pump delivers a given energy or share of the
// year, and for a heat pump the lowest outdoor temperatures at which it carries the heating
// load alone and reaches the required flow temperature.
#include <functional>

#include "evaluation/dim/DimWerte.h"
#include "evaluation/dim/EnergieUnterTemp.h"

class CHaus2;
class CWPumpe2;

struct SJahresBedarf {
    unsigned heizung = 0;     // kWh
    unsigned warmwasser = 0;  // kWh, 0 unless the heat pump makes the hot water
    unsigned Summe() const { return heizung + warmwasser; }
};

// Heating: the momentary demand of each month x 720 h; hot water: the monthly demand.
SJahresBedarf LeseJahresBedarf(CHaus2& haus);

struct SBivalenzZiel {
    int modus = 0;          // 0: `kWh` delivered by the heat pump, 1: `prozent` of the year
    unsigned kWh = 0;
    unsigned prozent = 0;   // 0..100
};

enum class BivalenzStatus {
    Gefunden,
    NichtErreicht,   // no temperature up to 12 °C: 12 is taken (text 3651 shown)
    ZielZuGross,     // more than the year's demand (text 3650 shown), nothing changes
    KeinHeizbedarf,  // no heating demand: there is nothing to share
};

struct SBivalenz {
    BivalenzStatus status = BivalenzStatus::KeinHeizbedarf;
    int temp = 0;
};

// Energy below a whole temperature (kWh), the house's `EnergieUnterTemp`.
using EnergieUnterFn = std::function<SEnergieUnterTemp(int t)>;

// The first temperature from `startTemp` up to 12 °C at which the heat pump's part and the
// energy below it cover the year.
SBivalenz BerechneDimPunkt(int startTemp, const SJahresBedarf& bedarf, const SBivalenzZiel& ziel,
                           const EnergieUnterFn& energieUnter);

// The lowest temperatures from the start at which a heat pump carries the load alone and
// reaches the flow temperature; 13 when none.
struct SWPGrenzen {
    int leistung = 13;
    int vorlauf = 13;
    unsigned prozent = 0;  // the heat pump's share of the year with the power limit
    int ergebnisTemp = 0;
};
// The design values at a whole temperature, the load shared among `wpumpe`'s units.
using DimWerteFn = std::function<SDimWerte(int t)>;
SWPGrenzen PruefeWaermepumpe(CWPumpe2& wpumpe, int startTemp, const SJahresBedarf& bedarf,
                             const DimWerteFn& dimWerte, const EnergieUnterFn& energieUnter);
