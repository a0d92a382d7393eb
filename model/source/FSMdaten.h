#pragma once
// Physical properties of the heat-carrier fluid (brine of ground probes and collectors): a
// water-antifreeze mixture described by its antifreeze name, its concentration in percent by
// volume and its temperature in °C. Two families: monoethylene glycol and all others.
//
// The correlations have no range of their own (a high temperature can give a negative
// viscosity); checking the range is the callers' business.
#include "core/value/VRMString.h"

class CFSMdaten {
  public:
    CFSMdaten() = delete;

    // kg/m³
    static float getDichte(const CVRMString& fluid, unsigned konzentration, float temp);
    // kJ/(kg·K)
    static float getSpezWaerme(const CVRMString& fluid, unsigned konzentration, float temp);
    // mm²/s
    static float getKinViskos(const CVRMString& fluid, unsigned konzentration, float temp);
    // W/(m·K)
    static float getWaermeleit(const CVRMString& fluid, unsigned konzentration, float temp);

    // True when the name does not contain language text 3812 (case-sensitive).
    static bool IstNichtEthylenglykol(const CVRMString& fluid);
};
