#include "controls/chart/ChartLayout.h"

#include "tests/controls/chart/ChartFixture.h"

namespace {

using charttest::ChartFixture;

class ChartLayoutTest : public ChartFixture {
  protected:
    ChartLayout Layout(int breite, int hoehe) {
        chart.FindeWertebereich();
        return ChartLayout(chart, {{0, 0, breite, hoehe}, 30, 20});
    }
    CHMXChartModel chart;
};

// A 400 x 300 window: margins 400/80 = 5 and 300/80 = 3 give the inner (5,3,395,297); the
// title band ends at 297/10 = 29, the legend band is 29 high, so the graph is
// (5,29,395,268); the scales end at 29 + 239*85/100 = 232; the Y scale is as wide as the
// widest number (20), the X scale's labels are 30 wide.
TEST_F(ChartLayoutTest, RectanglesOfANormalChart) {
    chart.SetTitle(u"Heating energy");
    chart.SetData(0, 10.0);
    const auto l = Layout(400, 300);
    EXPECT_EQ(l.inner, (ChartRect{5, 3, 395, 297}));
    EXPECT_EQ(l.titel, (ChartRect{5, 3, 395, 29}));
    EXPECT_EQ(l.graph, (ChartRect{5, 29, 395, 268}));
    EXPECT_EQ(l.yScale, (ChartRect{5, 29, 25, 232}));
    EXPECT_EQ(l.xScale, (ChartRect{25, 232, 395, 268}));
    EXPECT_EQ(l.daten, (ChartRect{25, 29, 395, 232}));
    EXPECT_EQ(l.legende, (ChartRect{25, 268, 395, 297}));
    EXPECT_EQ(l.punkte, 1);
}

TEST_F(ChartLayoutTest, WithoutTitleTheGraphStartsAtTheInnerTop) {
    chart.SetData(0, 10.0);
    const auto l = Layout(400, 300);
    // The title band stays where it was, unused.
    EXPECT_EQ(l.titel, (ChartRect{5, 3, 395, 29}));
    EXPECT_EQ(l.graph, (ChartRect{5, 3, 395, 268}));
    EXPECT_EQ(l.daten, (ChartRect{25, 3, 395, 228}));  // 3 + 265*85/100
}

// An axis title 15 high gets a band of its own below the title band (29 + 15 = 44), and
// the graph starts 9 further down, where the top Y number reaches up to.
TEST_F(ChartLayoutTest, TheAxisTitleAndTheTopNumberHaveRoomAboveTheGraph) {
    chart.SetTitle(u"Heating energy");
    chart.SetData(0, 10.0);
    chart.FindeWertebereich();
    const ChartLayout l(chart, {{0, 0, 400, 300}, 30, 20, 15, 9});
    EXPECT_EQ(l.titel, (ChartRect{5, 3, 395, 29}));
    EXPECT_EQ(l.achsentitel, (ChartRect{5, 29, 395, 44}));
    EXPECT_EQ(l.graph, (ChartRect{5, 53, 395, 268}));
    EXPECT_EQ(l.daten.top, 53);
}

TEST_F(ChartLayoutTest, HorizontalChartPutsLabelsLeftAndNumbersBelow) {
    chart.SetData(0, 10.0);
    chart.SetDatasetStyle(0, kStilQuerbalken);
    chart.SetShowLegend(0);
    const auto l = Layout(400, 300);
    EXPECT_EQ(l.graph, (ChartRect{5, 3, 395, 297}));
    EXPECT_EQ(l.yScale.right, 35);                       // widest label
    EXPECT_EQ(l.daten, (ChartRect{35, 3, 385, 252}));    // 395 - 20/2; 3 + 294*85/100
    EXPECT_EQ(l.xScale, (ChartRect{35, 252, 385, 297}));
    EXPECT_EQ(l.legende.Height(), 0);
}

TEST_F(ChartLayoutTest, AutomaticFontHeights) {
    chart.SetTitle(u"t");
    chart.SetData(0, 1.0);
    auto l = Layout(400, 300);
    EXPECT_EQ(l.TitelSchrift(), 18);       // 26*5/7
    EXPECT_EQ(l.XScaleSchrift(12), 15);    // 36*5/9 = 20, at most 15
    EXPECT_EQ(l.LegendeSchrift(), 19);     // 29*2/3
    l.normal = false;
    EXPECT_EQ(l.XScaleSchrift(12), 10);    // 203/12*0.625 = 10.6
    // No labels would divide by 0: the count is taken as at least 1.
    EXPECT_EQ(l.XScaleSchrift(0), 15);
}

// A data area of 240 x 200 from (100,50) with 12 points: slots of 20, 10 pixels per
// value unit of a 0..100 range... scaled: py(v) = 250 - trunc(200 v / 100).
class ChartFlaecheTest : public ::testing::Test {
  protected:
    ChartFlaecheTest() {
        l.daten = {100, 50, 340, 250};
        l.punkte = 12;
        l.yMin = 0.0;
        l.yMax = 100.0;
    }
    static CHMXDataset Serie(std::initializer_list<double> werte, int drawSize = 2) {
        CHMXDataset s;
        for (double w : werte) s.AddData(w);
        s.SetDrawSize(drawSize);
        return s;
    }
    ChartLayout l;
};

TEST_F(ChartFlaecheTest, ValuesMapIntoTheDataArea) {
    EXPECT_EQ(l.WertY(0.0), 250);
    EXPECT_EQ(l.WertY(100.0), 50);
    EXPECT_EQ(l.WertY(33.0), 184);   // 250 - trunc(66)
    EXPECT_EQ(l.PunktX(0), 110);     // 100 + 0 + 20/2
    EXPECT_EQ(l.PunktX(11), 330);
    EXPECT_EQ(l.WertX(0.0), 101);    // the horizontal axis starts one pixel right
    EXPECT_EQ(l.WertX(50.0), 221);   // 101 + trunc(240/200 * 100)
}

// Values 1, no value, 3: one line from the first to the third point, markers on those two.
TEST_F(ChartFlaecheTest, ALineSkipsAPointWithoutValue) {
    l.punkte = 3;
    l.daten = {0, 0, 300, 60};
    l.yMax = 60.0;
    const auto punkte = l.LinienPunkte(Serie({1.0, kKeinWert, 3.0}));
    EXPECT_EQ(punkte, (std::vector<ChartPunkt>{{50, 59}, {250, 57}}));
}

TEST_F(ChartFlaecheTest, MarkerShapes) {
    ChartMarker m;
    ASSERT_TRUE(ChartLayout::Marker(1, {50, 50}, 4, m));
    EXPECT_EQ(m.ecken, (std::vector<ChartPunkt>{{50, 46}, {54, 54}, {46, 54}}));
    ASSERT_TRUE(ChartLayout::Marker(2, {50, 50}, 4, m));
    EXPECT_EQ(m.ecken, (std::vector<ChartPunkt>{{46, 46}, {54, 46}, {54, 54}, {46, 54}}));
    ASSERT_TRUE(ChartLayout::Marker(3, {50, 50}, 4, m));
    EXPECT_TRUE(m.kreis);
    EXPECT_EQ(m.box, (ChartRect{46, 46, 54, 54}));
    ASSERT_TRUE(ChartLayout::Marker(4, {50, 50}, 4, m));
    EXPECT_EQ(m.ecken, (std::vector<ChartPunkt>{{50, 46}, {54, 50}, {50, 54}, {46, 50}}));
    EXPECT_FALSE(ChartLayout::Marker(5, {50, 50}, 4, m));
    EXPECT_FALSE(ChartLayout::Marker(-1, {50, 50}, 4, m));
}

// Overlapping bars of draw size 10 fill their slot: half width trunc(10*0.1*20/2) = 10,
// offset 20/2 = 10.
TEST_F(ChartFlaecheTest, OverlappingBarsOfSizeTenFillTheirSlot) {
    const auto balken = l.Balken(Serie({kKeinWert, kKeinWert, kKeinWert, 50.0}, 10), 0, 1, true);
    ASSERT_EQ(balken.size(), 1u);
    EXPECT_EQ(balken[0].index, 3);
    EXPECT_EQ(balken[0].rect, (ChartRect{160, 150, 180, 250}));
    EXPECT_EQ(balken[0].beschriftung, (ChartRect{150, 130, 190, 150}));
}

// Two bar series in slots of 60: half width trunc(3*0.1*60/2) = 9, p = trunc(30/3) = 10;
// offsets 2*1*10 and 2*2*10, each moved by -9 + trunc((60 - 2*2*9)/2) = +3.
TEST_F(ChartFlaecheTest, BarsOfTwoSeriesStandSideBySide) {
    l.daten = {0, 0, 720, 200};
    const auto erste = l.Balken(Serie({40.0}, 3), 0, 2, false);
    const auto zweite = l.Balken(Serie({40.0}, 3), 1, 2, false);
    ASSERT_EQ(erste.size(), 1u);
    ASSERT_EQ(zweite.size(), 1u);
    EXPECT_EQ(erste[0].rect.left, 14);
    EXPECT_EQ(erste[0].rect.right, 32);
    EXPECT_EQ(zweite[0].rect.left, 34);
    EXPECT_EQ(zweite[0].rect.right, 52);
}

TEST_F(ChartFlaecheTest, NegativeBarsHangFromTheZeroLine) {
    l.yMin = -50.0;
    l.yMax = 50.0;
    const auto balken = l.Balken(Serie({-20.0}, 10), 0, 1, true);
    ASSERT_EQ(balken.size(), 1u);
    EXPECT_EQ(balken[0].rect, (ChartRect{100, 150, 120, 190}));  // py(0) = 150, py(-20) = 190
    EXPECT_EQ(balken[0].beschriftung, (ChartRect{90, 190, 130, 210}));
}

// Slots of 200/10 = 20 rows; bar 2 spans rows 40..60 above the bottom.
TEST_F(ChartFlaecheTest, HorizontalBarsRunFromTheBottomUp) {
    l.punkte = 10;
    l.normal = false;
    const auto balken = l.Querbalken(Serie({kKeinWert, kKeinWert, 50.0}, 10), 0, 1, true);
    ASSERT_EQ(balken.size(), 1u);
    EXPECT_EQ(balken[0].rect, (ChartRect{101, 190, 221, 210}));
    EXPECT_EQ(balken[0].beschriftung, (ChartRect{226, 180, 306, 220}));
}

TEST_F(ChartFlaecheTest, AnAreaIsClosedAlongItsBaseline) {
    l.punkte = 3;
    l.daten = {0, 0, 300, 60};
    l.yMax = 60.0;
    EXPECT_EQ(l.Flaeche(Serie({10.0, kKeinWert, 30.0})),
              (std::vector<ChartPunkt>{{50, 60}, {50, 50}, {250, 30}, {250, 60}}));
    EXPECT_TRUE(l.Flaeche(Serie({kKeinWert})).empty());
}

TEST_F(ChartFlaecheTest, GridLinesAndScaleCells) {
    l.daten = {0, 0, 200, 100};
    l.yScale = {0, 0, 0, 100};
    l.xScale = {0, 100, 200, 120};
    l.punkte = 10;
    std::vector<int> xs;
    for (const auto& linie : l.VertikaleGitterlinien(3)) xs.push_back(linie.von.x);
    EXPECT_EQ(xs, (std::vector<int>{10, 70, 130, 190, 200}));  // trunc((i + 0.5) * 20), right

    std::vector<int> ys;
    for (const auto& linie : l.HorizontaleGitterlinien(4)) ys.push_back(linie.von.y);
    EXPECT_EQ(ys, (std::vector<int>{100, 75, 50, 25, 0}));

    // Step 3 with 10 labels: cells three points wide at points 0, 3, 6, 9.
    EXPECT_EQ(l.XLabelZelle(0, 3, 10), (ChartRect{0, 100, 60, 120}));
    EXPECT_EQ(l.XLabelZelle(9, 3, 10), (ChartRect{180, 100, 240, 120}));
    // The text centre of number 0 sits on its grid line: bottom at 100 + 13/2.
    EXPECT_EQ(l.YZahlZelle(0, 4, 13), (ChartRect{0, 81, 0, 106}));

    l.yMin = -50.0;
    l.yMax = 50.0;
    EXPECT_EQ(l.Nulllinie(), (ChartLinie{{0, 50}, {200, 50}}));
}

TEST_F(ChartLayoutTest, ATinyWindowHasNothingToDrawIn) {
    chart.SetData(0, 10.0);
    const auto l = Layout(10, 10);
    EXPECT_FALSE(l.Zeichenbar());
    EXPECT_TRUE(l.HorizontaleGitterlinien(5).empty());
    EXPECT_TRUE(l.VertikaleGitterlinien(1).empty());
}

}  // namespace
