// The dimensioning formulas and the design values of the document's service.
#include <gtest/gtest.h>

#include "evaluation/dim/DimWerte.h"
#include "evaluation/dim/Dimensionierung.h"
#include "tests/evaluation/engine/EngineFixture.h"

namespace enginetest {
namespace {

class DimensionierungTest : public EngineFixture {};

struct TempFall {
    const char* name;
    float p, h, th, w;
    unsigned tw;
    int m;
    float erwartet;
};

TEST_F(DimensionierungTest, DesignTemperatureMixesHotWaterAndHeatingByTheirPowers) {
    const TempFall faelle[] = {
        // a = 24 / (24 - 23) = 24, b = 1 x 24 = 24: half and half of 55 and 35.
        {"h = 23 gives factor 24", 1.0f, 23.0f, 35.0f, 24.0f, 55, 1, 45.0f},
        // a = 24 / 24 = 1, b = 10: 1/11 x 50 + 10/11 x 35 = 36.3636.
        {"no blocking", 10.0f, 0.0f, 35.0f, 24.0f, 50, 1, 36.363636f},
        {"mode 0 takes the heating temperature", 10.0f, 0.0f, 35.0f, 24.0f, 50, 0, 35.0f},
        {"mode 2 takes the heating temperature", 10.0f, 4.0f, 35.0f, 240.0f, 60, 2, 35.0f},
        // 0.5 x 20 + 0.5 x 35 = 27.5 is below the heating temperature.
        {"cold hot water never lowers it", 1.0f, 0.0f, 35.0f, 24.0f, 20, 1, 35.0f},
        {"no power at all", 0.0f, 0.0f, 35.0f, 0.0f, 50, 1, 35.0f},
    };
    for (const TempFall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_NEAR(CDimensionierung::GetDimTemperatur(f.p, f.h, f.th, f.w, f.tw, f.m), f.erwartet,
                    1e-4f);
    }
}

struct LeistungFall {
    const char* name;
    float p, h, w;
    int m;
    float zuschlag, leistung;
};

TEST_F(DimensionierungTest, DesignCapacityIsHeatingOverTheFreeHoursPlusHotWater) {
    const LeistungFall faelle[] = {
        // 24 kWh a day is 1 kW; over 22 free hours x 24/22: 1.0909; heating 10 x 24/22.
        {"two blocked hours", 10.0f, 2.0f, 24.0f, 1, 1.0909091f, 12.0f},
        {"hot water otherwise", 10.0f, 2.0f, 24.0f, 0, 0.0f, 10.909091f},
        {"h = 23 gives factor 24", 1.0f, 23.0f, 0.0f, 1, 0.0f, 24.0f},
        {"no blocking", 5.0f, 0.0f, 48.0f, 1, 2.0f, 7.0f},
    };
    for (const LeistungFall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_NEAR(CDimensionierung::GetWWZuschlag(f.m, f.w, f.h), f.zuschlag, 1e-5f);
        EXPECT_NEAR(CDimensionierung::GetDimLeistung(f.p, f.h, f.w, 99.0f, f.m), f.leistung,
                    1e-4f);
    }
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

TEST_F(DimensionierungTest, ADayFullOfBlockingIsRefusedByEveryFormula) {
    for (const float h : {24.0f, 30.0f}) {
        SCOPED_TRACE(h);
        EXPECT_ANY_THROW(CDimensionierung::GetDimTemperatur(10.0f, h, 35.0f, 0.0f, 50, 0));
        EXPECT_ANY_THROW(CDimensionierung::GetDimLeistung(10.0f, h, 0.0f, 0.0f, 0));
        EXPECT_ANY_THROW(CDimensionierung::GetWWZuschlag(1, 24.0f, h));
    }
}

struct QuellFall {
    int art;
    bool vorgabe;
    int vorgabeTemp;
    bool erdluft;
    bool zwk;
    float erwartet;
};

TEST_F(DimensionierungTest, DesignSourceTemperatureByKind) {
    // Design outdoor temperature -12, water 10 °C, room 20 °C.
    const QuellFall faelle[] = {
        {0, false, 0, false, false, -2.0f}, {1, true, 5, true, true, -2.0f},
        {4, false, 0, false, false, -2.0f}, {5, false, 0, false, false, -2.0f},
        {2, false, -7, false, false, -12.0f}, {2, false, -7, true, false, 0.0f},
        {2, true, -7, false, false, -7.0f},   {2, true, -11, true, false, 0.0f},
        {2, true, -10, true, false, 1.0f},    {2, true, -6, true, false, 1.0f},
        {2, true, -5, true, false, 2.0f},     {2, true, -1, true, false, 2.0f},
        {2, true, 0, true, false, 3.0f},      {2, true, 8, true, false, 3.0f},
        {3, false, 0, false, false, 10.0f},   {3, false, 0, false, true, 7.0f},
        {6, false, 0, false, false, 20.0f},
    };
    for (const QuellFall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << "kind " << f.art << " given " << f.vorgabeTemp
                                          << " earth-air " << f.erdluft);
        EXPECT_EQ(CDimensionierung::GetDimQuellenTemp(f.art, f.vorgabe, f.vorgabeTemp, -12.0f, 10,
                                                      f.erdluft, 20, f.zwk),
                  f.erwartet);
    }
    EXPECT_ANY_THROW(CDimensionierung::GetDimQuellenTemp(7, false, 0, -12.0f, 10, false, 20, false));
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(BoxTexte().find("Switch constant wrong"), std::string::npos) << BoxTexte();
    EXPECT_NE(BoxTexte().find("CDimensionierung::GetDimQuellenTemp"), std::string::npos);
}

TEST_F(DimensionierungTest, DesignValuesPerHeatPumpAndTheSourcesOwnTemperatures) {
    SDimWerteEingabe e;
    e.heizLast = 10.0f;
    e.vorlaufTemp = 40.0f;
    e.wwTag = 24.0f;
    e.wwSollTemp = 50;
    e.wwModus = 1;
    e.sperrStunden = 0.0f;
    e.anzahlWP = 2;
    e.quellArt = 2;
    e.normAussenTemp = -14.0f;
    // Capacity (1 + 10) / 2; temperature 1/11 x 50 + 10/11 x 40 = 40.909.
    SDimWerte w = BerechneDimWerte(e);
    EXPECT_NEAR(w.leistungProWP, 5.5f, 1e-5f);
    EXPECT_NEAR(w.auslegTemp, 40.909090f, 1e-4f);
    EXPECT_EQ(w.quellTemp, -14.0f);

    e.userQuellTempMin = 3.5f;
    EXPECT_EQ(BerechneDimWerte(e).quellTemp, 3.5f);

    e.ohneLeistung = true;
    w = BerechneDimWerte(e);
    EXPECT_EQ(w.leistungProWP, 0.0f);
    EXPECT_EQ(w.quellTemp, 0.0f);
    EXPECT_NEAR(w.auslegTemp, 40.909090f, 1e-4f);

    e.anzahlWP = 0;
    EXPECT_ANY_THROW(BerechneDimWerte(e));
}

TEST_F(DimensionierungTest, DesignValuesReadFromASampleProject) {
    auto p = Lade(kSonde);
    const SDimWerteEingabe e =
        LeseDimWerteEingabe(p->haus, p->tarif, p->Quelle1(), 0, -12, false, 1, false);
    float last = 0.0f;
    p->haus.HeizbedarfMonat(-12.0f, 0, last);
    EXPECT_EQ(e.heizLast, last);
    EXPECT_GT(e.heizLast, 0.0f);
    EXPECT_EQ(e.sperrStunden, p->tarif.GetSperrzeitProTag());
    const SDimWerte w = BerechneDimWerte(e);
    EXPECT_EQ(w.quellTemp, -2.0f);  // a probe
    EXPECT_GE(w.auslegTemp, e.vorlaufTemp);
    EXPECT_GE(w.leistungProWP, e.heizLast);
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

}  // namespace
}  // namespace enginetest
