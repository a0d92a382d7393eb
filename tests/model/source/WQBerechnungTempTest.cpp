// Monthly source temperatures and the brine temperature of the calculator, worked out by
// hand (the working is beside each number).
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/text/ErrorReport.h"
#include "model/source/FSMdaten.h"
#include "model/source/WQBerechnung.h"
#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

using Monate = std::array<float, 12>;

Monate Alle(float wert) {
    Monate m;
    m.fill(wert);
    return m;
}

class WQBerechnungTemp : public modeltest::BoxFixture {
  protected:
    static std::u16string Box(unsigned id, std::u16string_view ort) {
        return vrmcore::BuildErrorText(id, ort);
    }
    template <class F>
    std::u16string Fehler(F f) {
        presenter.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        return presenter.shown.empty() ? std::u16string() : presenter.shown.back().text;
    }

    // A probe field of one 100 m probe, λ 2, C 2.4, spacing 6 m, with the latent heat of
    // moisture class 1: 1 × 100 × 1000 × 18 × 0.2629513 = 473312.34.
    float Sonde(int monat, const Monate& natur, const Monate& entzug, const Monate& arbeit,
                const Monate& eingespeist = Monate{}, float laenge = 100.0f) {
        float out = 0.0f;
        rechner.QuellenTemperatur(monat, 0, natur, eingespeist, entzug, Monate{}, 2.0f, 0.0f,
                                  laenge, 6.0f, 1, 32.0f, 2.4f, 3.0f, 473312.34f, 1, arbeit, out);
        return out;
    }

    // The brine of two double-U probes of 100 m, 32 × 26 mm tubes of λ 0.42, brine of
    // density 1030, heat 3.87, conductivity 0.4, at 2 °C with a 3 K spread.
    float Sole(float volStrom, float viskos = 5.55f, float laenge = 100.0f) {
        float out = 0.0f;
        rechner.SoleEintrittsTemp(0, 0, 2.0f, 5.0f, 3.0f, 1030.0f, 3.87f, 0.4f, viskos, 0.42f,
                                  26.0f, 32.0f, laenge, 2, false, volStrom, 1, 0, out);
        return out;
    }

    CWQBerechnung rechner;
};

TEST_F(WQBerechnungTemp, AirWaterAndTheSecondCollectorFormFollowTheirNaturalTemperatures) {
    const Monate natur = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    float out = 0.0f;
    for (int art : {2, 3, 6}) {
        rechner.QuellenTemperatur(4, art, natur, Monate{}, Alle(500), Alle(500), 0, 0, 0, 0, 0, 0,
                                  0, 3, 0, 0, Monate{}, out);
        EXPECT_EQ(out, 5.0f) << art;
    }
    // Kind 5: natural - offset + 1; January 1 - 4 + 1, May 5 - 3.5 + 1, November 11 - 6.5 + 1.
    const std::pair<int, float> art5[] = {{0, -2.0f}, {4, 2.5f}, {7, 8.0f}, {10, 5.5f}};
    for (const auto& [monat, erwartet] : art5) {
        rechner.QuellenTemperatur(monat, 5, natur, Monate{}, Monate{}, Monate{}, 0, 0, 0, 0, 0, 0,
                                  0, 3, 0, 0, Monate{}, out);
        EXPECT_EQ(out, erwartet) << monat;
    }
    const auto aufruf = [&](int monat, int art) {
        return [&, monat, art] {
            rechner.QuellenTemperatur(monat, art, natur, Monate{}, Monate{}, Monate{}, 0, 0, 0, 0,
                                      0, 0, 0, 3, 0, 0, Monate{}, out);
        };
    };
    EXPECT_EQ(Fehler(aufruf(3, 4)), Box(3162, u"CWQBerechnung::QuellenTemp2"));
    EXPECT_EQ(Fehler(aufruf(12, 2)), Box(3105, u"CWQBerechnung::QuellenTemperatur"));
    EXPECT_EQ(Fehler(aufruf(-1, 2)), Box(3105, u"CWQBerechnung::QuellenTemperatur"));
}

TEST_F(WQBerechnungTemp, FrozenProbeHoldsAtZeroUntilTheLatentHeatIsUsedUp) {
    // G = (2 / (2.4 × 278)) × 720 / 36 = 0.059952; g = log10 G + 0.106 / G + 0.351 = 0.896884.
    // August's draw d kWh gives E = d / 720 × 1000 / 100 W/m; T = 2 - E × 0.1833 / 2 × g.
    // E0 = 2 × 2 × 5.4555373 / g = 24.331 W/m brings it to 0; beyond it the frozen ground
    // gives (E - E0) × 100 × 720 Wh of latent heat first.
    struct Fall {
        float entzug;  // kWh in August
        float temp;
    };
    const Fall faelle[] = {
        {1440.0f, 0.356012f},   // E 20: 2 - 20 × 0.0916502 × 0.896884... = 0.3560
        {2160.0f, 0.0f},        // E 30: 408168 Wh over E0, below the 473312 of latent heat
        {2880.0f, -0.747616f},  // E 40: (1128168 - 473312) / 100 / 720 = 9.0952 W/m left
    };
    const Monate natur = Alle(2.0f);
    for (const Fall& f : faelle) {
        Monate entzug{};
        entzug[7] = f.entzug;
        EXPECT_NEAR(Sonde(7, natur, entzug, natur), f.temp, 1e-4f) << f.entzug;
    }
    // July starts the heating year at its natural temperature, whatever was drawn.
    EXPECT_EQ(Sonde(6, natur, Alle(5000.0f), natur), 2.0f);
}

TEST_F(WQBerechnungTemp, SpringRecoversToTheMirrorMonthOrIsLiftedByHeatFedIn) {
    const Monate natur = Alle(2.0f);
    // January left the ground warmer than its natural 2 °C: February takes January's value.
    Monate arbeit = natur;
    arbeit[0] = 5.0f;
    EXPECT_EQ(Sonde(1, natur, Monate{}, arbeit), 5.0f);

    // February still cold (1.5 °C): March starts from December's state (nothing drawn: 2 °C)
    // and rises by the 720 kWh fed in in February: E = -10 W/m gives
    // 2 + 10 × 0.1833 / 2 × 0.896884 = 2.82199, a rise of 0.82199.
    arbeit = natur;
    arbeit[1] = 1.5f;
    Monate eingespeist{};
    eingespeist[1] = 720.0f;
    EXPECT_NEAR(Sonde(2, natur, Monate{}, arbeit, eingespeist), 2.82199f, 1e-4f);
}

TEST_F(WQBerechnungTemp, CollectorTemperatureUnderADrawAndGeometryThatCannotWork) {
    // 200 m of tube in 2 circuits, λ 1.5, C 2.2, distance 0.75 m, 32 mm tube (ρ 0.016 m),
    // 8 °C natural; 1440 kWh in August is q = 1440 / 720 × 1000 / 200 = 10 W/m.
    // a = 1.5 / 611.6; S = √(2 a 720) = 1.8793; far = S / (√π × 1.5 × 0.75) = 0.94238;
    // near = 2.03 / (1.5 × 2π) × (0.016 / S)^0.8265 = 0.004262;
    // a2 = 0.000455, b2 = 0.125 / (0.021333 - 0.000455) = 5.98697, w = 0.916268;
    // T = 8 - 10 × (0.083732 × 0.94238 + 0.916268 × 0.004262) = 7.17244.
    Monate entzug{};
    entzug[7] = 1440.0f;
    float out = 0.0f;
    rechner.QuellenTemperatur(7, 1, Alle(8.0f), Monate{}, entzug, Monate{}, 1.5f, 200.0f, 200.0f,
                              0.75f, 2, 32.0f, 2.2f, 3.0f, 1e9f, 1, Alle(8.0f), out);
    EXPECT_NEAR(out, 7.172442f, 1e-4f);

    // A probe of length 0, no circuits or a spacing narrower than the tube: a clear error,
    // never a temperature of NaN or infinity.
    const std::u16string geometrie = Box(3105, u"CWQBerechnung::QuellenTemperatur(2)");
    EXPECT_EQ(Fehler([&] { Sonde(7, Alle(2.0f), entzug, Alle(2.0f), Monate{}, 0.0f); }), geometrie);
    EXPECT_EQ(Fehler([&] {
                  rechner.QuellenTemperatur(7, 0, Alle(2.0f), Monate{}, entzug, Monate{}, 2.0f, 0,
                                            100.0f, 6.0f, 0, 32.0f, 2.4f, 3, 0, 1, Alle(2.0f), out);
              }),
              geometrie);
    EXPECT_EQ(Fehler([&] {
                  rechner.QuellenTemperatur(7, 1, Alle(8.0f), Monate{}, entzug, Monate{}, 1.5f,
                                            200.0f, 200.0f, 0.01f, 2, 32.0f, 2.2f, 3, 0, 1,
                                            Alle(8.0f), out);
              }),
              geometrie);
}

TEST_F(WQBerechnungTemp, BrineByKindAndWithoutLoad) {
    struct Fall {
        int art;
        float last;
        bool einfach;
        float sole;
    };
    const Fall faelle[] = {
        {0, 0.05f, false, 2.0f},  // no load: the source temperature
        {9, 0.0f, false, 2.0f},   // no load, even for an unknown kind
        {2, 5.0f, false, 2.0f},  {3, 5.0f, false, 2.0f},
        {6, 5.0f, false, 2.0f},  {4, 5.0f, false, -1.0f},  // T - ΔT
        {5, 5.0f, false, 1.0f},                            // T - 1
        {0, 5.0f, true, 0.5f},                             // T - ΔT / 2
        {1, 5.0f, true, 0.5f},
    };
    for (const Fall& f : faelle) {
        float out = -99.0f;
        rechner.SoleEintrittsTemp(3, f.art, 2.0f, f.last, 3.0f, 1030.0f, 3.87f, 0.4f, 5.55f, 0.42f,
                                  26.0f, 32.0f, 100.0f, 2, f.einfach, 3.0f, 1, 0, out);
        EXPECT_EQ(out, f.sole) << f.art << " " << f.last;
    }
    float out = 0.0f;
    EXPECT_EQ(Fehler([&] {
                  rechner.SoleEintrittsTemp(3, 7, 2, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0,
                                            0, out);
              }),
              Box(3162, u"CWQBerechnung::SoleETemperatur"));
    EXPECT_EQ(Fehler([&] {
                  rechner.SoleEintrittsTemp(12, 2, 2, 5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0,
                                            0, out);
              }),
              Box(3105, u"CWQBerechnung::SoleEintrittsTemp"));
}

TEST_F(WQBerechnungTemp, TubeRuleStaysFiniteAndPhysicalAtAnyFlow) {
    // L_path = 2 × 1 × 100 = 200 m, L_tot = 400 m; Pr = 5.55e-6 × 3870 × 1030 / 0.4 = 55.307.
    struct Fall {
        float volStrom;
        float sole;
    };
    const Fall faelle[] = {
        // 3 m³/h: Re = 1838.2, Nu = 0.012 × (1838.2^0.87 - 280) × 55.307^0.4 × 1.0289 = 30.92;
        // U' = 1 / (1 / 12.369 + ln(32/26) / 0.84) = 3.04843; ΔT_log = 2.60137, y = 1.15324;
        // 2 - 3 / (1 - e^-y) = -2.38349.
        {3.0f, -2.38349f},
        // 0.5 m³/h: Re = 306, where the turbulent form gives Nu = -10.09 (a negative
        // conductance); laminar Nu 3.66: U' = 1.07498, ΔT_log = 1.22949, y = 2.44003.
        {0.5f, -1.28644f},
        // 0.01 m³/h: y = 122, e^y overflows a float; the brine is T - ΔT.
        {0.01f, -1.0f},
    };
    for (const Fall& f : faelle) EXPECT_NEAR(Sole(f.volStrom), f.sole, 2e-4f) << f.volStrom;

    // A thin brine, ν = 0.4 mm²/s, is taken as given: Re = 1838.24 × 5.55 / 0.4 = 25505.6,
    // Pr = 0.4e-6 × 3870 × 1030 / 0.4 = 3.9861, Nu = 0.012 × (25505.6^0.87 - 280) × 3.9861^0.4
    // × 1.25662 = 171.463; U' = 1 / (1 / 68.585 + ln(32/26) / 0.84) = 3.82015,
    // ΔT_log = 2.07586, y = 1.44518; 2 - 3 / (1 - e^-y) = -1.92518 (a floor of 0.5 would give
    // -1.93697).
    EXPECT_NEAR(Sole(3.0f, 0.4f), -1.92518f, 2e-4f);
    EXPECT_NEAR(rechner.GetReynoldsZahl(0, 26.0f, 2, 3.0f, 0.4f, 1, 0), 25505.6f, 0.5f);
    // A non-positive viscosity takes the lowest the fluid data give instead of making NaN.
    for (float unsinnig : {0.0f, -3.0f}) {
        const float sole = Sole(3.0f, unsinnig);
        EXPECT_TRUE(std::isfinite(sole)) << unsinnig;
        EXPECT_EQ(sole, Sole(3.0f, CFSMdaten::kMinKinViskos)) << unsinnig;
    }
    // No tube length: a clear error.
    EXPECT_EQ(Fehler([&] { Sole(3.0f, 5.55f, 0.0f); }),
              Box(3105, u"CWQBerechnung::SoleETemperatur(2)"));
}

TEST_F(WQBerechnungTemp, ReynoldsNumberAndBrineFlows) {
    // Two double-U probes of 26 mm: X = 2 × 26² × 0.7853981 × 2 = 2123.72 mm²;
    // v = 3 / 3600 / 2123.72e-6 = 0.392394 m/s; Re = 0.392394 × 1000 × 26 / 5.55 = 1838.24.
    EXPECT_NEAR(rechner.GetReynoldsZahl(0, 26.0f, 2, 3.0f, 5.55f, 1, 0), 1838.24f, 0.05f);
    // Single-U halves the cross-section and doubles the number; a collector takes it as is.
    EXPECT_NEAR(rechner.GetReynoldsZahl(0, 26.0f, 2, 3.0f, 5.55f, 1, 1), 2 * 1838.24f, 0.1f);
    EXPECT_NEAR(rechner.GetReynoldsZahl(1, 26.0f, 2, 3.0f, 5.55f, 1, 0), 2 * 1838.24f, 0.1f);
    EXPECT_EQ(rechner.GetReynoldsZahl(2, 26.0f, 2, 3.0f, 5.55f, 1, 0), 0.0f);
    EXPECT_EQ(rechner.GetReynoldsZahl(0, 26.0f, 0, 3.0f, 5.55f, 1, 0), 0.0f);  // no tube
    EXPECT_EQ(rechner.GetReynoldsZahl(0, 26.0f, 2, 3.0f, 5.55f, 0, 0), 0.0f);  // none in series

    // 5 kW at 3 K: 5000 / (1030 × 3.87 × 3 × 0.278) = 1.50403 m³/h.
    EXPECT_NEAR(rechner.GetVolStromLeistung(1030.0f, 3.87f, 3.0f, 5.0f), 1.50403f, 1e-4f);
    // Re 1000 in the probes: v = 5.55 × 1000 / 26 × 3.6 = 768.46 m/h over 2123.72 mm².
    EXPECT_NEAR(rechner.GetVolStromTurbulent(26.0f, 5.55f, 2, 0, 1000.0f, 1, 0), 1.63199f, 1e-4f);

    EXPECT_EQ(Fehler([&] { rechner.GetVolStromLeistung(1030.0f, 3.87f, 0.0f, 5.0f); }),
              Box(3105, u"CWQBerechnung::GetVolStromLeistung"));
    EXPECT_EQ(Fehler([&] { rechner.GetVolStromTurbulent(26.0f, 5.55f, 2, 5, 1000.0f, 1, 0); }),
              u"Exception");
}

}  // namespace
