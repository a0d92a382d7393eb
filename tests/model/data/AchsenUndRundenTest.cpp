#include <cmath>

#include "model/data/AchsenTeilung.h"
#include "model/data/Runden.h"
#include "tests/model/BoxFixture.h"

namespace {

TEST(FuelleKurve, ChoosesStepsOfOneTwoOrFive) {
    struct Fall {
        double min, max;
        bool abNull;
        double erster, schritt;
        size_t anzahl;
    };
    const Fall faelle[] = {
        {0, 7, false, 0, 1, 8},       // log10 7 = 0.845, mantissa 7: step 1
        {0, 3, false, 0, 0.5, 7},     // mantissa 3: step 0.5
        {0, 1.5, false, 0, 0.2, 9},   // mantissa 1.5: step 0.2, ticks 0 .. 1.6
        {0, 1, false, 0, 0.1, 11},    // log10 1 - 0.0001 < 0: step 0.1
        {5, 5, false, 5, 0.1, 11},    // empty range widened to 5 .. 6
        {7, 0, false, 0, 1, 8},       // swapped
        {3, 7, true, 0, 1, 8},        // from zero
        {-3.3, 12, false, -4, 2, 9},  // log10 15.3 = 1.18, mantissa 1.53: step 2; -4 .. 12
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.min << " .. " << fall.max);
        std::vector<double> werte{99.0};
        FuelleKurve(fall.min, fall.max, fall.abNull, werte);
        ASSERT_EQ(werte.size(), fall.anzahl);
        for (size_t i = 0; i < werte.size(); ++i)
            EXPECT_NEAR(werte[i], fall.erster + static_cast<double>(i) * fall.schritt, 1e-9);
    }
}

TEST(RundeAufStellen, HalvesRoundAwayFromZero) {
    const std::tuple<double, int, double> faelle[] = {
        {2.25, 1, 2.3}, {-2.25, 1, -2.3},        {2.5, 0, 3.0}, {-2.5, 0, -3.0},
        {2.24, 1, 2.2}, {1234.5678, 2, 1234.57}, {0.0, 3, 0.0},
    };
    for (const auto& [wert, stellen, erwartet] : faelle)
        EXPECT_DOUBLE_EQ(RundeAufStellen(wert, stellen), erwartet) << wert << " " << stellen;
}

TEST(VorMonat, JanuaryFollowsDecember) {
    EXPECT_EQ(VorMonat(0), 11);
    EXPECT_EQ(VorMonat(1), 0);
    EXPECT_EQ(VorMonat(11), 10);
}

}  // namespace
