#include "dialogs/KelvoView2DlgLogik.h"

#include <algorithm>

#include "controls/chart/HMXDataset.h"
#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/ErgebnisGrafik.h"
#include "model/errors/Fehler.h"

namespace {

using ergebnisgrafik::Text;

constexpr unsigned kTitel = 3293;          // "Average monthly temperature in °C"
constexpr unsigned kUngestoertName = 3290;  // "Original src. temp."
constexpr unsigned kResultName = 3289;      // "Resultant src. temp."
constexpr unsigned kSoleName = 3291;        // "Brine temperature"
constexpr unsigned kLabelSole = 3311;
constexpr unsigned kLabelLuft = 3312;
constexpr unsigned kLabelWasser = 3313;
constexpr unsigned kLabelErdreich = 3674;
constexpr int kDirektverdampfer = 3;  // heat-pump medium kind without a brine circuit
constexpr int kWasser = 3;            // source kind: ground water
// The brine stays at least this much below the source it draws from.
constexpr float kSoleAbstand = 1.0f;
// 1/12 and 1/7 as the single-precision factors of the means.
constexpr float kZwoelftel = 0.083333336f;
constexpr float kSiebtel = 0.14285715f;
constexpr int kWinterMonate[] = {0, 1, 2, 3, 9, 10, 11};

}  // namespace

void CKelvoView2DlgLogik::InitChart(CHMXChartModel& chart, const SQuellFarben& farben) {
    chart.SetBkColor(farben.hintergrund);
    chart.SetMaxDataset(3);
    for (int d : {kUngestoert, kResultierend, kSole}) {
        chart.SetDatasetSize(d, 12);
        chart.SetDatasetStyle(d, kStilLinie);
    }
    chart.SetDatasetPenColor(kUngestoert, farben.ungestoert);
    chart.SetDatasetPenColor(kResultierend, farben.resultierend);
    chart.SetDatasetPenColor(kSole, farben.sole);
    chart.SetXLabelStep(1);
    ergebnisgrafik::MonatsAchse(chart);
    chart.SetRoundY(5.0);
    chart.SetTitle(Text(kTitel));
    chart.SetHorzGrid(1);
}

void CKelvoView2DlgLogik::UpdateBerechnungen(const SQuellErgebnisse& e) {
    m_e = e;
    resultTemp1 = e.ergebnisse.Reihe(ER_QuellTemp1);
    resultTemp2 = e.ergebnisse.Reihe(ER_QuellTemp2);
    quellTemp1 = e.ergebnisse.Reihe(ER_UngestoertTemp1);
    quellTemp2 = e.ergebnisse.Reihe(ER_UngestoertTemp2);
    soleTemp = e.ergebnisse.Reihe(ER_SoleTemp);
    for (size_t m = 0; m < 12; ++m) {
        soleTemp[m] += e.spreizung * 0.5f;
        if (e.spreizung <= 0.0f) continue;
        if (resultTemp1[m] - kSoleAbstand < soleTemp[m]) soleTemp[m] = resultTemp1[m] - kSoleAbstand;
        if (e.zweiQuellen && soleTemp[m] > resultTemp2[m] - kSoleAbstand)
            soleTemp[m] = resultTemp2[m] - kSoleAbstand;
    }
    if (e.zwischenkreis1 && e.art1 == kWasser)
        for (float& t : quellTemp1) t -= static_cast<float>(e.zwischenkreisAbzug);
    m_mittel1 = Waehle(e.art1, resultTemp1, u"CKelvoView2Dlg::UpdateBerechnungen");
}

void CKelvoView2DlgLogik::UpdateBerechnungen2() {
    if (!m_e.zweiQuellen) return;
    m_mittel2 = Waehle(m_e.art2, resultTemp2, u"CKelvoView2Dlg::UpdateBerechnungen2");
}

SQuellMittel CKelvoView2DlgLogik::Waehle(int art, const std::array<float, 12>& result,
                                         const char16_t* ort) const {
    SQuellMittel mittel;
    const std::array<float, 12>* reihe = &soleTemp;
    switch (art) {
        case 0:
        case 1:
        case 4:
        case 5:
            if (m_e.wpMedium == kDirektverdampfer) {
                mittel.label = kLabelErdreich;
                reihe = &result;
            } else {
                mittel.label = kLabelSole;
            }
            break;
        case 2:
        case 6:
            mittel.label = kLabelLuft;
            break;
        case 3:
            mittel.label = kLabelWasser;
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, ort);
    }
    float summe = 0.0f;
    for (float t : *reihe) summe += t;
    mittel.jahr = summe * kZwoelftel;
    float winter = 0.0f;
    for (int m : kWinterMonate) winter += (*reihe)[static_cast<size_t>(m)];
    mittel.winter = winter * kSiebtel;
    return mittel;
}

void CKelvoView2DlgLogik::UpdateChartTemperatur(CHMXChartModel& chart, int nummer, int ds,
                                                bool zeigen) const {
    if (ds < 0 || ds >= chart.GetMaxDataset())
        ThrowFehler(0, u"CKelvoView2Dlg::UpdateChartTemperatur");
    static constexpr unsigned kNamen[] = {kUngestoertName, kResultName, kSoleName};
    const std::array<float, 12>* reihen[] = {nummer == 1 ? &quellTemp1 : &quellTemp2,
                                             nummer == 1 ? &resultTemp1 : &resultTemp2, &soleTemp};
    chart.SetLegend(ds, zeigen ? Text(kNamen[ds]) : CVRMString());
    for (int m = 0; m < 12; ++m)
        chart.SetData(ds, m, zeigen ? static_cast<double>((*reihen[ds])[static_cast<size_t>(m)]) : kKeinWert);
}

bool CKelvoView2DlgLogik::ZeigtResultierend(int nummer) const {
    return nummer == 1 ? IstErdreich(m_e.art1) : IstErdreich(m_e.art2) || IstLuft(m_e.art1);
}

bool CKelvoView2DlgLogik::ZeigtSole(int nummer) const {
    return IstErdreich(nummer == 1 ? m_e.art1 : m_e.art2) && m_e.wpMedium != kDirektverdampfer;
}

void CKelvoView2DlgLogik::UpdateChart1(CHMXChartModel& chart) const {
    UpdateChartTemperatur(chart, 1, kUngestoert, true);
    UpdateChartTemperatur(chart, 1, kResultierend, ZeigtResultierend(1));
    UpdateChartTemperatur(chart, 1, kSole, ZeigtSole(1));
    // Both charts share this axis, so it spans every curve either of them shows: a second
    // source's curve outside the first one's range would otherwise be cut off.
    double min = 0.0, max = 0.0;
    const auto umfasse = [&](const std::array<float, 12>& reihe) {
        for (float t : reihe) {
            min = std::min(min, static_cast<double>(t));
            max = std::max(max, static_cast<double>(t));
        }
    };
    for (int nummer = 1; nummer <= (m_e.zweiQuellen ? 2 : 1); ++nummer) {
        umfasse(nummer == 1 ? quellTemp1 : quellTemp2);
        if (ZeigtResultierend(nummer)) umfasse(nummer == 1 ? resultTemp1 : resultTemp2);
        if (ZeigtSole(nummer)) umfasse(soleTemp);
    }
    ergebnisgrafik::SkaliereY(chart, min, max, false);
}

void CKelvoView2DlgLogik::UpdateChart2(CHMXChartModel& chart, const CHMXChartModel& chart1) const {
    UpdateChartTemperatur(chart, 2, kUngestoert, true);
    UpdateChartTemperatur(chart, 2, kResultierend, ZeigtResultierend(2));
    UpdateChartTemperatur(chart, 2, kSole, ZeigtSole(2));
    chart.SetRoundY(chart1.GetRoundY());
    chart.SetFixedYMax(chart1.GetFixedYMax());
    chart.SetFixedYMin(chart1.GetFixedYMin());
    chart.SetYDivisions(chart1.GetYDivisions());
}

CVRMString CKelvoView2DlgLogik::ListenZeile(int monat) const {
    const auto m = static_cast<size_t>(monat);
    CVRMString zeile;
    zeile.Format(u"%s\t%.1f / %.1f kW", Text(getMonatAbkIDS(monat)),
                 static_cast<double>(m_e.ergebnisse.Reihe(ER_WPQuellLeistung)[m]),
                 static_cast<double>(m_e.ergebnisse.Reihe(ER_WPHeizLeistung)[m]));
    return zeile;
}
