// The noise fills: palette, value ranges, determinism and the sizes that used to divide by
// zero (0, 1 and 2 pixels; widths beyond the generator's range).
#include <gtest/gtest.h>

#include "controls/buttons/CeXDib.h"
#include "controls/html/core/NoiseFill.h"

namespace {

constexpr std::uint32_t kC1 = 0x0000FF, kC2 = 0x00C800, kC3 = 0xFF0000;  // red, green 200, blue

TEST(NoiseFill, PaletteRunsFromColourThreeOverTwoToOne) {
    CCeXDib dib;
    dib.Create(1, 1, 8);
    html::setNoisePalette(dib, kC1, kC2, kC3);
    EXPECT_EQ(dib.PaletteColour(0), kC3);
    EXPECT_EQ(dib.PaletteColour(255), kC1);
    // Entry 64 = (blue 255 x 64 + green 200 x 64) / 128 per channel: blue 127, green 100.
    EXPECT_EQ(dib.PaletteColour(64), 0x7F6400u);
    // Entry 128 is written twice; the second run's first entry wins:
    // (colour2 x 127 + colour1 x 1) / 128: green 198, red 1.
    EXPECT_EQ(dib.PaletteColour(128), 0x00C601u);
}

TEST(NoiseFill, PlainNoiseStaysWithinTheGranularity) {
    CCeXDib dib;
    // Granularity 0: n = rand() / 32767 - 0, so 128 or (once in 32768) 129.
    ASSERT_TRUE(html::drawNoise(dib, 7, 20, 10, kC1, kC2, kC3, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) EXPECT_LE(dib.GetPixelIndex(x, y) - 128, 1);
    // Granularity 10: n from -10 to about +10 (rand() / (32767 / 20) reaches 20).
    ASSERT_TRUE(html::drawNoise(dib, 7, 20, 10, kC1, kC2, kC3, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const int v = dib.GetPixelIndex(x, y);
            EXPECT_GE(v, 118);
            EXPECT_LE(v, 138);
        }
}

TEST(NoiseFill, RampsRunTheWayTheirKindSays) {
    CCeXDib dib;
    // Kind 9 at granularity 0: g + (255 - 2g) x row / h = 255 x row / 16, noise 0 or 1.
    ASSERT_TRUE(html::drawNoise(dib, 9, 4, 16, kC1, kC2, kC3, 0));
    EXPECT_LE(dib.GetPixelIndex(0, 0), 1);
    EXPECT_GE(dib.GetPixelIndex(0, 15), 239);  // 255 x 15 / 16 = 239
    // Kind 10 runs from 255 - g at the left to g at the right.
    ASSERT_TRUE(html::drawNoise(dib, 10, 16, 4, kC1, kC2, kC3, 0));
    EXPECT_GE(dib.GetPixelIndex(1, 0), 240);   // 255 - 255 x 1 / 16 = 240
    EXPECT_LE(dib.GetPixelIndex(15, 0), 17);   // 255 - 255 x 15 / 16 = 16
}

TEST(NoiseFill, EveryKindFillsTinyAndHugeAreasWithoutFault) {
    for (int kind = 7; kind <= 15; ++kind)
        for (int g : {0, 5, 64, 255})
            for (auto [w, h] : {std::pair{0, 0}, {0, 5}, {1, 1}, {1, 2}, {2, 1}, {2, 2}, {7, 3}}) {
                CCeXDib dib;
                const bool drawn = html::drawNoise(dib, kind, w, h, kC1, kC2, kC3, g);
                EXPECT_EQ(drawn, w > 0 && h > 0) << kind << " " << w << "x" << h;
                if (drawn) {
                    EXPECT_EQ(dib.GetWidth(), w);
                    EXPECT_EQ(dib.GetHeight(), h);
                }
            }
    // The widest scratch image: the stroke divisor 32767 / 16384 is 2, still not 0.
    CCeXDib wide;
    EXPECT_TRUE(html::drawNoise(wide, 15, 16384, 1, kC1, kC2, kC3, 5));
    // Beyond what the scratch image holds: nothing, and no fault.
    EXPECT_FALSE(html::drawNoise(wide, 15, 40000, 1, kC1, kC2, kC3, 5));
}

TEST(NoiseFill, OtherKindsDrawNothing) {
    CCeXDib dib;
    EXPECT_FALSE(html::drawNoise(dib, 6, 4, 4, kC1, kC2, kC3, 5));
    EXPECT_FALSE(html::drawNoise(dib, 16, 4, 4, kC1, kC2, kC3, 5));
    EXPECT_FALSE(dib.IsValid());
}

TEST(NoiseFill, TheSameFillGivesTheSamePicture) {
    CCeXDib a, b;
    ASSERT_TRUE(html::drawNoise(a, 15, 30, 20, kC1, kC2, kC3, 12));
    ASSERT_TRUE(html::drawNoise(b, 15, 30, 20, kC1, kC2, kC3, 12));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(a.GetPixelIndex(x, y), b.GetPixelIndex(x, y));
}

}  // namespace
