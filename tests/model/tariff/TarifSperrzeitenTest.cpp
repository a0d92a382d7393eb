// The period form of the blocking times: hours of a period inside a tariff window, and the
// conversion of a record when it is loaded.
#include <algorithm>

#include "core/db/Global.h"
#include "tests/model/tariff/TarifFixture.h"

namespace {

using tariftest::TarifFixture;
using Lines = std::vector<std::u16string>;

class TarifSperrzeiten : public TarifFixture {
  protected:
    // Period 1 of "Tarif-Perioden" in the database, as the period form reads it.
    static void SetzePeriode1(bool aktiv, int von, int bis) {
        IGlobal::WriteIniInt(u"Tarif-Perioden", u"SperrZ1", aktiv ? 1 : 0, 0);
        IGlobal::WriteIniInt(u"Tarif-Perioden", u"SZVon1", von, 0);
        IGlobal::WriteIniInt(u"Tarif-Perioden", u"SZBis1", bis, 0);
    }

    bool Enthaelt(std::u16string_view section, std::u16string_view zeile) const {
        return userSectionHolds(section, zeile);
    }
};

TEST_F(TarifSperrzeiten, HoursAPeriodSharesWithAWindowGoingRoundMidnight) {
    struct Fall {
        unsigned ws, we;
        int a, b;
        bool aktiv;
        int stunden;
    };
    const Fall faelle[] = {
        {22, 6, 23, 1, true, 2},   // 23-24, 0-1
        {6, 22, 8, 10, true, 2},   // inside
        {6, 22, 20, 23, true, 2},  // 20-22
        {6, 22, 4, 8, true, 2},    // 6-8
        {6, 22, 4, 23, true, 16},  // the whole window
        {6, 22, 23, 1, true, 0},   // outside
        {22, 6, 11, 13, true, 0},  // outside
        {6, 22, 5, 5, true, 0},    // a period from an hour to the same hour is none
        {6, 22, 8, 10, false, 0},  // not in use
        // Comparing only the ends lost these: a period after midnight inside a night
        // window (gave 0), and one reaching round both ends of a day window (gave 1).
        {22, 6, 2, 4, true, 2},
        {6, 22, 21, 7, true, 2},  // 21-22, 6-7
        // A window from an hour to the same hour is the whole day.
        {5, 5, 11, 13, true, 2},
        {5, 5, 20, 4, true, 8},
        {0, 24, 20, 4, true, 8},  // hour 24 is midnight
    };
    auto tarif = Lade(u"Tarif-Perioden");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.ws << "-" << f.we << " / " << f.a << "-" << f.b);
        SetzePeriode1(f.aktiv, f.a, f.b);
        const STarifFenster fenster{f.ws, f.we};
        EXPECT_EQ(tarif->GetSperrzeitWaehrendTarif(1, fenster), f.stunden);
        EXPECT_EQ(tarif->SperrzeitWaehrendTarif(1, fenster), f.stunden > 0);
    }
}

TEST_F(TarifSperrzeiten, LoadingConvertsThePeriodFormOnceAndSavesIt) {
    // Period 1 (11-13) lies in the day window 6-22, period 2 (23-1) in the night window.
    auto tarif = Lade(u"Tarif-Perioden");
    EXPECT_EQ(tarif->GetWert(ID_SperrZ1).GetFloatVal(), 2.0f);
    EXPECT_EQ(tarif->GetWert(ID_SperrZ2).GetFloatVal(), 2.0f);
    EXPECT_TRUE(Enthaelt(u"[tarif-perioden]", u"sperrz1=2.000000"));
    EXPECT_TRUE(Enthaelt(u"[tarif-perioden]", u"sperrz2=2.000000"));
    EXPECT_EQ(tarif->GetSperrzeitProTag(), 4.0f);

    // The whole-day window 5-5 holds period 1 (11-13) too; tariff 2 has its default
    // window 19-5, which it misses.
    auto ganztag = Lade(u"Tarif-Ganztag");
    EXPECT_EQ(ganztag->GetWert(ID_SperrZ1).GetFloatVal(), 2.0f);
    EXPECT_EQ(ganztag->GetWert(ID_SperrZ2).GetFloatVal(), 0.0f);
    EXPECT_TRUE(boxes.shown.empty());
}

// Periods can block more hours of a window than the tariff page takes (0 to 10). What
// the conversion stores must read back: 12 hours stored as 12 failed the next start's
// load of the tariff as a damaged record.
TEST_F(TarifSperrzeiten, AConversionBeyondThePagesRangeStoresItsLargestAndLoadsAgain) {
    const Lines bibo = {u"[BiboInfo]", u"Version=1.00"};
    // Period 1 from 8 to 20 lies inside the day window 6-22: 20 - 8 = 12 hours.
    loadDatabases({u"[Tarif-Lang]", u"Von1=6", u"Bis1=22", u"SperrZ1=1", u"SZVon1=8", u"SZBis1=20"},
                  bibo);
    auto tarif = Lade(u"Tarif-Lang");
    EXPECT_EQ(tarif->GetWert(ID_SperrZ1).GetFloatVal(), 10.0f);
    EXPECT_TRUE(Enthaelt(u"[tarif-lang]", u"sperrz1=10.000000"));
    // The user hears of the two hours that are no longer blocked, once.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(u"Tarif-Lang"), std::u16string::npos);
    EXPECT_NE(boxes.shown[0].text.find(u"12"), std::u16string::npos);
    boxes.shown.clear();

    // The next start: the saved file read afresh.
    loadDatabases(userFileLines(), bibo);
    CVRMdatenProvider::get().resetWerte(u"Tarif-Lang");
    auto wieder = Lade(u"Tarif-Lang");
    EXPECT_EQ(wieder->GetWert(ID_SperrZ1).GetFloatVal(), 10.0f);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TarifSperrzeiten, ARecordWithDecimalHoursIsNotConvertedAgain) {
    // Converted, period 1 (11-16) would give 5 hours.
    auto tarif = Lade(u"Tarif-Umgerechnet");
    EXPECT_EQ(tarif->GetWert(ID_SperrZ1).GetFloatVal(), 2.0f);
    EXPECT_TRUE(Enthaelt(u"[tarif-umgerechnet]", u"sperrz1=2.00"));
    EXPECT_FALSE(Enthaelt(u"[tarif-umgerechnet]", u"sperrz2=0.000000"));

    // A comma counts as a decimal separator as well.
    IGlobal::WriteIniString(u"Tarif-Umgerechnet", u"SperrZ1", u"2,5", 1);
    CVRMdatenProvider::remove();
    auto komma = Lade(u"Tarif-Umgerechnet");
    EXPECT_EQ(komma->GetWert(ID_SperrZ1).GetFloatVal(), 2.5f);  // the comma as decimal separator
    EXPECT_TRUE(Enthaelt(u"[tarif-umgerechnet]", u"sperrz1=2,5"));
}

TEST_F(TarifSperrzeiten, APeriodOutsideOneToFourIsRefused) {
    auto tarif = Lade(u"Tarif-Perioden");
    const STarifFenster fenster{6, 22};
    for (int periode : {0, 5}) {
        EXPECT_EQ(Fehler([&] { tarif->SperrzeitWaehrendTarif(periode, fenster); }),
                  Lines{errorBox(3162, u"CTarif2::SperrzeitWaehrendTarif")});
        EXPECT_EQ(Fehler([&] { tarif->GetSperrzeitWaehrendTarif(periode, fenster); }),
                  Lines{errorBox(3162, u"CTarif2::GetSperrzeitWaehrendTarif")});
    }
}

}  // namespace
