// The solar feed-in by priority, worked by hand against the module standing for the solar
// library. Its yield at key k in month m is kBasis[m] - k/5 kWh/m² (July 125, December
// 15); the plant "Opt" has 10 m², so July's limit is L = 20 × 10 = 200 kWh and
// December's 6.0 × 10 = 60 kWh.
#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/SolarOpt.h"
#include "platform/errors/UserException.h"
#include "tests/evaluation/binding/BindungFixture.h"

namespace {

using bindingtest::Fall;

constexpr unsigned short kJuli = 6;
constexpr unsigned short kDezember = 11;
const CVRMString kAnlage(u"Opt");

SSolarVerbraucher Warmwasser() {  // 250 kWh at 50 °C; the store takes 40 % of the yield
    SSolarVerbraucher v;
    v.art = 1;
    v.bedarf = 250.0f;
    v.ertragsKey = 50;
    v.wwFaktor = 0.4f;
    return v;
}
SSolarVerbraucher Heizung(float stunden = 360.0f) {  // 100 kWh at 40 °C
    SSolarVerbraucher v;
    v.art = 2;
    v.bedarf = 100.0f;
    v.ertragsKey = 40;
    v.verlust = {2, 10, 50, 100};
    v.laufStunden = stunden;
    return v;
}
SSolarVerbraucher Erdreich(float x = 12.0f, float stunden = 500.0f) {  // at 20 °C
    SSolarVerbraucher v;
    v.art = 3;
    v.ertragsKey = 20;
    v.erdFaktor = x;
    v.laufStunden = stunden;
    return v;
}

class SolarOptTest : public bindingtest::BindungFixture {
  protected:
    void SetUp() override {
        loadDatabases({u"[Opt]", u"KFlaeche=10.000000", u"[Leer]", u"KFlaeche=0.000000"},
                      {u"[BiboInfo]", u"Version=1.00"});
        testsupport::LadeEnglischeTexte();
        ISolar::Laden(Fall("solar"));
        ASSERT_TRUE(ISolar::IstGeladen());
    }

    SSolarEinspeisung Rechne(const std::array<SSolarVerbraucher, 3>& p, unsigned short monat) {
        SSolarEinspeisung e;
        opt.BerechneEinspeisung(p, kAnlage, monat, e);
        return e;
    }

    CSolarOpt opt;
};

TEST_F(SolarOptTest, PrioritiesShareTheYieldWorkedByHand) {
    const struct {
        const char* name;
        std::array<SSolarVerbraucher, 3> prioritaeten;
        unsigned short monat;
        std::array<float, 3> energie;  // kWh/m², to 1e-4 relative
        std::array<uint32_t, 3> bedient;
    } faelle[] = {
        // Hot water first: Y = 10 × (125 - 50/5) × 0.4 = 460, N = 250, takes 250 → 25/m²,
        //   R = 210, p = 210/460 = 45.652174 %.
        // Heating: Y = 10 × (125 - 8) = 1170, N = 360 × 100/720 = 50, V = 1170 × p = 534.13043,
        //   loss = 100·0.01·50·0.032·2.28 + 2·10·0.035028 = 3.648 + 0.70056 = 4.34856;
        //   takes 50 + 4.34856 = 54.34856 → 5.434856/m², R = 479.78187, p = 41.007 %.
        // Ground: Y = 10 × (125 - 4) = 1210, Fg = 1 - 22·12/1440 = 0.8166667, N = 988.16667,
        //   E = L = 200, V = 1210 × 0.41007 + 200 = 696.1847 < N: takes V → 69.61847/m².
        {"all three in July",
         {Warmwasser(), Heizung(), Erdreich()},
         kJuli,
         {25.0f, 5.434856f, 69.61847f},
         {1, 1, 1}},
        // The ground first and alone: no extra E; x = 0 gives Fg = 1, so N = Y = 1210 and it
        // takes all → 121/m². The second slot of the same kind is skipped.
        {"ground twice",
         {Erdreich(0.0f), Erdreich(0.0f), SSolarVerbraucher()},
         kJuli,
         {121.0f, 0.0f, 0.0f},
         {1, 0, 0}},
        // December, heating first at 100 °C: the yield 15 - 20 is none, so it takes nothing
        //   and p stays 100 (Y + E below 0.001).
        // The ground next: Y = 10 × (15 - 4) = 110, E = L = 60, x = 0: N = 110, V = 170,
        //   takes 110 → 11/m².
        {"empty month first",
         [] {
             auto h = Heizung();
             h.ertragsKey = 100;
             return std::array<SSolarVerbraucher, 3>{h, Erdreich(0.0f), SSolarVerbraucher()};
         }(),
         kDezember,
         {0.0f, 11.0f, 0.0f},
         {1, 1, 0}},
        // An empty first slot: heating runs as the first consumer, the ground after it gets E.
        // Heating: Y = 1170, V = 1170, N = 50 + loss 4.34856 → 5.434856/m², R = 1115.65144,
        //   p = 95.35482 %. Ground: V = 1210 × 0.9535482 + 200 = 1353.7933 > N = 988.16667
        //   → takes N → 98.816667/m².
        {"empty first slot",
         {SSolarVerbraucher(), Heizung(), Erdreich()},
         kJuli,
         {0.0f, 5.434856f, 98.816667f},
         {0, 1, 1}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const SSolarEinspeisung e = Rechne(f.prioritaeten, f.monat);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(e.energie[i], f.energie[i], 1e-4f * std::max(1.0f, f.energie[i])) << i;
            EXPECT_EQ(e.bedient[i], f.bedient[i]) << i;
        }
    }
    EXPECT_TRUE(boxes.shown.empty()) << testing::PrintToString(boxTexts().size());
}

// A month in which the ground's consumer does not run: the factor must not be 0/0.
TEST_F(SolarOptTest, TheGroundFactorHoldsInAMonthWithoutRunningHours) {
    EXPECT_FLOAT_EQ(CSolarOpt::ErdFaktor(12.0f, false), 1.0f - 264.0f / 1440.0f);
    EXPECT_FLOAT_EQ(CSolarOpt::ErdFaktor(12.0f, true), 1.0f - 360.0f / 1440.0f);
    // Alone in July without running hours: N = 0.8166667 × 1210 = 988.16667 → 98.816667/m².
    const SSolarEinspeisung e =
        Rechne({Erdreich(12.0f, 0.0f), SSolarVerbraucher(), SSolarVerbraucher()}, kJuli);
    EXPECT_NEAR(e.energie[0], 98.816667f, 1e-4f);
}

TEST_F(SolarOptTest, TheSummerLimitFollowsTheArea) {
    const struct {
        unsigned short monat;
        float flaeche;
        float f;
    } faelle[] = {{0, 10, 6.0f},  {11, 10, 6.0f}, {1, 10, 6.1f},  {2, 10, 6.2f}, {3, 10, 6.4f},
                  {10, 10, 6.4f}, {4, 10, 6.6f},  {8, 10, 6.6f},  {9, 10, 6.6f}, {5, 20.0f, 35},
                  {5, 20.1f, 50}, {6, 15.0f, 20}, {6, 15.1f, 35}, {7, 8.0f, 10}, {7, 8.1f, 20}};
    for (const auto& f : faelle)
        EXPECT_FLOAT_EQ(CSolarOpt::GrenzeProQm(f.monat, f.flaeche), f.f)
            << f.monat << " " << f.flaeche;
}

TEST_F(SolarOptTest, FailuresNameTheirPlaceAndKeepWhatTheSlotsBeforeGave) {
    SSolarEinspeisung e;
    EXPECT_THROW(opt.BerechneEinspeisung({Warmwasser()}, kAnlage, 12, e), platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3105, u"CSolarOpt::BerechneEinspeisung(P3)"));
    boxes.shown.clear();
    // A plant without collector area would divide by 0.
    EXPECT_THROW(opt.BerechneEinspeisung({Warmwasser()}, u"Leer", kJuli, e),
                 platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3105, u"CSolarOpt::BerechneEinspeisung(P2)"));

    // The second slot runs more hours than the month has: the hot water stays as worked.
    boxes.shown.clear();
    EXPECT_THROW(opt.BerechneEinspeisung({Warmwasser(), Heizung(721.0f)}, kAnlage, kJuli, e),
                 platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Exception");
    EXPECT_FLOAT_EQ(e.energie[0], 25.0f);
    EXPECT_EQ(e.bedient[0], 1u);

    boxes.shown.clear();
    ISolar::Leeren();
    EXPECT_THROW(opt.BerechneEinspeisung({Warmwasser()}, kAnlage, kJuli, e),
                 platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3105, u"CSolarOpt::BerechneEinspeisung"));
}

}  // namespace
