// Loading a tariff, its monthly shares, blocked hours, share of tariff 1 and prices.
#include <algorithm>

#include "tests/model/tariff/TarifFixture.h"

namespace {

using tariftest::TarifFixture;
using Lines = std::vector<std::u16string>;

class Tarif2Test : public TarifFixture {};

TEST_F(Tarif2Test, LoadsTheMonthlySharesAndCountsOnlyMonthsAboveOneHalf) {
    auto tag = Lade(u"Tarif-Tag");
    CTarif2::MonatsAnteile anteile{};
    tag->getTarif1Monate(anteile);
    EXPECT_EQ(anteile, (CTarif2::MonatsAnteile{1, 1, 1, 1, 1, 1, 0, 0.5f, 0, 1, 1, 1}));
    EXPECT_EQ(tag->AnzahlTarif1Monate(), 9);  // July and September 0, August exactly 0.5
    EXPECT_EQ(tag->GetWert(ID_SperrZ1).GetFloatVal(), 2.0f);

    // No stored shares: every month is a tariff-1 month.
    auto ohne = Lade(u"Tarif-Umgerechnet");
    EXPECT_EQ(ohne->AnzahlTarif1Monate(), 12);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Tarif2Test, SharesAreSavedAtOnceWithoutDecimals) {
    auto tag = Lade(u"Tarif-Tag");
    tag->setTarif1Monate({1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0.7f});
    const Lines zeilen = userSectionLines(u"[tarif-tag]");
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), u"tarif1monate=1#0#1#0#1#0#1#0#1#0#1#1#"),
              zeilen.end());
    EXPECT_EQ(tag->AnzahlTarif1Monate(), 7);
}

TEST_F(Tarif2Test, BlockedHoursCountOnlyTariffsInUse) {
    struct Fall {
        bool tarif1, tarif2;
        float sperr1, sperr2;
        bool wochenende;
        float proTag, proMonat;
    };
    const Fall faelle[] = {
        {true, true, 2.0f, 1.5f, false, 3.5f, 105.0f},  // 3.5 * 30
        {true, true, 2.0f, 1.5f, true, 3.5f, 77.0f},    // 3.5 * 22
        {true, false, 2.0f, 1.5f, false, 2.0f, 60.0f},
        {false, true, 2.0f, 1.5f, false, 1.5f, 45.0f},
        {false, false, 2.0f, 1.5f, true, 0.0f, 0.0f},
    };
    auto tarif = Lade(u"Tarif-Tag");
    for (const Fall& f : faelle) {
        tarif->GetWert(ID_Tarif1) = f.tarif1;
        tarif->GetWert(ID_Tarif2) = f.tarif2;
        tarif->GetWert(ID_SperrZ1) = f.sperr1;
        tarif->GetWert(ID_SperrZ2) = f.sperr2;
        tarif->GetWert(ID_SZWoEnde) = f.wochenende;
        EXPECT_EQ(tarif->GetSperrzeitProTag(), f.proTag);
        EXPECT_EQ(tarif->GetSperrzeitProMonat(), f.proMonat);
    }
}

TEST_F(Tarif2Test, ShareOfOperationInTariffOne) {
    struct Fall {
        const char* fall;
        bool tarif1, tarif2;
        unsigned von1, bis1;
        float sperr1, sperr2;
        int monate;  // tariff-1 months from January on
        int prozent;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"tariff 1 off", false, true, 6, 22, 2, 0, 12, 0, 0},
        {"tariff 2 off", true, false, 6, 22, 2, 0, 12, 0, 100},
        // 12 * (16 - 2) / (24 - 2) * 0.083333336 * 100 = 63.6
        {"day window", true, true, 6, 22, 2, 0, 12, 0, 63},
        // ... * 90 = 57.3
        {"less 10 %", true, true, 6, 22, 2, 0, 12, 10, 57},
        // 6 * 14 / 22 * 0.083333336 * 100 = 31.8
        {"half year", true, true, 6, 22, 2, 0, 6, 0, 31},
        // 16 - 16 = 0 free hours
        {"window blocked", true, true, 6, 22, 16, 0, 12, 0, 0},
        // 12 + 12 blocked hours a day
        {"whole day blocked", true, true, 6, 22, 12, 12, 12, 0, 0},
        // 5 to 5 is 24 hours: 12 * 24 / 24 * 0.083333336 * 100 = 100
        {"whole-day window", true, true, 5, 5, 0, 0, 12, 0, 100},
        // 6 - 22 + 24 = 8 hours: 12 * 8 / 24 * 0.083333336 * 100 = 33.3
        {"night window", true, true, 22, 6, 0, 0, 12, 0, 33},
    };
    auto tarif = Lade(u"Tarif-Tag");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fall);
        CTarif2::MonatsAnteile anteile{};
        std::fill_n(anteile.begin(), f.monate, 1.0f);
        tarif->setTarif1Monate(anteile);
        tarif->GetWert(ID_Tarif1) = f.tarif1;
        tarif->GetWert(ID_Tarif2) = f.tarif2;
        tarif->GetWert(ID_Von1) = f.von1;
        tarif->GetWert(ID_Bis1) = f.bis1;
        tarif->GetWert(ID_SperrZ1) = f.sperr1;
        tarif->GetWert(ID_SperrZ2) = f.sperr2;
        EXPECT_EQ(tarif->ProzentTarif1(f.prozent), f.ergebnis);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Tarif2Test, PriceRecordInItsOrder) {
    auto tag = Lade(u"Tarif-Tag");
    STarifPreise p;
    tag->GetPreise(p);
    const float preise[] = {p.preis1, p.preis2, p.preis3, p.preis4,     p.preis5,
                            p.preis6, p.preis7, p.preis8, p.preis6Kopie};
    const float erwartet[] = {20.5f, 15.25f, 3, 4, 5, 6, 7, 8, 6};
    EXPECT_TRUE(std::equal(std::begin(preise), std::end(preise), std::begin(erwartet)));
    // P4wieWP and P5wieWP are missing: their default (no); P6wieWP defaults to yes but the
    // record says no.
    EXPECT_EQ(p.p3wieWP, 1);
    EXPECT_EQ(p.p4wieWP, 0);
    EXPECT_EQ(p.p5wieWP, 0);
    EXPECT_EQ(p.p6wieWP, 0);
}

TEST_F(Tarif2Test, ATariffNotLoadedRefusesWithThePlace) {
    CTarif2 tarif;
    CTarif2::MonatsAnteile anteile{};
    EXPECT_EQ(Fehler([&] { tarif.getTarif1Monate(anteile); }),
              Lines{errorBox(3101, u"CTarif2::getTarif1Monate")});
    EXPECT_EQ(Fehler([&] { tarif.setTarif1Monate(anteile); }),
              Lines{errorBox(3101, u"CTarif2::setTarif1Monate")});
    EXPECT_EQ(Fehler([&] { tarif.ProzentTarif1(0); }),
              (Lines{errorBox(3101, u"CTarif2::ProzentTarif1"),
                     errorBox(3122, u"CTarif2::ProzentTarif1")}));
    CVRMwerteListe leer(u"Tarif-Tag");
    EXPECT_EQ(Fehler([&] { tarif.init(leer); }), Lines{errorBox(3105, u"CTarif2::init(1)")});
    EXPECT_FALSE(tarif.IstInitialisiert());
}

}  // namespace
