// Capacity, electric power and COP between and beyond the performance records, the
// spread correction, the maximum flow temperature and exact table values.
#include <cmath>

#include "tests/model/heatpump/WPumpeFixture.h"

namespace {

using wptest::WPumpeFixture;

class WPumpe2Leistung : public WPumpeFixture {
  protected:
    float Anzahl(CWPumpe2& wp, int art, float quellTemp, float vorlauf) {
        float wert = -1.0f;
        wp.GetLeistungAnzahl(art, quellTemp, vorlauf, wert);
        return wert;
    }
    float Gesamt(CWPumpe2& wp, int art, float quellTemp, float vorlauf, float tv, float tr) {
        float wert = -1.0f;
        wp.GetLeistungGesamt(art, quellTemp, vorlauf, tv, tr, wert);
        return wert;
    }
};

TEST_F(WPumpe2Leistung, BetweenTwoRecordsHandChecked) {
    // WP-Sole at source 0 °C, flow 45 °C; the second flow temperature of both records is 55.
    // Record -5 °C: heating 6 at 35, 5 at 55 -> 5.5 at 45; electric 1.5 / 2.1 -> 1.8.
    // Record +5 °C: heating 8 at 35, 7 at 55 -> 7.5 at 45; electric 1.6 / 2.2 -> 1.9.
    // Source 0 °C lies halfway: heating (5.5 + 7.5) / 2 = 6.5, electric (1.8 + 1.9) / 2 = 1.85,
    // source side 6.5 - 1.85 = 4.65 (record: 4.5 / 2.9 -> 3.7; 6.4 / 4.8 -> 5.6; mean 4.65),
    // COP 6.5 / 1.85 = 3.5135.
    auto wp = Lade(u"WP-Sole");
    EXPECT_NEAR(Anzahl(*wp, 1, 0, 45), 6.5f, 1e-5);
    EXPECT_NEAR(Anzahl(*wp, 2, 0, 45), 1.85f, 1e-5);
    EXPECT_NEAR(Anzahl(*wp, 0, 0, 45), 4.65f, 1e-5);
    EXPECT_NEAR(wp->GetLeistungszahl(0, 45), 3.5135f, 1e-4);

    // Two units double the capacities and keep the COP.
    wp->SetAnzahl(2);
    EXPECT_NEAR(Anzahl(*wp, 1, 0, 45), 13.0f, 1e-5);
    EXPECT_NEAR(wp->GetLeistungszahl(0, 45), 3.5135f, 1e-4);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WPumpe2Leistung, BelowTheLowestRecordHandChecked) {
    // WP-Sole at source -10 °C, flow 35 °C: the line through the records -5 and +5 °C.
    // Heating: 6 + (-10 - -5) x (8 - 6) / 10 = 6 - 1 = 5.
    // Electric: 1.5 + (-5) x (1.6 - 1.5) / 10 = 1.45.  COP 5 / 1.45 = 3.4483.
    auto wp = Lade(u"WP-Sole");
    EXPECT_NEAR(Anzahl(*wp, 1, -10, 35), 5.0f, 1e-5);
    EXPECT_NEAR(Anzahl(*wp, 2, -10, 35), 1.45f, 1e-5);
    EXPECT_NEAR(wp->GetLeistungszahl(-10, 35), 3.4483f, 1e-4);
    EXPECT_TRUE(boxes.shown.empty());  // warnings are off
}

TEST_F(WPumpe2Leistung, EdgeCasesOfTheBracketing) {
    struct Fall {
        const char16_t* wp;
        float quellTemp, vorlauf;
        float heiz;  // one unit
        const char* warum;
    };
    const Fall faelle[] = {
        // The record at 0 °C lies off the line between -5 and +5 (which gives 7).
        {u"WP-Drei", 0, 35, 9.0f, "equal to a record: that record alone"},
        {u"WP-Drei", 2.5f, 35, 8.5f, "between 0 and 5: 9 + 2.5 x (8 - 9) / 5"},
        {u"WP-Drei", 7, 35, 7.6f, "above the valid records (20 °C is invalid): 9 + 7 x -1/5"},
        {u"WP-Sole", 8, 35, 8.6f, "above the records, within 372 = 10: 6 + 13 x 0.2"},
        {u"WP-Sole", 10.1f, 35, 9.02f, "at the limit + 0.1 still extrapolated: 6 + 15.1 x 0.2"},
        {u"WP-Sole", 20, 35, 9.0f, "beyond 372: computed at 10 °C, 6 + 15 x 0.2"},
        {u"WP-Sole", -5, 20, 6.25f, "flow below 371 = 30: taken at 30, 6 + (-5) x (-1/20)"},
        {u"WP-Sole", -5, 30, 6.25f, "flow at 371"},
        {u"WP-35", -5, 45, 6.0f, "second flow 35, values within 0.1: the 35 °C value"},
    };
    for (const auto& f : faelle) {
        auto wp = Lade(f.wp);
        EXPECT_NEAR(Anzahl(*wp, 1, f.quellTemp, f.vorlauf), f.heiz, 1e-4) << f.warum;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WPumpe2Leistung, SecondFlowOf35WithDifferentValuesGivesZeroAndANotice) {
    auto wp = Lade(u"WP-35");
    EXPECT_EQ(Anzahl(*wp, 1, 5, 45), 0.0f);  // 8 and 9 differ by more than 0.1
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              u"Linear interpolation not possible,\r\nbecause the difference between the "
              u"values is too small (< 0.1) !");
}

TEST_F(WPumpe2Leistung, NegativeResultsBecomeZero) {
    // Source side far below the records: 4.5 + (-40 - -5) x (6.4 - 4.5) / 10 = -2.15 -> 0.
    auto wp = Lade(u"WP-Sole");
    EXPECT_EQ(Anzahl(*wp, 0, -40, 35), 0.0f);
}

TEST_F(WPumpe2Leistung, SpreadCorrection) {
    // WP-Sole at 0 °C, flow 35: heating 7, electric 1.55, source side 5.45; rating spread
    // (381) 5 K. House spread 55 - 45 = 10 K: c = 1 / ((10 - 5) x 0.0103 + 1) = 0.951022.
    // Electric 1.55 x c = 1.474084; source side 5.45 - (c - 1) x 1.55 = 5.525916.
    struct Fall {
        int art;
        float tv, tr;
        unsigned anzahl;
        float erwartet;
    };
    const Fall faelle[] = {
        {1, 55, 45, 1, 7.0f},  // heating capacity is never corrected
        {2, 55, 45, 1, 1.474084f}, {0, 55, 45, 1, 5.525916f},
        {2, 40, 35, 1, 1.55f},  // house spread equal to the rating's: c = 1
        {0, 40, 35, 1, 5.45f},     {2, 55, 45, 2, 2.948168f},  // all units
    };
    auto wp = Lade(u"WP-Sole");
    for (const auto& f : faelle) {
        wp->SetAnzahl(f.anzahl);
        EXPECT_NEAR(Gesamt(*wp, f.art, 0, 35, f.tv, f.tr), f.erwartet, 1e-5)
            << "kind " << f.art << " spread " << f.tv - f.tr;
    }
    // Corrected COP: 7 / 1.474085 = 4.748710.
    wp->SetAnzahl(1);
    EXPECT_NEAR(wp->GetLeistungszahlKorr(0, 35, 55, 45), 4.748710f, 1e-4);
}

TEST_F(WPumpe2Leistung, SourceSideCorrectionTakesThePowerAtLeastAt30Degrees) {
    // WP-Sole at -5 °C with the interpolation's lowest flow (371) lowered to 25 and flow 25:
    // source side 4.5 + (25 - 35) x (2.9 - 4.5) / 20 = 5.3; the power comes from 30 °C:
    // 1.5 + (30 - 35) x 0.6 / 20 = 1.35 (at 25 °C it would be 1.2).
    // Spread 10 K: 5.3 - (0.951022 - 1) x 1.35 = 5.366120.
    auto wp = Lade(u"WP-Sole");
    wp->GetWert(ID_MinInterpolTempVL) = 25u;
    EXPECT_NEAR(Gesamt(*wp, 0, -5, 25, 55, 45), 5.366120f, 1e-5);
}

TEST_F(WPumpe2Leistung, UnknownKindsAreRefused) {
    auto wp = Lade(u"WP-Sole");
    float wert = 0.0f;
    EXPECT_EQ(FehlerText([&] { wp->GetLeistungAnzahl(3, 0, 35, wert); }),
              errorBox(3162, u"CWPumpe2::GetLeistung"));
    WPLeistDatenZeiger gueltig;
    wp->GetGueltigeLeistDaten(gueltig);
    EXPECT_EQ(FehlerText([&] { wp->GetLeistungKorr(3, 0, 35, gueltig, 55, 45, wert); }),
              u"Exception");
}

TEST_F(WPumpe2Leistung, TooFewRecords) {
    float wert = 0.0f;
    auto leer = Lade(u"WP-Leer");
    EXPECT_EQ(FehlerText([&] { leer->GetLeistungAnzahl(1, 0, 35, wert); }),
              errorBox(3130, u"WP-Leer"));
    // Eight empty slots are records, none of them valid.
    EXPECT_EQ(FehlerText([&] { leer->getMVT(0); }), errorBox(3131, u"WP-Leer"));
    auto eins = Lade(u"WP-Eins");  // its second record has no heating capacity
    EXPECT_EQ(FehlerText([&] { eins->GetLeistungAnzahl(1, 0, 35, wert); }),
              errorBox(3131, u"WP-Eins"));
}

TEST_F(WPumpe2Leistung, MaximumFlowTemperature) {
    auto sole = Lade(u"WP-Sole");  // 58 at -5, 62 at +5
    EXPECT_FLOAT_EQ(sole->getMVT(-5), 58.0f);
    EXPECT_FLOAT_EQ(sole->getMVT(0), 60.0f);
    EXPECT_FLOAT_EQ(sole->getMVT(-10), 56.0f);  // extrapolated
    EXPECT_FLOAT_EQ(sole->getMVT(30), 64.0f);   // at 372 = 10
    // Value 370 follows the records at the source temperature of the medium, truncated.
    EXPECT_EQ(sole->GetWert(ID_MaxVorlaufTemp).GetUIntVal(), 60u);  // brine: 0 °C
    auto luft = Lade(u"WP-Luft");  // 50 at -15, 55 at -7, 58 at 2, 60 at 7
    EXPECT_EQ(luft->GetWert(ID_MaxVorlaufTemp).GetUIntVal(), 58u);  // air: 2 °C, a record
    // Medium 4: 20 °C lies beyond 372 = 10, so at 10: 60 + 3 x 2/5 = 61.2 -> 61.
    luft->GetWert(ID_MedienTyp) = 4;
    EXPECT_EQ(luft->GetWert(ID_MaxVorlaufTemp).GetUIntVal(), 61u);
    // An unknown medium counts as 0 °C: 55 + 7 x 3/9 = 57.33 -> 57.
    luft->GetWert(ID_MedienTyp) = 9;
    EXPECT_EQ(luft->GetWert(ID_MaxVorlaufTemp).GetUIntVal(), 57u);
}

TEST_F(WPumpe2Leistung, TableValuesMatchOnlyStoredPoints) {
    struct Fall {
        int art;
        float quellTemp, vorlauf;
        bool gefunden;
        float wert;
    };
    const Fall faelle[] = {
        {1, -5, 35, true, 6.0f},     {1, -5, 34.95f, true, 6.0f},  // within the 35 °C column
        {1, -5, 35.1f, false, 0.0f},  // outside it, and not the second flow temperature
        {1, -5.05f, 35, true, 6.0f},  // source within 0.1
        {2, 5, 55.05f, true, 2.2f},   // the second flow temperature
        {0, 5, 55, true, 4.8f},      {1, 0, 35, false, 0.0f},  // no record at 0 °C
    };
    auto wp = Lade(u"WP-Sole");
    for (const auto& f : faelle) {
        float wert = -1.0f;
        EXPECT_EQ(wp->getTabellenWert(f.art, f.quellTemp, f.vorlauf, wert), f.gefunden)
            << f.art << " " << f.quellTemp << " " << f.vorlauf;
        EXPECT_FLOAT_EQ(wert, f.wert);
    }
    wp->SetAnzahl(2);
    float wert = 0.0f;
    EXPECT_TRUE(wp->getTabellenWert(1, -5, 35, wert));
    EXPECT_FLOAT_EQ(wert, 12.0f);
    EXPECT_EQ(FehlerText([&] { wp->getTabellenWert(3, -5, 35, wert); }),
              errorBox(3162, u"CWPumpe2::getTabellenWert"));

    float cop = 0.0f;
    EXPECT_TRUE(wp->GetTabellenLeistungszahl(-5, 35, cop));
    EXPECT_FLOAT_EQ(cop, 4.0f);  // 12 / 3
    EXPECT_FALSE(wp->GetTabellenLeistungszahl(0, 35, cop));
    EXPECT_EQ(cop, 1.0f);
    // WP-Drei's invalid record at 20 °C holds zeros: not a table value.
    EXPECT_FALSE(Lade(u"WP-Drei")->getTabellenWert(1, 20, 35, wert));
}

TEST_F(WPumpe2Leistung, RatingPointCapacity) {
    // Brine: rating 0 °C / 35 °C, WP-Sole 7 kW per unit; air: 2 °C, WP-Luft's record 9 kW.
    auto sole = Lade(u"WP-Sole");
    sole->SetAnzahl(2);
    EXPECT_NEAR(sole->getTHL(), 14.0f, 1e-5);
    EXPECT_FLOAT_EQ(Lade(u"WP-Luft")->getTHL(), 9.0f);
}

}  // namespace
