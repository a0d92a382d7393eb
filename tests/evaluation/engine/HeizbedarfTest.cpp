// Whether the backup heater runs in a month and what the heat pump covers, over the
// sample projects with their operating mode, bivalence point and tariff changed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "EngineFixture.h"
#include "evaluation/HeizKontext.h"
#include "model/data/VRMdatenProvider2.h"

namespace enginetest {
namespace {

class HeizbedarfTest : public EngineFixture {};

struct ModusFall {
    const char* name;
    const char16_t* projekt;
    int betrWeise;
    int dimPunkt;
};

// The months follow the days below the bivalence point in the location's bins; a
// monovalent mode never needs the backup heater, whatever the bins say.
TEST_F(HeizbedarfTest, TheBackupHeaterRunsByModeAndDaysBelowTheBivalencePoint) {
    const ModusFall faelle[] = {
        {"monovalent", kSonde, 1, 12},         {"mono-energetic -5", kSonde, 0, -5},
        {"bivalent parallel -2", kWasser, 2, -2}, {"bivalent alternative +6", kWasser, 4, 6},
        {"mono-energetic +12, air", kLuft, 0, 12},
    };
    for (const ModusFall& f : faelle) {
        SCOPED_TRACE(f.name);
        auto p = Lade(f.projekt);
        p->Quelle1().SetzeWert(ID_BetrWeiseIdx, CVRMVariant(f.betrWeise));
        p->Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(f.dimPunkt));
        std::array<float, kBinAnzahl> bins{};
        CVRMdatenProvider2::Get().GetTempHaeufigkeiten(
            p->haus.GetWert(ID_Wetterort).GetStringVal(), bins,
            p->haus.GetWert(ID_Klimaort).GetStringVal());
        const float tage = TageUnterGrenze(bins, static_cast<float>(f.dimPunkt));
        int monate = 0;
        for (int m = 0; m < 12; ++m) {
            const bool soll = f.betrWeise != 1 && GetMonatsAnteil(m, tage) * tage > 0.09f;
            EXPECT_EQ(CAuswertManager::MussZugeheiztWerden(m, p->kombi, p->wpumpe, p->haus,
                                                           p->tarif),
                      soll)
                << "month " << m << ", " << tage << " days";
            monate += soll;
        }
        if (f.betrWeise != 1) {
            EXPECT_GT(monate, 0) << tage << " days";
        }
        EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
    }
}

// The heat pump's part never exceeds the demand, the second load's part never the load;
// without backup heater the heat pump covers everything at the month's temperatures.
TEST_F(HeizbedarfTest, TheHeatPumpsPartStaysWithinTheDemand) {
    for (int dimPunkt : {-20, -2, 6}) {
        SCOPED_TRACE(dimPunkt);
        auto p = Lade(kWasser);
        p->Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(dimPunkt));
        CHeizKontext k(p->kombi, p->wpumpe, p->haus, p->tarif);
        for (int m = 0; m < 12; ++m) {
            SCOPED_TRACE(m);
            float bedarf = 0.0f;
            p->haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
            const SHeizbedarfWP b =
                CAuswertManager::MomHeizbedarfDurchWP(m, bedarf, 10.0f, 0.4f, k);
            for (float w : {b.wpAnteil, b.zweitAnteil, b.laufLeistung1, b.laufLeistung2,
                            b.quellTemp1, b.vorlaufTemp1, b.quellTemp2})
                EXPECT_TRUE(std::isfinite(w));
            EXPECT_GE(b.wpAnteil, 0.0f);
            EXPECT_LE(b.wpAnteil, bedarf);
            EXPECT_LE(b.laufLeistung1, b.wpAnteil);
            EXPECT_GE(b.zweitAnteil, 0.0f);
            EXPECT_LE(b.zweitAnteil, 0.4f);
            if (!CAuswertManager::MussZugeheiztWerden(m, k)) {
                EXPECT_EQ(b.wpAnteil, bedarf);
                EXPECT_EQ(b.laufLeistung1, 0.0f);
                EXPECT_EQ(b.quellTemp2, 10.0f);
            }
        }
    }
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

// Blocking on every day raises the capacity the heat pump needs by 24 / (24 - hours);
// blocking on working days only by a weighted factor (x 0.714 + 0.286).
TEST_F(HeizbedarfTest, TheBlockingFactorFollowsTheTariffsWeekendSwitch) {
    auto p = Lade(kSonde);
    p->tarif.GetWert(ID_Tarif1) = true;
    p->tarif.GetWert(ID_SperrZ1) = 4.0f;
    const float stunden = p->tarif.GetSperrzeitProTag();
    ASSERT_GE(stunden, 4.0f);
    const float ganzeWoche = 24.0f / (24.0f - stunden);
    p->tarif.GetWert(ID_SZWoEnde) = false;
    EXPECT_FLOAT_EQ(CHeizKontext::SperrFaktor(p->tarif), ganzeWoche);
    p->tarif.GetWert(ID_SZWoEnde) = true;
    EXPECT_FLOAT_EQ(CHeizKontext::SperrFaktor(p->tarif), ganzeWoche * 0.714f + 0.286f);
    CHeizKontext k(p->kombi, p->wpumpe, p->haus, p->tarif);
    EXPECT_FLOAT_EQ(k.sperrStdMonat, stunden * 22.0f);
}

}  // namespace
}  // namespace enginetest
