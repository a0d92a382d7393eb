#include "dialogs/ErgebnisGrafik.h"

#include <vector>

#include "core/db/TextIds.h"
#include "model/data/AchsenTeilung.h"

namespace ergebnisgrafik {

void MonatsAchse(CHMXChartModel& chart) {
    for (int m = 0; m < 12; ++m) chart.SetXScaleLabel(m, Text(getMonatAbkIDS(m)));
}

void SkaliereY(CHMXChartModel& chart, double min, double max, bool abNull) {
    std::vector<double> ticks;
    FuelleKurve(min, max, abNull, ticks);
    chart.SetFixedYMin(0.0);
    chart.SetFixedYMax(0.0);
    if (ticks.size() < 2) return;
    const double schritt = ticks[1] - ticks[0];
    chart.SetFixedYMin(ticks.front());
    chart.SetFixedYMax(ticks.back());
    chart.SetRoundY(schritt);
    chart.SetYDivisions(static_cast<int>((ticks.back() - ticks.front()) / schritt));
}

CVRMString Text(unsigned textId) {
    CVRMString text;
    text.LoadStringW(textId);
    return text;
}

}  // namespace ergebnisgrafik
