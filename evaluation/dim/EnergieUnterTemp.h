#pragma once
// The days of the year and the heating energy below an outdoor temperature, from the
// location's weather bins: what a heat pump leaves to another heater when it is designed
// for that temperature.
#include <functional>

#include "evaluation/BinMethode.h"

class CHaus2;

struct SEnergieUnterTemp {
    float tage = 0.0f;
    float energie = 0.0f;  // kWh
};

// `heizbedarf` gives the house's demand (kW) at a whole outdoor temperature. With `relativ`
// only the demand above the demand at `t` counts. A demand that falls as the outdoor
// temperature falls is refused through the error layer.
SEnergieUnterTemp EnergieUnterTemp(BinTage bins, int t, bool relativ,
                                   const std::function<float(float)>& heizbedarf);
// The same over the house's weather bins and demand.
SEnergieUnterTemp EnergieUnterTemp(CHaus2& haus, int t, bool relativ);
// The weather bins of the house's location.
void LeseTempHaeufigkeiten(CHaus2& haus, std::span<float, kBinAnzahl> bins);
