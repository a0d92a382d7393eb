#include "controls/small/core/LabelLogic.h"

#include <gtest/gtest.h>

namespace {

using namespace small;

TEST(LabelVerlauf, VierzigPixelGebenVierzigBaenderZuEinemPixel) {
    // Red 0 -> 200 over 40 bands: step 200 * 256 / 40 = 1280 = 5.0 per band.
    const auto b = verlaufsBaender(40, 0x000000, 0x0000C8);
    ASSERT_EQ(b.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(b[i].left, i);
        EXPECT_EQ(b[i].right, i + 1);
        EXPECT_EQ(b[i].farbe, static_cast<std::uint32_t>(5 * i));
    }
}

TEST(LabelVerlauf, BreitGrenztAufHundertUndDasLetzteReichtZumRand) {
    // 250 px: 100 bands of 250 / 100 = 2 px, the last from 198 to 250.
    const auto b = verlaufsBaender(250, 0xFF0000, 0x000000);
    ASSERT_EQ(b.size(), 100u);
    EXPECT_EQ(b[1].left, 2);
    EXPECT_EQ(b[99].left, 198);
    EXPECT_EQ(b[99].right, 250);
    // Blue 255 -> 0: start 255 * 256 = 65280, step -255 * 256 / 100 = -652 (truncated);
    // band 99 is (65280 - 99 * 652) >> 8 = 732 >> 8 = 2.
    EXPECT_EQ(b[0].farbe, 0xFF0000u);
    EXPECT_EQ(b[99].farbe, 0x020000u);
    // A client without width still draws one band.
    EXPECT_EQ(verlaufsBaender(0, 1, 2).size(), 1u);
}

TEST(LabelBlinken, VersteckterTextHatDieFarbeDesGemaltenHintergrunds) {
    EXPECT_EQ(blinkTextFarbe(Blinken::Text, false, 0x0000FF, 0xC0C0C0), 0xC0C0C0u);
    EXPECT_EQ(blinkTextFarbe(Blinken::Text, true, 0x0000FF, 0xC0C0C0), 0x0000FFu);
    EXPECT_EQ(blinkTextFarbe(Blinken::Hintergrund, false, 0x0000FF, 0xC0C0C0), 0x0000FFu);
    EXPECT_EQ(blinkTextFarbe(Blinken::Aus, false, 0x0000FF, 0xC0C0C0), 0x0000FFu);
}

TEST(LabelFormat, StileUndZeilen) {
    using A = TextFormat::Ausrichtung;
    EXPECT_EQ(textFormat(StaticStil::Zentriert, u"a").ausrichtung, A::Mitte);
    EXPECT_EQ(textFormat(StaticStil::Rechts, u"a").ausrichtung, A::Rechts);
    EXPECT_FALSE(textFormat(StaticStil::LinksOhneUmbruch, u"a").umbruch);
    EXPECT_TRUE(textFormat(StaticStil::Links, u"a\tb").tabs);
    const auto einzeilig = textFormat(StaticStil::BildZentriert, u"a\tb");
    EXPECT_TRUE(einzeilig.vertikalMittig);
    EXPECT_FALSE(einzeilig.umbruch);
    EXPECT_FALSE(einzeilig.tabs);
    EXPECT_FALSE(textFormat(StaticStil::BildZentriert, u"a\r\nb").vertikalMittig);
}

TEST(LabelLink, Ziele) {
    EXPECT_EQ(linkZiel(LinkArt::Web, u"", u"https://a.example"), u"https://a.example");
    EXPECT_EQ(linkZiel(LinkArt::Web, u"https://b.example", u"Text"), u"https://b.example");
    EXPECT_EQ(linkZiel(LinkArt::Mail, u"egal", u"a@b.example"), u"mailto:a@b.example");
    EXPECT_FALSE(linkZiel(LinkArt::Keiner, u"x", u"y").has_value());
}

}  // namespace
