// What the solar dialogs read from their grids: the gains of an edited grid with the limits
// of temperature and energy, and the collector's yield rows up to the first row without a
// mean temperature.
#include <gtest/gtest.h>

#include "dialogs/DlgKollDatenLogik.h"
#include "dialogs/DlgSolGewinneLogik.h"

namespace {

using solargewinne::LeseGewinne;
using solargewinne::SMonatsTexte;

std::array<SMonatsTexte, 12> Monate(const std::u16string& temp, const std::u16string& energie) {
    std::array<SMonatsTexte, 12> m;
    m.fill({temp, energie});
    return m;
}

TEST(SolarGewinneLesen, NumbersAreTakenAndTheLimitsRaiseWhatIsBelow) {
    struct Fall {
        int art;
        std::u16string temp, energie;
        float erwarteteTemp, erwarteteEnergie;
        bool tempAngehoben, energieAngehoben;
    };
    const Fall faelle[] = {
        {1, u"", u"12.5", 55.0f, 12.5f, false, false},   // kind 1 takes the dialog's temperature
        {2, u"99", u"3,25", 55.0f, 3.25f, false, false},  // a comma reads as the decimal point
        {1, u"", u"-5", 55.0f, 0.0f, false, true},
        {3, u"25", u"80.5", 25.0f, 80.5f, false, false},
        {3, u"n/a", u"n/a", 1.0f, 0.0f, true, false},    // an untouched month of the ground grid
        {3, u"0.5", u"-0.1", 1.0f, 0.0f, true, true},
        {3, u"1", u"0", 1.0f, 0.0f, false, false},        // exactly at both limits
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.art << " " << std::string(f.temp.begin(), f.temp.end()));
        const auto g = LeseGewinne(f.art, 55.0f, Monate(f.temp, f.energie));
        EXPECT_EQ(g.tempAngehoben, f.tempAngehoben);
        EXPECT_EQ(g.energieAngehoben, f.energieAngehoben);
        for (unsigned short m = 0; m < 12; ++m) {
            EXPECT_TRUE(g.gewinne.IstTempEingetragen(m));
            EXPECT_FLOAT_EQ(g.gewinne.GetGewinnTemp(m), f.erwarteteTemp);
            EXPECT_FLOAT_EQ(g.gewinne.GetGewinnWert(m), f.erwarteteEnergie);
        }
    }
}

TEST(SolarGewinneLesen, OnlyTheMonthsBelowTheLimitChange) {
    auto monate = Monate(u"30", u"10");
    monate[3].energie = u"-2";
    monate[7].temperatur = u"-4";
    const auto g = LeseGewinne(3, 0.0f, monate);
    EXPECT_TRUE(g.tempAngehoben);
    EXPECT_TRUE(g.energieAngehoben);
    EXPECT_FLOAT_EQ(g.gewinne.GetGewinnWert(3), 0.0f);
    EXPECT_FLOAT_EQ(g.gewinne.GetGewinnTemp(3), 30.0f);
    EXPECT_FLOAT_EQ(g.gewinne.GetGewinnTemp(7), 1.0f);
    EXPECT_FLOAT_EQ(g.gewinne.GetGewinnWert(7), 10.0f);
    EXPECT_FLOAT_EQ(g.gewinne.GetGewinnWert(0), 10.0f);
}

kolldaten::Zeile Reihe(const std::u16string& tm, const std::u16string& ertrag = u"1.5") {
    kolldaten::Zeile z;
    z.fill(ertrag);
    z[0] = tm;
    return z;
}

TEST(KollektorErtraegeLesen, RowsEndAtTheFirstEmptyTemperature) {
    const auto e = kolldaten::LeseErtraege({Reihe(u"25"), Reihe(u""), Reihe(u"50")});
    ASSERT_FALSE(e.leer);
    ASSERT_EQ(e.records.size(), 1u);
    EXPECT_EQ(e.records[0], u"25#1.5#1.5#1.5#1.5#1.5#1.5#1.5#1.5#1.5#1.5#1.5#1.5#");
    EXPECT_TRUE(kolldaten::LeseErtraege({Reihe(u" "), Reihe(u"50")}).records.empty());
}

TEST(KollektorErtraegeLesen, AnEmptyMonthRefusesTheWholeTableAndNamesTheCell) {
    auto zweite = Reihe(u"50");
    zweite[7] = u"";
    const auto e = kolldaten::LeseErtraege({Reihe(u"25"), zweite, Reihe(u"75")});
    ASSERT_TRUE(e.leer);
    EXPECT_EQ(e.leer->zeile, 2);
    EXPECT_EQ(e.leer->spalte, 7);
    EXPECT_TRUE(e.records.empty());
}

}  // namespace

// Typed cells are stored as the solar library reads them back: "12,5" was stored as typed
// and read back as 12, "abc" as 0, and a "#" shifted every later yield of the row.
TEST(KollektorErtraegeLesen, CellsAreStoredAsNumbersAndACellThatIsNoneIsNamed) {
    auto komma = Reihe(u" 50 ", u"12,5");
    EXPECT_EQ(kolldaten::LeseErtraege({komma}).records,
              std::vector<std::u16string>{
                  u"50#12.5#12.5#12.5#12.5#12.5#12.5#12.5#12.5#12.5#12.5#12.5#12.5#"});

    struct Fall {
        int spalte;
        const char16_t* text;
    };
    const Fall faelle[] = {{3, u"abc"}, {5, u"1#2"},  {12, u"12abc"},
                           {1, u"nan"}, {0, u"50.5"}, {0, u"-5"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.spalte);
        auto zweite = Reihe(u"50");
        zweite[static_cast<size_t>(f.spalte)] = f.text;
        const auto e = kolldaten::LeseErtraege({Reihe(u"25"), zweite});
        ASSERT_TRUE(e.leer);
        EXPECT_EQ(e.leer->zeile, 2);
        EXPECT_EQ(e.leer->spalte, f.spalte);
        EXPECT_TRUE(e.records.empty());
    }
}
