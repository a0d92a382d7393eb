#pragma once
// What a chart holds and every operation that sets or reads it, without a window: up to
// six series, the X labels, titles, scale and grid switches, the value range and the font
// heights. The chart window (CHMXChart) is this model with a window, a layout and a paint.
// Rejected arguments are error 3429 with the operation's place and change nothing.
#include <array>
#include <cstdint>

#include "controls/chart/HMXDataset.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

inline constexpr int kChartSerien = 6;

class CHMXChartModel {
  public:
    CHMXChartModel() = default;
    virtual ~CHMXChartModel() = default;

    // Repaints the window; the model alone has none.
    virtual void Redraw() {}

    void SetXLabelStep(int step);
    int GetXLabelStep() const { return m_xLabelStep; }
    // Grows the label array up to `index`; a negative index is error 3429.
    void SetXScaleLabel(int index, const CVRMString& label);
    void GetXScaleLabel(int index, CVRMString& label) const;
    const CVRMStringArray& GetXScaleLabels() const { return m_xLabels; }
    void SetVertGrid(int flag) { m_vertGrid = flag; }
    int GetVertGrid() const { return m_vertGrid; }
    void SetXAxisTitle(const CVRMString& title);
    CVRMString GetXAxisTitle() const { return m_xAxisTitle; }
    void SetYAxisTitle(const CVRMString& title);
    CVRMString GetYAxisTitle() const { return m_yAxisTitle; }
    // A step that is not greater than 0 is error 3429.
    void SetRoundY(double step);
    double GetRoundY() const { return m_roundY; }
    void SetShowYScale(int flag) { m_showYScale = flag; }
    int GetShowYScale() const { return m_showYScale; }
    void SetHorzGrid(int flag) { m_horzGrid = flag; }
    int GetHorzGrid() const { return m_horzGrid; }
    void SetZeroLine(int flag) { m_zeroLine = flag; }
    int GetZeroLine() const { return m_zeroLine; }
    // Clamped to 0..100; 0 draws neither Y numbers nor horizontal grid lines.
    void SetYDivisions(int divisions);
    int GetYDivisions() const { return m_yDivisions; }
    void SetFixedYMax(double value) { m_fixedYMax = value; }
    double GetFixedYMax() const { return m_fixedYMax; }
    void SetFixedYMin(double value) { m_fixedYMin = value; }
    double GetFixedYMin() const { return m_fixedYMin; }
    void SetBarsOverlap(int flag) { m_barsOverlap = flag; }
    int GetBarsOverlap() const { return m_barsOverlap; }
    // The range found by the last layout.
    double GetYMin() const { return m_yMin; }
    double GetYMax() const { return m_yMax; }
    // The range of the data, rounded outwards to the rounding step; false without any
    // series that has elements.
    bool CalcMinMax();
    void SetTitle(const CVRMString& title);
    CVRMString GetTitle() const { return m_title; }
    // COLORREF 0x00bbggrr.
    void SetBkColor(uint32_t color);
    uint32_t GetBkColor() const { return m_bkColor; }
    // Number of legend entries, 0..5; anything else is error 3429.
    void SetMaxDataset(int count);
    int GetMaxDataset() const { return m_maxDataset; }

    void SetDatasetSize(int ds, int size);
    int GetDatasetSize(int ds) const;
    void SetDatasetPenColor(int ds, uint32_t color);
    void GetDatasetPenColor(int ds, uint32_t& color) const;
    void SetDatasetDrawSize(int ds, int size);
    void GetDatasetDrawSize(int ds, int& size) const;
    // Style 3 turns the whole chart to the horizontal orientation for good.
    void SetDatasetStyle(int ds, int style);
    void GetDatasetStyle(int ds, int& style) const;
    void SetDatasetMarker(int ds, int marker);
    void GetDatasetMarker(int ds, int& marker) const;
    void SetShowLegend(int flag) { m_showLegend = flag; }
    int GetShowLegend() const { return m_showLegend; }
    void SetLegend(int ds, const CVRMString& legend);
    void GetLegend(int ds, CVRMString& legend) const;
    void SetData(int ds, int index, double value);
    void SetData(int ds, double value);
    void GetData(int ds, int index, double& value) const;
    int CountBarDatasets() const { return ZaehleStil(kStilBalken); }
    int CountHBarDatasets() const { return ZaehleStil(kStilQuerbalken); }

    // Font heights in pixels; below 1 the next paint computes one from the layout.
    void SetLegendFontSize(int height) { m_legendFontSize = height; }
    void SetTitleFontSize(int height) { m_titleFontSize = height; }
    void SetXScaleFontSize(int height) { m_xScaleFontSize = height; }
    void SetYScaleFontSize(int height) { m_yScaleFontSize = height; }
    int GetLegendFontSize() const { return m_legendFontSize; }
    int GetTitleFontSize() const { return m_titleFontSize; }
    int GetXScaleFontSize() const { return m_xScaleFontSize; }
    int GetYScaleFontSize() const { return m_yScaleFontSize; }

    // 1 while points run left to right and values bottom to top; 0 once a series has
    // horizontal bars.
    int GetOrientation() const { return m_normal; }
    const CHMXDataset& GetDataset(int ds) const;
    // The largest size among the series.
    int GetPointCount() const;

    // The value range of a layout: the fixed pair when it is one, else the range of the
    // data. An empty range is widened, so that every value maps to a pixel. False, the
    // range unknown, when there is no data at all.
    bool BestimmeWertebereich();
    // As BestimmeWertebereich; no data at all is the generic error.
    void FindeWertebereich();

  private:
    CHMXDataset& Serie(int ds, const char16_t* ort);
    const CHMXDataset& Serie(int ds, const char16_t* ort) const;
    int ZaehleStil(int stil) const;

    CVRMStringArray m_xLabels;
    int m_normal = 1;
    int m_xLabelStep = 1;
    double m_roundY = 10.0;
    int m_showYScale = 1;
    int m_horzGrid = 0;
    int m_vertGrid = 0;
    int m_zeroLine = 0;
    int m_showLegend = 1;
    int m_yDivisions = 0;
    double m_fixedYMin = 0.0;
    double m_fixedYMax = 0.0;
    double m_yMin = 0.0;
    double m_yMax = 0.0;
    std::array<CHMXDataset, kChartSerien> m_serien;
    int m_maxDataset = -1;
    CVRMString m_title;
    CVRMString m_yAxisTitle;
    CVRMString m_xAxisTitle;
    uint32_t m_bkColor = 0xFFFFC8;
    int m_barsOverlap = 0;
    int m_legendFontSize = 0;
    int m_titleFontSize = 0;
    int m_xScaleFontSize = 0;
    int m_yScaleFontSize = 0;
};
