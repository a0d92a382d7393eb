// The solar paths of the evaluation with a solar library that answers fixed gains: a
// plant of 10 m² whose first system feeds the ground and whose second heats hot water,
// every month 100 kWh/m² into the ground (more than the heat pump draws in summer) and
// 5 kWh/m² for hot water, unless a test says otherwise.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EngineFixture.h"
#include "core/records/SolareGewinne.h"
#include "core/value/VRMdatenProvider.h"
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
        gewinnTemps.fill(60.0f);
        aufrufe.GetSolareGewinne = [this](const CVRMString&, unsigned short art,
                                          CSolareGewinne& g) {
            for (unsigned short m = 0; m < 12; ++m) {
                if (art == 3) g.SetGewinn(m, gewinnTemps[m], erdGewinn, 1);
                if (art == 1) g.SetGewinn(m, 45.0f, 5.0f, 1);
                if (art == 2 && heizGewinn > 0.0f) g.SetGewinn(m, 45.0f, heizGewinn, 1);
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

    // The plant's first system serves `erstes`, its second `zweites`, every month.
    std::unique_ptr<Projekt> LadeMitSolar(const char16_t* name = kSonde,
                                          unsigned erstes = CHaus2::kErdreich,
                                          unsigned zweites = CHaus2::kWarmwasser) {
        auto p = Lade(name);
        p->haus.GetWert(ID_ProjMitSolar) = true;
        // In memory only: the sample's house is a library record.
        const auto jedenMonat = [](unsigned ziel) {
            std::u16string text;
            for (int m = 0; m < 12; ++m) text += platform::u16(std::to_string(ziel)) + u"#";
            return CVRMString(text);
        };
        p->haus.GetWert(ID_SolarWohin1) = jedenMonat(erstes);
        p->haus.GetWert(ID_SolarWohin2) = jedenMonat(zweites);
        CVRMdatenProvider::get().fill(p->haus, p->haus.getConsumerName());
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

    // Per m² and month: into the ground at these temperatures, and for heating.
    std::array<float, 12> gewinnTemps{};
    float erdGewinn = 100.0f;
    float heizGewinn = 0.0f;
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
    gewinnTemps.fill(-20.0f);
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

// July is computed first, against June's brine that is still 0 °C: fed-in heat at 3 K
// above it is used, at 2.9 K above it is too cold (the exchanger takes 2 K of the 5 °C or
// 4.9 °C the plant delivers), which the notice says.
TEST_F(AuswertSolarTest, FedInHeatMustLieAtLeastThreeKelvinAboveTheBrine) {
    optionen.SetLongWert(OPT_WARN_STU_SOLAR, 1);
    const struct {
        float julitemp;
        size_t boxen;
    } faelle[] = {{5.0f, 0u}, {4.9f, 1u}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.julitemp);
        boxes.shown.clear();
        gewinnTemps[6] = f.julitemp;
        auto p = LadeMitSolar();
        ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
        ASSERT_EQ(boxes.shown.size(), f.boxen) << BoxTexte();
        if (f.boxen == 0) {
            EXPECT_GT(erg.Reihe(ER_EinspeisungWP)[6], 0.0f);
        } else {
            EXPECT_EQ(platform::toUtf8(boxes.shown[0].text).rfind("(Jul)", 0), 0u) << BoxTexte();
            EXPECT_EQ(erg.Reihe(ER_EinspeisungWP)[6] + erg.Reihe(ER_Einspeisung1)[6], 0.0f);
        }
        EXPECT_GT(erg.Reihe(ER_EinspeisungWP)[7], 0.0f);
    }
}

// Solar heat for hot water (or heating) first, then a little heat fed into the ground
// (20 kWh a month, less than the heat pump draws): the first gain leaves a share of the
// hot water (of the heating), the feed-in covers part of the shares, and the heat pump the
// rest. However the month is shared out, it delivers the hot water and the heating the
// house needs: the hot water of the same year without solar heat, and the heating demand.
TEST_F(AuswertSolarTest, TheSharesLeftAfterEachSolarStepAddUpToTheWholeDemand) {
    const struct {
        const char* name;
        unsigned erstes;
        float heizGewinn;  // kWh/m²: 10 kWh, less than the heating demand of a winter month
    } faelle[] = {{"hot water, then ground", CHaus2::kWarmwasser, 0.0f},
                  {"heating, then ground", CHaus2::kHeizung, 1.0f}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        erdGewinn = 100.0f;
        heizGewinn = 0.0f;
        auto p = LadeMitSolar(kSonde, f.erstes, CHaus2::kErdreich);
        engine.InitAuswertung(CAuswertManager::kOhneSolar, &p->projekt, &p->kombi, &p->wpumpe,
                              &p->haus, &p->tarif, kAnlage, 0);
        engine.DoAuswertung();
        engine.GetErgebnisse(erg);
        const CKelvoErgebnisse::Monatswerte ohneSolar = erg.Reihe(ER_WWWaerme);

        erdGewinn = 2.0f;
        heizGewinn = f.heizGewinn;
        ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
        EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(m);
            // Both solar steps took part: 50 kWh of hot water, all 20 kWh fed in.
            if (f.erstes == CHaus2::kWarmwasser) {
                EXPECT_FLOAT_EQ(erg.Reihe(ER_SolarWW)[m], 50.0f);
            }
            EXPECT_NEAR(erg.Reihe(ER_EinspeisungWP)[m], 20.0f, 1e-4f);
            EXPECT_NEAR(erg.Reihe(ER_WWWaerme)[m], ohneSolar[m], 1e-4f * ohneSolar[m]);
        }
        if (f.heizGewinn > 0.0f) {
            EXPECT_NEAR(erg.Reihe(ER_SolarHeiz)[0], 10.0f, 1e-4f);
        }
        ErwarteBilanz(*p);
    }
}

// Solar heat for heating beyond the whole demand of every month: it covers the demand, so
// no backup heater runs, even in the months in which the air heat pump alone would need
// one (bivalent below +6 °C, and stopped below +2 °C). The heat without backup is the whole
// heat.
TEST_F(AuswertSolarTest, SolarHeatThatCoversTheDemandLeavesNoBackupHeat) {
    auto p = LadeMitSolar(kLuft, CHaus2::kHeizung, CHaus2::kWarmwasser);
    p->Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(6));
    p->wpumpe.GetWert(ID_MinLuftTemp) = 2;
    engine.InitAuswertung(CAuswertManager::kOhneSolar, &p->projekt, &p->kombi, &p->wpumpe,
                          &p->haus, &p->tarif, kAnlage, 0);
    engine.DoAuswertung();
    engine.GetErgebnisse(erg);
    int mitZusatz = 0;
    for (int m = 0; m < 12; ++m)
        if (erg.Reihe(ER_HeizWPWaerme)[m] < erg.Reihe(ER_HeizWaerme)[m] - 0.01f) ++mitZusatz;
    ASSERT_GT(mitZusatz, 0) << "the air heat pump alone needs no backup heater";

    heizGewinn = 10000.0f;
    ASSERT_NO_THROW(WerteSolar(*p)) << BoxTexte();
    for (int m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        const float heiz = erg.Reihe(ER_HeizWaerme)[m];
        EXPECT_NEAR(erg.Reihe(ER_SolarHeiz)[m], heiz * 720.0f, 1e-3f * std::max(1.0f, heiz));
        EXPECT_EQ(erg.Reihe(ER_HeizWPWaerme)[m], heiz);
        EXPECT_EQ(erg.Reihe(ER_HeizLaufzeit)[m], 0.0f);
    }
    ErwarteBilanz(*p);
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
