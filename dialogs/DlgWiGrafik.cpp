#include "dialogs/DlgWiGrafik.h"

#include <algorithm>

#include "app/shell/KelvoApp.h"
#include "controls/chart/HMXChart.h"
#include "core/text/ResManager.h"
#include "dialogs/KostenGrafik.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"

namespace {
constexpr unsigned kKeinDiagramm = 3284;  // "Could not create chart/diagram!"
constexpr unsigned kLegenden[] = {3323, 3325, 3327};  // running, investment, service costs
constexpr uint32_t kWeiss = 0xFFFFFF, kRot = 0x0000FF, kBlau = 0xFF0000, kGruen = 0x00FF00;
}  // namespace

CDlgWiGrafik::CDlgWiGrafik(const Werte& betrieb, const Werte& invest, const Werte& wartung,
                           const SystemFlags& flags, unsigned einheitId, unsigned titelId,
                           QWidget* parent)
    : ui::Dialog(kIDD, parent), m_betrieb(betrieb), m_invest(invest), m_wartung(wartung),
      m_flags(flags), m_einheitId(einheitId), m_titelId(titelId) {
    kostengrafik::RegistriereVorlage(kIDD, u"Wirtschaftlichkeits-Vergleich");
    for (size_t i = 0; i < m_summe.size(); ++i) m_summe[i] = m_wartung[i] + m_betrieb[i] + m_invest[i];
}

CDlgWiGrafik::CDlgWiGrafik(const Werte& betrieb, const Werte& invest, const Werte& wartung,
                           const SystemFlags& flags, unsigned einheitId, unsigned titelId)
    : CDlgWiGrafik(betrieb, invest, wartung, flags, einheitId, titelId, nullptr) {
    createModeless(false);
}

CHMXChart* CDlgWiGrafik::Chart() { return kostengrafik::Chart(this); }

bool CDlgWiGrafik::onInitDialog() {
    CHMXChart* chart = Chart();
    if (!chart) {
        ShowFehler(kKeinDiagramm, u"CDlgWiGrafik::OnInitDialog");
        return true;
    }
    const int n = static_cast<int>(std::count_if(m_flags.begin(), m_flags.end(),
                                                 [](int f) { return f != 0; }));
    chart->SetBkColor(kostengrafik::Farbe(OPT_COLOR_BKGND_WIV, kWeiss));
    chart->SetMaxDataset(3);
    const uint32_t farben[] = {kostengrafik::Farbe(OPT_COLOR_BKV, kRot),
                               kostengrafik::Farbe(OPT_COLOR_WIV, kBlau),
                               kostengrafik::Farbe(OPT_COLOR_WK, kGruen)};
    const int stil = kostengrafik::Querbalken() ? kStilQuerbalken : kStilBalken;
    for (int ds = 0; ds < 3; ++ds) {
        chart->SetDatasetPenColor(ds, farben[ds]);
        chart->SetDatasetStyle(ds, stil);
        chart->SetDatasetSize(ds, n);
        chart->SetDatasetDrawSize(ds, 5);
        chart->SetLegend(ds, CResManager::getLangText(static_cast<uint16_t>(kLegenden[ds])));
    }
    chart->SetShowLegend(1);
    chart->SetXLabelStep(1);
    chart->SetHorzGrid(1);
    chart->SetBarsOverlap(1);
    chart->SetYAxisTitle(CResManager::getLangText(static_cast<uint16_t>(m_einheitId)));
    chart->SetRoundY(1000.0);
    chart->SetTitle(CResManager::getLangText(static_cast<uint16_t>(m_titelId)));
    const CVRMString eigener = kostengrafik::KurzerEigenerName(kostengrafik::EigenerName());
    int index = 0;
    for (int pos = 0; pos < kVergleichsSysteme; ++pos) {
        const auto i = static_cast<size_t>(pos);
        if (!m_flags[i]) continue;
        chart->SetXScaleLabel(index, kostengrafik::SystemLabel(pos, eigener));
        chart->SetData(0, index, m_betrieb[i]);
        chart->SetData(1, index, m_betrieb[i] + m_invest[i]);
        chart->SetData(2, index, m_betrieb[i] + m_invest[i] + m_wartung[i]);
        ++index;
    }
    setWindowTitle(QString::fromStdU16String(GetKelvoAppObjekt().GetAktProjektName()));
    kostengrafik::SetzeYSkala(*chart, *std::max_element(m_summe.begin(), m_summe.end()));
    chart->show();
    updateData(false);
    return true;
}

bool CDlgWiGrafik::SaveChart(const CVRMString& basis, CVRMString& ziel) {
    return kostengrafik::SpeichereBild(
        this, basis, m_titelId == kTitelInvest ? kBildWirtschaft : kBildWirtschaft2, ziel);
}
