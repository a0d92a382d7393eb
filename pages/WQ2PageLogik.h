#pragma once
// The rules of the second heat-source page that need no window: when a change of the brine
// fields counts, which comparison heating's investment stands for the second energy source,
// and the flow the heat pump maker asks for.
#include <optional>

// The brine fields as the page holds them.
struct SSoleFelder {
    float dichte = 0.0f, konzentration = 0.0f, innen = 0.0f;
    float spezWaerme = 0.0f, viskositaet = 0.0f;
    float waermeleit = 0.0f;
};
// A change counts from 0.01 (density, concentration, inner diameter), 0.001 (specific heat,
// viscosity) or 0.0001 (heat conductivity) on.
bool SoleGeaendert(const SSoleFelder& alt, const SSoleFelder& neu);

// The investment entry of the comparison heating that the second energy source (value 281)
// stands for: gas 5, oil 3, night storage 8, electric 9, the user's own heating 7; none for
// another index.
std::optional<int> InvestIndexZweiterET(int zweiterET);

// The flow the heat pump maker recommends (m³/h): its nominal source flow for each unit.
float GeforderterVolStrom(float nennVolStrom, unsigned anzahlWP);
// The available flow falls short of what is required.
bool VolStromZuKlein(float verfuegbar, float gefordert);

// Operating modes (value 268) that use the bivalence temperature and those with a second
// energy source.
bool IstMonoenergetisch(int modus);
bool IstBivalent(int modus);
