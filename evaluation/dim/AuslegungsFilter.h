#pragma once
// The one place where the dimensioning page's design is turned into the questions the
// catalogue filter of the heat pump asks (`CWPumpe2::PasstZurAuslegung`).
#include "core/value/VRMString.h"

// The five design values the search is given.
struct SAuslegungsWerte {
    float quellTemp = 0.0f;     // design source temperature at the dimensioning point
    float vorlaufTemp1 = 0.0f;  // required flow temperature at the lowest usable point
    float vorlaufTemp2 = 0.0f;  // required flow temperature at the dimensioning point
    float ruecklaufTemp = 0.0f;
    float leistung = 0.0f;      // required capacity per heat pump (kW)
};

// What the page knows beside them.
struct SSeitenAuslegung {
    int quellArt = 0;         // kind of the first heat source: decides the medium
    int dokModus = 0;         // the operating mode as the document numbers it
    int dimPunktTemp = 0;     // °C
    int minDimPunktTemp = 0;  // lowest usable dimensioning point, °C
    bool festerDimPunkt = false;
    bool keineHeizlast = false;
    SAuslegungsWerte werte;
};

// The heat-pump medium a kind of heat source needs.
int MediumFuerQuellArt(int quellArt);

// Whether catalogue unit `name` fits. In the parallel modes the heat pump keeps running
// below the dimensioning point, so it must also reach the flow temperature and, as an air
// heat pump, still run at the lowest usable point; without heating load the flow
// temperature is not tested.
bool PasstZurSeitenAuslegung(const CVRMString& name, const SSeitenAuslegung& a, float& leistung);
