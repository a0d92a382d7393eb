// The house calculator: heating months, heat demand, heating curve, hot-water demand by
// N and by volume, and the hot-water energy of the heat pump in 5 K steps.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "model/house/HausBerechnung.h"
#include "model/house/WawaDaten.h"
#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

class HausBerechnungTest : public modeltest::BoxFixture {
  protected:
    HausBerechnungTest() {
        app.dokument = &dok;
        // Source 6 kW, heating 8 kW, electric 2 kW at every temperature.
        dok.wpLeistung[0] = 6.0f;
        dok.wpLeistung[1] = 8.0f;
        dok.wpLeistung[2] = 2.0f;
    }

    // 200 l a day from 10 to 50 °C, no loss, the heat pump reaching 60 °C.
    static CWawaDaten Wawa(int typ) {
        CWawaDaten d;
        d.m_speicherTyp = typ;
        d.m_kaltWTemp = 10;
        d.m_sollTemp = 50;
        d.m_volumen = 200;
        d.m_maxVorlaufTemp = 60;
        d.m_eintrittsTemp = 25;
        d.m_wawaMitWP = 1;
        return d;
    }

    std::vector<std::u16string> texte() const {
        std::vector<std::u16string> t;
        for (const auto& b : presenter.shown) t.push_back(b.text);
        return t;
    }

    CHausBerechnung calc;
    testsupport::FakeKelvoDoc dok;
};

TEST_F(HausBerechnungTest, HeatingMonthIsStrictlyBelowRoomAndLimit) {
    struct Fall {
        float t;
        unsigned raum, grenze;
        bool heiz;
    };
    const Fall faelle[] = {{14.9f, 20, 15, true},
                           {15.0f, 20, 15, false},
                           {19.0f, 20, 21, true},
                           {20.0f, 20, 21, false},
                           {0.0f, 0, 15, false}};
    for (const Fall& f : faelle) EXPECT_EQ(calc.IstHeizMonat(f.t, f.raum, f.grenze), f.heiz) << f.t;

    const std::array<float, 12> temps{-2, 0, 4, 8, 13, 16, 18, 17, 14, 9, 4, 15};
    EXPECT_EQ(calc.AnzahlHeizMonate(temps, 20, 15), 8);  // 16, 18, 17 and 15 do not heat
}

TEST_F(HausBerechnungTest, HeatDemandOfAMonth) {
    struct Fall {
        float t, normAussen, gewinn1, gewinn2, erwartet;
    };
    const Fall faelle[] = {
        {0.0f, -10.0f, 0.0f, 0.0f, 20.0f / 3.0f},           // 10 / 30 x 20
        {0.0f, -10.0f, 1000.0f, 440.0f, 20.0f / 3.0f - 2},  // gains 1440 kWh / 720 h = 2 kW
        {0.0f, -10.0f, 9000.0f, 0.0f, 0.0f},                // gains above the demand: 0
        {15.0f, -10.0f, 0.0f, 0.0f, 0.0f},                  // at the limit: no heating month
        {0.0f, 20.0f, 0.0f, 0.0f, 0.0f},                    // design at room temperature
    };
    for (const Fall& f : faelle) {
        float out = -1.0f;
        calc.MomentanerHeizbedarf(f.t, 10.0f, f.normAussen, 20, 15, f.gewinn1, f.gewinn2, out);
        EXPECT_NEAR(out, f.erwartet, 1e-4) << f.t << " " << f.normAussen << " " << f.gewinn1;
    }
}

TEST_F(HausBerechnungTest, HeatingCurve) {
    struct Fall {
        float last, norm, exponent, faktor, erwartet;
    };
    const Fall faelle[] = {
        {10.0f, 10.0f, 2.0f, 1.0f, 35.0f},  // full load: the design flow temperature
        {2.5f, 10.0f, 2.0f, 1.0f, 27.5f},   // 20 + 15 x sqrt(0.25)
        {2.5f, 10.0f, 1.0f, 2.0f, 27.5f},   // 20 + 15 x 2.5 x 2 / 10
        {0.0f, 10.0f, 1.1f, 1.0f, 20.0f},   // no load: room temperature
        {5.0f, 0.0f, 1.1f, 1.0f, 20.0f},    // no design load: room temperature
        {5.0f, -1.0f, 1.1f, 1.0f, 20.0f},
        {-2.0f, 10.0f, 1.3f, 1.0f, 20.0f},  // gains above the losses: no heating, room temperature
    };
    for (const Fall& f : faelle) {
        float out = 0.0f;
        calc.VorlaufTemp(f.last, f.norm, 35.0f, 20, f.exponent, f.faktor, 28.0f, out);
        EXPECT_NEAR(out, f.erwartet, 1e-4) << f.last << " " << f.norm;
    }
}

// A radiator exponent of 0 would raise the load ratio to an infinite power.
TEST_F(HausBerechnungTest, HeatingCurveRefusesAnExponentNotAboveZero) {
    for (const float exponent : {0.0f, -1.0f}) {
        float out = 0.0f;
        EXPECT_THROW(calc.VorlaufTemp(5.0f, 10.0f, 35.0f, 20, exponent, 1.0f, 28.0f, out),
                     platform::UserException);
    }
}

TEST_F(HausBerechnungTest, HotWaterDemandByVolumeAndByN) {
    // 200 l from 10 to 50 °C: 40 K x 200 l x 0.0011676 = 9.3408 kWh a day, 280.224 a month.
    EXPECT_NEAR(calc.TaeglicherWWbedarfVol(200, 10, 50), 9.3408f, 1e-4);
    std::array<float, 12> monate;
    calc.MonatlicherWWbedarf(50, 10, 200, 5, monate);
    for (float m : monate) EXPECT_NEAR(m, 280.224f, 1e-3);
    // Back again: 9.3408 x 3597.1223 / (40 x 4.2) = 200 l.
    EXPECT_NEAR(calc.VolumenAusEnergie(9.3408f, 10, 50), 200.0f, 1e-3);
    EXPECT_EQ(calc.VolumenAusEnergie(9.3408f, 50, 50), 0.0f);
    // A fall in temperature is a negative energy, not a wrapped-round one.
    EXPECT_NEAR(calc.TaeglicherWWbedarfVol(100, 50, 40), -1.1676f, 1e-4);

    struct Fall {
        float n;
        float erwartet;
    };
    // 360 x N^0.82; 2^0.82 = 1.765406, 3.5^0.82 = 2.793417 (a figure with a fraction counts
    // whole, not cut to 3: 360 x 3^0.82 = 886.2). Tolerance 0.01 kWh.
    const Fall faelle[] = {{0.0f, 0.0f}, {1.0f, 360.0f}, {2.0f, 635.546f}, {3.5f, 1005.630f}};
    for (const Fall& f : faelle) {
        calc.MonatlicherWWbedarf(monate, f.n);
        for (float m : monate) EXPECT_NEAR(m, f.erwartet, 1e-2) << f.n;
    }

    float out = 0.0f;
    EXPECT_THROW(calc.MonatlicherWWbedarf(12, 1.0f, out), platform::UserException);
    // A negative figure is damaged data, not a NaN demand.
    EXPECT_THROW(calc.MonatlicherWWbedarf(0, -1.0f, out), platform::UserException);
    EXPECT_THROW(calc.MonatlicherWWbedarf(12, 50, 10, 200, 0, out), platform::UserException);
    EXPECT_EQ(texte(),
              (std::vector<std::u16string>{u"Required data missing or data wrong\n"
                                           u"(CHausBerechnung::MonatlicherWWbedarf(BKZ))",
                                           u"Required data missing or data wrong\n"
                                           u"(CHausBerechnung::MonatlicherWWbedarf(BKZ))",
                                           u"Required data missing or data wrong\n"
                                           u"(CHausBerechnung::MonatlicherWWbedarf(Vol))"}));
}

TEST_F(HausBerechnungTest, HotWaterEnergyInFiveKelvinSteps) {
    struct Fall {
        const char* name;
        CWawaDaten daten;
        float gesamt, el, quelle, laufzeit, nachheiz;
    };
    CWawaDaten gemischt = Wawa(1);
    CWawaDaten schichtNachheiz = Wawa(0);
    schichtNachheiz.m_sollTemp = 55;
    schichtNachheiz.m_tempVerlust = 5;
    schichtNachheiz.m_maxVorlaufTemp = 50;
    CWawaDaten zweiteQuelle = schichtNachheiz;
    zweiteQuelle.m_wawaMitWP = 3;
    const Fall faelle[] = {
        // One step 45 -> 50: 1.1676 kWh, 1.1676 / 8 = 0.14595 h; scaled by (50 - 10) x 0.2
        // = 8 and by 30 days: total 280.224, hours 35.028, electric 2 x 35.028, source 6 x.
        {"mixing", gemischt, 280.224f, 70.056f, 210.168f, 35.028f, 0.0f},
        // 10 -> 50 in eight steps: the same energy without scaling.
        {"layering", Wawa(0), 280.224f, 70.056f, 210.168f, 35.028f, 0.0f},
        // Combination from 25: 25 K = 5.838 kWh, scaled by 40 / 25.
        {"combination", Wawa(2), 280.224f, 70.056f, 210.168f, 35.028f, 0.0f},
        // Tank heat pump: 9.3408 kWh / COP 3.5 = 2.6688 kWh a day, no running time.
        {"tank heat pump", Wawa(3), 280.224f, 80.064f, 0.0f, 0.0f, 0.0f},
        // Loss 5: 15 -> 60 wanted, the heat pump stops at 50: 35 K = 8.1732 kWh a day;
        // the rest from 45 to 55 is reheating, 10 K = 2.3352 kWh a day, x 30 = 70.056.
        // Total 245.196 + 70.056; hours 8.1732 / 8 x 30 = 30.6495.
        {"reheating", schichtNachheiz, 315.252f, 61.299f, 183.897f, 30.6495f, 70.056f},
        // Second heat source: the reheating runs to 55 + 5 (3.5028 a day, 105.084 a
        // month), the heat pump runs no hours and everything counts as reheating.
        {"second source", zweiteQuelle, 350.28f, 0.0f, 0.0f, 0.0f, 350.28f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        CWawaDaten d = f.daten;
        d.m_elEnergie = 99.0f;
        calc.WarmwasserEnergie(0, d, 3.5f);
        EXPECT_NEAR(d.m_gesamtEnergie, f.gesamt, 5e-3);
        EXPECT_NEAR(d.m_elEnergie, f.el, 5e-3);
        EXPECT_NEAR(d.m_quellEnergie, f.quelle, 5e-3);
        EXPECT_NEAR(d.m_laufzeit, f.laufzeit, 5e-3);
        EXPECT_NEAR(d.m_nachheizEnergie, f.nachheiz, 5e-3);
    }
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(HausBerechnungTest, MaximumFlowBelowFiveDegreesDoesNotWrapTheTemperatures) {
    // A record whose maximum flow temperature was left at 0: the heat pump's step runs
    // from -5 to 0 °C, and the reheating from 0 to 50 °C. Counted in unsigned 16 bits, -5
    // would be 65531 and give a huge negative energy.
    // Step: 5 K x 200 l x 0.0011676 = 1.1676 kWh, 1.1676 / 8 = 0.14595 h; x 30 days:
    // 35.028 kWh, 4.3785 h, electric 2 x 4.3785 = 8.757, source 6 x 4.3785 = 26.271.
    // Reheating: 50 K = 11.676 kWh a day, 350.28 a month; total 35.028 + 350.28 = 385.308.
    CWawaDaten d = Wawa(0);
    d.m_maxVorlaufTemp = 0;
    calc.WarmwasserEnergie(0, d, 3.5f);
    EXPECT_NEAR(d.m_gesamtEnergie, 385.308f, 5e-3);
    EXPECT_NEAR(d.m_elEnergie, 8.757f, 5e-3);
    EXPECT_NEAR(d.m_quellEnergie, 26.271f, 5e-3);
    EXPECT_NEAR(d.m_laufzeit, 4.3785f, 5e-4);
    EXPECT_NEAR(d.m_nachheizEnergie, 350.28f, 5e-3);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(HausBerechnungTest, HotWaterEnergyFailuresAreReportedAgain) {
    const auto fallen = [&](CWawaDaten d, unsigned short monat, float cop) {
        presenter.shown.clear();
        EXPECT_THROW(calc.WarmwasserEnergie(monat, d, cop), platform::UserException);
        return texte();
    };
    const std::u16string nochmal =
        u"Could not compute results\n(HausBerechnung::WarmwasserEnergie)";
    EXPECT_EQ(fallen(Wawa(7), 0, 3.5f),
              (std::vector<std::u16string>{
                  u"Switch constant wrong\n(CHausBerechnung::WarmwasserEnergie)", nochmal}));
    EXPECT_EQ(fallen(Wawa(0), 12, 3.5f),
              (std::vector<std::u16string>{
                  u"Required data missing or data wrong\n(CHausBerechnung::WarmwasserEnergie)",
                  nochmal}));
    EXPECT_EQ(fallen(Wawa(3), 0, 0.0f), (std::vector<std::u16string>{u"Exception", nochmal}));

    dok.wpLeistung[1] = 0.01f;  // no heating capacity
    EXPECT_EQ(fallen(Wawa(0), 0, 3.5f), (std::vector<std::u16string>{u"Exception", nochmal}));

    app.dokument = nullptr;  // no active project
    presenter.shown.clear();
    CWawaDaten d = Wawa(0);
    EXPECT_THROW(calc.WarmwasserEnergie(0, d, 3.5f), platform::UserException);
    EXPECT_EQ(presenter.shown.back().text, nochmal);
}

}  // namespace
