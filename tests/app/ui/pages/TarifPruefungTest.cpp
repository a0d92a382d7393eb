// The checks of a tariff's windows and blocking hours, and the tank and circulation losses,
// without a window.
#include <gtest/gtest.h>

#include "pages/TarifPruefung.h"
#include "pages/WawaVerluste.h"

namespace {

TEST(TarifPruefung, FensterUndSperrzeiten) {
    struct Fall {
        const char* was;
        STarifZeiten z;
        bool sperrFrage, kurz1, kurz2, ganzerTag;
    };
    const Fall faelle[] = {
        {"6-22 and 22-6", {true, true, 6, 22, 22, 6, 0, 0}, false, false, false, true},
        {"night starts an hour early", {true, true, 6, 22, 21, 6, 0, 0}, false, false, false, false},
        {"night ends an hour late", {true, true, 6, 22, 22, 7, 0, 0}, false, false, false, false},
        {"day 8-14 is short", {true, true, 8, 14, 14, 8, 0, 0}, false, true, false, true},
        {"day 8-16 is just long enough", {true, true, 8, 16, 16, 8, 0, 0}, false, false, false, true},
        {"night 22-4 passes midnight: no question", {true, true, 4, 22, 22, 4, 0, 0}, false, false, false, true},
        {"night 2-6 inside one day is short", {true, true, 6, 2, 2, 6, 0, 0}, false, false, true, true},
        {"day alone 0-0 is the whole day", {true, false, 0, 0, 9, 9, 0, 0}, false, false, false, true},
        {"day alone 6-22 is not", {true, false, 6, 22, 22, 6, 0, 0}, false, false, false, false},
        {"night alone 3-3", {false, true, 6, 22, 3, 3, 0, 0}, false, false, false, true},
        {"an unused short window is not asked", {false, true, 8, 9, 3, 3, 0, 0}, false, false, false, true},
        {"blocking 3.5 + 3.0", {true, true, 6, 22, 22, 6, 3.5f, 3.0f}, true, false, false, true},
        {"blocking 3.0 + 3.0", {true, true, 6, 22, 22, 6, 3.0f, 3.0f}, false, false, false, true},
        {"no tariff at all", {false, false, 0, 0, 0, 0, 0, 0}, false, false, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(SperrzeitenFragen(f.z), f.sperrFrage);
        EXPECT_EQ(TarifKurzFragen(f.z.tag, f.z.von1, f.z.bis1), f.kurz1);
        EXPECT_EQ(TarifKurzFragen(f.z.nacht, f.z.von2, f.z.bis2), f.kurz2);
        EXPECT_EQ(GanzerTag(f.z), f.ganzerTag);
    }
    EXPECT_EQ(TarifDauer(7, 7), 24u);
}

// q = 0.4 + 0.2 * V^0.4: 300^0.4 = e^(0.4 * ln 300) = e^(2.2815) = 9.7911, q = 2.3582.
TEST(WawaVerluste, Bereitschaft) {
    EXPECT_NEAR(Bereitschaftsverlust(300), 2.3582f, 0.0005f);
    EXPECT_NEAR(Bereitschaftsverlust(0), 0.4f, 1e-6f);
}

TEST(WawaVerluste, SpeicherUndZirkulation) {
    struct Fall {
        const char* was;
        float q;
        unsigned soll;
        bool innen;
        unsigned erwartet;
    };
    const Fall speicher[] = {
        // 2.0 * 9.33333 * 47 = 877.33
        {"60 °C outside", 2.0f, 60, false, 877},
        // 2.0 * 9.33333 * 40 * (1 - 0.4625 * 0.85) = 746.67 * 0.606875 = 453.13
        {"60 °C inside", 2.0f, 60, true, 453},
        // below 20 °C the tank counts as at 20 °C: nothing inside, 7 K outside (130.67)
        {"15 °C inside", 2.0f, 15, true, 0},
        {"15 °C outside", 2.0f, 15, false, 130},
        {"no standby loss", 0.0f, 60, false, 0},
    };
    for (const Fall& f : speicher) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(SpeicherJahresVerlust(f.q, f.soll, f.innen), f.erwartet);
    }
    // 0.35 * 0.2 W/(m K) * 4 h = 0.28; inside 10 m: 0.28 * 10 * 40 = 112, of which 55.07 %
    // count; outside 10 m: 0.28 * 10 * 47 = 131.6; 131.6 + 61.68 = 193.28.
    EXPECT_EQ(ZirkulationsJahresVerlust(20, 10, 0.2f, 4.0f, 60), 193u);
    // The whole pipe inside: 0.28 * 20 * 40 * 0.55071 = 123.36.
    EXPECT_EQ(ZirkulationsJahresVerlust(20, 20, 0.2f, 4.0f, 60), 123u);
    EXPECT_EQ(ZirkulationsJahresVerlust(20, 10, 0.2f, 0.0f, 60), 0u);
}

}  // namespace
