#pragma once
// What the result charts share: the month axis, the value axis spread into round ticks,
// and the hours of a month that turn a mean power into a month's energy.
#include "controls/chart/HMXChartModel.h"
#include "core/value/VRMString.h"

namespace ergebnisgrafik {

// Hours of a 30-day month.
inline constexpr float kStundenJeMonat = 720.0f;

// The twelve X labels January to December, as the language's month abbreviations.
void MonatsAchse(CHMXChartModel& chart);

// Spreads `min`..`max` into round ticks (from 0 with `abNull`); with two ticks or more the
// chart's fixed range runs from the first to the last, the rounding step is the distance
// of the first two and the divisions count the steps. Fewer ticks leave the range reset.
void SkaliereY(CHMXChartModel& chart, double min, double max, bool abNull);

// A language text.
CVRMString Text(unsigned textId);

}  // namespace ergebnisgrafik
