// The solar paths of the evaluation with a solar library that answers fixed gains: a
// plant of 10 m² whose first system feeds the ground and whose second heats hot water,
// every month 100 kWh/m² into the ground (more than the heat pump draws in summer) and
// 5 kWh/m² for hot water.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EngineFixture.h"
#include "core/records/SolareGewinne.h"
#include "evaluation/binding/BindingState.h"
#include "model/data/Spline.h"
#include "platform/text/Text.h"

namespace enginetest {
namespace {

const CVRMString kAnlage(u"Test plant");

class AuswertSolarTest : public EngineFixture {
  protected:
    AuswertSolarTest() {
        binding::SolarAufrufe aufrufe;
        aufrufe.GetSolareGewinne = [this](const CVRMString&, unsigned short art,
                                          CSolareGewinne& g) {
            for (unsigned short m = 0; m < 12; ++m) {
                if (art == 3) g.SetGewinn(m, gewinnTemp, 100.0f, 1);
                if (art == 1) g.SetGewinn(m, 45.0f, 5.0f, 1);
            }
        };
        aufrufe.get = [](const CVRMString&, TKelvoDatenID id) {
            if (id == ID_KFlaeche) return CVRMVariant(10.0f);
            if (id == ID_SolTauschVerlustE) return CVRMVariant(2u);
            return CVRMVariant(0u);
        };
        binding::SetzeSolarBindung(std::move(aufrufe));
    }
    ~AuswertSolarTest() override { binding::LoeseSolarBindung(); }

    std::unique_ptr<Projekt> LadeMitSolar() {
        auto p = Lade(kSonde);
        p->haus.GetWert(ID_ProjMitSolar) = true;
        p->haus.SetSolarWohin(CHaus2::SolarWohinArray(12, CHaus2::kErdreich), 1, false);
        p->haus.SetSolarWohin(CHaus2::SolarWohinArray(12, CHaus2::kWarmwasser), 2, false);
        return p;
    }
    void WerteSolar(Projekt& p) {
        engine.InitAuswertung(0, &p.projekt, &p.kombi, &p.wpumpe, &p.haus, &p.tarif, kAnlage, 0);
        engine.DoAuswertung();
        engine.GetErgebnisse(erg);
    }
    void ErwarteBilanz(Projekt& p) {
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(m);
            float bedarf = 0.0f;
            p.haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
            EXPECT_NEAR(erg.Reihe(ER_HeizWaerme)[m], bedarf, 1e-5f * std::max(1.0f, bedarf));
            for (int r = 1; r <= CKelvoErgebnisse::kReihen; ++r)
                EXPECT_TRUE(std::isfinite(erg.Reihe(static_cast<TErgebnisReihe>(r))[m])) << r;
        }
    }

    float gewinnTemp = 60.0f;
};

// Warm enough: the fed-in heat serves the heat pump first, the rest stays in the ground;
// the hot-water gains cover what the feed-in left of the hot water. The heat still balances.
TEST_F(AuswertSolarTest, WarmFeedInServesTheHeatPumpAndTheHotWaterGainsAreUsed) {
    auto p = LadeMitSolar();
    ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
    std::array<float, 12> gewinnTemps{};
    engine.GetGewinnTemps(gewinnTemps);
    for (int m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        // 60 °C less the exchanger's 2 K; 10 m² x 100 kWh/m² fed in, used or kept.
        EXPECT_FLOAT_EQ(gewinnTemps[m], 58.0f);
        EXPECT_NEAR(erg.Reihe(ER_EinspeisungWP)[m] + erg.Reihe(ER_Einspeisung1)[m], 1000.0f,
                    1e-2f);
        // The ground comes first: where the feed-in carries the hot water the solar
        // hot-water gain (10 m² x 5 kWh/m²) is left over.
        EXPECT_LE(erg.Reihe(ER_SolarWW)[m], 50.0f + 1e-4f);
    }
    EXPECT_GT(erg.Summe(ER_SolarWW), 0.0f);
    EXPECT_GT(erg.Summe(ER_EinspeisungWP), 0.0f);
    EXPECT_TRUE(engine.HatErdreichEinspeisung(4, 9));
    ErwarteBilanz(*p);
}

// Fed-in heat at -20 °C is never 3 K above the brine: each month says so once (from July,
// with the month's abbreviation) and drops its feed-in; the option silences the notice.
TEST_F(AuswertSolarTest, TooColdFeedInIsDroppedWithANoticeUnlessSilenced) {
    gewinnTemp = -20.0f;
    for (int warnen : {1, 0}) {
        SCOPED_TRACE(warnen);
        boxes.shown.clear();
        optionen.SetLongWert(OPT_WARN_STU_SOLAR, warnen);
        auto p = LadeMitSolar();
        ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
        ASSERT_EQ(boxes.shown.size(), warnen ? 12u : 0u) << BoxTexte();
        if (warnen) {
            const std::string erste = platform::toUtf8(boxes.shown[0].text);
            EXPECT_EQ(erste.rfind("(Jul) Solar inlet temperature", 0), 0u) << erste;
            EXPECT_NE(erste.find("is not 3 °C higher"), std::string::npos) << erste;
            EXPECT_EQ(platform::toUtf8(boxes.shown[11].text).rfind("(Jun)", 0), 0u);
        }
        EXPECT_EQ(erg.Summe(ER_Einspeisung1), 0.0f);
        EXPECT_EQ(erg.Summe(ER_EinspeisungWP), 0.0f);
        EXPECT_FALSE(engine.HatErdreichEinspeisung(0, 11));
        ErwarteBilanz(*p);
    }
}

// With solar feed-in a probe is smoothed by default, and the summer difference comes back
// as a ramp: d = the unsmoothed July less the spline's July; May + d/3, June + 2d/3, July
// to October + d on top of the spline.
TEST_F(AuswertSolarTest, FeedInSmoothsAProbeByDefaultAndRampsTheSummerDifference) {
    auto p = LadeMitSolar();
    engine.SetGlaettung(false);
    ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
    const CKelvoErgebnisse::Monatswerte alt = erg.Reihe(ER_QuellTemp1);

    CAuswertManager standard;
    standard.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus, &p->tarif, kAnlage,
                            0);
    standard.DoAuswertung();
    standard.GetErgebnisse(erg);
    const auto& neu = erg.Reihe(ER_QuellTemp1);

    std::array<double, 4> x{4, 5, 8, 9}, y{alt[4], alt[5], alt[8], alt[9]};
    std::vector<double> xs, ys;
    Spline(x, y, xs, ys, 5, 10000.0, 10000.0);
    const float d = alt[6] - static_cast<float>(ys[2]);
    ASSERT_GT(std::fabs(d), 0.01f);
    // Float arithmetic of a few terms: 1e-4 K.
    EXPECT_NEAR(neu[4], alt[4] + d / 3.0f, 1e-4f);
    EXPECT_NEAR(neu[5], alt[5] + 2.0f * d / 3.0f, 1e-4f);
    EXPECT_NEAR(neu[6], static_cast<float>(ys[2]) + d, 1e-4f);
    EXPECT_NEAR(neu[7], static_cast<float>(ys[3]) + d, 1e-4f);
    EXPECT_NEAR(neu[8], alt[8] + d, 1e-4f);
    EXPECT_NEAR(neu[9], alt[9] + d, 1e-4f);
    for (int m : {0, 1, 2, 3, 10, 11}) EXPECT_EQ(neu[m], alt[m]) << m;
}

// With key bit 1 the solar plant is left out: no solar series is filled.
TEST_F(AuswertSolarTest, KeyBitOneLeavesTheSolarPlantOut) {
    auto p = LadeMitSolar();
    engine.InitAuswertung(CAuswertManager::kOhneSolar, &p->projekt, &p->kombi, &p->wpumpe,
                          &p->haus, &p->tarif, kAnlage, 0);
    engine.DoAuswertung();
    engine.GetErgebnisse(erg);
    for (TErgebnisReihe r : {ER_SolarWW, ER_SolarHeiz, ER_Einspeisung1, ER_Einspeisung2,
                             ER_EinspeisungWP})
        EXPECT_EQ(erg.Summe(r), 0.0f) << r;
    EXPECT_TRUE(engine.IstAusgewertet(CAuswertManager::kOhneSolar));
}

}  // namespace
}  // namespace enginetest
