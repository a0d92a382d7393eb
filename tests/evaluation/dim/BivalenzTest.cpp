// Energy below an outdoor temperature and the search of the bivalence temperature.
#include <gtest/gtest.h>

#include <array>

#include "evaluation/dim/DimPunktRechnung.h"
#include "evaluation/dim/EnergieUnterTemp.h"
#include "tests/evaluation/engine/EngineFixture.h"

namespace enginetest {
namespace {

class BivalenzTest : public EngineFixture {};

using Bins = std::array<float, kBinAnzahl>;

float& Bin(Bins& bins, int temp) {
    return bins[static_cast<size_t>(temp + kBinNullGrad)];
}

// 20 kW less one for every degree: no demand at 20 °C.
float Linear(float temp) {
    return 20.0f - temp;
}

TEST_F(BivalenzTest, EnergyBelowATemperatureSkipsNearlyEmptyBins) {
    Bins leer{};
    leer.fill(0.09f);
    for (const int t : {-50, -10, 0, 12, 13}) {
        const SEnergieUnterTemp e = EnergieUnterTemp(leer, t, false, Linear);
        EXPECT_EQ(e.tage, 0.0f) << t;
        EXPECT_EQ(e.energie, 0.0f) << t;
    }

    Bins bins{};
    Bin(bins, -50) = 0.5f;
    Bin(bins, -10) = 1.0f;
    Bin(bins, -5) = 2.0f;
    Bin(bins, -3) = 0.05f;  // skipped
    Bin(bins, 0) = 3.0f;
    Bin(bins, 12) = 4.0f;
    // Nothing lies below -50.
    EXPECT_EQ(EnergieUnterTemp(bins, -50, false, Linear).tage, 0.0f);
    EXPECT_EQ(EnergieUnterTemp(bins, -50, true, Linear).energie, 0.0f);

    // Below 0: -50 (70 kW, 0.5 d), -10 (30 kW, 1 d), -5 (25 kW, 2 d); 0 itself is not below.
    // Absolute: (35 + 30 + 50) x 24 = 2760 kWh. Above the 20 kW at 0 °C:
    // (50 x 0.5 + 10 x 1 + 5 x 2) x 24 = 45 x 24 = 1080 kWh.
    SEnergieUnterTemp e = EnergieUnterTemp(bins, 0, false, Linear);
    EXPECT_FLOAT_EQ(e.tage, 3.5f);
    EXPECT_FLOAT_EQ(e.energie, 2760.0f);
    e = EnergieUnterTemp(bins, 0, true, Linear);
    EXPECT_FLOAT_EQ(e.tage, 3.5f);
    EXPECT_FLOAT_EQ(e.energie, 1080.0f);
    // The bins end at 12 °C: anything above takes all of them.
    EXPECT_FLOAT_EQ(EnergieUnterTemp(bins, 30, false, Linear).tage, 10.5f);
}

TEST_F(BivalenzTest, ADemandThatFallsWithTheOutdoorTemperatureIsRefused) {
    Bins bins{};
    Bin(bins, -10) = 1.0f;
    EXPECT_ANY_THROW(EnergieUnterTemp(bins, 0, true, [](float t) { return 20.0f + t; }));
}

// Energy below a temperature for the search: `proGrad` kWh for every degree above -20.
EnergieUnterFn Rampe(float proGrad) {
    return [proGrad](int t) {
        return SEnergieUnterTemp{0.0f, t > -20 ? static_cast<float>(t + 20) * proGrad : 0.0f};
    };
}

struct SuchFall {
    const char* name;
    SJahresBedarf bedarf;
    SBivalenzZiel ziel;
    float proGrad;
    BivalenzStatus status;
    int temp;
    const char* meldung;  // part of the box shown, or none
};

TEST_F(BivalenzTest, TheBivalenceSearchStopsWhereTheHeatPumpsPartCoversTheYear) {
    const SuchFall faelle[] = {
        // 100 % with nothing below the start: the start itself.
        {"100 % at the start", {10000, 0}, {1, 0, 100}, 100.0f, BivalenzStatus::Gefunden, -20,
         nullptr},
        // E = 9000 of 10000: U must reach 1000, 10 degrees above -20.
        {"90 %", {10000, 0}, {1, 0, 90}, 100.0f, BivalenzStatus::Gefunden, -10, nullptr},
        // Hot water is left in the same proportion: U' = U x 1.25, E = 8000 of 10000:
        // U' >= 2000 at U = 1600, 16 degrees above -20.
        {"kWh with hot water", {8000, 2000}, {0, 8000, 0}, 100.0f, BivalenzStatus::Gefunden, -4,
         nullptr},
        {"unreachable", {10000, 0}, {1, 0, 10}, 1.0f, BivalenzStatus::NichtErreicht, 12,
         "The calculated temperature is > 12"},
        {"more than the year", {10000, 500}, {0, 10501, 0}, 100.0f, BivalenzStatus::ZielZuGross, 0,
         "must not be greater"},
        // Used to divide by the heating demand.
        {"no heating demand", {0, 3000}, {1, 0, 50}, 100.0f, BivalenzStatus::KeinHeizbedarf, 0,
         nullptr},
        {"no demand at all", {0, 0}, {0, 0, 0}, 100.0f, BivalenzStatus::KeinHeizbedarf, 0,
         nullptr},
    };
    for (const SuchFall& f : faelle) {
        SCOPED_TRACE(f.name);
        boxes.shown.clear();
        const SBivalenz b = BerechneDimPunkt(-20, f.bedarf, f.ziel, Rampe(f.proGrad));
        EXPECT_EQ(b.status, f.status);
        EXPECT_EQ(b.temp, f.temp);
        if (f.meldung) {
            EXPECT_NE(BoxTexte().find(f.meldung), std::string::npos) << BoxTexte();
        } else {
            EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
        }
    }
}

// The design values of a house needing 20 °C and a small load at every temperature.
SDimWerte Leicht(int t) {
    return {static_cast<float>(t), 20.0f, 0.5f};
}

TEST_F(BivalenzTest, AnAirHeatPumpGetsNoLimitBelowItsLowestOperatingTemperature) {
    auto p = Lade(kLuft);
    ASSERT_EQ(p->wpumpe.GetWert(ID_MedienTyp).GetIntVal(), 1);
    p->wpumpe.GetWert(ID_MinLuftTemp) = -15;
    ASSERT_EQ(p->wpumpe.GetWert(ID_MinLuftTemp).GetIntVal(), -15);
    const SJahresBedarf bedarf{10000, 0};
    SWPGrenzen g = PruefeWaermepumpe(p->wpumpe, -20, bedarf, Leicht, Rampe(100.0f));
    EXPECT_EQ(g.leistung, -15);
    EXPECT_EQ(g.vorlauf, -15);
    // 500 kWh below -15 of 10000: 95 %.
    EXPECT_EQ(g.prozent, 95u);
    EXPECT_EQ(g.ergebnisTemp, -15);
    // Above the lowest temperature the start itself.
    g = PruefeWaermepumpe(p->wpumpe, -8, bedarf, Leicht, Rampe(100.0f));
    EXPECT_EQ(g.leistung, -8);
    // A load it never carries: no power limit, the flow limit stays.
    g = PruefeWaermepumpe(p->wpumpe, -8, bedarf,
                          [](int t) { return SDimWerte{static_cast<float>(t), 20.0f, 1000.0f}; },
                          Rampe(100.0f));
    EXPECT_EQ(g.leistung, 13);
    EXPECT_EQ(g.vorlauf, -8);
    EXPECT_EQ(g.prozent, 0u);
    // No heating demand: a power limit but no share, and no division by zero.
    g = PruefeWaermepumpe(p->wpumpe, -8, SJahresBedarf{0, 2000}, Leicht, Rampe(100.0f));
    EXPECT_EQ(g.leistung, -8);
    EXPECT_EQ(g.prozent, 0u);
}

// Several units carry the whole load together: the capacity of all of them is held
// against the load of all of them, so the power limit does not move with the count.
TEST_F(BivalenzTest, ThePowerLimitComparesAllUnitsWithTheWholeLoad) {
    auto p = Lade(kSonde);
    float eine = 0.0f;
    p->wpumpe.GetLeistungAnzahl(CWPumpe2::kHeizLeistung, 0.0f, 35.0f, eine);
    ASSERT_NEAR(eine, 11.0f, 0.4f);  // the 11 kW unit at B0/W35
    // Each unit's share of the load is 10.5 - t kW at B0/W35: one unit's 11 kW exceed it
    // first at t = 0 (11.5 kW at -1), whatever the count.
    const DimWerteFn jeEinheit = [](int t) {
        return SDimWerte{0.0f, 35.0f, 10.5f - static_cast<float>(t)};
    };
    for (const unsigned anzahl : {1u, 2u, 3u}) {
        SCOPED_TRACE(anzahl);
        p->wpumpe.SetAnzahl(anzahl);
        const SWPGrenzen g =
            PruefeWaermepumpe(p->wpumpe, -20, SJahresBedarf{10000, 0}, jeEinheit, Rampe(100.0f));
        EXPECT_EQ(g.leistung, 0);
        EXPECT_EQ(g.vorlauf, -20);
        // 2000 kWh below 0 °C of 10000 kWh: 80 %.
        EXPECT_EQ(g.prozent, 80u);
    }
}

}  // namespace
}  // namespace enginetest
