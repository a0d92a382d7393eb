// The arithmetic of the cost comparisons without windows: the yearly costs of the six
// systems, the bivalent deduction, the mean over years with rising prices, the annuity of
// the investment and the economics table.
#include <gtest/gtest.h>

#include "app/doc/KostenVergleichLogik.h"
#include "platform/errors/UserException.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

// 20 000 kWh a year; pump rate 20 ct, oil 8 ct at 90 %, gas 7 ct at 95 %, own 6 ct at 80 %,
// night storage 15 ct, direct 25 ct at 100 %; additional costs by heating kind (heat pump,
// oil, gas, night storage, direct, own) 100, 200, 150, 80, 30, 120; circulation pumps
// 300 kWh, hot-water circulation 100 kWh; heat-pump energy 1500 a year.
CBKVergleichRechnung Beispiel() {
    CBKVergleichRechnung r;
    r.daten.jahresWaerme = 20000;
    r.daten.wpKosten = 1500;
    r.daten.hilfsEnergie = 100;
    r.preise = {20.0f, 8.0f, 7.0f, 6.0f, 15.0f, 25.0f};
    r.wirkungsgrad = {0, 90, 95, 80, 100, 100};
    r.zusatzSumme = {100, 200, 150, 80, 30, 120};
    r.umwaelzEnergie = 300;
    r.flags = {1, 1, 1, 1, 1, 1};
    return r;
}

// A = 300 kWh x 20 ct = 60, B = 100 kWh x 20 ct = 20 (whole units).
// oil 20000 / 90 x 8 = 1777.8 -> 1777 + 200 + A + B = 2057
// gas 20000 / 95 x 7 = 1473.7 -> 1473 + 150 + A + B = 1703
// own 20000 / 80 x 6 = 1500 + 120 + A + B = 1700
// night storage 20000 / 100 x 15 = 3000 + 80 + B = 3100; direct 5000 + 30 + B = 5050
// heat pump 1500 + 100 = 1600
constexpr PositionsWerte kBeispielSummen = {1600, 2057, 1703, 1700, 3100, 5050};

TEST(KostenVergleichLogik, SummenDerSechsSystemeMitPumpenkosten) {
    struct SFall {
        const char* name;
        SystemFlags flags;
        PositionsWerte summen;
        uint32_t max;
    };
    const SFall faelle[] = {
        {"alle", {1, 1, 1, 1, 1, 1}, kBeispielSummen, 5050},
        {"ohne Strom direkt", {1, 1, 1, 1, 1, 0}, {1600, 2057, 1703, 1700, 3100, 0}, 3100},
        {"nur Waermepumpe", {1, 0, 0, 0, 0, 0}, {1600, 0, 0, 0, 0, 0}, 1600},
        {"keines", {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 0},
    };
    for (const SFall& f : faelle) {
        SCOPED_TRACE(f.name);
        CBKVergleichRechnung r = Beispiel();
        r.flags = f.flags;
        EXPECT_FALSE(r.Berechne());
        EXPECT_EQ(r.summe, f.summen);
        EXPECT_EQ(r.BalkenMax(), f.max);
        EXPECT_EQ(r.abzug, 0u);
    }
}

TEST(KostenVergleichLogik, PumpenkostenAnurFuerKesselBfuerAlle) {
    // Without the circulation pumps (A = 0) the boilers lose 60, the electric ones nothing;
    // without hot-water circulation (B = 0) all five lose 20.
    CBKVergleichRechnung ohneA = Beispiel();
    ohneA.umwaelzEnergie = 0;
    ohneA.Berechne();
    CBKVergleichRechnung ohneB = Beispiel();
    ohneB.daten.hilfsEnergie = 0;
    ohneB.Berechne();
    const PositionsWerte a = {0, 60, 60, 60, 0, 0}, b = {0, 20, 20, 20, 20, 20};
    for (size_t i = 0; i < kVergleichsSysteme; ++i) {
        EXPECT_EQ(kBeispielSummen[i] - ohneA.summe[i], a[i]) << i;
        EXPECT_EQ(kBeispielSummen[i] - ohneB.summe[i], b[i]) << i;
    }
}

TEST(KostenVergleichLogik, BivalenterZweiterWEImAbzug) {
    struct SFall {
        uint32_t betriebsweise, zweiterWE;
        bool wpAn;
        uint32_t zusatz;    // added to the heat pump and the deduction
        bool meldung;
    };
    // Second generators: gas (kind 2: 150), oil (1: 200), night storage (3: 80), direct
    // (4: 30), own (5: 120); 5 names none.
    const SFall faelle[] = {
        {1, 0, true, 0, false},   {0, 0, true, 0, false},   {3, 1, true, 0, false},
        {2, 0, true, 150, false}, {4, 1, true, 200, false}, {6, 2, true, 80, false},
        {8, 3, true, 30, false},  {2, 4, true, 120, false}, {2, 5, true, 0, true},
        {2, 0, false, 0, false},
    };
    for (const SFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "mode " << f.betriebsweise << " second " << f.zweiterWE);
        CBKVergleichRechnung r = Beispiel();
        r.daten.betriebsweise = f.betriebsweise;
        r.daten.zweiterWE = f.zweiterWE;
        r.daten.zweitKosten = 400;
        r.flags[0] = f.wpAn ? 1 : 0;
        EXPECT_EQ(r.Berechne(), f.meldung);
        EXPECT_EQ(r.summe[0], f.wpAn ? 1600 + f.zusatz : 0u);
        EXPECT_EQ(r.abzug, 400 + f.zusatz);
        // The chart shows the heat pump without its second generator: 1600 - 400.
        EXPECT_EQ(r.GrafikWerte()[0], f.wpAn ? 1200.0f : 0.0f);
    }
}

TEST(KostenVergleichLogik, BivalentOhneZusatzkostenDesZweitenMeldet) {
    CBKVergleichRechnung r = Beispiel();
    r.daten.betriebsweise = 2;
    r.daten.zweiterWE = 0;  // gas
    r.zusatzSumme[2] = 0;
    EXPECT_TRUE(r.Berechne());
    EXPECT_EQ(r.summe[0], 1600u);
}

TEST(KostenVergleichLogik, MittlereJahreskosten) {
    const std::array<uint32_t, 7> keine{};
    // No increase: each year as the first; fewer than one year counts as one.
    for (uint32_t jahre : {0u, 1u, 3u}) {
        CBKVergleichRechnung r = Beispiel();
        r.Berechne();
        const auto m = r.MittlereJahreskosten(0.0f, jahre, keine);
        EXPECT_EQ(m.kosten, kBeispielSummen) << jahre;
        EXPECT_EQ(r.summe, kBeispielSummen) << "the shown totals stay";
    }
    // 10 % a year over 2 years. Second year: oil 8.8 ct -> 20000 / 90 x 8.8 = 1955.6 -> 1955
    // + 200 + A 66 + B 22 = 2243; mean (2057 + 2243) / 2 = 2150. Heat pump 1500 x 1.1 = 1650
    // + 100: mean (1600 + 1750) / 2 = 1675. Direct 20000 / 100 x 27.5 = 5500 + 30 + 22 = 5552:
    // (5050 + 5552) / 2 = 5301.
    CBKVergleichRechnung r = Beispiel();
    const auto m = r.MittlereJahreskosten(10.0f, 2, keine);
    EXPECT_EQ(m.kosten[0], 1675u);
    EXPECT_EQ(m.kosten[1], 2150u);
    EXPECT_EQ(m.kosten[5], 5301u);
    // The servicing parts come off each year's cost.
    std::array<uint32_t, 7> anteile{};
    anteile[1] = 50;
    CBKVergleichRechnung s = Beispiel();
    EXPECT_EQ(s.MittlereJahreskosten(10.0f, 2, anteile).kosten[1], 2100u);
}

// Every conventional system at 4.0 ct and 100 % for 10 000 kWh, prices rising 5 % a year
// over 3 years: 400, 10000 x 4.0 ct x 1.05 = 420, 10000 x 4.0 ct x 1.05 x 1.05 = 441. The
// pumps' 1000 + 1000 kWh at the heat pump's 4.0 ct rise alike: 40, 42, 44.1 -> 44 each.
// In float 4.0 x 1.05 is 4.1999998 and cut every one of these a unit low.
TEST(KostenVergleichLogik, PreissteigerungDerKonventionellenOhneRundungsverlust) {
    CBKVergleichRechnung r;
    r.daten.jahresWaerme = 10000;
    r.daten.hilfsEnergie = 1000;
    r.umwaelzEnergie = 1000;
    r.preise = {4.0f, 4.0f, 4.0f, 4.0f, 4.0f, 4.0f};
    r.wirkungsgrad = {0, 100, 100, 100, 100, 100};
    r.flags = {0, 1, 1, 1, 1, 1};
    const auto m = r.MittlereJahreskosten(5.0f, 3, {});
    // Boilers (oil, gas, own) with both pumps: (400 + 80 + 420 + 84 + 441 + 88) / 3 = 504.3;
    // night storage and direct with the hot-water circulation alone:
    // (400 + 40 + 420 + 42 + 441 + 44) / 3 = 462.3.
    EXPECT_EQ(m.kosten, (PositionsWerte{0, 504, 504, 504, 462, 462}));
    // Without the pumps each system's mean is (400 + 420 + 441) / 3 = 420.3.
    r.daten.hilfsEnergie = r.umwaelzEnergie = 0;
    EXPECT_EQ(r.MittlereJahreskosten(5.0f, 3, {}).kosten, (PositionsWerte{0, 420, 420, 420, 420, 420}));
    EXPECT_EQ(KonventionelleKosten(10000, 100, 4.0 * 1.05, 0, 0), 420u);
}

TEST(KostenVergleichLogik, MittelDesBivalentenZweitenAnteils) {
    // Second-carrier cost 400 of 1500 rises with the rest; its part is a mean over the years
    // like the rest of the heat pump's column. Each year's part: the second carrier's cost
    // + the gas additional costs 150 - its servicing part 50. The heat pump without its
    // second generator: heat-pump cost - second carrier's cost + its own additional 100.
    struct Fall {
        float steigerung;
        uint32_t jahre;
        uint32_t zweiterAnteil, wp;
    };
    const Fall faelle[] = {
        // 10 %, 2 years: second carrier 400, 440; parts 500, 540: mean 520.
        // Heat pump 1500, 1650: 1200 and 1650 - 440 + 100 = 1310: mean 1255.
        {10.0f, 2, 520, 1255},
        // 5 %, 3 years: second carrier 400, 420, 441; parts 500, 520, 541: 1561 / 3 = 520.3
        // -> 520 (the last year's 541 overstated it). Heat pump 1500, 1575, 1653.75 -> 1653:
        // 1200, 1255, 1312: 3767 / 3 = 1255.7 -> 1255.
        {5.0f, 3, 520, 1255},
        // No increase: every year as the first.
        {0.0f, 20, 500, 1200},
    };
    for (const Fall& f : faelle) {
        CBKVergleichRechnung r = Beispiel();
        r.daten.betriebsweise = 2;
        r.daten.zweiterWE = 0;
        r.daten.zweitKosten = 400;
        std::array<uint32_t, 7> anteile{};
        anteile[6] = 50;
        const auto m = r.MittlereJahreskosten(f.steigerung, f.jahre, anteile);
        EXPECT_EQ(m.zweiterAnteil, f.zweiterAnteil) << f.steigerung << " % " << f.jahre;
        EXPECT_EQ(m.kosten[0], f.wp) << f.steigerung << " % " << f.jahre;
    }
}

TEST(KostenVergleichLogik, ZusatzKostenAnteileNachPosition) {
    std::array<CProjekt2::ZusatzKosten, kVergleichsSysteme> e{};
    for (size_t art = 0; art < e.size(); ++art) e[art][2] = static_cast<uint32_t>(10 * (art + 1));
    CBKVergleichRechnung r = Beispiel();
    // Positions heat pump, oil, gas, own (kind 5), night storage (3), direct (4).
    EXPECT_EQ(r.ZusatzKostenAnteile(e), (std::array<uint32_t, 7>{10, 20, 30, 60, 40, 50, 0}));
    r.daten.betriebsweise = 4;
    r.daten.zweiterWE = 1;  // oil
    EXPECT_EQ(r.ZusatzKostenAnteile(e)[6], 20u);
}

TEST(KostenVergleichLogik, KonventionelleKostenOhneWirkungsgradTeilenNichtDurchNull) {
    EXPECT_EQ(KonventionelleKosten(20000, 0, 8.0f, 5, 7), 12u);
    EXPECT_EQ(KonventionelleKosten(20000, 100, 8.0f, 5, 7), 1612u);
}

// Heat source 6000 / 50 years, unit 10000 / 20, distribution 3000 / 30, heat-pump storage
// 1000 / 20; oil 4000 / 20 and tank 2000 / 40; night storage 9000 / 30; conventional
// storage 600 / 20 and distribution 1500 / 30.
SInvestEingabe Invest() {
    SInvestEingabe e;
    e.paare[0] = {3000, 30};
    e.paare[1] = {6000, 50};
    e.paare[2] = {10000, 20};
    e.paare[3] = {4000, 20};
    e.paare[4] = {2000, 40};
    e.paare[8] = {9000, 30};
    e.paare[10] = {600, 20};
    e.paare[11] = {1500, 30};
    e.paare[12] = {1000, 20};
    e.jahre = 10;
    e.zins = 0.0f;
    return e;
}

TEST(KostenVergleichLogik, Annuitaet) {
    struct SFall {
        int kategorie;
        bool verteilung, speicher;
        float zins;
        uint32_t ergebnis;
    };
    const SFall faelle[] = {
        // No interest: the sum of price / lifetime. 120 + 500 = 620, + 100 + 50.
        {0, false, false, 0.0f, 620},
        {0, true, true, 0.0f, 770},
        // Below 0.01 % still 1 / n.
        {0, true, true, 0.005f, 770},
        // 5 % over 10 years: a = 0.05 x 1.05^10 / (1.05^10 - 1) = 0.1295046;
        // 10 x a x 620 = 802.9, 10 x a x 770 = 997.2 (truncated).
        {0, false, false, 5.0f, 802},
        {0, true, true, 5.0f, 997},
        // Oil 200 + 50, + distribution 50 + storage 30.
        {1, false, false, 0.0f, 250},
        {1, true, true, 0.0f, 330},
        // Night storage counts pair 8 only, whatever the switches.
        {3, true, true, 0.0f, 300},
        // Gas without prices: nothing.
        {2, false, false, 5.0f, 0},
    };
    for (const SFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.kategorie << " " << f.verteilung << f.speicher << " "
                                        << f.zins);
        SInvestEingabe e = Invest();
        e.zins = f.zins;
        EXPECT_EQ(Annuitaet(e, f.kategorie, f.verteilung, f.speicher), f.ergebnis);
    }
}

class KostenVergleichFehler : public uitest::Fixture {};

TEST_F(KostenVergleichFehler, KategorieAusserhalbIstProgrammfehler) {
    uitest::dialogs().expectMessageBox(1);
    EXPECT_THROW(Annuitaet(Invest(), 6, false, false), platform::UserException);
    ASSERT_EQ(uitest::dialogs().boxes().size(), 1u);
    EXPECT_NE(uitest::dialogs().boxes()[0].text.find(u"CWirtschaftPage::GetInvestKosten"),
              std::u16string::npos);
}

TEST(KostenVergleichLogik, InvestitionVollstaendig) {
    const SInvestEingabe e = Invest();
    struct SFall {
        int kategorie, medium;
        bool komplett;
    };
    const SFall faelle[] = {
        {0, 0, true}, {1, 0, true}, {2, 0, false}, {3, 0, true}, {4, 0, false}, {5, 0, false},
        {6, 0, false},
    };
    for (const SFall& f : faelle)
        EXPECT_EQ(IstInvestKomplett(e.paare, f.kategorie, f.medium), f.komplett) << f.kategorie;
    // Medium 1 needs no heat-source price; the others do.
    CProjekt2::InvestKosten ohneQuelle = e.paare;
    ohneQuelle[1] = {};
    EXPECT_TRUE(IstInvestKomplett(ohneQuelle, 0, 1));
    EXPECT_FALSE(IstInvestKomplett(ohneQuelle, 0, 0));
    // A price without lifetime is not there.
    ohneQuelle[2].zweiter = 0;
    EXPECT_FALSE(IstInvestKomplett(ohneQuelle, 0, 1));
}

TEST(KostenVergleichLogik, WirtschaftstabelleUndUnvollstaendige) {
    SWirtschaftEingabe e;
    e.invest = Invest();
    e.flags = {1, 1, 1, 0, 1, 1};
    e.betrieb.kosten = {1000, 2000, 1800, 1700, 3000, 5000};
    e.anteile = {10, 20, 30, 40, 50, 60, 0};
    const SWirtschaftErgebnis r = BerechneWirtschaft(e);
    // The heat pump: 1000 + 10 + 770 (storage off: 720).
    EXPECT_EQ(r.invest[0], 720u);
    EXPECT_EQ(r.summe[0], 1000u + 10u + 720u);
    EXPECT_EQ(r.summe[1], 2000u + 20u + 250u + 50u);
    // Switched off: zeros.
    EXPECT_EQ(r.summe[3], 0u);
    EXPECT_EQ(r.betrieb[3], 0u);
    // Incomplete and switched on: gas (2) and direct (4), in position order; the own
    // system is off and not named.
    EXPECT_EQ(r.unvollstaendig, (std::vector<int>{2, 4}));
    EXPECT_FALSE(r.bivalent);
    EXPECT_EQ(r.BalkenMax(), r.summe[5]);
}

TEST(KostenVergleichLogik, WirtschaftBivalentMitZweitemWE) {
    SWirtschaftEingabe e;
    e.invest = Invest();
    e.flags = {1, 1, 1, 1, 1, 1};
    e.betriebsweise = 4;
    e.zweiterWE = 1;  // oil: its boiler and tank only, 250
    e.betrieb.kosten = {1000, 0, 0, 0, 0, 0};
    e.betrieb.zweiterAnteil = 300;
    e.anteile = {10, 0, 0, 0, 0, 0, 25};
    const SWirtschaftErgebnis r = BerechneWirtschaft(e);
    EXPECT_TRUE(r.bivalent);
    EXPECT_EQ(r.zweitInvest, 250u);
    EXPECT_FALSE(r.zweitInvestFehlt);
    EXPECT_EQ(r.betrieb[0], 1300u);
    EXPECT_EQ(r.wartung[0], 35u);
    EXPECT_EQ(r.invest[0], 720u + 250u);
    EXPECT_EQ(r.summe[0], 1300u + 35u + 970u);
    // A gas boiler without prices cannot be added: told.
    e.zweiterWE = 0;
    EXPECT_TRUE(BerechneWirtschaft(e).zweitInvestFehlt);
}

}  // namespace
