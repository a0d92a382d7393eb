#include "dialogs/KostenGrafik.h"

#include <algorithm>
#include <vector>

#include "controls/chart/HMXChart.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "model/data/AchsenTeilung.h"
#include "model/data/DateiHilfen.h"
#include "model/data/HeizungsNamen.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Window.h"

namespace kostengrafik {

namespace {
constexpr size_t kKurzeLaenge = 8;
}

CVRMString KurzerEigenerName(const CVRMString& name) {
    if (name.size() <= kKurzeLaenge) return name;
    return CVRMString(name.substr(0, kKurzeLaenge)) + u".";
}

CVRMString EigenerName() {
    CVRMString name;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_NAME_ZET, name);
    return name.empty() ? CResManager::getLangText(textid::kHolzheizung) : name;
}

CVRMString SystemLabel(int position, const CVRMString& kurzerEigenerName) {
    return GetHeizungsartKurzname(position, kurzerEigenerName);
}

void SetzeYSkala(CHMXChartModel& chart, double max) {
    std::vector<double> ticks;
    FuelleKurve(0.0, std::max(max, 0.0), true, ticks);
    if (ticks.size() < 2) return;
    const double schritt = ticks[1] - ticks[0];
    chart.SetFixedYMin(ticks.front());
    chart.SetFixedYMax(ticks.back());
    chart.SetRoundY(schritt);
    chart.SetYDivisions(static_cast<int>((ticks.back() - ticks.front()) / schritt + 1e-9));
}

uint32_t Farbe(uint32_t optionId, uint32_t vorgabe) {
    int32_t wert = static_cast<int32_t>(vorgabe);
    GetKelvoApp().GetOptionsManager().GetLongWert(optionId, wert);
    return static_cast<uint32_t>(wert);
}

bool Querbalken() {
    int32_t wert = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_KVHORIZONTAL, wert);
    return wert != 0;
}

void RegistriereVorlage(int id, const char16_t* caption) {
    if (ui::findDialogTemplate(id)) return;
    ui::registerDialogTemplate(
        {id, {320, 170}, 0, caption,
         {{kIdChart, ui::ControlKind::Custom, {0, 0, 320, 170}, 0, u"", 0,
           [](QWidget* p) { return new CHMXChart(p); }}}});
}

CHMXChart* Chart(QWidget* dialog) { return dynamic_cast<CHMXChart*>(ui::child(dialog, kIdChart)); }

bool SpeichereBild(QWidget* dialog, const CVRMString& basis, unsigned bildId, CVRMString& ziel) {
    CHMXChart* chart = Chart(dialog);
    if (!chart) return false;  // no picture written: nothing for the report to name
    CVRMString voll, name;
    GetBildDateiName(basis, bildId, voll, name);
    chart->CopyToFile(voll);
    ziel = name;
    return true;
}

}  // namespace kostengrafik
