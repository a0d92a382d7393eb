// The house's heating over the "Klein" climate: monthly and yearly demand with and without
// gains, the design load for a yearly demand, a climate without heating months, and the
// flow temperature of the heating curve.
#include <gtest/gtest.h>

#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "tests/model/house/HausFixture.h"

namespace {

using haustest::HausFixture;

class Haus2Heizung : public HausFixture {};

TEST_F(Haus2Heizung, MonthlyDemand) {
    auto h = LadeHaus();
    float januar = 0.0f, juli = -1.0f;
    h->MomentanerHeizbedarf(0, 0, januar);
    h->MomentanerHeizbedarf(6, 0, juli);
    EXPECT_NEAR(januar, 22.0f / 3.0f, 1e-4);  // 10 kW / (20 + 10) x (20 + 2)
    EXPECT_EQ(juli, 0.0f);

    float beiNull = 0.0f;
    h->HeizbedarfMonat(0.0f, 0, beiNull);
    EXPECT_NEAR(beiNull, 20.0f / 3.0f, 1e-4);

    EXPECT_THROW(h->MomentanerHeizbedarf(12, 0, januar), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{fehler(3105, u"CHaus2::GetMomentanerHeizbedarf(2)")}));
}

TEST_F(Haus2Heizung, YearlyDemandOfTheSmallClimate) {
    haus[u"GewinnIntern"] = u"3000";
    haus[u"GewinnSolar"] = u"4000";
    auto h = LadeHaus();
    // Without gains: 10 / 30 x 130 = 43.333 kW over the months, x 720 h = 31200 kWh.
    EXPECT_NEAR(h->GetJahresHeizbedarf(0), 31200.0f, 0.5f);
    // With gains: (3000 + 4000) / 9 heating months / 720 h = 1.0802 kW off each heating
    // month, none of which drops to 0: 31200 - 7000 = 24200 kWh.
    EXPECT_NEAR(h->GetJahresHeizbedarf(1), 24200.0f, 0.5f);

    float juli = -1.0f;
    h->MomentanerHeizbedarf(6, 1, juli);
    EXPECT_EQ(juli, 0.0f);  // internal gains never make a negative demand
    float beiNull = 0.0f;
    h->HeizbedarfMonat(0.0f, 1, beiNull);
    EXPECT_NEAR(beiNull, 20.0f / 3.0f - 7000.0f / 9.0f / 720.0f, 1e-4);
}

TEST_F(Haus2Heizung, DesignLoadForAYearlyDemand) {
    haus[u"GewinnIntern"] = u"3000";
    haus[u"GewinnSolar"] = u"4000";
    auto h = LadeHaus();
    // The yearly demand is 3120 x P - 7000 kWh (see above).
    struct Fall {
        float ziel, erwartet;
    };
    const Fall faelle[] = {
        // Upwards from 10 kW in 1 kW, then 0.1 kW: the first load reaching the target.
        // 25000 kWh needs 10.256 kW: 10.3.
        {25000.0f, 10.3f},
        // Downwards: 15000 kWh needs 7.051 kW; the search stops at 7.0 (14840 kWh) and
        // steps back once: 7.1.
        {15000.0f, 7.1f},
        {0.0f, 0.0f},
        {-5.0f, 0.0f},
    };
    for (const Fall& f : faelle) {
        EXPECT_NEAR(h->BerechneNormHeizlast(f.ziel), f.erwartet, 1e-3) << f.ziel;
        const CVRMwert& p = h->GetWert(ID_NormwaermeBedarf);
        EXPECT_EQ(p.GetFloatVal(), 10.0f);
        EXPECT_EQ(p.changed(), 0);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Haus2Heizung, ClimateWithoutHeatingMonth) {
    haus[u"Klimaort"] = u"Warm";
    auto h = LadeHaus();
    float bedarf = -1.0f;
    h->MomentanerHeizbedarf(0, 1, bedarf);
    EXPECT_EQ(bedarf, 0.0f);
    bedarf = -1.0f;
    h->HeizbedarfMonat(-10.0f, 0, bedarf);
    EXPECT_EQ(bedarf, 0.0f);
    const std::u16string hinweis = u"There is no month as cold as to heat the building.";
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{hinweis, hinweis}));
    EXPECT_EQ(boxes.shown[0].style & platform::mb::ICONMASK, platform::mb::ICONINFORMATION);

    // The design-load search ends at once with 0 and one notice.
    boxes.shown.clear();
    EXPECT_EQ(h->BerechneNormHeizlast(20000.0f), 0.0f);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{hinweis}));
    EXPECT_EQ(h->GetWert(ID_NormwaermeBedarf).GetFloatVal(), 10.0f);
}

TEST_F(Haus2Heizung, DesignLoadSearchEndsWhenNothingIsHeated) {
    haus[u"NAT"] = u"20";  // design temperature above the room temperature
    haus[u"MittlRaumTemp"] = u"15";
    auto h = LadeHaus();
    EXPECT_EQ(h->GetJahresHeizbedarf(0), 0.0f);
    EXPECT_EQ(h->BerechneNormHeizlast(20000.0f), 0.0f);
    EXPECT_EQ(h->GetWert(ID_NormwaermeBedarf).GetFloatVal(), 10.0f);
}

TEST_F(Haus2Heizung, HeatingCurveAtThreeOutdoorTemperatures) {
    auto h = LadeHaus();
    // Floor heating with exponent 2, 35 °C at 10 kW; the minimum flow temperature is
    // 20 + (35 - 28) = 27 °C.
    EXPECT_EQ(h->GetMinVorlaufTemp(), 27);
    struct Fall {
        float aussen, erwartet;
    };
    const Fall faelle[] = {
        {-10.0f, 35.0f},   // full load: r = 1
        {5.0f, 30.6066f},  // 5 kW: r = sqrt(0.5) = 0.70711, 20 + 15 x 0.70711
        {12.5f, 27.5f},    // 2.5 kW: r = 0.5
        {14.9f, 27.0f},    // 1.7 kW: 20 + 15 x 0.4123 = 26.18, raised to the minimum
        {16.0f, 27.0f},    // no heating: the minimum
    };
    for (const Fall& f : faelle) {
        float vorlauf = 0.0f;
        h->MomentaneVorlaufTempMonat(f.aussen, 1.0f, vorlauf, false);
        EXPECT_NEAR(vorlauf, f.erwartet, 1e-3) << f.aussen;
    }
    float januar = 0.0f;  // -2 °C: 7.333 kW, r = sqrt(0.7333) = 0.85635, 32.845 °C
    h->MomentaneVorlaufTemp(0, 1.0f, januar, false);
    EXPECT_NEAR(januar, 32.8452f, 1e-3);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Haus2Heizung, HottestRadiatorExponentWins) {
    haus[u"RadiatorenHeiz"] = u"1";
    haus[u"ExponentRA"] = u"1.3";
    haus[u"Wandheizung"] = u"1";
    haus[u"ExponentWH"] = u"1.2";
    auto h = LadeHaus();
    EXPECT_FLOAT_EQ(h->GetHeizkoerperExponent(), 2.0f);
    h->SetWert(ID_FussbodenHeiz, CVRMVariant(false), false);
    EXPECT_FLOAT_EQ(h->GetHeizkoerperExponent(), 1.3f);

    h->SetWert(ID_RadiatorenHeiz, CVRMVariant(false), false);
    h->SetWert(ID_Wandheizung, CVRMVariant(false), false);
    boxes.shown.clear();
    float vorlauf = 0.0f;
    EXPECT_THROW(h->MomentaneVorlaufTempLast(1.0f, 5.0f, vorlauf, true), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{
                              u"Exception", fehler(3122, u"Haus2::MomentaneVorlaufTemp3")}));
}

TEST_F(Haus2Heizung, FixedFlowTemperatureEveryMonth) {
    haus[u"HOK"] = u"1";
    auto h = LadeHaus();
    for (unsigned short monat : {0, 6, 12}) {
        float vorlauf = 0.0f;
        h->MomentaneVorlaufTemp(monat, 1.0f, vorlauf, false);
        EXPECT_EQ(vorlauf, 35.0f) << monat;
    }
    float vorlauf = 0.0f;
    h->MomentaneVorlaufTempMonat(30.0f, 1.0f, vorlauf, false);
    EXPECT_EQ(vorlauf, 35.0f);
}

TEST_F(Haus2Heizung, FlowFailuresAndTheWarning) {
    auto h = LadeHaus();
    float vorlauf = 0.0f;
    EXPECT_THROW(h->MomentaneVorlaufTemp(12, 1.0f, vorlauf, false), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{fehler(3105, u"CHaus2::MomentaneVorlaufTemp"),
                                           fehler(3122, u"Haus2::MomentaneVorlaufTemp1")}));

    // Factor 1.21 at full load: r = 1.1, 20 + 15 x 1.1 = 36.5 °C, above the design 35.
    const std::u16string warnung =
        u"Calculated flow heating water temperature is greater than designed";
    for (int32_t warnen : {0, 1}) {
        optionen.SetLongWert(OPT_WARN_VORLAUF1, warnen);
        for (bool quiet : {true, false}) {
            boxes.shown.clear();
            h->MomentaneVorlaufTempMonat(-10.0f, 1.21f, vorlauf, quiet);
            EXPECT_NEAR(vorlauf, 36.5f, 1e-3);
            const bool erwartet = warnen != 0 && !quiet;
            EXPECT_EQ(boxTexts(), erwartet ? std::vector<std::u16string>{warnung}
                                           : std::vector<std::u16string>{});
        }
    }
}

}  // namespace
