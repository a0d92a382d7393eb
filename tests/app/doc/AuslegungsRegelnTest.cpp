// The limits of the design checks at their boundaries, and temperatures below zero
// compared as the signed numbers they are.
#include "app/doc/AuslegungsRegeln.h"

#include <gtest/gtest.h>

namespace {

using auslegung::TStroemung;

TEST(AuslegungsRegelnTest, GrenzenDerAuslegung) {
    // The heat pump may lack up to 0.11 kW (the requirement built as P + 0.11 exactly).
    const float p = 7.4f;
    EXPECT_FALSE(auslegung::WPLeistungZuKlein(p, p + 0.11f));
    EXPECT_TRUE(auslegung::WPLeistungZuKlein(p, p + 0.12f));
    EXPECT_FALSE(auslegung::WPLeistungZuKlein(p, p));

    // Maximum flow temperature: 0.5 K short passes, more does not; a heat pump whose
    // maximum is below zero reaches no flow temperature above it.
    struct Vorlauf {
        int32_t maxVorlauf;
        float benoetigt;
        bool zuKlein;
    };
    for (const Vorlauf& f : {Vorlauf{55, 55.5f, false}, Vorlauf{55, 55.6f, true},
                             Vorlauf{55, 40.0f, false}, Vorlauf{-5, 35.0f, true},
                             Vorlauf{-5, -5.5f, false}})
        EXPECT_EQ(auslegung::MaxVorlaufZuKlein(f.maxVorlauf, f.benoetigt), f.zuKlein)
            << f.maxVorlauf << " / " << f.benoetigt;

    // The house's flow temperature against the heat pump's maximum, both signed.
    EXPECT_TRUE(auslegung::VorlaufNichtErreichbar(35, -3));
    EXPECT_FALSE(auslegung::VorlaufNichtErreichbar(35, 35));
    EXPECT_TRUE(auslegung::VorlaufNichtErreichbar(36, 35));

    // A feed temperature below zero is below the limit.
    EXPECT_FALSE(auslegung::EinspeisungZuWarm(-4, 60));
    EXPECT_FALSE(auslegung::EinspeisungZuWarm(60, 60));
    EXPECT_TRUE(auslegung::EinspeisungZuWarm(61, 60));
}

TEST(AuslegungsRegelnTest, ReynoldsZahlInDreiBereichen) {
    const std::pair<float, TStroemung> faelle[] = {
        {0.0f, TStroemung::zuLangsam},    {999.0f, TStroemung::zuLangsam},
        {999.9f, TStroemung::zuLangsam},  {1000.0f, TStroemung::gut},
        {2300.0f, TStroemung::gut},       {3500.0f, TStroemung::gut},
        {3500.1f, TStroemung::schnell},   {9000.0f, TStroemung::schnell},
    };
    for (const auto& [re, urteil] : faelle) EXPECT_EQ(auslegung::BeurteileReynolds(re), urteil) << re;
}

TEST(AuslegungsRegelnTest, SteigungDerQuellentemperatur) {
    // 2 °C at -12 °C rising to 8 °C at +12 °C: 6 K over 24 K.
    EXPECT_FLOAT_EQ(auslegung::QuellTempSteigung(2.0f, 8.0f, -12, 12), 0.25f);
    // Design temperature and heating limit at one temperature: flat, never a division by 0.
    EXPECT_EQ(auslegung::QuellTempSteigung(2.0f, 8.0f, 10, 10), 0.0f);
}

}  // namespace
