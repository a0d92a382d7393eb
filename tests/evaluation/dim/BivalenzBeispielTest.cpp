// The bivalence temperature of a sample project of the shipped library, worked by hand
// from the location's weather bins.
#include <gtest/gtest.h>

#include <array>

#include "evaluation/dim/DimPunktRechnung.h"
#include "tests/evaluation/engine/EngineFixture.h"

namespace enginetest {
namespace {

class BivalenzBeispielTest : public EngineFixture {};

// The probe project: design outdoor temperature -12 °C; heating 13897 kWh a year, hot water
// 3362 kWh, together 17259 kWh. The heat pump is to deliver 80 %:
// E = 17259 x 0.8 = 13807.2 kWh, so the energy below the point with its hot water,
// U' = U x (1 + 3362 / 13897) = U x 1.241923, must reach 17259 - 13807.2 = 3451.8 kWh.
// Bins from -12 °C (days, demand in kW; the empty ones left out):
//   -6: 2 d x 5.41975 kW x 24 h = 260.15    below -5 ... -4: U = 260.15
//   -4: 5 d x 4.91975 x 24 = 590.37         below -3:        U = 850.52
//   -3: 5 d x 4.66975 x 24 = 560.37         below -2:        U = 1410.89
//   -2: 7 d x 4.41975 x 24 = 742.52         below -1:        U = 2153.41
//   -1: 6 d x 4.16975 x 24 = 600.44         below  0:        U = 2753.85, U' = 3420.1
//    0: 14 d x 3.91975 x 24 = 1317.04       below  1:        U = 4070.89, U' = 5055.7
// At 0 °C 3420.1 + 13807.2 = 17227.3 falls 32 kWh short; at 1 °C it covers the year.
TEST_F(BivalenzBeispielTest, TheProbeProjectReachesFourFifthsAtOneDegree) {
    auto p = Lade(kSonde);
    ASSERT_EQ(p->haus.GetWert(ID_NAT).GetFloatVal(), -12.0f);
    const SJahresBedarf bedarf = LeseJahresBedarf(p->haus);
    EXPECT_EQ(bedarf.heizung, 13897u);
    EXPECT_EQ(bedarf.warmwasser, 3362u);
    const auto energie = [&](int t) { return EnergieUnterTemp(p->haus, t, false); };
    EXPECT_NEAR(energie(0).energie, 2753.85f, 0.05f);
    EXPECT_NEAR(energie(1).energie, 4070.89f, 0.05f);
    EXPECT_FLOAT_EQ(energie(1).tage, 39.0f);  // 2 + 5 + 5 + 7 + 6 + 14

    const SBivalenz b = BerechneDimPunkt(-12, bedarf, {1, 0, 80}, energie);
    EXPECT_EQ(b.status, BivalenzStatus::Gefunden);
    EXPECT_EQ(b.temp, 1);
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

}  // namespace
}  // namespace enginetest
