// What a loaded heat source computes from its record: latent heat, brine flow, extraction
// limits, design test and size, design variants, fluid volumes and its checks.
#include <functional>
#include <string>
#include <vector>

#include "tests/model/source/WQuelleFixture.h"

namespace {

using wqtest::Monate;

class WQuelle2Rechnung : public wqtest::WQuelleFixture {};

TEST_F(WQuelle2Rechnung, LatentHeatReynoldsNumberAndMinimumFlow) {
    auto sonde = Lade(u"Sonde");
    auto kollektor = Lade(u"Kollektor");
    // Moisture class 1 (18): 2 × 100 × 1000 × 18 × 0.2629513; 1000 × 200 × 18 × 0.62.
    EXPECT_NEAR(sonde->GetLatentWaerme(), 946624.7f, 0.5f);
    EXPECT_NEAR(kollektor->GetLatentWaerme(), 2232000.0f, 0.5f);
    EXPECT_EQ(Lade(u"Luft")->GetLatentWaerme(), 0.0f);
    sonde->SetzeWert(ID_AbsLageBodenIdx, 3);
    EXPECT_EQ(Fehler([&] { sonde->GetLatentWaerme(); }),
              (std::vector<std::u16string>{errorBox(3162, u"CWQuelle2::GetLatentWaerme"),
                                           errorBox(3122, u"WQuelle::LatentWaerme")}));

    // Brine at 0 °C (ν 5.55), two double-U probes of 26 mm, 3 m³/h: Re 1838.24.
    EXPECT_NEAR(sonde->GetReynoldsZahl(), 1838.24f, 0.05f);
    EXPECT_EQ(Lade(u"Luft")->GetReynoldsZahl(), 0.0f);

    // 4.10328 kW at 3 K with ρ 1000 and c 4 needs 4103.28 / 3336 = 1.23 m³/h; Re 1000 in the
    // collector's two 26 mm circuits needs only 0.147: 1.23 + 0.1 cut to 1.3.
    EXPECT_EQ(kollektor->MinVolStromSole(3.0f, 4.10328f, 0.5f, 1000.0f, 4.0f, 26.0f, 1.0f, 1),
              1.3f);
    // A computed flow below the given minimum gives the minimum.
    EXPECT_EQ(kollektor->MinVolStromSole(3.0f, 4.10328f, 2.0f, 1000.0f, 4.0f, 26.0f, 1.0f, 1),
              2.0f);
    // The probes' own brine at 0 °C: 5 kW needs 1.5036 m³/h, Re 1000 needs 1.632: 1.7.
    EXPECT_EQ(sonde->MinVolStromSole2(3.0f, 5.0f, 0.0f), 1.7f);
    // No spread carries no power: reported, never a flow of infinity.
    EXPECT_EQ(Fehler([&] { sonde->MinVolStromSole2(0.0f, 5.0f, 0.0f); }).back(),
              errorBox(3122, u"WQuelle::MinVolStromSole"));
}

TEST_F(WQuelle2Rechnung, LimitsDesignTestAndSizeOfAProbeField) {
    // λ 3.38 over the layers: 80 W/m and 135 kWh/(m a); 2 × 100 m of probe.
    auto sonde = Lade(u"Sonde");
    EXPECT_EQ(sonde->GetMSEGrenze(u"Mild", false), 80.0f);
    EXPECT_EQ(sonde->GetMSEGrenzLeistung(u"Mild", false), 16000.0f);  // 80 × 2 × 100
    EXPECT_EQ(sonde->GetMSE(8.0f), 40.0f);                            // 8000 W / 200 m
    const auto teste = [&](float leistung, float energie) {
        return sonde->TesteAuslegung(-1, leistung, energie, false, u"Mild", 0, 0, -1.0f, -1, -1,
                                     -1);
    };
    EXPECT_TRUE(teste(16.0f, 27000.0f));   // 80 W/m, 135 kWh/m
    EXPECT_FALSE(teste(16.2f, 27000.0f));  // 81 W/m
    EXPECT_FALSE(teste(16.0f, 27200.0f));  // 136 kWh/m
    // Given values take the place of the source's: 100 m at λ 2.0 (55 W/m).
    EXPECT_FALSE(sonde->TesteAuslegung(0, 8.0f, 1000.0f, false, u"Mild", 100, 0, 2.0f, 1, 0, 0));

    // 8 kW needs 100 m, 30000 kWh / 135 = 222.2 m: the energy decides.
    float eins = 0.0f, laenge = 0.0f;
    sonde->Dimensioniere(-1, 8.0f, 30000.0f, 0.0f, false, u"Mild", eins, laenge);
    EXPECT_EQ(eins, 1.0f);
    EXPECT_NEAR(laenge, 30000.0f / 135.0f, 1e-2f);
}

TEST_F(WQuelle2Rechnung, TwoSourcesShareByThePowerTheirLimitsAllow) {
    // Source 1: 2 probes of 100 m in gravel (λ 3.0: 75 W/m) allow 15000 W. Source 2: 200 m²
    // of collector in sand (λ 1.0, moisture 1, orientation 0: 0.9 → 30 W/m²; both laying
    // factors by the same formula) allow 6000 W. Shares 15000 / 21000 and 6000 / 21000.
    auto kombi = LadeKombi(u"P_WQX");
    const float p1 = kombi->GetErsteWQuelle()->GetMSEGrenzLeistung(u"Mild", false);
    const float p2 = kombi->GetZweiteWQuelle()->GetMSEGrenzLeistung(u"Mild", false);
    EXPECT_EQ(p1, 15000.0f);
    EXPECT_EQ(p2, 6000.0f);
    EXPECT_NEAR(p1 / (p1 + p2), 5.0f / 7.0f, 1e-6f);
    EXPECT_NEAR(p2 / (p1 + p2), 2.0f / 7.0f, 1e-6f);
    // Air has no such limit.
    EXPECT_EQ(Fehler([&] { Lade(u"Luft")->GetMSEGrenzLeistung(u"Mild", false); }).back(),
              errorBox(3162, u"CWQuelle2::GetMSEGrenzLeistung"));
}

TEST_F(WQuelle2Rechnung, DesignVariantOnlyInDesignMode) {
    auto sonde = Lade(u"Sonde");
    EXPECT_EQ(Fehler([&] { sonde->SetActiveDimData(0, 2, -7, 120); }).back(),
              errorBox(3219, u"CWQuelle2::SetActiveDimData"));
    doc.dimModus = 1;
    EXPECT_EQ(Fehler([&] { sonde->SetActiveDimData(7, 2, -7, 120); }).back(),
              errorBox(3162, u"CWQuelle2::SetActiveDimData"));
    sonde->SetActiveDimData(0, 2, -7, 120);
    EXPECT_EQ(sonde->GetWert(ID_WQuelleLaenge).GetUIntVal(), 120u);
    EXPECT_EQ(sonde->GetWert(ID_BetrWeiseIdx).GetIntVal(), 2);
    EXPECT_EQ(sonde->GetWert(ID_DimPunktTemp).GetIntVal(), -7);
    // A collector keeps its length.
    sonde->SetActiveDimData(1, 1, -5, 50);
    EXPECT_EQ(sonde->GetWert(ID_WQuelleLaenge).GetUIntVal(), 120u);
    EXPECT_EQ(sonde->GetWert(ID_QuellMediumIdx).GetIntVal(), 1);
}

TEST_F(WQuelle2Rechnung, FluidVolumesOfTheTubes) {
    struct Fall {
        int art;
        unsigned laenge, anzahl;
        bool direkt;
        int sondenart;
        unsigned liter;
    };
    // Litres = tube length × 10 × (26 × 0.01)² × 0.785398 = tube length × 0.530929, cut.
    const Fall faelle[] = {
        {0, 100, 2, false, 0, 424},  // double-U: 100 × 2 × 4 = 800 m
        {0, 100, 2, false, 1, 212},  // single-U: 400 m
        {1, 400, 2, false, 0, 212},  // the collector's tube
        {4, 100, 2, false, 0, 106},  // 200 m
        {5, 100, 3, false, 0, 6},    // 3 × 2
        {2, 100, 2, false, 0, 0},   {6, 100, 2, false, 0, 0},
        {0, 100, 2, true, 0, 0},  // direct evaporation has no brine
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(
            CWQuelle2::GetRohrVolumen(f.art, 26.0f, f.laenge, f.anzahl, f.direkt, f.sondenart),
            f.liter)
            << f.art << " " << f.sondenart;
    }
    // 25 % of 424 litres.
    EXPECT_EQ(CWQuelle2::GetFrostschutzMenge(0, 26.0f, 100, 2, 25.0f, false, 0), 106u);
}

TEST_F(WQuelle2Rechnung, CompatibilityOfHeatPumpAndSource) {
    const std::pair<int, std::vector<int>> passend[] = {
        {0, {0, 1, 4, 5}}, {1, {2}}, {2, {3}}, {3, {0, 1}}, {4, {6}}};
    for (const auto& [medium, arten] : passend) {
        for (int art = 0; art <= 6; ++art) {
            const bool soll = std::find(arten.begin(), arten.end(), art) != arten.end();
            boxes.shown.clear();
            if (soll) {
                EXPECT_NO_THROW(CWQuelle2::PruefeKompatibilitaet(medium, art, 0, false));
            } else {
                EXPECT_THROW(CWQuelle2::PruefeKompatibilitaet(medium, art, 0, false),
                             platform::UserException)
                    << medium << " " << art;
                EXPECT_EQ(boxTexts(), std::vector<std::u16string>{errorBox(3124, u"")});
            }
        }
    }
    EXPECT_NO_THROW(CWQuelle2::PruefeKompatibilitaet(3, 5, 0, true));    // waived
    EXPECT_NO_THROW(CWQuelle2::PruefeKompatibilitaet(-1, 5, 0, false));  // no heat pump
}

TEST_F(WQuelle2Rechnung, InputChecksInTheirOrder) {
    struct Fall {
        bool direkt;
        int art, betrWeise;
        float volStrom, innen, aussen;
        const char16_t *material, *umhuellung, *frostschutz;
        bool bivalent, mono;
        int dimPunkt;
        unsigned text;  // 0: passes
    };
    const Fall faelle[] = {
        {false, 0, 1, 3, 26, 32, u"PE", u"S", u"G", false, false, 20, 0},
        {false, 0, -1, 3, 26, 32, u"PE", u"S", u"G", false, false, 0, 3221},
        {false, 0, 2, 3, 26, 32, u"PE", u"S", u"G", true, false, 12, 0},
        {false, 0, 2, 3, 26, 32, u"PE", u"S", u"G", true, false, 13, 3374},
        {false, 0, 0, 3, 26, 32, u"PE", u"S", u"G", false, true, 13, 3374},
        {false, 1, 1, 0.05f, 26, 32, u"PE", u"S", u"G", false, false, 0, 3530},
        {true, 1, 1, 0.05f, 26, 32, u"PE", u"S", u"", false, false, 0, 0},
        {false, 4, 1, 3, 0.5f, 32, u"PE", u"S", u"G", false, false, 0, 3348},
        {false, 0, 1, 3, 32, 32, u"PE", u"S", u"G", false, false, 0, 3050},
        {false, 0, 1, 3, 26, 32, u"", u"S", u"G", false, false, 0, 3222},
        {false, 0, 1, 3, 26, 32, u"PE", u"", u"G", false, false, 0, 3223},
        {false, 0, 1, 3, 26, 32, u"PE", u"S", u"", false, false, 0, 3224},
        {false, 5, 1, 0, 0, 0, u"", u"", u"", false, false, 0, 0},
    };
    for (const Fall& f : faelle) {
        const auto pruefe = [&] {
            return CWQuelle2::DatenOK(f.direkt, f.art, f.betrWeise, f.volStrom, f.innen, f.aussen,
                                      f.material, f.umhuellung, f.frostschutz, f.bivalent, f.mono,
                                      f.dimPunkt);
        };
        if (f.text == 0) {
            EXPECT_TRUE(pruefe()) << f.art << " " << f.dimPunkt;
            continue;
        }
        const auto texte = Fehler(pruefe);
        ASSERT_EQ(texte.size(), 1u) << f.text;
        if (f.text == 3374)
            EXPECT_EQ(texte[0], u"The maximum bivalent temperature is 12 °C.");
        else
            EXPECT_EQ(texte[0], errorBox(f.text, u"")) << f.text;
    }
    EXPECT_EQ(Fehler([] {
                  CWQuelle2::DatenOK(false, 7, 1, 3, 26, 32, u"", u"", u"", false, false, 0);
              }).back(),
              errorBox(3162, u"CWQuelle2::DatenOK(...)"));
}

TEST_F(WQuelle2Rechnung, CollectorLaidTooFarApartIsANoticeNotAFailure) {
    auto kollektor = Lade(u"Kollektor");
    // 200 m² on 400 m: 0.5 m apart, below 1.4 × 0.5157 (32 mm tube): no notice.
    EXPECT_TRUE(kollektor->DatenOK(false, u"Mild", true));
    EXPECT_TRUE(boxes.shown.empty());
    // On 100 m: 2 m apart.
    kollektor->SetzeWert(ID_WQuelleLaenge, 100u);
    EXPECT_TRUE(kollektor->DatenOK(false, u"Mild", true));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(u"Recommended distance: 0.5 m"), std::u16string::npos);
    EXPECT_EQ(boxes.shown[0].style & platform::mb::ICONMASK, platform::mb::ICONINFORMATION);
    boxes.shown.clear();
    EXPECT_TRUE(kollektor->DatenOK(false, u"Mild", false));
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
