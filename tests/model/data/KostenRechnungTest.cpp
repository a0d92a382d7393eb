#include "model/data/KostenRechnung.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

TEST(KostenRechnung, SharesRoundToWholeUnits) {
    EXPECT_EQ(BerechneKostenAnteil(1000, 20, 100), 200);    // 100*1000*20*0.0001 = 200
    EXPECT_EQ(BerechneKostenAnteil(1000, 20.5f, 60), 123);  // 123.0 + 0.5
    EXPECT_EQ(BerechneKostenAnteil(25, 2, 100), 1);         // 0.5 + 0.5
    EXPECT_EQ(BerechneKostenAnteil(24, 2, 100), 0);         // 0.48 + 0.5
    // Two tariffs: 60 % at 20 (120) plus 40 % at 10 (40); one tariff: 100 % at 15 (150).
    EXPECT_EQ(BerechneEnergieKosten(true, 1000, 20, 60, 10, 40, 99), 160);
    EXPECT_EQ(BerechneEnergieKosten(false, 1000, 20, 60, 10, 40, 15), 150);
}

class KostenZweiterETTest : public modeltest::BoxFixture {
  protected:
    KostenZweiterETTest() {
        preise.preis1 = 20;
        preise.preis2 = 10;
        preise.preis3 = 25;
        preise.preis4 = 30;
        preise.p4wieWP = 1;
        tabelle[1] = {8, 80};    // oil
        tabelle[2] = {7, 100};   // gas
        tabelle[3] = {9, 50};    // own heating
        tabelle[4] = {12, 95};   // night storage
        tabelle[5] = {30, 100};  // electric direct
    }
    SStromPreise preise;
    VergleichsPreise tabelle{};
};

TEST_F(KostenZweiterETTest, WithoutSecondGeneratorTheEnergyIsElectricity) {
    // Heating 1000 kWh at price 3 alone: 1000*25/100 = 250. Hot water 200 kWh at the two
    // tariffs: 60 % of 200*20/100 = 24 and 40 % of 200*10/100 = 8.
    for (int betrWeise : {0, 1, 3, 5, 7})
        EXPECT_EQ(GetKostenZweiterET(betrWeise, 99, 1000, 200, preise, 60, 40, tabelle), 282);
}

TEST_F(KostenZweiterETTest, SecondGeneratorBurnsItsFuel) {
    // 1200 kWh of heat, cents to units /100: oil 1200/0.8 = 1500 kWh at 8 = 120; gas 1200
    // at 7 = 84; night storage 1200/0.95 = 1263.16 at 12 = 151.58, +0.5 gives 152;
    // electric 1200 at 30 = 360; own 1200/0.5 = 2400 at 9 = 216.
    const std::pair<int, int32_t> faelle[] = {{0, 84}, {1, 120}, {2, 152}, {3, 360}, {4, 216}};
    for (int betrWeise : {2, 4, 6, 8})
        for (const auto& [art, kosten] : faelle)
            EXPECT_EQ(GetKostenZweiterET(betrWeise, art, 1000, 200, preise, 60, 40, tabelle),
                      kosten)
                << betrWeise << " " << art;
}

TEST_F(KostenZweiterETTest, UnknownGeneratorAndZeroEfficiencyAreErrors) {
    EXPECT_THROW(GetKostenZweiterET(2, 5, 1000, 200, preise, 60, 40, tabelle),
                 platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Switch constant wrong\n(GetKostenZweiterET)");
    presenter.shown.clear();
    tabelle[2].wirkungsgrad = 0;
    EXPECT_THROW(GetKostenZweiterET(2, 0, 1000, 200, preise, 60, 40, tabelle),
                 platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Exception");
}

TEST(KostenRechnung, SumsAndDifferences) {
    const std::array<float, 4> kosten{1.2f, 2.2f, 3.3f, 0.1f};  // 6.8 + 0.5
    EXPECT_EQ(GetGerundeteSumme(&kosten), 7);
    EXPECT_EQ(GetGerundeteSumme(nullptr), 0);
    EXPECT_FLOAT_EQ(PositiveDifferenzDurch(10, 2, 4), 3.0f);
    EXPECT_FLOAT_EQ(PositiveDifferenzDurch(4, 2, 10), 0.0f);
    EXPECT_FLOAT_EQ(PositiveDifferenzDurch(10, 0.09f, 4), 0.0f);
}

}  // namespace

namespace {

class JahresKostenTest : public KostenZweiterETTest {
  protected:
    JahresKostenTest() {
        daten.wpEnergie = 4000;
        daten.hilfsEnergie = 200;
        daten.betrWeise = 1;
        daten.energieHeiz = 1000;
        daten.energieWW = 200;
        daten.hilfsPosten = {SStromPosten{150, false, 22}, SStromPosten{80, true, 0},
                             SStromPosten{}};
        daten.abschaltbar = {SKostenPosten{1, 8000}, SKostenPosten{1, 5000},
                             SKostenPosten{12, 300}};
    }
    SJahresKostenDaten daten;
};

TEST_F(JahresKostenTest, SumOfHeatPumpSecondEnergyAuxiliaryAndTheItemsNotSwitchedOff) {
    // Heat pump 4000 + 200 kWh at the two tariffs: 60 % of 4200*20/100 = 504, 40 % of
    // 4200*10/100 = 168, together 672 (without the auxiliary energy 480 + 160 = 640).
    // Second energy, mode 1: 250 + 32 = 282 (see above); mode 2 with gas: 1200 at 7 = 84.
    // Auxiliary: 150*22/100 = 33; 80 kWh at the tariffs 9.6 -> 10 and 3.2 -> 3; nothing.
    // Further items at 100 %: 1*8000/100 = 80 (bit 4), 50 (bit 2), 12*300/100 = 36 (bit 1).
    struct Fall {
        const char* name;
        bool ohneHilfsEnergie;
        int betrWeise;
        unsigned bits;
        int32_t summe, zweiterET;
    };
    const Fall faelle[] = {
        {"all items", false, 1, 0, 672 + 282 + 46 + 166, 282},
        {"bit 2 switches off the second item", false, 1, 2, 672 + 282 + 46 + 116, 282},
        {"bits 4, 2 and 1", false, 1, 7, 672 + 282 + 46, 282},
        {"bit 4 and bit 1", false, 1, 5, 672 + 282 + 46 + 50, 282},
        {"record without auxiliary energy", true, 1, 0, 640 + 282 + 46 + 166, 282},
        {"second generator burns gas", false, 2, 0, 672 + 84 + 46 + 166, 84},
    };
    for (const Fall& f : faelle) {
        daten.ohneHilfsEnergie = f.ohneHilfsEnergie;
        daten.betrWeise = f.betrWeise;
        daten.optionBits = f.bits;
        const SJahresKosten k = BerechneJahresKosten(daten, preise, 60, 40, tabelle);
        EXPECT_EQ(k.summe, f.summe) << f.name;
        EXPECT_EQ(k.zweiterET, f.zweiterET) << f.name;
    }
}

TEST_F(JahresKostenTest, AnUnknownSecondGeneratorIsAnError) {
    daten.betrWeise = 4;
    daten.zweiterWE = 5;
    EXPECT_THROW(BerechneJahresKosten(daten, preise, 60, 40, tabelle), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Switch constant wrong\n(GetKostenZweiterET)");
}

}  // namespace
