// The source-medium tables, the fit to heat-source kinds and the dimensioning filter.
#include <string>

#include "tests/model/heatpump/WPumpeFixture.h"

namespace {

using wptest::WPumpeFixture;

class WPumpe2Medium : public WPumpeFixture {};

TEST_F(WPumpe2Medium, RatingPointAndHeatSourceKindByMedium) {
    struct Fall {
        int medium;
        float apq;
        int quellenArt;
    };
    const Fall faelle[] = {{0, 0, 0}, {1, 2, 2}, {2, 10, 3}, {3, -1, 1}, {4, 20, 6}};
    auto wp = Lade(u"WP-Sole");
    for (const auto& f : faelle) {
        wp->GetWert(ID_MedienTyp) = f.medium;
        EXPECT_EQ(wp->getAPQ(), f.apq) << f.medium;
        EXPECT_EQ(wp->getQuellenMedium(), f.quellenArt) << f.medium;
        EXPECT_EQ(wp->getAPV(), 35.0f);
    }
    for (int falsch : {-1, 5}) {
        wp->GetWert(ID_MedienTyp) = falsch;
        EXPECT_EQ(FehlerText([&] { wp->getAPQ(); }), errorBox(3162, u"CWPumpe2::getAPQ"));
        EXPECT_EQ(FehlerText([&] { wp->getQuellenMedium(); }),
                  errorBox(3162, u"CWPumpe2::getQuellenMedium()"));
    }
}

TEST_F(WPumpe2Medium, FitToHeatSourceKinds) {
    struct Fall {
        int art, art2;
        const char* passend;  // the media 0..4 that fit, as digits
    };
    const Fall faelle[] = {
        {0, -2, "03"},
        {1, -2, "03"},
        {2, -2, "1"},
        {3, -2, "2"},
        {4, -2, "0"},
        {5, -2, "0"},
        {6, -2, "4"},
        {0, -5, "03"},
        {0, 1, "03"},  // both kinds take brine and
                       // direct evaporation
        {0, 4, "0"},   // the earth-air tubes take brine only
        {0, 2, ""},    // ground and air together: no heat pump
    };
    auto wp = Lade(u"WP-Sole");
    for (const auto& f : faelle) {
        for (int medium = 0; medium <= 4; ++medium) {
            wp->GetWert(ID_MedienTyp) = medium;
            const bool erwartet =
                std::string(f.passend).find(char('0' + medium)) != std::string::npos;
            EXPECT_EQ(wp->PasstZuQuellenMedium(f.art, f.art2), erwartet)
                << f.art << "/" << f.art2 << " medium " << medium;
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WPumpe2Medium, UnknownHeatSourceKindIsShownAndAnswersFalse) {
    auto wp = Lade(u"WP-Sole");
    struct Fall {
        int art, art2;
        const char16_t* ort;
    };
    const Fall faelle[] = {{7, -2, u"CWPumpe2::PasstZuQuellenMedium1"},
                           {0, -1, u"CWPumpe2::PasstZuQuellenMedium2"}};
    for (const auto& f : faelle) {
        boxes.shown.clear();
        EXPECT_FALSE(wp->PasstZuQuellenMedium(f.art, f.art2));
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[0].text, errorBox(3162, f.ort));
        EXPECT_EQ(boxes.shown[1].text, errorBox(3113, u"WPumpe::PasstZuQuellenMedium"));
    }
}

TEST_F(WPumpe2Medium, DimensioningFilter) {
    // WP-Luft, air/water, lowest air temperature -15 °C, maximum flow 50 at -15, 55 at -7.
    // At the design point -7 °C with flow 50: heating 7 + (50 - 35) x (6.2 - 7) / 20 = 6.4 kW,
    // never spread-corrected.
    struct Fall {
        const char16_t* name;
        int medium, quellGanz;
        bool ohneTest;
        int testModus;
        bool zweiter;
        int zweiteGanz;
        float vorlauf1, vorlauf2, bedarf;
        bool passt;
        float leistung;
        bool zwischenkreis;
        const char* warum;
    };
    const Fall faelle[] = {
        {u"WP-Luft", 1, -7, false, 0, false, 0, 0, 50, 5.0f, true, 6.4f, true, "fits"},
        {u"WP-Luft", -1, -7, false, 0, false, 0, 0, 50, 5.0f, true, 6.4f, true, "any medium"},
        {u"WP-Luft", 1, -7, false, 0, false, 0, 0, 50, 6.5f, false, 6.4f, true, "too small"},
        {u"WP-Luft", 0, -7, false, 0, false, 0, 0, 50, 5.0f, false, 0, true, "other medium"},
        {u"WP-Luft", 1, -16, false, 0, false, 0, 0, 50, 5.0f, false, 0, true, "too cold"},
        {u"WP-Luft", 1, -7, false, 0, true, -16, 0, 50, 5.0f, false, 0, true, "second too cold"},
        {u"WP-Luft", 1, -7, false, 0, false, 0, 0, 55.6f, 1.0f, false, 0, true, "55 + 0.5 < 55.6"},
        {u"WP-Luft", 1, -7, false, 0, false, 0, 0, 55.5f, 1.0f, true, 6.18f, true, "55 + 0.5 ok"},
        // Flow test at the second point (air: its own source temperature): 50 at -15.
        {u"WP-Luft", 1, -7, false, 1, false, -15, 51, 50, 5.0f, false, 0, true, "50.5 < 51"},
        {u"WP-Luft", 1, -7, false, 0, true, -15, 51, 50, 5.0f, false, 0, true, "second point"},
        {u"WP-Luft", 1, -7, true, 1, true, -15, 51, 50, 5.0f, true, 6.4f, true, "test skipped"},
        {u"WP-Luft", 1, -7, false, 1, false, -15, 50.5f, 50, 5.0f, true, 6.4f, true, "50.5 ok"},
        {u"WP-Aus", -1, 0, false, 0, false, 0, 0, 35, 0.0f, false, 0, false, "not for design"},
    };
    for (const auto& f : faelle) {
        float leistung = -1.0f;
        bool zwischenkreis = !f.zwischenkreis;
        const bool passt = CWPumpe2::PasstZurAuslegung(
            f.name, leistung, f.medium, f.quellGanz, f.ohneTest, f.testModus, f.zweiter,
            f.zweiteGanz, static_cast<float>(f.quellGanz), f.vorlauf1, f.vorlauf2, 40.0f, f.bedarf,
            zwischenkreis);
        EXPECT_EQ(passt, f.passt) << f.warum;
        EXPECT_NEAR(leistung, f.leistung, 1e-5) << f.warum;
        EXPECT_EQ(zwischenkreis, f.zwischenkreis) << f.warum;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
