// The solar sample project of the shipped library with the solar library bound from the
// program folder: its stored gains are what the feed-in by priority gives for its house,
// the yearly evaluation takes them and every month's heat still balances, and gains of
// all three kinds with empty months in between survive saving and a fresh start.
#include <gtest/gtest.h>

#include <cmath>

#include "EngineFixture.h"
#include "core/db/Global.h"
#include "core/records/SolareGewinne.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/SolarOpt.h"
#include "evaluation/binding/Solar.h"
#include "platform/text/Text.h"

namespace enginetest {
namespace {

constexpr const char16_t* kSolar = u"Sample ground probe solar_(bib)";

// The sample's consumers, as the data file's note states them: hot water at 50 °C with its
// monthly demand, heating at 40 °C with the month's whole heating demand over 720 hours,
// the ground at 25 °C taking all that is left (x = 0); no circuit losses.
constexpr uint32_t kKeyWarmwasser = 50;
constexpr uint32_t kKeyHeizung = 40;
constexpr uint32_t kKeyErdreich = 25;

class SolarBeispielTest : public EngineFixture {
  protected:
    SolarBeispielTest() { ISolar::Laden(VARM_PROGRAM_DIR); }
    ~SolarBeispielTest() override { ISolar::Leeren(); }

    // The month's consumers in the order of the house's three systems.
    std::array<SSolarVerbraucher, 3> Verbraucher(Projekt& p, unsigned short monat) {
        std::array<SSolarVerbraucher, 3> v{};
        for (unsigned short system = 1; system <= 3; ++system) {
            SSolarVerbraucher& c = v[system - 1];
            c.art = p.haus.GetSolarWohin(monat, system);
            c.laufStunden = 720.0f;
            if (c.art == 1) {
                p.haus.MonatlicherWWbedarf(monat, c.bedarf);
                c.ertragsKey = kKeyWarmwasser;
            } else if (c.art == 2) {
                p.haus.MomentanerHeizbedarf(monat, 1, c.bedarf);
                c.bedarf *= 720.0f;
                c.ertragsKey = kKeyHeizung;
            } else if (c.art == 3) {
                c.ertragsKey = kKeyErdreich;
            }
        }
        return v;
    }
};

TEST_F(SolarBeispielTest, TheStoredGainsAreTheFeedInOfTheSample) {
    ASSERT_TRUE(ISolar::IstGeladen()) << BoxTexte();
    auto p = Lade(kSolar);
    const CVRMString anlage = p->Solar();
    ASSERT_NO_THROW(ISolar::InitSolarAnlage(anlage)) << BoxTexte();
    std::array<CSolareGewinne, 3> gespeichert;
    for (unsigned short art = 1; art <= 3; ++art)
        ISolar::GetSolareGewinne(anlage, art, gespeichert[art - 1]);
    const uint32_t keys[] = {kKeyWarmwasser, kKeyHeizung, kKeyErdreich};
    CSolarOpt opt;
    for (unsigned short m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        const auto v = Verbraucher(*p, m);
        SSolarEinspeisung e;
        opt.BerechneEinspeisung(v, anlage, m, e);
        for (int slot = 0; slot < 3; ++slot) {
            if (v[slot].art == 0) continue;
            const CSolareGewinne& g = gespeichert[v[slot].art - 1];
            EXPECT_TRUE(g.IstTempEingetragen(m));
            EXPECT_FLOAT_EQ(g.GetGewinnTemp(m), static_cast<float>(keys[v[slot].art - 1]));
            EXPECT_NEAR(g.GetGewinnWert(m), e.energie[slot], 0.006f);  // stored with 2 decimals
        }
    }
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

// The heat of every month balances as without solar; the solar series carry the stored
// gains of the 10 m² where the house sends them.
TEST_F(SolarBeispielTest, TheYearlyEvaluationTakesTheSolarSeriesAndStillBalances) {
    ASSERT_TRUE(ISolar::IstGeladen()) << BoxTexte();
    auto p = Lade(kSolar);
    const CVRMString anlage = p->Solar();
    ASSERT_NO_THROW(ISolar::InitSolarAnlage(anlage)) << BoxTexte();
    ASSERT_TRUE(p->haus.IstSolarProjekt(anlage));
    EXPECT_TRUE(p->haus.SolarDatenOK(anlage)) << BoxTexte();
    ASSERT_NO_THROW(Werte(*p)) << BoxTexte();
    for (int m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        float bedarf = 0.0f;
        p->haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
        // The engine leaves a rest below 0.1 % of the demand unbooked once the solar heat
        // has covered the rest (September: 248.20 kWh of solar heat for 248.22 kWh).
        EXPECT_NEAR(erg.Reihe(ER_HeizWaerme)[m], bedarf, 1e-3f * bedarf + 1e-5f);
        for (int r = 1; r <= CKelvoErgebnisse::kReihen; ++r)
            EXPECT_TRUE(std::isfinite(erg.Reihe(static_cast<TErgebnisReihe>(r))[m])) << r;
        // Used solar heat never exceeds what the plant gives for that use.
        EXPECT_GE(erg.Reihe(ER_SolarWW)[m], 0.0f);
        EXPECT_GE(erg.Reihe(ER_SolarHeiz)[m], 0.0f);
    }
    // Hot water, May to September: 10 m² × 28.02 kWh/m² = 280.2 kWh, the whole demand.
    for (int m = 4; m <= 8; ++m) EXPECT_NEAR(erg.Reihe(ER_SolarWW)[m], 280.2f, 0.5f) << m;
    // Heating in March, April, September and October only.
    for (int m : {2, 3, 8, 9}) EXPECT_GT(erg.Reihe(ER_SolarHeiz)[m], 0.0f) << m;
    for (int m : {0, 1, 4, 5, 6, 7, 10, 11}) EXPECT_EQ(erg.Reihe(ER_SolarHeiz)[m], 0.0f) << m;
    // The ground, May to August: all of 10 m² × the stored gain is used or kept.
    const float erde[] = {443.6f, 833.1f, 845.8f, 757.5f};
    for (int m = 4; m <= 7; ++m)
        EXPECT_NEAR(erg.Reihe(ER_EinspeisungWP)[m] + erg.Reihe(ER_Einspeisung1)[m], erde[m - 4],
                    0.1f)
            << m;
    EXPECT_TRUE(engine.HatErdreichEinspeisung(4, 7));
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();

    // Without the library the same project is evaluated without any solar series.
    ISolar::Leeren();
    auto ohne = Lade(kSolar);
    ASSERT_NO_THROW(Werte(*ohne)) << BoxTexte();
    for (TErgebnisReihe r : {ER_SolarWW, ER_SolarHeiz, ER_Einspeisung1, ER_EinspeisungWP})
        EXPECT_EQ(erg.Summe(r), 0.0f) << r;
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

// Gains go through the library into the user database; after a fresh start of the value
// store and the plant they come back month by month, the empty months empty.
TEST_F(SolarBeispielTest, GainsOfAllThreeKindsSurviveSavingAndAFreshStart) {
    ASSERT_TRUE(ISolar::IstGeladen()) << BoxTexte();
    const CVRMString anlage(u"Eigene Anlage");
    ASSERT_NO_THROW(ISolar::set(anlage, ID_KFlaeche, CVRMVariant(6.0f), 1)) << BoxTexte();
    ASSERT_NO_THROW(ISolar::InitSolarAnlage(anlage)) << BoxTexte();
    // The plant the library holds takes its new collector.
    ASSERT_NO_THROW(ISolar::set(anlage, ID_SolKollBez,
                                CVRMVariant(CVRMString(u"FlatPlate-Reference-45S_(bib)")), 1))
        << BoxTexte();

    // Each kind with months left empty between entered ones, one of them a gain of 0.
    std::array<CSolareGewinne, 3> gesendet;
    gesendet[0].SetGewinn(0, 50.0f, 3.25f, 1);
    gesendet[0].SetGewinn(2, 50.0f, 0.0f, 1);
    gesendet[0].SetGewinn(11, 45.5f, 1.5f, 1);
    gesendet[1].SetGewinn(3, 40.0f, 20.75f, 1);
    gesendet[1].SetGewinn(9, 35.0f, 12.0f, 1);
    gesendet[2].SetGewinn(5, 25.0f, 80.5f, 1);
    gesendet[2].SetGewinn(7, 22.0f, 70.0f, 1);
    for (unsigned short art = 1; art <= 3; ++art)
        ASSERT_NO_THROW(ISolar::SetSolareGewinne(anlage, art, gesendet[art - 1])) << BoxTexte();

    // A fresh start: the value store reads the file again, the library refills the plant.
    CVRMdatenProvider::remove();
    ASSERT_NO_THROW(ISolar::InitSolarAnlage(anlage)) << BoxTexte();
    EXPECT_FLOAT_EQ(ISolar::get(anlage, ID_KFlaeche).GetFloatVal(), 6.0f);
    EXPECT_EQ(ISolar::get(anlage, ID_SolKollBez).GetStringVal(), u"FlatPlate-Reference-45S_(bib)");
    for (unsigned short art = 1; art <= 3; ++art) {
        SCOPED_TRACE(art);
        CSolareGewinne zurueck;
        ASSERT_NO_THROW(ISolar::GetSolareGewinne(anlage, art, zurueck)) << BoxTexte();
        const CSolareGewinne& g = gesendet[art - 1];
        for (unsigned short m = 0; m < 12; ++m) {
            SCOPED_TRACE(m);
            EXPECT_EQ(zurueck.IstTempEingetragen(m), g.IstTempEingetragen(m));
            EXPECT_FLOAT_EQ(zurueck.GetGewinnTemp(m), g.GetGewinnTemp(m));
            EXPECT_FLOAT_EQ(zurueck.GetGewinnWert(m), g.GetGewinnWert(m));
        }
    }
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

// The sample's collector through both yield calls of the library: the records as listed,
// a key between two records interpolated (to the "%.1f" the library sends), and records
// written for a collector of one's own read back.
TEST_F(SolarBeispielTest, CollectorRecordsAndYieldsAgreeThroughTheLibrary) {
    ASSERT_TRUE(ISolar::IstGeladen()) << BoxTexte();
    auto p = Lade(kSolar);
    const CVRMString anlage = p->Solar();
    ASSERT_NO_THROW(ISolar::InitSolarAnlage(anlage)) << BoxTexte();
    const CVRMString kollektor = ISolar::get(anlage, ID_SolKollBez).GetStringVal();
    ASSERT_NO_THROW(ISolar::InitKollektor(kollektor)) << BoxTexte();

    std::vector<SKollektorErtrag> records;
    ISolar::GetKollektorErtraege(kollektor, records);
    ASSERT_EQ(records.size(), 4u);  // 20, 40, 60, 80 °C
    EXPECT_EQ(records[1].key, 40);
    EXPECT_EQ(records[2].key, 60);
    CSolareGewinne bei50;
    ISolar::GetKollektorErtraege(anlage, 50, bei50);
    for (unsigned short m = 0; m < 12; ++m) {
        // Halfway between the records of 40 and 60 °C, each rounded to 0.05 on the way.
        EXPECT_NEAR(bei50.GetGewinnWert(m), (records[1].ertraege[m] + records[2].ertraege[m]) / 2,
                    0.1f)
            << m;
    }
    // Hot water alone with more demand than the month's yield takes the whole yield at 50 °C.
    SSolarVerbraucher ww;
    ww.art = 1;
    ww.bedarf = 1.0e6f;
    ww.ertragsKey = 50;
    SSolarEinspeisung e;
    CSolarOpt().BerechneEinspeisung({ww}, anlage, 6, e);
    EXPECT_NEAR(e.energie[0], bei50.GetGewinnWert(6), 1e-3f);

    const CVRMString eigener(u"Eigener Kollektor");
    ISolar::SetKollektorErtraege(
        eigener, {u"30#1#2#3#4#5#6#7#8#9#10#11#12#", u"70#0.5#1#1.5#2#2.5#3#3.5#4#4.5#5#5.5#6#"});
    ASSERT_NO_THROW(ISolar::InitKollektor(eigener)) << BoxTexte();
    ISolar::GetKollektorErtraege(eigener, records);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].key, 30);
    EXPECT_FLOAT_EQ(records[0].ertraege[11], 12.0f);
    EXPECT_EQ(records[1].key, 70);
    EXPECT_FLOAT_EQ(records[1].ertraege[0], 0.5f);
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

}  // namespace
}  // namespace enginetest
