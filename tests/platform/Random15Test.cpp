#include "platform/random15/Random15.h"

#include <gtest/gtest.h>

namespace {

TEST(Random15, StaysInFifteenBitsAndRepeatsPerSeed) {
    platform::Random15 a, b;
    int low = platform::Random15::kMax, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = a.next();
        ASSERT_EQ(v, b.next());
        low = std::min(low, v);
        high = std::max(high, v);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, platform::Random15::kMax);
}

TEST(Random15, FirstValuesOfSeedOne) {
    // state = state * 1103515245 + 12345 (mod 2^32), value = state / 65536 % 32768:
    // 1 -> 1103527590 -> 16838; the next state 2524885223 -> 5758.
    platform::Random15 r;
    EXPECT_EQ(r.next(), 16838);
    EXPECT_EQ(r.next(), 5758);
    r.seed(1);
    EXPECT_EQ(r.next(), 16838);
}

}  // namespace
