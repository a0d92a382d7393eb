// The heat pump's share of a month by outdoor-temperature bins, on small tables worked by
// hand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "evaluation/AuswertManager.h"
#include "evaluation/BinMethode.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

struct AnteilFall {
    int monat;
    float tage;
    float anteil;
};

TEST(GetMonatsAnteil, FollowsTheTableOfDaysBelowTheBivalencePoint) {
    const AnteilFall faelle[] = {
        {0, 201.0f, 0.09f},  {7, 201.0f, 0.09f},  {6, 201.0f, 0.0f},   {11, 365.0f, 0.09f},
        {0, 200.0f, 0.11f},  {4, 161.0f, 0.11f},  {8, 161.0f, 0.11f},  {5, 200.0f, 0.0f},
        {7, 161.0f, 0.0f},   {0, 160.0f, 0.15f},  {11, 101.0f, 0.15f}, {2, 160.0f, 0.14f},
        {10, 101.0f, 0.14f}, {4, 160.0f, 0.0f},   {8, 101.0f, 0.0f},   {0, 100.0f, 0.2f},
        {2, 31.0f, 0.2f},    {10, 31.0f, 0.2f},   {3, 31.0f, 0.0f},    {0, 30.0f, 0.33f},
        {11, 0.5f, 0.33f},   {2, 30.0f, 0.0f},    {12, 500.0f, 0.0f},  {-1, 20.0f, 0.0f},
    };
    for (const AnteilFall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << "month " << f.monat << ", " << f.tage << " days");
        EXPECT_FLOAT_EQ(GetMonatsAnteil(f.monat, f.tage), f.anteil);
    }
    // The days of the month: 0.09 x 201 = 18.09 in January, 0.33 x 30 = 9.9, 0.2 x 31 = 6.2
    // in March.
    EXPECT_FLOAT_EQ(GetMonatsAnteil(0, 201.0f) * 201.0f, 18.09f);
    EXPECT_FLOAT_EQ(GetMonatsAnteil(0, 30.0f) * 30.0f, 9.9f);
    EXPECT_FLOAT_EQ(GetMonatsAnteil(2, 31.0f) * 31.0f, 6.2f);
}

std::array<float, kBinAnzahl> Bins(std::initializer_list<std::pair<int, float>> tage) {
    std::array<float, kBinAnzahl> bins{};
    for (auto [temp, t] : tage) bins[static_cast<size_t>(temp + kBinNullGrad)] = t;
    return bins;
}

TEST(TageUnterGrenze, CountsNonEmptyBinsStrictlyBelowTheLimit) {
    const auto bins = Bins({{-50, 1.0f}, {-10, 10.0f}, {-3, 0.09f}, {-1, 2.0f}, {0, 30.0f},
                            {12, 5.0f}});
    EXPECT_FLOAT_EQ(TageUnterGrenze(bins, 0.0f), 13.0f);  // 1 + 10 + 2; 0.09 is empty
    EXPECT_FLOAT_EQ(TageUnterGrenze(bins, -10.0f), 1.0f);
    EXPECT_FLOAT_EQ(TageUnterGrenze(bins, 20.0f), 48.0f);  // stops after the last bin
}

// Demand 0.4 x (20 - T) kW, flow 40 - T / 2 °C, a heat pump of 11 kW heat, 8 kW source side
// and 3 kW electric at every point.
class LinearesModell : public IBinModell {
  public:
    float Heizbedarf(float t) override { return 0.4f * (20.0f - t); }
    float VorlaufTemp(float t) override { return 40.0f - 0.5f * t; }
    SWPLeistung WPLeistung(float quellTemp, float vorlaufTemp) override {
        gefragt.push_back({quellTemp, vorlaufTemp});
        return {11.0f, 8.0f, 3.0f};
    }
    std::vector<std::pair<float, float>> gefragt;
};

// January below 0 °C: 10 days at -10 °C and 20 at -5 °C; 0.05 days at -3 °C are empty and
// the 30 days at 0 °C are not below the limit.
const auto kBins = Bins({{-10, 10.0f}, {-5, 20.0f}, {-3, 0.05f}, {0, 30.0f}});
const auto kBinsMinus5 = Bins({{-5, 10.0f}});

SBinEingabe Januar() {
    SBinEingabe e{.bins = kBins};
    e.monat = 0;
    e.grenzTemp = 0.0f;
    e.medium = 0;
    e.quellTemp = 2.0f;
    e.monatsTemp = -2.0f;
    e.minLuftTemp = -8.0f;
    e.maxVorlauf = 60;
    e.zweiteLast = 0.5f;
    return e;
}

struct BinFall {
    const char* name;
    SBinEingabe eingabe;
    SBinErgebnis soll;
};

// Working, for brine (source 2 °C), no blocking (f = 1, B = 0), second load L = 0.5 kW.
// Cumulative days 10 and 30 both give the share 0.33: d = 3.3 days at -10 °C, 6.6 at -5 °C.
// -10 °C: demand 12 kW above the 11 kW capacity: surplus 0, P = 11; backup for heating
//   (12 x 24 - 11 x 24) x 3.3 = 79.2, for the second load 0.5 x 24 x 3.3 = 39.6;
//   79.2 running hours give 871.2 kWh heat, 633.6 source side, 237.6 electric.
// -5 °C: demand 10 kW: surplus S = 1, r = 10/11, P = 10; the surplus over the day (24 kWh)
//   carries L x 24 = 12, so S := 0.5. Hours 158.4 split 10/10.5 and 0.5/10.5: 150.857
//   heating (1508.571 kWh, source 150.857 x 80/11 = 1097.143, electric 411.429) and
//   7.543 second load (3.771 kWh, 54.857 source, 20.571 electric).
// Hours below the limit 237.6; mean flow (45 x 79.2 + 42.5 x 158.4) / 237.6 = 43.333.
// Rest of the month: source (2 x 720 - 237.6 x 2) / 482.4 = 2.
BinFall Sole() {
    BinFall f{"brine", Januar(), {}};
    f.soll.zusatzHeiz = 79.2f;
    f.soll.zusatzZweit = 39.6f;
    f.soll.wpHeiz = 871.2f + 1508.571f;
    f.soll.wpZweit = 3.771f;
    f.soll.quellHeiz = 633.6f + 1097.143f;
    f.soll.quellZweit = 54.857f;
    f.soll.elHeiz = 237.6f + 411.429f;
    f.soll.elZweit = 20.571f;
    f.soll.laufzeitHeiz = 79.2f + 150.857f;
    f.soll.laufzeitZweit = 7.543f;
    f.soll.stundenUnterGrenze = 237.6f;
    f.soll.quellTemp1 = 2.0f;
    f.soll.vorlaufTemp1 = 43.333f;
    f.soll.quellTempRest = 2.0f;
    return f;
}

// Air with a lowest air temperature of -8 °C: the -10 °C bin goes to the backup heater
// (12 x 24 x 3.3 = 950.4 and 0.5 x 24 x 3.3 = 39.6); the -5 °C bin runs as for brine but
// draws at -5 °C. Mean outdoor temperature below the limit
// (-10 x 79.2 - 5 x 158.4) / 237.6 = -6.667, below the month's -2; rest of the month
// (-2 x 720 + 6.667 x 237.6) / 482.4 = 0.2985.
BinFall Luft() {
    BinFall f{"air", Januar(), {}};
    f.eingabe.medium = 1;
    f.soll.zusatzHeiz = 950.4f;
    f.soll.zusatzZweit = 39.6f;
    f.soll.wpHeiz = 1508.571f;
    f.soll.wpZweit = 3.771f;
    f.soll.quellHeiz = 1097.143f;
    f.soll.quellZweit = 54.857f;
    f.soll.elHeiz = 411.429f;
    f.soll.elZweit = 20.571f;
    f.soll.laufzeitHeiz = 150.857f;
    f.soll.laufzeitZweit = 7.543f;
    f.soll.stundenUnterGrenze = 237.6f;
    f.soll.quellTemp1 = -5.0f;
    f.soll.vorlaufTemp1 = 42.5f;
    f.soll.quellTempRest = 0.2985f;
    return f;
}

// 2 blocked hours a day, f = 24 / 22, limit -4 °C: only the -5 °C bin, 10 days, d = 3.3.
// f x 10 = 10.909 below 11: S = 0.0909, P = 10.909, r = 10.909 / 11. The surplus over the
// running day 0.0909 x 22 = 2 cannot carry 12: backup (12 - 2) x 3.3 = 33. Running
// 3.3 x 22 = 72.6 h: 72 heating (785.455 kWh), 0.6 second load (0.0545 kWh); source
// 72.6 x 8 x r = 573.6, electric 72.6 x 3 x r = 215.1, split 72 : 0.6.
BinFall Sperrzeit() {
    BinFall f{"blocked", Januar(), {}};
    f.eingabe.bins = kBinsMinus5;
    f.eingabe.grenzTemp = -4.0f;
    f.eingabe.sperrStdTag = 2.0f;
    f.eingabe.sperrFaktor = 24.0f / 22.0f;
    const float r = (240.0f / 22.0f) / 11.0f;
    f.soll.zusatzZweit = 33.0f;
    f.soll.wpHeiz = 72.0f * 240.0f / 22.0f;
    f.soll.wpZweit = 0.6f * 2.0f / 22.0f;
    f.soll.quellHeiz = 72.0f * 8.0f * r;
    f.soll.quellZweit = 0.6f * 8.0f * r;
    f.soll.elHeiz = 72.0f * 3.0f * r;
    f.soll.elZweit = 0.6f * 3.0f * r;
    f.soll.laufzeitHeiz = 72.0f;
    f.soll.laufzeitZweit = 0.6f;
    f.soll.stundenUnterGrenze = 79.2f;
    f.soll.quellTemp1 = 2.0f;
    f.soll.vorlaufTemp1 = 42.5f;
    f.soll.quellTempRest = 2.0f;
    return f;
}

// A heat pump whose highest flow temperature (40 °C) lies below the bins' flow: all of
// both bins to the backup heater: (12 x 3.3 + 10 x 6.6) x 24 = 2534.4 and 0.5 x 24 x 9.9.
// The heat pump never ran, so the first regime takes the rest of the month and the flow
// at the rest's outdoor temperature (-2 x 720 + 6.667 x 237.6) / 482.4 = 0.2985:
// 40 - 0.149 = 39.851.
BinFall ZuHeiss() {
    BinFall f{"flow too hot", Januar(), {}};
    f.eingabe.maxVorlauf = 40;
    f.soll.zusatzHeiz = 2534.4f;
    f.soll.zusatzZweit = 118.8f;
    f.soll.stundenUnterGrenze = 237.6f;
    f.soll.quellTemp1 = 2.0f;
    f.soll.vorlaufTemp1 = 39.851f;
    f.soll.quellTempRest = 2.0f;
    return f;
}

void ErwarteNah(const char* was, float ist, float soll) {
    // Float sums of a few terms: 1e-4 relative, at least 2e-3 absolute (the hand working
    // is rounded to three decimals).
    EXPECT_NEAR(ist, soll, std::max(2e-3f, std::fabs(soll) * 1e-4f)) << was;
}

TEST(BerechneBins, MatchesTheHandWorking) {
    for (const BinFall& f : {Sole(), Luft(), Sperrzeit(), ZuHeiss()}) {
        SCOPED_TRACE(f.name);
        LinearesModell modell;
        const SBinErgebnis ist = BerechneBins(f.eingabe, modell);
        const SBinErgebnis& s = f.soll;
        ErwarteNah("backup heating", ist.zusatzHeiz, s.zusatzHeiz);
        ErwarteNah("backup second", ist.zusatzZweit, s.zusatzZweit);
        ErwarteNah("heat heating", ist.wpHeiz, s.wpHeiz);
        ErwarteNah("heat second", ist.wpZweit, s.wpZweit);
        ErwarteNah("source heating", ist.quellHeiz, s.quellHeiz);
        ErwarteNah("source second", ist.quellZweit, s.quellZweit);
        ErwarteNah("electric heating", ist.elHeiz, s.elHeiz);
        ErwarteNah("electric second", ist.elZweit, s.elZweit);
        ErwarteNah("hours heating", ist.laufzeitHeiz, s.laufzeitHeiz);
        ErwarteNah("hours second", ist.laufzeitZweit, s.laufzeitZweit);
        ErwarteNah("hours below", ist.stundenUnterGrenze, s.stundenUnterGrenze);
        ErwarteNah("source 1", ist.quellTemp1, s.quellTemp1);
        ErwarteNah("flow 1", ist.vorlaufTemp1, s.vorlaufTemp1);
        ErwarteNah("source rest", ist.quellTempRest, s.quellTempRest);
    }
}

TEST(BerechneBins, AskTheHeatPumpAtTheBinTemperatureForAirAndAtTheSourceOtherwise) {
    LinearesModell sole, luft;
    BerechneBins(Januar(), sole);
    SBinEingabe e = Januar();
    e.medium = 1;
    e.minLuftTemp = -20.0f;
    BerechneBins(e, luft);
    ASSERT_EQ(sole.gefragt.size(), 2u);
    ASSERT_EQ(luft.gefragt.size(), 2u);
    EXPECT_FLOAT_EQ(sole.gefragt[0].first, 2.0f);
    EXPECT_FLOAT_EQ(luft.gefragt[0].first, -10.0f);
    EXPECT_FLOAT_EQ(luft.gefragt[1].first, -5.0f);
    EXPECT_FLOAT_EQ(luft.gefragt[1].second, 42.5f);
}

// A bivalence point of +6 °C in a continental climate: 400 days below it give January
// 0.09 x 400 = 36 days, more hours than the month has. The rest of the month then takes
// the month's own temperatures instead of dividing by 720 - H.
TEST(BerechneBins, MoreHoursBelowTheLimitThanTheMonthHasKeepsTheMonthsTemperatures) {
    for (bool laeuft : {true, false}) {
        SCOPED_TRACE(laeuft ? "heat pump runs" : "heat pump may not run");
        SBinEingabe e = Januar();
        const auto bins = Bins({{-10, 400.0f}});
        e.bins = bins;
        e.grenzTemp = 6.0f;
        e.wpDarfLaufen = laeuft;
        LinearesModell modell;
        const SBinErgebnis erg = BerechneBins(e, modell);
        EXPECT_FLOAT_EQ(erg.stundenUnterGrenze, 36.0f * 24.0f);
        EXPECT_TRUE(std::isfinite(erg.quellTempRest));
        EXPECT_FLOAT_EQ(erg.quellTempRest, 2.0f);
        EXPECT_TRUE(std::isfinite(erg.vorlaufTemp1));
        // Without running hours the first regime's flow is that at the month's -2 °C.
        EXPECT_FLOAT_EQ(erg.vorlaufTemp1, laeuft ? 45.0f : 41.0f);
    }
}

TEST(HeizbedarfDurchWP, RefusesAnUnknownMediumAndAMissingHeatPump) {
    platform::RecordingPresenter boxes;
    platform::ScopedMessageBoxPresenter guard{boxes};
    LinearesModell modell;
    SBinEingabe e = Januar();
    e.medium = 4;
    EXPECT_THROW(CAuswertManager::HeizbedarfDurchWP(e, &modell), platform::UserException);
    EXPECT_THROW(CAuswertManager::HeizbedarfDurchWP(Januar(), nullptr), platform::UserException);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[0].text.find(u"CAuswertManager::HeizbedarfDurchWP"),
              std::u16string::npos);
}

}  // namespace
