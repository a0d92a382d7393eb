// The pure computations of the location-data front: weather bins from a climate, the
// ground's yearly sine, the library transform and the "#" number series.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>

#include "model/data/VRMdatenProvider2.h"
#include "model/data/ZahlenReihe.h"

namespace {

using P2 = CVRMdatenProvider2;
using Monate = std::array<float, 12>;
using Klassen = std::array<float, 63>;

Klassen Bins(const Monate& temps, float tn) {
    Klassen k;
    k.fill(-1.0f);
    P2::ErzeugeTempHaeufigkeiten(temps, k, tn);
    return k;
}

TEST(TempHaeufigkeiten, HandComputedClimate) {
    // t = -2 0 4 8 12 16 18 18 14 9 4 1, Tn = -12:
    //   Tmin -2, Tmax 18, mean 102/12 = 8.5; months below 1: -2 and 0, so c = 2, Tw = -1.
    //   D = 2 + 1.2*12 = 16.4; Tw < 12: D += 3*(12+1) = 39 -> 55.4.
    //   -3 <= Tmin < 3: X = 24.9 + 3.48*2 = 31.86; R = 55.4 - 31.86 = 23.54.
    //   Tw < 3: Y = 18 - 0.11*(7*7) = 12.61 (not > R, not > X).
    //   k = trunc(-12 - (4.7 + 1.6)) - 1 = -19; N = 18; g = Y/18^3 = 12.61/5832;
    //   S = g * (18*19/2)^2 = g*29241 = 63.2251; S > R: f = (23.54-12.61)/(S-12.61) = 0.215943.
    //   Tail m = 0..17 into bins 31..48: m^3*g*f; bin 48 = 4913*g*f = 2.29395. Their sum is
    //   f*(S - Y) = R - Y = 10.93. R := f*S = 13.6530.
    //   bin 50 = X = 31.86, bin 49 = Y = 12.61, M = 12.61.
    //   n = 8; Q = 365 - 13.6530 - 31.86 = 319.4870; H = 18 + (22 - 8.5) = 31.5.
    //   A = (2Q - 8M)/H = (638.9740 - 100.88)/31.5 = 17.08235.
    //   bins 51..57 = M + i*(A-M)/8: i = 1 -> 13.16904, i = 7 -> 16.52330.
    //   B = -A/(H - 8) = -0.726908; bins 58..62 = (i - 31.5)*B: i = 8 -> 17.08235,
    //   i = 12 -> 19.5*0.726908 = 14.17471.
    const Klassen k = Bins({-2, 0, 4, 8, 12, 16, 18, 18, 14, 9, 4, 1}, -12.0f);
    const struct {
        int bin;
        float tage;
    } cases[] = {{48, 2.29395f}, {49, 12.61f},    {50, 31.86f},   {51, 13.16904f},
                 {57, 16.5233f}, {58, 17.08235f}, {62, 14.17471f}};
    for (const auto& c : cases) EXPECT_NEAR(k[c.bin], c.tage, 2e-3) << "bin " << c.bin;
    for (int i = 0; i <= 31; ++i) EXPECT_EQ(k[i], 0.0f) << "bin " << i;
    EXPECT_NEAR(std::accumulate(k.begin() + 31, k.begin() + 49, 0.0f), 10.93f, 2e-3);
}

TEST(TempHaeufigkeiten, MildClimateTailSpansBins33To49) {
    // All months above 12 °C, Tn = -10: c = 0, Tw = Tmin; k = trunc(-10 - 6.0333) - 1 = -17,
    // so the tail runs over bins 33 (m = 0, zero days) to 49.
    const Klassen k = Bins({13, 14, 15, 16, 17, 18, 19, 18, 17, 16, 15, 14}, -10.0f);
    for (int i = 0; i <= 33; ++i) EXPECT_EQ(k[i], 0.0f) << "bin " << i;
    for (int i = 34; i <= 49; ++i) EXPECT_GT(k[i], 0.0f) << "bin " << i;
}

TEST(TempHaeufigkeiten, DegenerateClimatesGiveFiniteNonNegativeBins) {
    // Each case hits a denominator of zero in the formulas or drives a line below zero:
    // all months -2.5 gives H = 0, all -2 gives H - 1 = 0, a hot year makes the rising ramp
    // negative, an absurd design temperature makes the cold tail very long.
    const struct {
        const char* name;
        float month;
        float tn;
    } cases[] = {{"H zero", -2.5f, -12.0f},    {"H one", -2.0f, -12.0f},
                 {"hot year", 35.0f, 20.0f},   {"frozen year", -40.0f, -60.0f},
                 {"absurd Tn", 5.0f, -1.0e9f}, {"warm Tn", 5.0f, 30.0f}};
    for (const auto& c : cases) {
        Monate t;
        t.fill(c.month);
        const Klassen k = Bins(t, c.tn);
        for (int i = 0; i < 63; ++i) {
            EXPECT_TRUE(std::isfinite(k[i]) && k[i] >= 0.0f)
                << c.name << " bin " << i << " " << k[i];
        }
    }
}

TEST(SinusJahresgang, FollowsJanuaryAndJulyWithLag) {
    // January -2, July 18: lo = 2.4, hi = 18, middle 10.2, amplitude 7.8;
    // February is the low point, August the high one, May and November the middle.
    Monate luft{-2, 0, 4, 8, 12, 16, 18, 18, 14, 9, 4, 1};
    Monate boden;
    P2::SinusJahresgang(luft, boden);
    EXPECT_NEAR(boden[1], 2.4f, 1e-4);
    EXPECT_NEAR(boden[7], 18.0f, 1e-4);
    EXPECT_NEAR(boden[4], 10.2f, 1e-4);
    EXPECT_NEAR(boden[10], 10.2f, 1e-4);
    EXPECT_NEAR(boden[0], 10.2f - 7.8f * std::sqrt(3.0f) / 2.0f, 1e-4);  // k = 8: sin(240°)
}

TEST(BiboTransform, KnownPositions) {
    const struct {
        int position;
        float gespeichert;
        float wahr;
    } cases[] = {
        {0, 7.0f, 7.0f},    // r 0, q 0
        {1, 7.0f, 6.0f},    // s/1 - 1
        {5, 7.0f, 5.0f},    // q 0: s - 2
        {7, 7.0f, 2.5f},    // s/2 - 1
        {14, 12.0f, 1.0f},  // r 2, q 4: 12/4 - 2
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(P2::BiboWertLesen(c.gespeichert, c.position), c.wahr) << c.position;
        EXPECT_FLOAT_EQ(P2::BiboWertSpeichern(c.wahr, c.position), c.gespeichert) << c.position;
    }
}

TEST(BiboTransform, WeatherSeriesRoundTripThroughText) {
    // 63 values with two decimals, written transformed as "%.2f#" and read back.
    Klassen wahr;
    for (int i = 0; i < 63; ++i) wahr[i] = static_cast<float>((i * 37) % 1500) / 100.0f;
    std::array<float, 63> gespeichert;
    for (int i = 0; i < 63; ++i) gespeichert[i] = P2::BiboWertSpeichern(wahr[i], i);
    const CVRMString text = P2::SchreibeReihe(gespeichert, 2);
    const std::vector<double> gelesen =
        ZerlegeZahlenReihe(text, u"#", 63, {u"Wetterort", u"Reihe"});
    ASSERT_EQ(gelesen.size(), 63u);
    for (int i = 0; i < 63; ++i) {
        EXPECT_NEAR(P2::BiboWertLesen(static_cast<float>(gelesen[i]), i), wahr[i], 0.0051)
            << "position " << i;
    }
}

TEST(Reihe, WritesEachNumberWithHashAndNoNonNumbers) {
    const float werte[] = {1.26f, -3.0f, NAN, INFINITY};
    EXPECT_EQ(P2::SchreibeReihe(werte, 1), CVRMString(u"1.3#-3.0#0.0#0.0#"));
}

}  // namespace
