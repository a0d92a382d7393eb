#pragma once
// What the two comparison charts (running costs; running, investment and service costs)
// share: their dialog layout, the options they read, the short system names and the value
// scale.
#include <array>
#include <cstdint>

#include "core/value/VRMString.h"

class CHMXChart;
class CHMXChartModel;
class QWidget;

namespace kostengrafik {

inline constexpr int kIdChart = 1542;  // not a text id

// The own system's name as a chart label: longer than 8 characters it is cut to 8 and ".".
CVRMString KurzerEigenerName(const CVRMString& name);
// The own system's name of the program options ("Wood heating" when empty).
CVRMString EigenerName();
// The label of a comparison position under the bars.
CVRMString SystemLabel(int position, const CVRMString& kurzerEigenerName);
// The value axis from 0 to a round number at or above `max` (not below 0), with the
// distance of two ticks as the rounding step.
void SetzeYSkala(CHMXChartModel& chart, double max);
// A colour option, or the default when it is not set.
uint32_t Farbe(uint32_t optionId, uint32_t vorgabe);
bool Querbalken();
// Registers the chart dialog layout `id`: 320 by 170 dialog units, the chart only.
void RegistriereVorlage(int id, const char16_t* caption);
CHMXChart* Chart(QWidget* dialog);
// Writes the chart as `basis` + suffix of `bildId`; `ziel` gets the file's name. False,
// with `ziel` untouched, when the dialog has no chart to write.
bool SpeichereBild(QWidget* dialog, const CVRMString& basis, unsigned bildId, CVRMString& ziel);

}  // namespace kostengrafik
