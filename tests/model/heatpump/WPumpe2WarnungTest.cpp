// The source-temperature warnings: shown while "WarnQTemp1" is on, a "No" switches the
// option off, and the answer never changes the result.
#include <string>
#include <vector>

#include "platform/messagebox/MessageBox.h"
#include "tests/model/heatpump/WPumpeFixture.h"

namespace {

using wptest::WPumpeFixture;
namespace mb = platform::mb;
namespace id = platform::id;

std::u16string Warnung(std::u16string_view mitte) {
    return u"Source temp. is outside of heat pump data!\r\nsource temp.: " + std::u16string(mitte) +
           u"\r\nDo you want this warning furthermore?";
}

class WPumpe2Warnung : public WPumpeFixture {};

TEST_F(WPumpe2Warnung, WarningsAndTheirAnswers) {
    struct Fall {
        float quellTemp;
        std::vector<int> antworten;
        std::vector<std::u16string> texte;
        int32_t optionDanach;
        float heiz;  // WP-Sole, flow 35, whatever the answer
    };
    const Fall faelle[] = {
        {-10, {id::YES}, {Warnung(u"-10.0°C (< -5.0; is extrapolated; 5.0)")}, 1, 5.0f},
        {-10, {id::NO}, {Warnung(u"-10.0°C (< -5.0; is extrapolated; 5.0)")}, 0, 5.0f},
        {8, {id::NO}, {Warnung(u"8.0°C (> 5.0; is extrapolated; -5.0)")}, 0, 8.6f},
        // Beyond 372 = 10: the limit is named, and the search at 10 °C warns again.
        {20,
         {id::YES, id::YES},
         {Warnung(u"20.0°C (> 5.0; calculated with 10°C)"),
          Warnung(u"10.0°C (> 5.0; is extrapolated; -5.0)")},
         1,
         9.0f},
        {20, {id::NO}, {Warnung(u"20.0°C (> 5.0; calculated with 10°C)")}, 0, 9.0f},
        {0, {}, {}, 1, 7.0f},  // between the records
        {5, {}, {}, 1, 8.0f},  // equal to a record
    };
    auto wp = Lade(u"WP-Sole");
    for (const auto& f : faelle) {
        Warnungen(true);
        boxes.shown.clear();
        boxes.script.assign(f.antworten.begin(), f.antworten.end());
        float heiz = 0.0f;
        wp->GetLeistungAnzahl(1, f.quellTemp, 35, heiz);
        EXPECT_NEAR(heiz, f.heiz, 1e-5) << f.quellTemp;
        ASSERT_EQ(boxes.shown.size(), f.texte.size()) << f.quellTemp;
        for (size_t i = 0; i < f.texte.size(); ++i) {
            EXPECT_EQ(boxes.shown[i].text, f.texte[i]);
            EXPECT_EQ(boxes.shown[i].caption, u"Varmion");
            EXPECT_EQ(boxes.shown[i].style & (mb::TYPEMASK | mb::ICONMASK),
                      mb::YESNO | mb::ICONEXCLAMATION);
        }
        EXPECT_EQ(WarnQTemp1(), f.optionDanach) << f.quellTemp;

        // With the option off the same call is silent.
        Warnungen(false);
        boxes.shown.clear();
        wp->GetLeistungAnzahl(1, f.quellTemp, 35, heiz);
        EXPECT_TRUE(boxes.shown.empty()) << f.quellTemp;
        EXPECT_NEAR(heiz, f.heiz, 1e-5) << f.quellTemp;
    }
}

TEST_F(WPumpe2Warnung, MaximumFlowTemperatureWarnsLikeTheCapacity) {
    Warnungen(true);
    boxes.script = {id::NO};
    EXPECT_FLOAT_EQ(Lade(u"WP-Sole")->getMVT(-10), 56.0f);  // 58 + (-5) x 0.4
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Warnung(u"-10.0°C (< -5.0; is extrapolated; 5.0)"));
    EXPECT_EQ(WarnQTemp1(), 0);
}

TEST_F(WPumpe2Warnung, WithoutTheOptionsTheCalculationCannotAskAndFails) {
    // The option is read from the application; a missing options manager is a program
    // error, not a silent default.
    app.optionsManager = nullptr;
    float heiz = 0.0f;
    auto wp = Lade(u"WP-Sole");
    EXPECT_EQ(FehlerText([&] { wp->GetLeistungAnzahl(1, 0, 35, heiz); }), u"Exception");
}

}  // namespace
