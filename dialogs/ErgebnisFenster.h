#pragma once
// What the result chart dialogs share as windows: a chart control in a dialog layout, the
// chart of a control id, and the colour options the charts are drawn in.
#include <cstdint>

#include "platform/ui/DialogTemplate.h"

class CHMXChart;
class QWidget;

namespace ergebnisfenster {

// "Could not create chart/diagram!"
inline constexpr unsigned kKeinChart = 3284;

// A dialog-layout entry that makes a chart control.
ui::ControlSpec ChartSpec(int id, ui::Rect du);
// The chart of a dialog's control, or none.
CHMXChart* Chart(QWidget* dialog, int id);
// A colour option (COLORREF).
uint32_t Farbe(uint32_t optionId);

}  // namespace ergebnisfenster
