// The three sample projects of the shipped library through the whole heating year: every
// month's heat balances, no figure is NaN or infinite, and the heat pump's hours and
// electricity follow from its capacities.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineFixture.h"
#include "evaluation/HeizKontext.h"

namespace enginetest {
namespace {

class AuswertBeispieleTest : public EngineFixture {};

TEST_F(AuswertBeispieleTest, EveryMonthsHeatBalancesInEachSampleProject) {
    for (const char16_t* name : {kSonde, kLuft, kWasser}) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        boxes.shown.clear();
        auto p = Lade(name);
        ASSERT_NO_THROW(Werte(*p)) << BoxTexte();
        EXPECT_TRUE(engine.IstAusgewertet(0));
        EXPECT_FALSE(engine.IstAusgewertet(1));

        for (int r = 1; r <= CKelvoErgebnisse::kReihen; ++r) {
            for (int m = 0; m < 12; ++m)
                EXPECT_TRUE(std::isfinite(erg.Reihe(static_cast<TErgebnisReihe>(r))[m]))
                    << "series " << r << " month " << m;
        }
        std::array<float, 12> wasser{};
        p->haus.MonatlicherWWbedarf(wasser);
        float jahr = 0.0f;
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(::testing::Message() << "month " << m);
            float bedarf = 0.0f;
            p->haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
            jahr += bedarf;
            // The heat is the demand the engine was given; without solar heat (the solar
            // library is not bound) the heat pump delivers it with the backup heater.
            const float heiz = erg.Reihe(ER_HeizWaerme)[m];
            const float wp = erg.Reihe(ER_HeizWPWaerme)[m];
            EXPECT_NEAR(heiz, bedarf, 1e-5f * std::max(1.0f, bedarf));
            EXPECT_GE(wp, 0.0f);
            EXPECT_LE(wp, heiz + 1e-6f);
            // Hot water: what is reheated otherwise is part of the heat.
            EXPECT_GE(erg.Reihe(ER_WWZweiterWE)[m], 0.0f);
            EXPECT_LE(erg.Reihe(ER_WWZweiterWE)[m], erg.Reihe(ER_WWWaerme)[m] + 1e-3f);
            if (wasser[m] > 0.0f) {
                EXPECT_GT(erg.Reihe(ER_WWWaerme)[m], 0.0f);
            }
            EXPECT_EQ(erg.Reihe(ER_SolarWW)[m] + erg.Reihe(ER_SolarHeiz)[m], 0.0f);
            EXPECT_EQ(erg.Reihe(ER_Reihe23)[m] + erg.Reihe(ER_Reihe24)[m], 0.0f);
        }
        EXPECT_GT(jahr, 0.0f);
        EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
    }
}

// The heat pump's heat is what it draws from the source plus its electricity: every
// performance record of the shipped library has heating = source + electric capacity (to
// 0.01 kW), and so has every point between them. So in every month the heat pump's heating
// heat (mean kW x 720 h) is the heating source energy plus the heating electricity, and
// its hot-water heat (the hot-water heat less what is reheated otherwise) is the hot-water
// source energy plus the hot-water electricity. The last case sets the hot water to 65 °C,
// above what the heat pumps reach: the heat above their flow temperature is reheated, and
// the backup months must not ask the heat pump for it as well.
TEST_F(AuswertBeispieleTest, TheHeatPumpsHeatIsItsSourceEnergyPlusItsElectricity) {
    const struct {
        const char* name;
        const char16_t* projekt;
        unsigned wwTemp;  // 0: as the sample has it
    } faelle[] = {{"probe", kSonde, 0},
                  {"air", kLuft, 0},
                  {"ground water", kWasser, 0},
                  {"air, hot water at 65 °C", kLuft, 65},
                  {"ground water, hot water at 65 °C", kWasser, 65}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        boxes.shown.clear();
        auto p = Lade(f.projekt);
        if (f.wwTemp != 0) p->haus.GetWert(ID_WWSollTemp) = f.wwTemp;
        ASSERT_NO_THROW(Werte(*p)) << BoxTexte();
        float nachgeheizt = 0.0f;
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(::testing::Message() << "month " << m);
            // Records rounded to 0.01 kW of capacities from about 3 kW up: 1 % and 0.5 kWh.
            const float heizWP = erg.Reihe(ER_HeizWPWaerme)[m] * 720.0f;
            EXPECT_NEAR(heizWP, erg.Reihe(ER_HeizQuellEnergie)[m] + erg.Reihe(ER_HeizStrom)[m],
                        0.01f * heizWP + 0.5f);
            const float wwWP = erg.Reihe(ER_WWWaerme)[m] - erg.Reihe(ER_WWZweiterWE)[m];
            EXPECT_NEAR(wwWP, erg.Reihe(ER_WWQuellEnergie)[m] + erg.Reihe(ER_WWStrom)[m],
                        0.01f * wwWP + 0.5f);
            nachgeheizt += erg.Reihe(ER_WWZweiterWE)[m];
        }
        if (f.wwTemp != 0) {
            EXPECT_GT(nachgeheizt, 0.0f);
        }
    }
}

// In a month without backup heater the heat pump runs at the brine temperature of the
// month before and the month's flow temperature: its heat is hours x heating capacity,
// its electricity hours x electric power.
TEST_F(AuswertBeispieleTest, HoursAndElectricityFollowFromTheCapacitiesWithoutBackup) {
    for (const char16_t* name : {kSonde, kLuft, kWasser}) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        auto p = Lade(name);
        ASSERT_NO_THROW(Werte(*p)) << BoxTexte();
        CHeizKontext k(p->kombi, p->wpumpe, p->haus, p->tarif);
        int geprueft = 0;
        for (int m = 0; m < 12; ++m) {
            const float wp = erg.Reihe(ER_HeizWPWaerme)[m];
            if (wp <= 0.0f || CAuswertManager::MussZugeheiztWerden(m, k)) continue;
            SCOPED_TRACE(::testing::Message() << "month " << m);
            float vorlauf = 0.0f;
            p->haus.MomentaneVorlaufTemp(static_cast<unsigned short>(m), k.sperrFaktor, vorlauf,
                                         true);
            const float sole = erg.Reihe(ER_SoleTemp)[(m + 11) % 12];
            float heiz = 0.0f, el = 0.0f;
            p->wpumpe.GetLeistungGesamt(CWPumpe2::kHeizLeistung, sole, vorlauf, k.vorlauf,
                                        k.ruecklauf, heiz);
            p->wpumpe.GetLeistungGesamt(CWPumpe2::kElektroLeistung, sole, vorlauf, k.vorlauf,
                                        k.ruecklauf, el);
            const float stunden = erg.Reihe(ER_HeizLaufzeit)[m];
            // Float products of a few terms: 1e-4 relative.
            EXPECT_NEAR(stunden * heiz, wp * 720.0f, 1e-4f * wp * 720.0f);
            EXPECT_NEAR(erg.Reihe(ER_HeizStrom)[m], stunden * el, 1e-4f * stunden * el + 1e-4f);
            ++geprueft;
        }
        EXPECT_GT(geprueft, 0);
    }
}

}  // namespace
}  // namespace enginetest
