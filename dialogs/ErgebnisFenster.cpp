#include "dialogs/ErgebnisFenster.h"

#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "controls/chart/HMXChart.h"
#include "platform/ui/Window.h"

namespace ergebnisfenster {

ui::ControlSpec ChartSpec(int id, ui::Rect du) {
    return {id, ui::ControlKind::Custom, du, 0, u"", 0, [](QWidget* p) { return new CHMXChart(p); }};
}

CHMXChart* Chart(QWidget* dialog, int id) { return dynamic_cast<CHMXChart*>(ui::child(dialog, id)); }

uint32_t Farbe(uint32_t optionId) {
    int32_t wert = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(optionId, wert);
    return static_cast<uint32_t>(wert);
}

}  // namespace ergebnisfenster
