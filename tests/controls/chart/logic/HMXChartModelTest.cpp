#include "controls/chart/HMXChartModel.h"

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

#include "tests/controls/chart/ChartFixture.h"

namespace {

using charttest::ChartFixture;

class ChartModelTest : public ChartFixture {
  protected:
    CHMXChartModel chart;
};

TEST_F(ChartModelTest, SettersClampToTheirRanges) {
    const struct {
        const char* name;
        std::function<void(CHMXChartModel&, int)> setze;
        std::function<int(const CHMXChartModel&)> lies;
        int eingabe;
        int erwartet;
    } faelle[] = {
        {"step 0", &CHMXChartModel::SetXLabelStep, &CHMXChartModel::GetXLabelStep, 0, 1},
        {"step -4", &CHMXChartModel::SetXLabelStep, &CHMXChartModel::GetXLabelStep, -4, 1},
        {"step 3", &CHMXChartModel::SetXLabelStep, &CHMXChartModel::GetXLabelStep, 3, 3},
        {"divisions -5", &CHMXChartModel::SetYDivisions, &CHMXChartModel::GetYDivisions, -5, 0},
        {"divisions 250", &CHMXChartModel::SetYDivisions, &CHMXChartModel::GetYDivisions, 250, 100},
        {"divisions 6", &CHMXChartModel::SetYDivisions, &CHMXChartModel::GetYDivisions, 6, 6},
        {"draw size 0", [](auto& c, int v) { c.SetDatasetDrawSize(2, v); },
         [](const auto& c) { int v = 0; c.GetDatasetDrawSize(2, v); return v; }, 0, 1},
        {"draw size 25", [](auto& c, int v) { c.SetDatasetDrawSize(2, v); },
         [](const auto& c) { int v = 0; c.GetDatasetDrawSize(2, v); return v; }, 25, 10},
        {"draw size 7", [](auto& c, int v) { c.SetDatasetDrawSize(2, v); },
         [](const auto& c) { int v = 0; c.GetDatasetDrawSize(2, v); return v; }, 7, 7},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        f.setze(chart, f.eingabe);
        EXPECT_EQ(f.lies(chart), f.erwartet);
    }
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(ChartModelTest, RejectedArgumentsReport3429WithTheirPlaceAndChangeNothing) {
    chart.SetRoundY(5.0);
    chart.SetMaxDataset(2);
    chart.SetDatasetSize(0, 2);
    chart.SetXScaleLabel(0, u"Jul");
    const struct {
        std::function<void()> aufruf;
        std::u16string ort;
    } faelle[] = {
        {[&] { chart.SetRoundY(0.0); }, u"SetRoundY(...)"},
        {[&] { chart.SetRoundY(-10.0); }, u"SetRoundY(...)"},
        {[&] { chart.SetRoundY(std::numeric_limits<double>::quiet_NaN()); }, u"SetRoundY(...)"},
        {[&] { chart.SetMaxDataset(6); }, u"SetMaxDataset"},
        {[&] { chart.SetMaxDataset(-1); }, u"SetMaxDataset"},
        {[&] { chart.SetDatasetSize(6, 3); }, u"Chart::SetDatasetSize"},
        {[&] { chart.SetDatasetSize(0, -1); }, u"Chart::SetDatasetSize"},
        {[&] { chart.GetDatasetSize(-1); }, u"Chart::GetDatasetSize"},
        {[&] { chart.SetDatasetPenColor(6, 0xFF); }, u"SetDatasetPenColor"},
        {[&] { uint32_t c; chart.GetDatasetPenColor(-1, c); }, u"GetDatasetPenColor"},
        {[&] { chart.SetDatasetDrawSize(7, 3); }, u"SetDatasetDrawSize"},
        {[&] { chart.SetDatasetStyle(6, 3); }, u"SetDatasetStyle"},
        {[&] { int m; chart.GetDatasetMarker(6, m); }, u"GetDatasetMarker"},
        {[&] { chart.SetLegend(-1, u"x"); }, u"SetLegend"},
        {[&] { chart.SetData(6, 0, 1.0); }, u"SetData(int,int,double)"},
        {[&] { chart.SetData(6, 1.0); }, u"SetData(int,double)"},
        {[&] { double v; chart.GetData(6, 0, v); }, u"GetData(int,int,double&)"},
        // The series checks its own index after the chart has checked the series.
        {[&] { chart.SetData(0, 2, 1.0); }, u"SetData( int nIndex, double nData )"},
        {[&] { double v; chart.GetData(0, -1, v); }, u"GetData( int nIndex, double& nData )"},
        {[&] { CVRMString t; chart.GetXScaleLabel(1, t); }, u"GetXScaleLabel(...)"},
        {[&] { chart.SetXScaleLabel(-1, u"x"); }, u"SetXScaleLabel(...)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.ort.begin(), f.ort.end()));
        ErwarteChartFehler(f.aufruf, f.ort);
    }
    EXPECT_EQ(chart.GetRoundY(), 5.0);
    EXPECT_EQ(chart.GetMaxDataset(), 2);
    EXPECT_EQ(chart.GetDatasetSize(0), 2);
    EXPECT_EQ(chart.GetOrientation(), 1);
    EXPECT_EQ(chart.GetXScaleLabels().GetSize(), 1);
}

TEST_F(ChartModelTest, LabelsGrowToTheirIndex) {
    chart.SetXScaleLabel(3, u"Oct");
    CVRMString label(u"x");
    chart.GetXScaleLabel(1, label);
    EXPECT_EQ(label, u"");
    chart.GetXScaleLabel(3, label);
    EXPECT_EQ(label, u"Oct");
}

TEST_F(ChartModelTest, HorizontalBarsTurnTheWholeChartForGood) {
    chart.SetDatasetStyle(1, kStilQuerbalken);
    EXPECT_EQ(chart.GetOrientation(), 0);
    chart.SetDatasetStyle(1, kStilLinie);
    EXPECT_EQ(chart.GetOrientation(), 0);
    EXPECT_EQ(chart.CountHBarDatasets(), 0);
}

TEST_F(ChartModelTest, OnlyTitlesAndTheBackgroundRepaint) {
    struct Zaehler : CHMXChartModel {
        int neu = 0;
        void Redraw() override { ++neu; }
    } zaehler;
    zaehler.SetTitle(u"t");
    zaehler.SetXAxisTitle(u"x");
    zaehler.SetYAxisTitle(u"y");
    zaehler.SetBkColor(0xFFFFFF);
    zaehler.SetData(0, 1.0);
    zaehler.SetHorzGrid(1);
    zaehler.SetDatasetPenColor(0, 0xFF);
    EXPECT_EQ(zaehler.neu, 4);
}

// The automatic range is the data range rounded outwards in whole steps; a maximum that
// is already a multiple still gains one step.
TEST_F(ChartModelTest, AutomaticRangeRoundsOutwards) {
    const struct {
        double a, b, schritt;
        double min, max;
    } faelle[] = {
        {3, 57, 10, 0, 60},      // (3-10)/10 = 0; (57+10)/10 = 6
        {-3, 57, 10, -10, 60},   // (-3-10)/10 = -1
        {20, 60, 10, 10, 70},    // (20-10)/10 = 1; (60+10)/10 = 7
        {-35, -5, 10, -40, 0},   // (-35-10)/10 = -4; (-5+10)/10 = 0
        {0, 480, 100, 0, 500},   // a minimum of 0 stays
        {3.2, 5.7, 0.5, 3.2, 5.7},  // no whole step: left as the data gave it
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.a << ".." << f.b << " step " << f.schritt);
        CHMXChartModel c;
        c.SetRoundY(f.schritt);
        c.SetData(0, f.a);
        c.SetData(0, kKeinWert);
        c.SetData(1, f.b);
        ASSERT_TRUE(c.CalcMinMax());
        EXPECT_DOUBLE_EQ(c.GetYMin(), f.min);
        EXPECT_DOUBLE_EQ(c.GetYMax(), f.max);
    }
}

TEST_F(ChartModelTest, RangeOfALayout) {
    // Fixed limits that differ by more than 0.001 are the range as they stand.
    chart.SetData(0, 57.0);
    chart.SetFixedYMin(-5.0);
    chart.SetFixedYMax(105.0);
    chart.FindeWertebereich();
    EXPECT_EQ(chart.GetYMin(), -5.0);
    EXPECT_EQ(chart.GetYMax(), 105.0);
    // Closer ones are ignored: 57 alone rounds to (57-10)/10*10 .. (57+10)/10*10.
    chart.SetFixedYMin(1.0);
    chart.SetFixedYMax(1.0005);
    chart.FindeWertebereich();
    EXPECT_EQ(chart.GetYMin(), 40.0);
    EXPECT_EQ(chart.GetYMax(), 60.0);
    EXPECT_TRUE(presenter.shown.empty());
}

// All values equal (a cost chart without costs) would leave a range of width 0 to
// divide by: it is widened by one rounding step, at least by 1.
TEST_F(ChartModelTest, AnEmptyRangeIsWidened) {
    const struct {
        double wert, schritt, min, max;
    } faelle[] = {
        {0.0, 10.0, 0.0, 10.0},
        {0.0, 0.5, 0.0, 1.0},
        {4.5, 0.25, 4.5, 5.5},
    };
    for (const auto& f : faelle) {
        CHMXChartModel c;
        c.SetRoundY(f.schritt);
        for (int i = 0; i < 12; ++i) c.SetData(0, f.wert);
        c.FindeWertebereich();
        EXPECT_EQ(c.GetYMin(), f.min);
        EXPECT_EQ(c.GetYMax(), f.max);
    }
}

TEST_F(ChartModelTest, NoValueAtAllIsTheGenericError) {
    EXPECT_FALSE(chart.CalcMinMax());
    ErwarteFehler([&] { chart.FindeWertebereich(); }, u"Exception", u"");
    chart.SetData(2, kKeinWert);
    EXPECT_TRUE(chart.CalcMinMax());
    ErwarteFehler([&] { chart.FindeWertebereich(); }, u"Exception", u"");
}

TEST(HMXDataset, MinMaxSkipsPointsWithoutValue) {
    CHMXDataset serie;
    double min = 1.0, max = 1.0;
    EXPECT_FALSE(serie.GetMinMax(min, max));
    EXPECT_EQ(min, 0.0);
    EXPECT_EQ(max, 0.0);

    serie.AddData(kKeinWert);
    EXPECT_TRUE(serie.GetMinMax(min, max));
    EXPECT_EQ(min, DBL_MAX);
    EXPECT_EQ(max, -DBL_MAX);

    for (double v : {4.0, kKeinWert, -2.5, 9.0}) serie.AddData(v);
    EXPECT_TRUE(serie.GetMinMax(min, max));
    EXPECT_EQ(min, -2.5);
    EXPECT_EQ(max, 9.0);
}

TEST(HMXDataset, ResizingKeepsValuesAndFillsWithZero) {
    CHMXDataset serie;
    serie.AddData(7.0);
    serie.SetSize(3);
    double v = -1.0;
    serie.GetData(0, v);
    EXPECT_EQ(v, 7.0);
    serie.GetData(2, v);
    EXPECT_EQ(v, 0.0);
    serie.SetSize(0);
    EXPECT_EQ(serie.GetSize(), 0);
}

}  // namespace
