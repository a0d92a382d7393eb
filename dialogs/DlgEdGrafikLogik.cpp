#include "dialogs/DlgEdGrafikLogik.h"

#include <algorithm>

#include "controls/chart/HMXDataset.h"
#include "dialogs/ErgebnisGrafik.h"

namespace {

using ergebnisgrafik::Text;

constexpr unsigned kLegendeZusatz = 6018;   // "Additional energy"
constexpr unsigned kLegendeUmwelt = 6059;   // "Environment energy"
constexpr unsigned kLegendeAntrieb = 6020;  // "Drive energy"
constexpr unsigned kAchseWert = 6021;       // "kW"
constexpr unsigned kAchseTemp = 6022;       // "Outdoor temperature [°C]"
constexpr unsigned kGanzzahl = 3358;        // "%i"
// A yearly amount in kWh as a mean power in kW: one part in 360 days x 24 hours.
constexpr float kJahrAlsLeistung = 0.00011574074f;
constexpr float kMindestWert = 0.1f;
constexpr int kHoechsteTemp = SEnergiedeckung::kTiefsteTemp + SEnergiedeckung::kPunkte - 1;

}  // namespace

CDlgEdGrafikLogik::CDlgEdGrafikLogik(unsigned titelID, const Kurve& bedarf, const Kurve& leistung,
                                     const Kurve& faktor, int tVon, int tBis, float abzug)
    : m_bedarf(bedarf),
      m_leistung(leistung),
      m_faktor(faktor),
      m_von(std::max(tVon, SEnergiedeckung::kTiefsteTemp)),
      m_bis(std::min(tBis, kHoechsteTemp)),
      m_abzug(abzug),
      m_titelID(titelID) {}

void CDlgEdGrafikLogik::Fuelle(CHMXChartModel& chart, const SEdFarben& farben) const {
    chart.SetBkColor(farben.hintergrund);
    chart.SetDatasetPenColor(kZusatz, farben.zusatz);
    chart.SetDatasetPenColor(kUmwelt, farben.umwelt);
    chart.SetDatasetPenColor(kAntrieb, farben.antrieb);
    chart.SetMaxDataset(3);
    chart.SetBarsOverlap(1);
    const int n = Anzahl();
    for (int d : {kZusatz, kUmwelt, kAntrieb}) {
        chart.SetDatasetSize(d, n);
        chart.SetDatasetStyle(d, kStilFlaeche);
        chart.SetDatasetDrawSize(d, 1);
    }
    chart.SetLegend(kZusatz, Text(kLegendeZusatz));
    chart.SetLegend(kUmwelt, Text(kLegendeUmwelt));
    chart.SetLegend(kAntrieb, Text(kLegendeAntrieb));
    chart.SetShowLegend(1);
    chart.SetHorzGrid(1);
    chart.SetXLabelStep(4);
    chart.SetYAxisTitle(Text(kAchseWert));
    chart.SetXAxisTitle(Text(kAchseTemp));

    const float abzug = m_abzug * kJahrAlsLeistung;
    for (int i = 0; i < n; ++i) {
        const int t = m_von + i;
        CVRMString label;
        label.Format(kGanzzahl, t);
        chart.SetXScaleLabel(i, label);
        const float a = m_bedarf[Index(t)];
        const float b = m_leistung[Index(t)];
        const float f = m_faktor[Index(t)];
        const float m = std::min(a, b);
        chart.SetData(kZusatz, i, a >= kMindestWert ? a : kKeinWert);
        chart.SetData(kUmwelt, i, b >= kMindestWert ? m - abzug : kKeinWert);
        chart.SetData(kAntrieb, i, f >= kMindestWert ? m / f : kKeinWert);
    }
    chart.SetRoundY(10.0);
    chart.SetTitle(Text(m_titelID));
    // The axis fits the largest demand of the whole curve, so ranges of one project compare.
    const float hoechster = *std::max_element(m_bedarf.begin(), m_bedarf.end());
    ergebnisgrafik::SkaliereY(chart, 0.0, hoechster, true);
}
