// What the house results, the heat-source results and the energy-coverage chart show,
// without a window: the month lines, which series are shown for a kind of project, the
// series' points and gaps, the means and the value axes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dialogs/DlgEdGrafikLogik.h"
#include "dialogs/KelvoView2DlgLogik.h"
#include "dialogs/KelvoViewDlgLogik.h"
#include "model/data/AchsenTeilung.h"
#include "platform/errors/UserException.h"
#include "platform/format/Format.h"
#include "tests/support/EnglischeTexte.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/RecordedBoxes.h"

namespace {

double Punkt(const CHMXChartModel& chart, int ds, int i) {
    double v = 0.0;
    chart.GetData(ds, i, v);
    return v;
}

CVRMString Legende(const CHMXChartModel& chart, int ds) {
    CVRMString l;
    chart.GetLegend(ds, l);
    return l;
}

// The top of the axis that round ticks from 0 give for `max`.
double Oben(double max) {
    std::vector<double> ticks;
    FuelleKurve(0.0, max, true, ticks);
    return ticks.back();
}

class ErgebnisGrafikLogikTest : public testing::Test {
  protected:
    ErgebnisGrafikLogikTest() { testsupport::LadeEnglischeTexte(); }
    testsupport::FakeKelvoApp app;
    testsupport::RecordedBoxes boxes;
};

// A house heated from October to April (8 kW in January) with a summer without heating,
// 200 kWh of hot water a month, and flow temperatures between 22 and 35 °C.
SHausErgebnisse Haus() {
    SHausErgebnisse e;
    const float bedarf[12] = {8.0f, 7.0f, 5.0f, 3.0f, 1.0f, 0.0f, 0.005f, 0.0f, 0.5f, 3.0f, 5.0f, 7.0f};
    for (size_t m = 0; m < 12; ++m) {
        e.heizbedarf[m] = bedarf[m];
        e.warmwasser[m] = 200.0f;
        e.vorlauf[m] = bedarf[m] > 0.01f ? 22.0f + bedarf[m] * 1.625f : 22.0f;
    }
    return e;
}

TEST_F(ErgebnisGrafikLogikTest, HausMonatszeilenUndHeizreihe) {
    CHMXChartModel chart;
    CKelvoViewDlgLogik logik;
    logik.InitChart(chart, {});
    logik.Fuelle(chart, Haus());
    ASSERT_EQ(logik.Zeilen().size(), 12u);
    EXPECT_EQ(logik.Zeilen()[0], u"Jan\t8.0 kW (35.0\u00b0C)");
    // A summer month without demand reads 0.0 and still gets its flow temperature.
    EXPECT_EQ(logik.Zeilen()[6], u"Jul\t0.0 kW (22.0\u00b0C)");
    EXPECT_EQ(logik.Zeilen()[7], u"Aug\t0.0 kW (22.0\u00b0C)");
    // Heating as the month's energy: 8 kW x 720 h; none in the summer months.
    EXPECT_DOUBLE_EQ(Punkt(chart, CKelvoViewDlgLogik::kHeizung, 0), 5760.0);
    for (int m : {5, 6, 7}) EXPECT_EQ(Punkt(chart, CKelvoViewDlgLogik::kHeizung, m), kKeinWert) << m;
    EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kHeizung), u"Heating");
    EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kWarmwasser), u"Hot water");
    // A second pass of the temperatures replaces the one in brackets.
    logik.MomentaneVorlaufTemp(Haus().vorlauf);
    EXPECT_EQ(logik.Zeilen()[0], u"Jan\t8.0 kW (35.0\u00b0C)");
}

// Each figure is read when its step comes: a read that fails is reported with its place and
// ends the opening, but what the steps before it filled is shown.
TEST_F(ErgebnisGrafikLogikTest, HausZeigtWasVorEinemFehlerGefuelltWar) {
    struct Fall {
        int fehler;  // the failing read: 0 year, 1 heating, 2 hot water, 3 flow temperature
        const char16_t* ort;
    };
    const Fall faelle[] = {{0, u"KelvoViewDlg::Jahreswerte"},
                           {1, u"KelvoViewDlg::MomentanerHeizbedarf"},
                           {2, u"KelvoViewDlg::MonatlicherWWbedarf"},
                           {3, u"KelvoViewDlg::MomentaneVorlaufTemp"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fehler);
        const SHausErgebnisse haus = Haus();
        const auto pruefe = [&](int schritt) {
            if (schritt == f.fehler) throw platform::UserException();
        };
        SHausLeser leser;
        leser.jahr = [&](CKelvoErgebnisse&, CAuswertDaten& jahr) {
            pruefe(0);
            jahr.Feld(AF_WPWaermeHeiz) = 15234.4f;
        };
        leser.heizbedarf = [&](int m) {
            pruefe(1);
            return haus.heizbedarf[static_cast<size_t>(m)];
        };
        leser.warmwasser = [&](std::array<float, 12>& kWh) {
            pruefe(2);
            kWh = haus.warmwasser;
        };
        leser.vorlauf = [&](int m) {
            pruefe(3);
            return haus.vorlauf[static_cast<size_t>(m)];
        };
        CHMXChartModel chart;
        CKelvoViewDlgLogik logik;
        logik.InitChart(chart, {});
        const size_t vorher = boxes.texts().size();
        EXPECT_THROW(logik.Fuelle(chart, leser), platform::UserException);
        ASSERT_EQ(boxes.texts().size(), vorher + 1);
        EXPECT_EQ(boxes.texts().back(), u"Could not compute results\n(" + std::u16string(f.ort) + u")");
        // The year's figures are there once their read succeeded.
        const auto wp = logik.Texte().find(CKelvoViewDlgLogik::kIdWPHeiz);
        EXPECT_EQ(wp != logik.Texte().end() ? wp->second : CVRMString(), f.fehler > 0 ? u"15234" : u"");
        // The month lines and the heating series once the heating demand was read; the
        // flow temperatures, the last read, never joined them.
        ASSERT_EQ(logik.Zeilen().size(), f.fehler > 1 ? 12u : 0u);
        if (f.fehler > 1) {
            EXPECT_EQ(logik.Zeilen()[0], u"Jan\t8.0");
            EXPECT_DOUBLE_EQ(Punkt(chart, CKelvoViewDlgLogik::kHeizung, 0), 5760.0);  // 8 kW x 720 h
            EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kHeizung), u"Heating");
        }
        EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kWarmwasser), f.fehler > 2 ? u"Hot water" : u"");
    }
}

TEST_F(ErgebnisGrafikLogikTest, HausSolarreiheUndAchseNachProjekt) {
    struct Fall {
        const char* name;
        bool fest, solarProjekt;
        double solarJanuar;  // point of dataset 2 in January
        double achsenMax;    // the largest value the axis must hold
    };
    // Solar inputs in January: 100 + 200 + 300 + 400 + 6000 kWh over five series, so that
    // only a solar axis passes the 5760 kWh of heating; series 24 (fixed flow) holds 7000.
    const Fall faelle[] = {
        {"no solar plant: the axis ignores the solar series", false, false, 7000.0, 5760.0},
        {"solar plant", false, true, 7000.0, 7000.0},
        {"fixed flow temperature: series 24 alone", true, false, 7500.0, 7500.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SHausErgebnisse e = Haus();
        e.festeVorlauf = f.fest;
        e.solarProjekt = f.solarProjekt;
        e.ergebnisse.Reihe(ER_SolarWW)[0] = 100.0f;
        e.ergebnisse.Reihe(ER_SolarHeiz)[0] = 200.0f;
        e.ergebnisse.Reihe(ER_Einspeisung1)[0] = 300.0f;
        e.ergebnisse.Reihe(ER_Einspeisung2)[0] = 400.0f;
        e.ergebnisse.Reihe(ER_EinspeisungWP)[0] = 6000.0f;
        e.ergebnisse.Reihe(ER_Reihe24)[0] = 7500.0f;
        CHMXChartModel chart;
        CKelvoViewDlgLogik logik;
        logik.InitChart(chart, {});
        logik.Fuelle(chart, e);
        EXPECT_DOUBLE_EQ(Punkt(chart, CKelvoViewDlgLogik::kSolar, 0), f.solarJanuar);
        EXPECT_EQ(Punkt(chart, CKelvoViewDlgLogik::kSolar, 1), kKeinWert);
        EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kSolar), u"Solar input");
        EXPECT_DOUBLE_EQ(logik.GetMaxY(f.fest, f.solarProjekt), f.achsenMax);
        EXPECT_DOUBLE_EQ(chart.GetFixedYMin(), 0.0);
        EXPECT_DOUBLE_EQ(chart.GetFixedYMax(), Oben(f.achsenMax));
    }
}

TEST_F(ErgebnisGrafikLogikTest, HausLueckenOhneLegendeUndJahreswerte) {
    SHausErgebnisse e = Haus();
    e.warmwasser.fill(0.01f);  // at most 0.01 kWh counts as none
    e.jahr.Feld(AF_WPWaermeHeiz) = 15234.4f;
    e.jahr.Feld(AF_ZweiterWEWW) = 99.5f;
    e.jahr.Feld(AF_SolarErdreich) = 300.0f;
    e.jahr.Feld(AF_EinspeisungWP) = 120.0f;
    CHMXChartModel chart;
    CKelvoViewDlgLogik logik;
    logik.InitChart(chart, {});
    logik.Fuelle(chart, e);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(Punkt(chart, CKelvoViewDlgLogik::kWarmwasser, m), kKeinWert);
    EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kWarmwasser), u"");
    EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kSolar), u"");
    EXPECT_EQ(logik.Texte().at(CKelvoViewDlgLogik::kIdWPHeiz), u"15234");
    EXPECT_EQ(logik.Texte().at(CKelvoViewDlgLogik::kIdZweiterWW), u"100");
    // Into the ground: what was fed in and what the heat pump took of it directly.
    EXPECT_EQ(logik.Texte().at(CKelvoViewDlgLogik::kIdSolarErde), u"420");
    EXPECT_EQ(CKelvoViewDlgLogik::ZeilenLabelWP(false), 5029u);
    EXPECT_EQ(CKelvoViewDlgLogik::ZeilenLabelWP(true), 5614u);
}

// Source 1: untouched 10 °C all year, after withdrawal 4 °C in winter (months 0-3, 9-11)
// and 8 °C in summer, brine 2 °C below; source 2 two kelvins colder after withdrawal.
SQuellErgebnisse Quellen() {
    SQuellErgebnisse e;
    for (size_t m = 0; m < 12; ++m) {
        const bool winter = m <= 3 || m >= 9;
        e.ergebnisse.Reihe(ER_UngestoertTemp1)[m] = 10.0f;
        e.ergebnisse.Reihe(ER_UngestoertTemp2)[m] = 9.0f;
        e.ergebnisse.Reihe(ER_QuellTemp1)[m] = winter ? 4.0f : 8.0f;
        e.ergebnisse.Reihe(ER_QuellTemp2)[m] = winter ? 2.0f : 6.0f;
        e.ergebnisse.Reihe(ER_SoleTemp)[m] = winter ? 2.0f : 6.0f;
    }
    return e;
}

TEST_F(ErgebnisGrafikLogikTest, QuelleLabelReihenUndMittelNachArt) {
    struct Fall {
        const char* name;
        int art, wpMedium;
        unsigned label;
        float jahr, winter;            // means of the series the label names
        bool resultierend, sole;       // datasets 1 and 2 shown
    };
    // Brine: (7 x 2 + 5 x 6) / 12 = 3.667, winter 2; ground with direct evaporation: the
    // resulting temperature (7 x 4 + 5 x 8) / 12 = 5.667, winter 4.
    const Fall faelle[] = {
        {"probe", 0, 0, 3311, 3.6667f, 2.0f, true, true},
        {"collector", 1, 0, 3311, 3.6667f, 2.0f, true, true},
        {"further ground kind", 5, 2, 3311, 3.6667f, 2.0f, true, true},
        {"ground, direct evaporation", 4, 3, 3674, 5.6667f, 4.0f, true, false},
        {"air", 2, 1, 3312, 3.6667f, 2.0f, false, false},
        {"further air kind", 6, 1, 3312, 3.6667f, 2.0f, false, false},
        {"ground water", 3, 2, 3313, 3.6667f, 2.0f, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SQuellErgebnisse e = Quellen();
        e.art1 = f.art;
        e.wpMedium = f.wpMedium;
        CKelvoView2DlgLogik logik;
        logik.UpdateBerechnungen(e);
        EXPECT_EQ(logik.Mittel1().label, f.label);
        EXPECT_NEAR(logik.Mittel1().jahr, f.jahr, 1e-4f);
        EXPECT_NEAR(logik.Mittel1().winter, f.winter, 1e-4f);
        CHMXChartModel chart;
        CKelvoView2DlgLogik::InitChart(chart, {});
        logik.UpdateChart1(chart);
        EXPECT_DOUBLE_EQ(Punkt(chart, CKelvoView2DlgLogik::kUngestoert, 0), 10.0);
        EXPECT_EQ(Punkt(chart, CKelvoView2DlgLogik::kResultierend, 0) != kKeinWert, f.resultierend);
        EXPECT_EQ(Punkt(chart, CKelvoView2DlgLogik::kSole, 0) != kKeinWert, f.sole);
        EXPECT_EQ(Legende(chart, CKelvoView2DlgLogik::kSole).empty(), !f.sole);
        EXPECT_EQ(Legende(chart, CKelvoView2DlgLogik::kUngestoert), u"Original src. temp.");
    }
    SQuellErgebnisse e = Quellen();
    e.art1 = 7;
    CKelvoView2DlgLogik logik;
    EXPECT_THROW(logik.UpdateBerechnungen(e), platform::UserException);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find(u"Switch constant wrong"), std::u16string::npos);
}

TEST_F(ErgebnisGrafikLogikTest, QuelleSoleMitSpreizungUndZwischenkreis) {
    SQuellErgebnisse e = Quellen();
    e.spreizung = 4.0f;  // brine + 2 K, but at least 1 K below the source it draws from
    CKelvoView2DlgLogik logik;
    logik.UpdateBerechnungen(e);
    EXPECT_FLOAT_EQ(logik.soleTemp[0], 3.0f);  // 2 + 2 = 4, held at 4 - 1
    EXPECT_FLOAT_EQ(logik.soleTemp[6], 7.0f);  // 6 + 2 = 8, held at 8 - 1
    e.zweiQuellen = true;  // and below the second source's 2 - 1
    logik.UpdateBerechnungen(e);
    EXPECT_FLOAT_EQ(logik.soleTemp[0], 1.0f);
    e.spreizung = 0.0f;  // no spread: no limit
    e.ergebnisse.Reihe(ER_SoleTemp)[0] = 9.0f;
    logik.UpdateBerechnungen(e);
    EXPECT_FLOAT_EQ(logik.soleTemp[0], 9.0f);

    // Ground water through an intermediate circuit reaches the heat pump colder.
    e.art1 = 3;
    e.zwischenkreis1 = true;
    e.zwischenkreisAbzug = 3;
    logik.UpdateBerechnungen(e);
    EXPECT_FLOAT_EQ(logik.quellTemp1[0], 7.0f);
    e.art1 = 0;
    logik.UpdateBerechnungen(e);
    EXPECT_FLOAT_EQ(logik.quellTemp1[0], 10.0f);
}

TEST_F(ErgebnisGrafikLogikTest, QuelleZweiChartsTeilenDieAchse) {
    SQuellErgebnisse e = Quellen();
    e.zweiQuellen = true;
    e.art1 = 2;  // air first: the second chart shows its resulting temperature
    e.art2 = 3;
    e.wpMedium = 1;
    CKelvoView2DlgLogik logik;
    logik.UpdateBerechnungen(e);
    logik.UpdateBerechnungen2();
    EXPECT_EQ(logik.Mittel2().label, 3313u);
    CHMXChartModel chart1, chart2;
    CKelvoView2DlgLogik::InitChart(chart1, {});
    CKelvoView2DlgLogik::InitChart(chart2, {});
    logik.UpdateChart1(chart1);
    logik.UpdateChart2(chart2, chart1);
    // Air alone: the axis spans 0..10 °C of the untouched temperature.
    EXPECT_DOUBLE_EQ(chart1.GetFixedYMin(), 0.0);
    EXPECT_DOUBLE_EQ(chart1.GetFixedYMax(), 10.0);
    EXPECT_DOUBLE_EQ(chart2.GetFixedYMax(), chart1.GetFixedYMax());
    EXPECT_DOUBLE_EQ(chart2.GetRoundY(), chart1.GetRoundY());
    EXPECT_EQ(chart2.GetYDivisions(), chart1.GetYDivisions());
    EXPECT_DOUBLE_EQ(Punkt(chart2, CKelvoView2DlgLogik::kUngestoert, 0), 9.0);
    EXPECT_DOUBLE_EQ(Punkt(chart2, CKelvoView2DlgLogik::kResultierend, 0), 2.0);
    EXPECT_EQ(Punkt(chart2, CKelvoView2DlgLogik::kSole, 0), kKeinWert);

    // The second source's resulting temperature falls to -8 °C in winter, below all the
    // first chart shows: the shared axis reaches down to it on both charts.
    for (size_t m : {0u, 1u, 11u}) e.ergebnisse.Reihe(ER_QuellTemp2)[m] = -8.0f;
    logik.UpdateBerechnungen(e);
    logik.UpdateBerechnungen2();
    logik.UpdateChart1(chart1);
    logik.UpdateChart2(chart2, chart1);
    EXPECT_DOUBLE_EQ(Punkt(chart2, CKelvoView2DlgLogik::kResultierend, 0), -8.0);
    // -8..10 °C, 18 K, in steps of 2: nine divisions.
    EXPECT_DOUBLE_EQ(chart1.GetFixedYMin(), -8.0);
    EXPECT_DOUBLE_EQ(chart1.GetFixedYMax(), 10.0);
    EXPECT_EQ(chart1.GetYDivisions(), 9);
    EXPECT_DOUBLE_EQ(chart2.GetFixedYMin(), chart1.GetFixedYMin());
    EXPECT_DOUBLE_EQ(chart2.GetFixedYMax(), chart1.GetFixedYMax());
    EXPECT_EQ(chart2.GetYDivisions(), chart1.GetYDivisions());
}

// Curves of the energy coverage at -10..+2 °C with each threshold just passed or missed.
TEST_F(ErgebnisGrafikLogikTest, EnergiedeckungSchwellenUndWerte) {
    CDlgEdGrafikLogik::Kurve bedarf{}, leistung{}, faktor{};
    const auto i = [](int t) { return static_cast<size_t>(t + 50); };
    struct Fall {
        int t;
        float a, b, f;
        double zusatz, umwelt, antrieb;
    };
    // abzug 8640 kWh a year = 1 kW: the environment bar is min(a, b) - 1.
    const Fall faelle[] = {
        {-10, 9.0f, 6.0f, 3.0f, 9.0, 5.0, 2.0},
        {-9, 5.0f, 6.0f, 4.0f, 5.0, 4.0, 1.25},
        {-8, 0.09f, 6.0f, 3.0f, kKeinWert, -0.91, 0.03},
        {-7, 0.1f, 0.09f, 3.0f, 0.1, kKeinWert, 0.03},
        {-6, 4.0f, 0.1f, 0.09f, 4.0, -0.9, kKeinWert},
        {-5, 4.0f, 4.0f, 0.1f, 4.0, 3.0, 40.0},
    };
    for (const Fall& f : faelle) {
        bedarf[i(f.t)] = f.a;
        leistung[i(f.t)] = f.b;
        faktor[i(f.t)] = f.f;
    }
    bedarf[i(-40)] = 23.0f;  // outside the range shown, but the axis holds it
    CDlgEdGrafikLogik logik(6017, bedarf, leistung, faktor, -10, 2, 8640.0f);
    CHMXChartModel chart;
    logik.Fuelle(chart, {});
    ASSERT_EQ(chart.GetDatasetSize(CDlgEdGrafikLogik::kZusatz), 13);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.t);
        const int x = f.t + 10;
        const auto gleich = [](double ist, double soll) {
            if (soll == kKeinWert) return ist == kKeinWert;
            return std::abs(ist - soll) < 1e-5;
        };
        EXPECT_PRED2(gleich, Punkt(chart, CDlgEdGrafikLogik::kZusatz, x), f.zusatz);
        EXPECT_PRED2(gleich, Punkt(chart, CDlgEdGrafikLogik::kUmwelt, x), f.umwelt);
        EXPECT_PRED2(gleich, Punkt(chart, CDlgEdGrafikLogik::kAntrieb, x), f.antrieb);
    }
    CVRMString label;
    chart.GetXScaleLabel(0, label);
    EXPECT_EQ(label, u"-10");
    chart.GetXScaleLabel(12, label);
    EXPECT_EQ(label, u"2");
    EXPECT_EQ(chart.GetTitle(), u"Energy coverage");
    EXPECT_EQ(chart.GetYAxisTitle(), u"kW");
    EXPECT_DOUBLE_EQ(chart.GetFixedYMax(), Oben(23.0));
    EXPECT_EQ(Legende(chart, CDlgEdGrafikLogik::kUmwelt), u"Environment energy");
}

// The range the caller gives is held to the curves' -50..+12 °C.
TEST_F(ErgebnisGrafikLogikTest, EnergiedeckungBereichBegrenzt) {
    CDlgEdGrafikLogik::Kurve kurve{};
    kurve.fill(5.0f);
    struct Fall {
        int von, bis, erster, letzter, anzahl;
    };
    const Fall faelle[] = {
        {-60, 20, -50, 12, 63},
        {-16, 15, -16, 12, 29},
        {15, 20, 15, 12, 0},     // nothing left
        {5, -5, 5, -5, 0},       // an empty range
        {-80, -55, -50, -55, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.von << ".." << f.bis);
        CDlgEdGrafikLogik logik(6038, kurve, kurve, kurve, f.von, f.bis, 0.0f);
        EXPECT_EQ(logik.Von(), f.erster);
        EXPECT_EQ(logik.Bis(), f.letzter);
        EXPECT_EQ(logik.Anzahl(), f.anzahl);
        CHMXChartModel chart;
        ASSERT_NO_THROW(logik.Fuelle(chart, {}));
        EXPECT_EQ(chart.GetDatasetSize(CDlgEdGrafikLogik::kAntrieb), f.anzahl);
        if (f.anzahl > 0) {
            CVRMString label;
            chart.GetXScaleLabel(f.anzahl - 1, label);
            EXPECT_EQ(label, platform::format(u"%i", f.letzter));
        }
    }
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
