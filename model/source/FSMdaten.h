#pragma once
// Physical properties of the heat-carrier fluid (brine of ground probes and collectors): a
// water-antifreeze mixture described by its antifreeze name, its concentration in percent by
// volume and its temperature in °C. Two families: monoethylene glycol and all others.
//
// The correlations have no range of their own; checking the range is the callers' business.
// Only the viscosity is held up: its fits are linear in temperature and fall below water
// (even below zero) for warm glycol mixtures, where a real mixture is always thicker.
#include "core/value/VRMString.h"

class CFSMdaten {
  public:
    CFSMdaten() = delete;

    // kg/m³
    static float getDichte(const CVRMString& fluid, unsigned konzentration, float temp);
    // kJ/(kg·K)
    static float getSpezWaerme(const CVRMString& fluid, unsigned konzentration, float temp);
    // Lowest kinematic viscosity the fluid data give, in mm²/s (water near 45 °C).
    static constexpr float kMinKinViskos = 0.3f;

    // mm²/s; never below the water line 1.6 - 0.03 T nor below kMinKinViskos.
    static float getKinViskos(const CVRMString& fluid, unsigned konzentration, float temp);
    // W/(m·K)
    static float getWaermeleit(const CVRMString& fluid, unsigned konzentration, float temp);

    // True when the name does not contain language text 3812 (case-sensitive).
    static bool IstNichtEthylenglykol(const CVRMString& fluid);

    // The same by the family the name belongs to, for a caller that asked it once.
    static float getDichte(bool nichtEthylenglykol, unsigned konzentration, float temp);
    static float getSpezWaerme(bool nichtEthylenglykol, unsigned konzentration, float temp);
    static float getKinViskos(bool nichtEthylenglykol, unsigned konzentration, float temp);
    static float getWaermeleit(bool nichtEthylenglykol, unsigned konzentration, float temp);
};
