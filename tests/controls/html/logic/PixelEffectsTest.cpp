// The drawing manager's pixel arithmetic, checked by hand. Pixels are 0xAARRGGBB words,
// colour arguments COLORREF 0x00bbggrr. Exact values: every formula truncates.
#include <gtest/gtest.h>

#include "controls/html/core/PixelEffects.h"

namespace {

using html::Pixels32;

struct ColourCase {
    const char* name;
    std::uint32_t (*op)(std::uint32_t);
    std::uint32_t in, out;
};

TEST(PixelEffects, ColourOperationsTruncateEachChannel) {
    const ColourCase cases[] = {
        // grey: 0.299 x 255 + 0.587 x 128 + 0.114 x 64 = 76.245 + 75.136 + 7.296 = 158.677 -> 158 (0x9E)
        {"grey", [](std::uint32_t c) { return html::greyScale(c); }, 0x55FF8040, 0x559E9E9E},
        // darken 0.75: 200 -> 150, 100 -> 75, 50 -> 37.5 -> 37
        {"darken", [](std::uint32_t c) { return html::darken(c, 0.75); }, 0x00C86432, 0x00964B25},
        // f outside 0 <= f < 1 leaves the colour
        {"darken by 1", [](std::uint32_t c) { return html::darken(c, 1.0); }, 0x00C86432, 0x00C86432},
        {"darken by -0.5", [](std::uint32_t c) { return html::darken(c, -0.5); }, 0x00C86432, 0x00C86432},
        // lighten 0.25: 200 -> 250, 100 -> 125, 50 -> 62.5 -> 62
        {"lighten", [](std::uint32_t c) { return html::lighten(c, 0.25); }, 0x00C86432, 0x00FA7D3E},
        // 240 x 1.25 = 300 is capped at 255; 16 -> 20
        {"lighten caps", [](std::uint32_t c) { return html::lighten(c, 0.25); }, 0x00F01010, 0x00FF1414},
        {"lighten by 0", [](std::uint32_t c) { return html::lighten(c, 0.0); }, 0x00C86432, 0x00C86432},
        {"invert keeps alpha", [](std::uint32_t c) { return html::invert(c); }, 0x80C86432, 0x80379BCD},
        // mix 0.5 / 0.5 of 200 and 101: 100 + 50.5 = 150.5 -> 150
        {"mix", [](std::uint32_t c) { return html::mix(c, 0.5, 0x00656565, 0.5); }, 0x00C8C8C8, 0x00969696},
    };
    for (const ColourCase& c : cases) EXPECT_EQ(c.op(c.in), c.out) << c.name;
}

TEST(PixelEffects, ColourRefAndPixelOrderSwapRedAndBlue) {
    EXPECT_EQ(html::colourToPixel(0x00112233), 0x00332211u);
    EXPECT_EQ(html::pixelToColour(0xFF332211), 0x00112233u);
}

TEST(PixelEffects, EffectCopyAppliesTheFlagsInOrderAndSparesTransparentPixels) {
    // Transparent magenta (COLORREF 0xFF00FF is also 0xFF00FF as a pixel).
    Pixels32 src(3, 1);
    src.at(0, 0) = 0x00FF8040;
    src.at(1, 0) = 0x00FF00FF;
    src.at(2, 0) = 0x7F102030;
    // Fill then invert: every image pixel the inverse of the fill colour; transparent ones
    // 0, then white. COLORREF 0x00336699 is pixel 0x996633, inverted 0x6699CC.
    const auto filled = html::makeEffectCopy(src, html::effect::Fill | html::effect::Invert, true,
                                             0xFF00FF, 0x00336699);
    EXPECT_EQ(filled.image.at(0, 0), 0x006699CCu);
    EXPECT_EQ(filled.image.at(1, 0), 0x00FFFFFFu);
    EXPECT_EQ(filled.image.at(2, 0), 0x7F6699CCu);  // the alpha byte stays
    EXPECT_TRUE(filled.hadAlpha);

    // Grey then darken: 158 (see above) x 0.75 = 118.5 -> 118 (0x76).
    const auto grey = html::makeEffectCopy(src, html::effect::Grey | html::effect::Darken, false, 0, 0);
    EXPECT_EQ(grey.image.at(0, 0), 0x00767676u);
    // Magenta is not transparent without useTransparent: 76.245 + 29.07 = 105.3 -> 105,
    // x 0.75 = 78.75 -> 78 (0x4E).
    EXPECT_EQ(grey.image.at(1, 0), 0x004E4E4Eu);

    Pixels32 opaque(1, 1, 0x00102030);
    EXPECT_FALSE(html::makeEffectCopy(opaque, 0, false, 0, 0).hadAlpha);
}

TEST(PixelEffects, AlphaZeroCountsAsTransparentOnlyWhenAsked) {
    Pixels32 src(1, 1, 0x00123456);
    EXPECT_EQ(html::makeEffectCopy(src, html::effect::Fill, false, 0, 0x0000FF, true).image.at(0, 0), 0u);
    EXPECT_EQ(html::makeEffectCopy(src, html::effect::Fill, false, 0, 0x0000FF, false).image.at(0, 0),
              0x00FF0000u);
}

TEST(PixelEffects, BlendAtZeroAndHundredPercentAndBetween) {
    const Pixels32 src(2, 1, 0xFF640000);   // red 100
    const Pixels32 start(2, 1, 0xFF0000C8); // blue 200
    Pixels32 d = start;
    html::blendPixels(d, src, 0);
    EXPECT_EQ(d.words, start.words);
    html::blendPixels(d, src, -5);
    EXPECT_EQ(d.words, start.words);
    html::blendPixels(d, src, 100);
    EXPECT_EQ(d.words, src.words);
    d = start;
    html::blendPixels(d, src, 150);
    EXPECT_EQ(d.words, src.words);
    d = start;
    // 40 %: red 100 x 0.4 = 40 (0x28), blue 200 x 0.6 = 120 (0x78); 33 %: red 33, blue 134
    html::blendPixels(d, src, 40);
    EXPECT_EQ(d.at(0, 0), 0xFF280078u);
    d = start;
    html::blendPixels(d, src, 33);
    EXPECT_EQ(d.at(1, 0), 0xFF210086u);
}

TEST(PixelEffects, AlphaMixUsesTheSourceAlpha) {
    Pixels32 d(3, 1, 0xFF0000FF);  // blue 255
    Pixels32 s(3, 1);
    s.at(0, 0) = 0x00FF0000;  // alpha 0: destination stays
    s.at(1, 0) = 0xFFFF0000;  // alpha 255: source
    s.at(2, 0) = 0x80FF0000;  // alpha 128: red 255 x 128 / 255 = 128, blue 255 x 127 / 255 = 127
    html::alphaPixels(d, s);
    EXPECT_EQ(d.at(0, 0), 0xFF0000FFu);
    EXPECT_EQ(d.at(1, 0), 0xFFFF0000u);
    EXPECT_EQ(d.at(2, 0), 0xFF80007Fu);
}

TEST(PixelEffects, BoxFilterCountsOutsideAsWhite) {
    // Three pixels 0, 255, 255 (first bytes), box 3 x 1:
    //   x0: 255 (outside) + 0 + 255 = 510 / 765 = 2/3; x1: 0 + 255 + 255 = 2/3; x2: 3 x 255 = 1.
    const std::vector<std::uint8_t> bytes = {0, 9, 9, 9, 255, 9, 9, 9, 255, 9, 9, 9};
    const auto f = html::boxFilter(3, 1, bytes, 3, 1);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_NEAR(f[0], 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(f[1], 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(f[2], 1.0, 1e-12);
    // Vertically the same: box 1 x 3 over one column.
    const auto v = html::boxFilter(1, 3, bytes, 1, 3);
    EXPECT_NEAR(v[0], 2.0 / 3.0, 1e-12);
    // Box sizes below 1 count as 1 (no division by zero): the values themselves.
    const auto one = html::boxFilter(3, 1, bytes, 0, -2);
    EXPECT_NEAR(one[0], 0.0, 1e-12);
    EXPECT_NEAR(one[1], 1.0, 1e-12);
    EXPECT_TRUE(html::boxFilter(0, 0, {}, 7, 7).empty());
}

TEST(PixelEffects, PlainShadowDarkensByTheMasksLowByte) {
    Pixels32 d(2, 1, 0xFFC8C8C8);  // 200 grey
    Pixels32 m(2, 1);
    m.at(0, 0) = 0x00808080;  // 200 x 128 / 255 = 100.39 -> 100 (0x64)
    m.at(1, 0) = 0x00FFFFFF;  // white: unchanged
    html::applyShadow(d, m, false, 7, 7);
    EXPECT_EQ(d.at(0, 0), 0xFF646464u);
    EXPECT_EQ(d.at(1, 0), 0xFFC8C8C8u);
}

TEST(PixelEffects, BlurredShadowMakesAnEvenBlurOdd) {
    // 9 x 9 destination of grey 100 under an all-black mask, blur 6 x 6 -> a 7 x 7 box.
    // The mask shrinks by 7 to 2 x 2 and sits at (3, 3)..(4, 4) on white.
    // Centre (4, 4): its box 1..7 holds all 4 black pixels: factor 45/49, 100 x 45/49 = 91.8 -> 91.
    // Corner (0, 0): its box -3..3 holds only (3, 3): 48/49, 100 x 48/49 = 97.96 -> 97.
    // (A 6 x 6 box would shrink the mask to 3 x 3 and give other values.)
    Pixels32 d(9, 9, 0xFF646464);
    const Pixels32 black(9, 9, 0x00000000);
    html::applyShadow(d, black, true, 6, 6);
    EXPECT_EQ(d.at(4, 4) & 0xFF, 91u);
    EXPECT_EQ(d.at(0, 0) & 0xFF, 97u);
    EXPECT_EQ(d.at(8, 8) & 0xFF, 100u);  // its box 5..11 holds no black pixel
}

TEST(PixelEffects, ShadowsOnTinyAreasStayInside) {
    for (int size : {0, 1, 2}) {
        Pixels32 d(size, size, 0xFF646464);
        html::applyShadow(d, Pixels32(size, size), true, 7, 7);
        html::applyShadow(d, Pixels32(size, size), false, 7, 7);
        EXPECT_EQ(d.words.size(), static_cast<std::size_t>(size * size));
    }
}

TEST(PixelEffects, GradientOverTenPixelsKeepsOnlyBandsWithWidth) {
    // From red 0 to red 255 over x = 0..9: band i covers [10 i / 64, 10 (i + 1) / 64).
    // Band 6 is the first with width: [0, 1), red 255 x 6 / 64 = 23.9 -> 23.
    // Band 63 is [9, 10): 255 x 63 / 64 = 251.
    const auto bands = html::gradientBands(0, 10, 0x000000, 0x0000FF);
    ASSERT_EQ(bands.size(), 10u);
    int next = 0;
    for (const auto& b : bands) {
        EXPECT_EQ(b.begin, next);
        EXPECT_EQ(b.end, next + 1);
        next = b.end;
    }
    EXPECT_EQ(bands.front().colour, 23u);
    EXPECT_EQ(bands.back().colour, 251u);
    // Falling: 255 + (-255 x 6) / 64 = 255 - 23 = 232 (the quotient truncates toward zero).
    EXPECT_EQ(html::gradientBands(0, 10, 0x0000FF, 0x000000).front().colour, 232u);
    // 64 pixels: one band per pixel, band 32 half way: 0 + 200 x 32 / 64 = 100 in green.
    const auto wide = html::gradientBands(5, 64, 0x000000, 0x00C800);
    ASSERT_EQ(wide.size(), 64u);
    EXPECT_EQ(wide[32].begin, 37);
    EXPECT_EQ(wide[32].colour, 0x006400u);
    EXPECT_TRUE(html::gradientBands(0, 0, 0, 0).empty());
}

}  // namespace
