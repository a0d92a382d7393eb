#include <gtest/gtest.h>

#include "controls/buttons/ShadeImage.h"

using namespace buttons;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
// The classic 3-D colours: shadow 128 grey, face 192 grey, highlight white.
constexpr ShadeColours kClassic{0x808080, 0xC0C0C0, 0xFFFFFF};

std::uint8_t bottomUp(const CCeXDib& dib, int x, int y) {
    return dib.GetPixelIndex(x, dib.GetHeight() - 1 - y);
}

TEST(Shade, DiagonalPixelsAtTwoCorners) {
    platform::Random15 random;
    CCeXDib normal, hover;
    makeShade({kShadeDiagonal, 0, 70, 0, kWhite}, 100, 40, kClassic, random, normal, hover);
    // g = 0, d = 255, d/2 = 127; rows from the bottom.
    // (0,0): 0 + 127*(100-0)/100 + 0*127/40 = 127.
    EXPECT_EQ(bottomUp(normal, 0, 0), 127);
    // (99,39): 127*1/100 = 1, plus 39*127/40 = 4953/40 = 123  -> 124.
    EXPECT_EQ(bottomUp(normal, 99, 39), 124);
    EXPECT_EQ(bottomUp(hover, 99, 39), 124);
}

TEST(Shade, PaletteRunsShadowFaceHighlightAndHoverIsLighter) {
    platform::Random15 random;
    CCeXDib normal, hover;
    makeShade({kShadeDiagonal, 0, 70, 0, kWhite}, 10, 10, kClassic, random, normal, hover);
    EXPECT_EQ(normal.PaletteColour(0), 0x808080u);
    // Entry 64: (128*64 + 192*64)/128 = 160 = 0xA0.
    EXPECT_EQ(normal.PaletteColour(64), 0xA0A0A0u);
    // Entry 128 is written twice; the second: (192*127 + 255*1)/128 = 24639/128 = 192.
    EXPECT_EQ(normal.PaletteColour(128), 0xC0C0C0u);
    EXPECT_EQ(normal.PaletteColour(255), 0xFFFFFFu);
    // Hover entry 0: 128 moved 70% towards 255: (128*30 + 255*70)/100 = 21690/100 = 216.
    EXPECT_EQ(hover.PaletteColour(0), 0xD8D8D8u);
}

TEST(Shade, NoGranularityIsIdenticalOnEveryCall) {
    platform::Random15 random;
    for (int kind = 0; kind <= 8; ++kind) {
        CCeXDib a, b, ha, hb;
        makeShade({kind, 0, 70, 0, kWhite}, 37, 23, kClassic, random, a, ha);
        makeShade({kind, 0, 70, 0, kWhite}, 37, 23, kClassic, random, b, hb);
        if (kind == kShadeMetal) continue;  // its streaks are random by design
        ASSERT_EQ(a.GetSize(), b.GetSize());
        EXPECT_TRUE(std::equal(a.GetBits(), a.GetBits() + a.GetLineWidth() * a.GetHeight(), b.GetBits()))
            << "kind " << kind;
    }
}

TEST(Shade, GranularityAddsBoundedNoise) {
    platform::Random15 random;
    CCeXDib normal, hover;
    // Vertical shade, g = 10: value 10 + y*235/H plus noise in -10..+10 (32767/20 = 1638,
    // 32767/1638 = 20). On row 0 that is 0..20.
    makeShade({kShadeVertical, 10, 0, 0, 0}, 50, 20, kClassic, random, normal, hover);
    for (int x = 0; x < 50; ++x) EXPECT_LE(bottomUp(normal, x, 0), 20);
}

TEST(Shade, SmallAndEmptySizesDrawWithoutDividingByZero) {
    platform::Random15 random;
    for (int kind = 0; kind <= 8; ++kind) {
        for (auto [w, h] : {std::pair{1, 1}, {5, 1}, {1, 5}, {3, 2}}) {
            CCeXDib normal, hover;
            makeShade({kind, 20, 70, 0, 0}, w, h, kClassic, random, normal, hover);
            EXPECT_EQ(normal.GetWidth(), w);
            EXPECT_EQ(hover.GetHeight(), h);
        }
        CCeXDib normal, hover;
        makeShade({kind, 20, 70, 0, 0}, 0, 40, kClassic, random, normal, hover);
        EXPECT_FALSE(normal.IsValid());
        EXPECT_FALSE(hover.IsValid());
    }
}

TEST(CeXDib, LayoutBlendAndPixels) {
    CCeXDib dib;
    ASSERT_NE(dib.Create(5, 3, 8), nullptr);
    EXPECT_EQ(dib.GetLineWidth(), 8);  // 5 bytes padded to 4
    EXPECT_EQ(dib.GetPaletteSize(), 1024);
    EXPECT_EQ(dib.GetSize(), 40 + 1024 + 8 * 3);
    dib.SetPaletteIndex(3, 10, 20, 30);
    dib.SetPaletteIndex(256, 1, 1, 1);  // beyond the table: ignored
    EXPECT_EQ(dib.PaletteColour(3), 0x1E140Au);
    dib.BlendPalette(0x0000FF, 150);  // acts as 100
    EXPECT_EQ(dib.PaletteColour(3), 0x0000FFu);
    EXPECT_EQ(dib.PaletteColour(200), 0x0000FFu);
    dib.Clear(7);
    dib.SetPixelIndex(5, 0, 9);
    dib.SetPixelIndex(-1, 0, 9);
    dib.SetPixelIndex(0, 3, 9);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(dib.GetPixelIndex(x, y), 7);
    dib.SetPixelIndex(1, 0, 9);  // top row is stored last
    EXPECT_EQ(dib.GetBits()[2 * 8 + 1], 9);
    CCeXDib copy;
    copy.Clone(dib);
    EXPECT_EQ(copy.GetPixelIndex(1, 0), 9);
    EXPECT_EQ(copy.PaletteColour(3), 0x0000FFu);
}

}  // namespace
