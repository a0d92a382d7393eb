#include "dialogs/DlgBKGrafik.h"

#include <algorithm>

#include "app/shell/KelvoApp.h"
#include "controls/chart/HMXChart.h"
#include "core/text/ResManager.h"
#include "dialogs/KostenGrafik.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kTitel = 3682;         // "Comparison of running costs"
constexpr unsigned kKeinDiagramm = 3284;  // "Could not create chart/diagram!"
constexpr uint32_t kWeiss = 0xFFFFFF, kRot = 0x0000FF;
}  // namespace

CDlgBKGrafik::CDlgBKGrafik(const Werte& werte, const SystemFlags& flags, uint32_t abzug,
                           QWidget* parent)
    : ui::Dialog(kIDD, parent), m_werte(werte), m_flags(flags), m_abzug(abzug) {
    kostengrafik::RegistriereVorlage(kIDD, u"Betriebskosten-Vergleich");
    // A heat pump switched off has no bar: nothing to add back, nothing for the axis.
    if (m_flags[0]) m_werte[0] += static_cast<float>(m_abzug);
}

CDlgBKGrafik::CDlgBKGrafik(const Werte& werte, const SystemFlags& flags, uint32_t abzug)
    : CDlgBKGrafik(werte, flags, abzug, nullptr) {
    createModeless(false);
}

CHMXChart* CDlgBKGrafik::Chart() { return kostengrafik::Chart(this); }

bool CDlgBKGrafik::onInitDialog() {
    CHMXChart* chart = Chart();
    if (!chart) {
        ShowFehler(kKeinDiagramm, u"CDlgBKGrafik::OnInitDialog");
        return true;
    }
    m_abzug = 0;
    const int n = static_cast<int>(std::count_if(m_flags.begin(), m_flags.end(),
                                                 [](int f) { return f != 0; }));
    chart->SetBkColor(kostengrafik::Farbe(OPT_COLOR_BKGND_BKV, kWeiss));
    chart->SetMaxDataset(1);
    chart->SetDatasetPenColor(0, kostengrafik::Farbe(OPT_COLOR_BKV, kRot));
    chart->SetDatasetStyle(0, kostengrafik::Querbalken() ? kStilQuerbalken : kStilBalken);
    chart->SetDatasetSize(0, n);
    chart->SetDatasetDrawSize(0, 5);
    chart->SetXLabelStep(1);
    chart->SetShowLegend(0);
    chart->SetYAxisTitle(CResManager::getLangText(
        static_cast<uint16_t>(GetKelvoAppObjekt().GetWaehrungProJahrText())));
    chart->SetTitle(CResManager::getLangText(kTitel));
    chart->SetRoundY(1000.0);
    chart->SetHorzGrid(1);
    chart->SetBarsOverlap(0);
    const CVRMString eigener = kostengrafik::KurzerEigenerName(kostengrafik::EigenerName());
    int index = 0;
    float hoechster = 0.0f;  // only the bars drawn set the axis
    for (int pos = 0; pos < kVergleichsSysteme; ++pos) {
        if (!m_flags[static_cast<size_t>(pos)]) continue;
        chart->SetXScaleLabel(index, kostengrafik::SystemLabel(pos, eigener));
        chart->SetData(0, index, m_werte[static_cast<size_t>(pos)]);
        hoechster = std::max(hoechster, m_werte[static_cast<size_t>(pos)]);
        ++index;
    }
    setWindowTitle(QString::fromStdU16String(GetKelvoAppObjekt().GetAktProjektName()));
    kostengrafik::SetzeYSkala(*chart, hoechster);
    chart->show();
    updateData(false);
    return true;
}

bool CDlgBKGrafik::SaveChart(const CVRMString& basis, CVRMString& ziel) {
    return kostengrafik::SpeichereBild(this, basis, kBildBetriebskosten, ziel);
}
