#include "controls/chart/HMXChartModel.h"

#include <algorithm>
#include <cmath>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/numbers/Numbers.h"

namespace {

// Fixed limits closer than this are no range of their own.
constexpr double kFesterBereichMindestens = 0.001;

}  // namespace

CHMXDataset& CHMXChartModel::Serie(int ds, const char16_t* ort) {
    if (ds < 0 || ds >= kChartSerien) ThrowFehler(textid::kChartFehler, ort);
    return m_serien[static_cast<std::size_t>(ds)];
}

const CHMXDataset& CHMXChartModel::Serie(int ds, const char16_t* ort) const {
    if (ds < 0 || ds >= kChartSerien) ThrowFehler(textid::kChartFehler, ort);
    return m_serien[static_cast<std::size_t>(ds)];
}

const CHMXDataset& CHMXChartModel::GetDataset(int ds) const { return Serie(ds, u"DrawDataset"); }

void CHMXChartModel::SetXLabelStep(int step) { m_xLabelStep = std::max(step, 1); }

void CHMXChartModel::SetXScaleLabel(int index, const CVRMString& label) {
    if (index < 0) ThrowFehler(textid::kChartFehler, u"SetXScaleLabel(...)");
    if (index >= m_xLabels.GetSize()) m_xLabels.resize(static_cast<std::size_t>(index) + 1);
    m_xLabels[static_cast<std::size_t>(index)] = label;
}

void CHMXChartModel::GetXScaleLabel(int index, CVRMString& label) const {
    if (index < 0 || index >= m_xLabels.GetSize())
        ThrowFehler(textid::kChartFehler, u"GetXScaleLabel(...)");
    label = m_xLabels[static_cast<std::size_t>(index)];
}

void CHMXChartModel::SetXAxisTitle(const CVRMString& title) {
    m_xAxisTitle = title;
    Redraw();
}

void CHMXChartModel::SetYAxisTitle(const CVRMString& title) {
    m_yAxisTitle = title;
    Redraw();
}

void CHMXChartModel::SetRoundY(double step) {
    if (!(step > 0.0)) ThrowFehler(textid::kChartFehler, u"SetRoundY(...)");
    m_roundY = step;
}

void CHMXChartModel::SetYDivisions(int divisions) { m_yDivisions = std::clamp(divisions, 0, 100); }

void CHMXChartModel::SetTitle(const CVRMString& title) {
    m_title = title;
    Redraw();
}

void CHMXChartModel::SetBkColor(uint32_t color) {
    m_bkColor = color;
    Redraw();
}

void CHMXChartModel::SetMaxDataset(int count) {
    if (count < 0 || count > 5) ThrowFehler(textid::kChartFehler, u"SetMaxDataset");
    m_maxDataset = count;
}

void CHMXChartModel::SetDatasetSize(int ds, int size) {
    auto& serie = Serie(ds, u"Chart::SetDatasetSize");
    if (size < 0) ThrowFehler(textid::kChartFehler, u"Chart::SetDatasetSize");
    serie.SetSize(size);
}

int CHMXChartModel::GetDatasetSize(int ds) const {
    return Serie(ds, u"Chart::GetDatasetSize").GetSize();
}

void CHMXChartModel::SetDatasetPenColor(int ds, uint32_t color) {
    Serie(ds, u"SetDatasetPenColor").SetPenColor(color);
}

void CHMXChartModel::GetDatasetPenColor(int ds, uint32_t& color) const {
    color = Serie(ds, u"GetDatasetPenColor").GetPenColor();
}

void CHMXChartModel::SetDatasetDrawSize(int ds, int size) {
    Serie(ds, u"SetDatasetDrawSize").SetDrawSize(size);
}

void CHMXChartModel::GetDatasetDrawSize(int ds, int& size) const {
    size = Serie(ds, u"GetDatasetDrawSize").GetDrawSize();
}

void CHMXChartModel::SetDatasetStyle(int ds, int style) {
    auto& serie = Serie(ds, u"SetDatasetStyle");
    if (style == kStilQuerbalken) m_normal = 0;
    serie.SetStyle(style);
}

void CHMXChartModel::GetDatasetStyle(int ds, int& style) const {
    style = Serie(ds, u"GetDatasetStyle").GetStyle();
}

void CHMXChartModel::SetDatasetMarker(int ds, int marker) {
    Serie(ds, u"SetDatasetMarker").SetMarker(marker);
}

void CHMXChartModel::GetDatasetMarker(int ds, int& marker) const {
    marker = Serie(ds, u"GetDatasetMarker").GetMarker();
}

void CHMXChartModel::SetLegend(int ds, const CVRMString& legend) {
    Serie(ds, u"SetLegend").SetLegend(legend);
}

void CHMXChartModel::GetLegend(int ds, CVRMString& legend) const {
    legend = Serie(ds, u"GetLegend").GetLegend();
}

void CHMXChartModel::SetData(int ds, int index, double value) {
    Serie(ds, u"SetData(int,int,double)").SetData(index, value);
}

void CHMXChartModel::SetData(int ds, double value) {
    Serie(ds, u"SetData(int,double)").AddData(value);
}

void CHMXChartModel::GetData(int ds, int index, double& value) const {
    Serie(ds, u"GetData(int,int,double&)").GetData(index, value);
}

int CHMXChartModel::ZaehleStil(int stil) const {
    return static_cast<int>(std::count_if(m_serien.begin(), m_serien.end(),
                                          [stil](const auto& s) { return s.GetStyle() == stil; }));
}

int CHMXChartModel::GetPointCount() const {
    int anzahl = 0;
    for (const auto& serie : m_serien) anzahl = std::max(anzahl, serie.GetSize());
    return anzahl;
}

bool CHMXChartModel::CalcMinMax() {
    m_yMin = kKeinWert;
    m_yMax = kKeinWert;
    bool gefunden = false;
    for (const auto& serie : m_serien) {
        double min = 0.0, max = 0.0;
        if (!serie.GetMinMax(min, max)) continue;
        if (!gefunden) {
            m_yMin = min;
            m_yMax = max;
            gefunden = true;
            continue;
        }
        m_yMin = std::min(m_yMin, min);
        m_yMax = std::max(m_yMax, max);
    }
    if (!gefunden) return false;
    // Rounding outwards works in whole steps; a step below 1 has no whole part and would
    // divide by zero, so such a range stays as the data gave it.
    const int64_t schritt = platform::toInt64(m_roundY);
    if (schritt >= 1 && m_yMin != kKeinWert) {
        if (m_yMin != 0.0)
            m_yMin = static_cast<double>((platform::toInt64(m_yMin) - schritt) / schritt) * m_roundY;
        if (m_yMax != 0.0)
            m_yMax = static_cast<double>((platform::toInt64(m_yMax) + schritt) / schritt) * m_roundY;
    }
    return true;
}

bool CHMXChartModel::BestimmeWertebereich() {
    if (std::fabs(m_fixedYMin - m_fixedYMax) > kFesterBereichMindestens) {
        m_yMin = m_fixedYMin;
        m_yMax = m_fixedYMax;
        return true;
    }
    CalcMinMax();
    if (m_yMin == kKeinWert || m_yMax == kKeinWert) return false;
    // All values equal (all 0 in a cost chart without costs) leave no range to divide by.
    if (m_yMax == m_yMin) m_yMax = m_yMin + std::max(1.0, m_roundY);
    return true;
}

void CHMXChartModel::FindeWertebereich() {
    if (!BestimmeWertebereich()) ThrowFehler(0, u"");
}
