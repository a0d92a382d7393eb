// The solar page's choices without its window: the four orders the optimisation tries,
// which one wins a month (ties included), and which grid selections the destination
// commands act on.
#include <gtest/gtest.h>

#include "pages/SolarPageLogik.h"

namespace {

using namespace solarseite;

TEST(SolarPageLogik, TheFourOrdersFollowWhatHotWaterAndTheSourceMayTake) {
    using O = std::array<unsigned, 3>;
    const auto alle = Szenarien(1, 3);
    EXPECT_EQ(alle[kHeiz], (O{2, 1, 3}));
    EXPECT_EQ(alle[kWawa], (O{1, 2, 3}));
    EXPECT_EQ(alle[kErde], (O{3, 2, 1}));
    EXPECT_EQ(alle[kErde2], (O{3, 1, 2}));
    // Neither hot water nor the source: "Wawa" and "Erde" become the same order.
    const auto keine = Szenarien(0, 0);
    EXPECT_EQ(keine[kWawa], (O{0, 2, 0}));
    EXPECT_EQ(keine[kErde], keine[kWawa]);
}

// Values in the order Heiz, Wawa, Erde, Erde2; the smallest wins, ties go to Wawa, then
// Heiz, then Erde.
TEST(SolarPageLogik, TheSmallestValueWinsAndTiesFollowTheFixedOrder) {
    struct Fall {
        std::array<float, 4> werte;
        Szenario gewinner;
    };
    const Fall faelle[] = {
        {{10.0f, 20.0f, 30.0f, 40.0f}, kHeiz},
        {{20.0f, 10.0f, 30.0f, 40.0f}, kWawa},
        {{20.0f, 30.0f, 10.0f, 40.0f}, kErde},
        {{20.0f, 30.0f, 40.0f, 10.0f}, kErde2},
        {{10.0f, 10.0f, 10.0f, 10.0f}, kWawa},   // all equal
        {{10.0f, 10.0f, 20.0f, 20.0f}, kWawa},   // Heiz = Wawa
        {{10.0f, 20.0f, 10.0f, 10.0f}, kHeiz},   // Heiz = Erde = Erde2
        {{20.0f, 30.0f, 10.0f, 10.0f}, kErde},   // Erde = Erde2
        {{20.0f, 10.0f, 10.0f, 30.0f}, kWawa},   // W = G = 0: Wawa and Erde the same
        {{0.0f, 0.0f, -1.0f, 0.0f}, kErde},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::PrintToString(f.werte));
        EXPECT_EQ(Gewinner(f.werte), f.gewinner);
    }
}

TEST(SolarPageLogik, ADestinationChangesOnlySelectionsOfMonthsAndRanks) {
    struct Fall {
        SBereich bereich;
        bool wirkt;
    };
    const Fall faelle[] = {
        {{0, 1, 0, 1}, true},
        {{2, 1, 4, 3}, true},    // three months, all ranks
        {{11, 3, 11, 3}, true},  // the last cell
        {{0, 0, 2, 2}, false},   // touches the month column
        {{-1, -1, -1, -1}, false},  // no selection
        {{10, 1, 12, 1}, false},    // past December
        {{0, 2, 0, 4}, false},      // past the third rank
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.bereich.minRow << "," << f.bereich.minCol << "-"
                                        << f.bereich.maxRow << "," << f.bereich.maxCol);
        Reihenfolgen orders;
        for (auto& o : orders) o.assign(12, 1);
        const Reihenfolgen vorher = orders;
        EXPECT_EQ(SetzeZiel(orders, f.bereich, 3), f.wirkt);
        for (int rang = 1; rang <= 3; ++rang)
            for (int m = 0; m < 12; ++m) {
                const bool drin = f.wirkt && m >= f.bereich.minRow && m <= f.bereich.maxRow &&
                                  rang >= f.bereich.minCol && rang <= f.bereich.maxCol;
                EXPECT_EQ(orders[rang - 1][m], drin ? 3u : vorher[rang - 1][m]) << rang << "/" << m;
            }
    }
}

}  // namespace
