#pragma once
// The yearly record of an evaluation summed from its monthly results: which series goes
// into which field, and the fields that come from project, house and heat-pump values
// instead. The document reads those values into SAuswertWerte and calls SummiereJahr.
#include <array>

#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"

// The values of project, house, heat pump and heat source the record takes.
struct SAuswertWerte {
    bool mitFlags = false;           // heat pump valid and the document not busy
    bool abtauenInWPDaten = false;   // heat-pump value 399
    bool luefterInWPDaten = false;   // heat-pump value 401
    unsigned quellPumpe = 0;         // W, project value 467; 0 for direct evaporation
    unsigned heizPumpe = 0;          // W, project value 468
    unsigned solarGewinnAnteil = 0;  // h, the house's solar-gain figure of the project's plant
    unsigned laufzeitHeizPumpe = 0;  // h, project value 464
    bool zirkulation = false;        // house value 188 not 0 and value 224 set
    unsigned zirkPumpe = 0;          // W, house value 227
    float zirkLaufzeit = 0.0f;       // h a day, house value 228
    bool zwischenkreis = false;      // first source's value 296 and heat-pump medium 2
    float zwkPumpe = 0.0f;           // W, heat-pump value 392 times the units
    bool luftWP = false;             // heat-pump medium 1: defrosting counts
    bool abtauenBerechnen = false;   // project value 501
    unsigned stromAbtauen = 0;       // kWh, project value 457
    float kuehlung = 0.0f;           // the cooling module's figure
};

// Fills `r` (reset first) and the twelve monthly sums of heat-pump electricity (heating
// plus hot water). A month whose required heat output is 0.01 kW or less is text 3256.
void SummiereJahr(const CKelvoErgebnisse& e, const SAuswertWerte& w, CAuswertDaten& r,
                  std::array<float, 12>& monatsSummen);
