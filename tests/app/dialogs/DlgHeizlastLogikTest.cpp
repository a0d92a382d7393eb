// The heating-load estimate without a window: method 1 from area and specific heat load,
// method 2 from the former consumption through the house's yearly heating demand.
#include "dialogs/DlgHeizlastLogik.h"

#include <gtest/gtest.h>

namespace {

// Efficiencies of the comparison systems, which run heat pump, oil, gas, own system, night
// storage, direct electric: oil is the second pair, gas the third. The other systems get
// efficiencies of their own so that taking the wrong pair shows.
CProjekt2::BKostenDaten Kosten() {
    CProjekt2::BKostenDaten k{};
    k[0] = {25.0f, 100};
    k[1] = {9.0f, 85};
    k[2] = {8.0f, 95};
    k[3] = {7.0f, 70};
    k[4] = {20.0f, 98};
    k[5] = {30.0f, 100};
    return k;
}

TEST(DlgHeizlastLogikTest, Methode1AusFlaecheUndSpezifischerLast) {
    SHeizlastEingabe e;
    e.flaeche = 150;
    e.spezLast = 50;
    const auto keineSuche = [](float) -> float {
        ADD_FAILURE() << "method 1 asks the house nothing";
        return 0.0f;
    };
    EXPECT_FLOAT_EQ(BerechneHeizlast(e, Kosten(), keineSuche), 7.5f);  // 150 m² x 50 W/m²
    e.flaeche = 200;
    EXPECT_FLOAT_EQ(BerechneHeizlast(e, Kosten(), keineSuche), 10.0f);
    EXPECT_EQ(e.spezLast, 50u);
}

// Method 2: 2000 l of oil at 85 % give 2000 x 85 x 10 x 0.01 = 17000 kWh; each person
// takes 800 kWh of hot water off; the house finds the heat load for what remains.
TEST(DlgHeizlastLogikTest, Methode2AusDemVerbrauch) {
    struct Fall {
        int brennstoff;
        unsigned oel, gas, personen, flaeche;
        float waerme;      // what the search is asked for
        unsigned spezLast;  // what the dialog then shows
    };
    const Fall faelle[] = {
        {0, 2000, 0, 0, 150, 17000.0f, 53},   // 8 kW over 150 m² = 53.3 W/m²
        {0, 2000, 0, 2, 150, 15400.0f, 53},   // two persons: 1600 kWh less
        {1, 0, 1500, 0, 100, 14250.0f, 80},   // 1500 m³ x 95 % x 10 x 0.01
        {0, 100, 0, 3, 150, 0.0f, 53},        // never below 0
        {0, 2000, 0, 0, 0, 17000.0f, 50},     // no area: the specific load stays
    };
    for (const Fall& f : faelle) {
        SHeizlastEingabe e;
        e.methode = 1;
        e.brennstoff = f.brennstoff;
        e.oel = f.oel;
        e.gas = f.gas;
        e.personen = f.personen;
        e.flaeche = f.flaeche;
        e.spezLast = 50;
        float gefragt = -1.0f;
        const float last = BerechneHeizlast(e, Kosten(), [&](float waerme) {
            gefragt = waerme;
            return 8.0f;
        });
        EXPECT_FLOAT_EQ(gefragt, f.waerme);
        EXPECT_FLOAT_EQ(last, 8.0f);
        EXPECT_EQ(e.spezLast, f.spezLast);
    }
}

}  // namespace
