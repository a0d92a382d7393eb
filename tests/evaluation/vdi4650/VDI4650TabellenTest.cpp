// The correction tables, the rounding behind their indices, the fits behind the options
// and the failures of lookups out of range.
#include <array>
#include <cmath>

#include "evaluation/vdi4650/VDI4650.h"
#include "evaluation/vdi4650/VDI4650Tabellen.h"
#include "tests/evaluation/vdi4650/VDIFixture.h"

namespace {

using namespace VDI4650;
using vditest::VDIFixture;

class VDI4650Tabellen : public VDIFixture {};

TEST_F(VDI4650Tabellen, RoundingAndFlowColumn) {
    const struct {
        float x;
        int runde;
    } runde[] = {{2.5f, 2},   {2.6f, 3},   {2.52f, 3},     {0.0f, 0},     {-2.5f, -2},
                 {-2.6f, -3}, {37.0f, 37}, {-10.49f, -10}, {-10.51f, -11}};
    for (const auto& f : runde) EXPECT_EQ(Runde(f.x), f.runde) << f.x;

    const struct {
        int n, fuenf;
    } fuenf[] = {{32, 30}, {33, 35}, {30, 30}, {35, 35}, {37, 35}, {38, 40}, {-3, 0}, {-8, -5}};
    for (const auto& f : fuenf) EXPECT_EQ(RundeAufFuenf(f.n), f.fuenf) << f.n;

    const struct {
        float vorlauf;
        int spalte;
    } spalten[] = {{30.0f, 0}, {32.5f, 0}, {32.6f, 1}, {37.0f, 1}, {38.0f, 2}, {55.0f, 5}};
    for (const auto& f : spalten) EXPECT_EQ(VorlaufSpalte(f.vorlauf), f.spalte) << f.vorlauf;
}

TEST_F(VDI4650Tabellen, PrintedCellsAreRead) {
    // Table 1: only the difference operation - test bench counts.
    EXPECT_FLOAT_EQ(GetKorrekturFaktor(10.0f, 3.0f), 0.928f);
    EXPECT_FLOAT_EQ(GetKorrekturFaktor(3.0f, 10.0f), 1.072f);
    EXPECT_FLOAT_EQ(GetKorrekturFaktor(5.0f, 5.0f), 1.000f);
    EXPECT_FLOAT_EQ(GetKorrekturFaktor(5.0f, 8.0f), 1.031f);
    EXPECT_FLOAT_EQ(GetKorrekturFaktor(2.6f, 10.0f), 1.072f);  // 2.6 K counts as 3
    // Table 2 at brine 0 °C: 37 °C reads the 35 °C column, 38 °C the 40 °C one.
    EXPECT_FLOAT_EQ(getKfTabelle2(0.0f, 37.0f), 1.087f);
    EXPECT_FLOAT_EQ(getKfTabelle2(0.0f, 38.0f), 1.039f);
    EXPECT_FLOAT_EQ(getKfTabelle2(5.0f, 30.0f), 1.198f);
    EXPECT_FLOAT_EQ(getKfTabelle2(-3.0f, 55.0f), 0.852f);
    EXPECT_FLOAT_EQ(getKfTabelle3(12.0f, 45.0f), 1.000f);
    EXPECT_FLOAT_EQ(getKfTabelle3(10.0f, 30.0f), 1.120f);
    EXPECT_FLOAT_EQ(getKfTabelle3(5.0f, 55.0f), 0.756f);
    EXPECT_FLOAT_EQ(getKfTabelle5(-3.0f), 0.852f);
    EXPECT_FLOAT_EQ(getKfTabelle5(1.0f), 0.904f);
    EXPECT_FLOAT_EQ(getKfTabelle5(5.0f), 0.956f);
    EXPECT_FLOAT_EQ(getKfTabelle6(5.0f), 0.757f);
    EXPECT_FLOAT_EQ(getKfTabelle6(11.0f), 0.873f);
    EXPECT_FLOAT_EQ(getKfTabelle7(50.0f), 1.0f);  // 0.01 * 50 + 0.5
}

// Every cell of tables 2, 3 and 4 that is not printed is its fit rounded to three
// decimals; the printed ones differ from the fit by less than 0.0025.
TEST_F(VDI4650Tabellen, DerivedCellsFollowTheFitsAndPrintedCellsStayClose) {
    SetOptionen(true, false);
    const std::array<float, 6> vorlauf = {30, 35, 40, 45, 50, 55};
    const auto pruefe = [](float tabelle, float formel, bool gedruckt) {
        if (gedruckt)
            EXPECT_NEAR(tabelle, formel, 0.0025f);
        else
            EXPECT_NEAR(tabelle, formel, 0.0005f);
    };
    for (int zeile = 0; zeile < 9; ++zeile) {
        const int tQuelle = tabellen::kTabelle2Oben - zeile;
        const bool gedruckt = tQuelle == 5 || tQuelle == 0 || tQuelle == -3;
        for (int c = 0; c < 6; ++c) {
            SCOPED_TRACE(testing::Message() << "table 2 at " << tQuelle << "/" << vorlauf[c]);
            pruefe(tabellen::kTabelle2[zeile][c], getKfTabelle2(tQuelle, vorlauf[c]), gedruckt);
        }
    }
    for (int zeile = 0; zeile < 8; ++zeile) {
        const int tQuelle = tabellen::kTabelle3Oben - zeile;
        const bool gedruckt = tQuelle == 12 || tQuelle == 10 || tQuelle == 5;
        for (int c = 0; c < 6; ++c) {
            SCOPED_TRACE(testing::Message() << "table 3 at " << tQuelle << "/" << vorlauf[c]);
            // Off the whole degrees the option reads the fit, not the table.
            const float daneben = tQuelle == 5 ? 5.0001f : tQuelle - 0.0001f;
            pruefe(tabellen::kTabelle3[zeile][c], getKfTabelle3(daneben, vorlauf[c]), gedruckt);
        }
    }
    for (int g = 0; g < 3; ++g)
        for (int n = 0; n < 4; ++n)
            for (int c = 0; c < 6; ++c) {
                float w[3];
                getKfTabelle4(tabellen::kHeizgrenzen[g], tabellen::kNormTemps[n], vorlauf[c], 1, 1,
                              1, 5, 5, w[0], w[1], w[2]);
                for (int i = 0; i < 3; ++i)
                    EXPECT_NEAR(tabellen::kTabelle4[g][n][i][c], w[i], 0.0005f)
                        << tabellen::kHeizgrenzen[g] << "/" << tabellen::kNormTemps[n] << "/"
                        << vorlauf[c] << " w" << i + 1;
            }
}

TEST_F(VDI4650Tabellen, Table4WeightsAndCorners) {
    float w1 = -1, w2 = -1, w3 = -1;
    // (2.8 * 0.089 + 3.6 * 0.891 + 4.4 * 0.139) * table 1 (5, 8) = 4.0684 * 1.031 = 4.19452
    EXPECT_NEAR(getKfTabelle4(12, -10.0f, 30.0f, 2.8f, 3.6f, 4.4f, 5, 8, w1, w2, w3), 4.19452f,
                1e-4f);
    EXPECT_FLOAT_EQ(w1, 0.089f);
    EXPECT_FLOAT_EQ(w2, 0.891f);
    EXPECT_FLOAT_EQ(w3, 0.139f);
    const struct {
        int grenze;
        float tNorm, vorlauf, w1, w2, w3;
    } ecken[] = {
        {15, -16, 30, 0.235f, 0.695f, 0.173f}, {15, -16, 55, 0.180f, 0.564f, 0.147f},
        {15, -10, 55, 0.051f, 0.635f, 0.217f}, {10, -16, 30, 0.318f, 0.732f, 0.036f},
        {10, -10, 55, 0.080f, 0.745f, 0.053f}, {10, -10.4f, 32.4f, 0.109f, 0.942f, 0.063f},
    };
    for (const auto& e : ecken) {
        getKfTabelle4(e.grenze, e.tNorm, e.vorlauf, 1, 1, 1, 10, 10, w1, w2, w3);
        EXPECT_FLOAT_EQ(w1, e.w1) << e.grenze << "/" << e.tNorm << "/" << e.vorlauf;
        EXPECT_FLOAT_EQ(w2, e.w2);
        EXPECT_FLOAT_EQ(w3, e.w3);
    }
}

TEST_F(VDI4650Tabellen, Table8ByOperatingMode) {
    const struct {
        float tBiv;
        int modus;
        float alpha;
    } faelle[] = {
        {-5, kMonoenergetischParallel, 0.98f},
        {-5, kMonoenergetischAlternativ, 0.91f},
        {-5, kMonoenergetischTeilparallel, 0.91f},
        {-5, 7, 0.91f},
        {2, kMonoenergetischParallel, 0.83f},
        {-10, kMonoenergetischAlternativ, 0.96f},
        {-0.4f, kMonoenergetischParallel, 0.90f},
        {-0.6f, kMonoenergetischParallel, 0.93f},
        // Monovalent and bivalent modes cover everything, inside the table or not.
        {-30, kMonovalent, 1.0f},
        {20, kBivalentParallel, 1.0f},
        {0, kBivalentAlternativ, 1.0f},
        {0, kBivalentTeilparallel, 1.0f},
        {50, 8, 1.0f},
    };
    for (const auto& f : faelle)
        EXPECT_FLOAT_EQ(getKfTabelle8(f.tBiv, f.modus), f.alpha) << f.tBiv << "/" << f.modus;

    EXPECT_EQ(SucheBivalenzpunkt(0.70f), -8);
    EXPECT_EQ(SucheBivalenzpunkt(0.78f), -10);
    EXPECT_EQ(SucheBivalenzpunkt(0.31f), 3);
    EXPECT_EQ(SucheBivalenzpunkt(0.2f), 3);
}

TEST_F(VDI4650Tabellen, LookupsOutOfRangeFail) {
    EXPECT_EQ(Fehler([] { GetKorrekturFaktor(10.0f, 2.5f); }), u"Exception");  // 2.5 K is 2
    EXPECT_EQ(Fehler([] { getKfTabelle2(5.6f, 40.0f); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle2(0.0f, 57.6f); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle3(4.0f, 40.0f); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle5(-4.0f); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle6(13.0f); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle8(-11.0f, kMonoenergetischParallel); }), u"Exception");
    EXPECT_EQ(Fehler([] { getKfTabelle8(0.0f, 9); }),
              u"Switch constant wrong\n(VDI4650::getKfTabelle8)");
    float w1, w2, w3;
    EXPECT_EQ(Fehler([&] { getKfTabelle4(14, -10, 40, 1, 1, 1, 5, 5, w1, w2, w3); }), u"Exception");
    EXPECT_EQ(Fehler([&] { getKfTabelle4(12, -17, 40, 1, 1, 1, 5, 5, w1, w2, w3); }), u"Exception");
    EXPECT_EQ(Fehler([&] { getKfTabelle4(12, -15, 40, 1, 1, 1, 5, 5, w1, w2, w3); }),
              u"Switch constant wrong\n(VDI4650::getKfTabelle4-2)");
    EXPECT_EQ(Fehler([&] { getKfTabelle4cBer(-13, 40, w1, w2, w3); }),
              u"Switch constant wrong\n(VDI4650::getKfTabelle4cBer)");
    SetOptionen(true, false);
    EXPECT_EQ(Fehler([&] { getKfTabelle4(12, -13, 40, 1, 1, 1, 5, 5, w1, w2, w3); }),
              u"Switch constant wrong\n(VDI4650::getKfTabelle4bBer)");
}

TEST_F(VDI4650Tabellen, OptionsComputeTheFits) {
    // Spread 2 K: outside table 1, inside the fit with the extension; linear in the
    // operating difference from 1.030857 - 0.010285718 * 5 at 3 K by 0.010285718 a kelvin.
    SetOptionen(false, true);
    EXPECT_NEAR(GetKorrekturFaktor(5.0f, 2.0f), 0.97943f - 0.0102857f, 1e-5f);
    // Brine 8 °C, flow 60 °C: A = 1.4884 - 0.5808 = 0.9076, B = 1.3954 - 0.5928 = 0.8026,
    // D = -0.105; A + 0.625 D + 0.001 - 0.125 D * 8 = 0.9076 - 0.065625 + 0.001 + 0.105.
    EXPECT_NEAR(getKfTabelle2(8.0f, 60.0f), 0.9076f - 0.065625f + 0.001f + 0.105f, 1e-5f);
    // Water 14 °C, flow 60: P = 1.489 - 0.652 = 0.837, Q - P = -0.133,
    // 0.837 - 0.133 * (12 - 14) / 7 = 0.87500.
    EXPECT_NEAR(getKfTabelle3(14.0f, 60.0f), 0.875f, 1e-5f);
    EXPECT_NEAR(getKfTabelle5(7.0f), 0.013f * 7 + 0.891f, 1e-6f);
    EXPECT_NEAR(getKfTabelle6(14.0f), 0.0193f * 14 + 0.6604f, 1e-6f);
    // Flow 60 °C, limit 10, -12: w = 0.2092 - 0.0984, 1.105 - 0.432, 0.0618 - 0.0216.
    float w1, w2, w3;
    getKfTabelle4(10, -12, 60, 1, 1, 1, 5, 5, w1, w2, w3);
    EXPECT_NEAR(w1, 0.1108f, 1e-6f);
    EXPECT_NEAR(w2, 0.673f, 1e-6f);
    EXPECT_NEAR(w3, 0.0402f, 1e-6f);

    // Formulas instead of tables: the table 3 cell on a whole point (11.5 °C rounds to 11,
    // its whole part, and so counts as one), the fit between points: at 50 °C
    // P = 1.489 - 0.5433335, less 0.019 a kelvin below 12 °C.
    SetOptionen(true, false);
    EXPECT_FLOAT_EQ(getKfTabelle3(12.0f, 50.0f), 0.947f);
    EXPECT_FLOAT_EQ(getKfTabelle3(11.5f, 50.0f), 0.927f);
    EXPECT_NEAR(getKfTabelle3(11.6f, 50.0f), 1.489f - 0.5433335f - 0.019f * 0.4f, 1e-5f);
    EXPECT_EQ(Fehler([] { getKfTabelle2(0.0f, 60.0f); }), u"Exception");
}

TEST_F(VDI4650Tabellen, RangeChecksAndRecommendations) {
    EXPECT_TRUE(IstTabellenWert(12));
    EXPECT_FALSE(IstTabellenWert(11));
    EXPECT_TRUE(IstVorlaufImBereich(55.0f, 60.0f));
    EXPECT_FALSE(IstVorlaufImBereich(56.0f, 60.0f));
    SetOptionen(false, true);
    EXPECT_TRUE(IstVorlaufImBereich(56.0f, 60.0f));
    EXPECT_FALSE(IstVorlaufImBereich(56.0f, 0.0f));
    EXPECT_TRUE(IstVorlaufIndex(60, 60));
    EXPECT_FALSE(IstProzentWert(0.0f));
    EXPECT_TRUE(IstProzentWert(100.0f));
    EXPECT_FALSE(IstProzentWert(100.1f));

    EXPECT_EQ(GetEmpfohleneQuellenTemp(kSoleWasser, true), 0);
    EXPECT_EQ(GetEmpfohleneQuellenTemp(kSoleWasser, false), 2);
    EXPECT_EQ(GetEmpfohleneQuellenTemp(kWasserWasser, false), 10);
    EXPECT_EQ(GetEmpfohleneQuellenTemp(kDirektverdampfung, false), -1);
    EXPECT_EQ(GetEmpfohleneQuellenTemp(9, false), 0);
}

TEST_F(VDI4650Tabellen, PlantFactor) {
    const float bH = 4.0f, bWW = 3.0f;
    // Monovalent (alpha 1) without hot water: the heating factor itself.
    EXPECT_FLOAT_EQ(BerechneArbeitszahl(bH, 0, 0, kMonovalent, kKeinWarmwasser, 82), bH);
    EXPECT_FLOAT_EQ(BerechneArbeitszahl(bH, 0, 0, kMonovalent, kWarmwasserElektrisch, 82), bH);
    // Parallel at -5 °C (alpha 0.98), 80 % heating, hot water by electricity.
    EXPECT_NEAR(BerechneArbeitszahl(bH, 0, -5, kMonoenergetischParallel, kWarmwasserElektrisch, 80),
                1.0f / (0.98f * 0.8f / bH + 1 - 0.784f), 1e-5f);
    // Hot water with the heat pump, 70 % heating: 1 / (0.3 / 3 + 0.7 / 4) = 3.63636.
    EXPECT_NEAR(BerechneArbeitszahl(bH, bWW, 0, kMonovalent, kWarmwasserMitWP, 70), 3.63636f,
                1e-4f);
    EXPECT_EQ(Fehler([] { BerechneArbeitszahl(4, 3, 0, kMonovalent, 5, 70); }),
              u"Switch constant wrong\n(VDI4650::BerechneArbeitszahl)");
    // The hot-water heat pump and its inverse at 55 °C (table 7: 1.05).
    EXPECT_NEAR(BerechneWarmwasserWP(3.0f, 55.0f), 3.0f * 1.05f * 0.9f, 1e-5f);
    EXPECT_NEAR(BerechneCOPausWarmwasserWP(BerechneWarmwasserWP(3.0f, 55.0f), 55.0f), 3.0f, 1e-5f);
}

}  // namespace
