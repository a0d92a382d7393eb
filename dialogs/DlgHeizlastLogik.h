#pragma once
// The estimate of the heating-load dialog without a window: method 1 from the heated area
// and a specific heat load by building category, method 2 from the former yearly oil or
// gas consumption through the house's yearly heating demand.
#include <cstdint>
#include <functional>

#include "model/project/Projekt2.h"

struct SHeizlastEingabe {
    unsigned flaeche = 0;   // heated area [m²]
    unsigned spezLast = 0;  // specific heat load [W/m²]
    unsigned oel = 0;       // former oil consumption [litres/year]
    unsigned gas = 0;       // former gas consumption [m³/year]
    unsigned personen = 0;  // persons whose hot water the consumption contains
    int methode = 0;        // 0 by building category, 1 by former consumption
    int brennstoff = 0;     // 0 oil, 1 gas
};

// The design heat load [kW] at which the house needs the given heat of a year.
using NormHeizlastSuche = std::function<float(float jahresWaerme)>;

// The yearly heat the former consumption gave the house [kWh]: the fuel's consumption
// times its efficiency (the fourth pair of the operating-cost data for oil, the sixth for
// gas, in percent) times 10 kWh per litre or m³, less 800 kWh of hot water per person;
// never below 0.
float JahresWaermeAusVerbrauch(const SHeizlastEingabe& e, const CProjekt2::BKostenDaten& kosten);

// The estimate [kW]. Method 2 also sets the specific heat load the result gives the area
// (rounded); with an area of 0 it keeps the value it had.
float BerechneHeizlast(SHeizlastEingabe& e, const CProjekt2::BKostenDaten& kosten,
                       const NormHeizlastSuche& suche);
