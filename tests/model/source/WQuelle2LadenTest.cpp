// A heat source filled from the database: the program's defaults, the ground values
// weighted over the soil layers, and the natural and user-entered monthly temperatures.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/model/source/WQuelleFixture.h"

namespace {

using wqtest::Monate;

class WQuelle2Laden : public wqtest::WQuelleFixture {};

TEST_F(WQuelle2Laden, FillingCompletesTheProgramDefaultsWithoutWritingThem) {
    auto sonde = Lade(u"Sonde");
    EXPECT_TRUE(sonde->IstGueltig());
    EXPECT_EQ(sonde->GetWert(ID_FSMittel).GetStringVal(), u"Glykol");
    EXPECT_EQ(sonde->GetWert(ID_FSMKonz).GetUIntVal(), 25u);  // from the antifreeze record
    // Not ethylene glycol, 25 % at 0 °C: 1036.3 - 6; 4.37 - 0.5; 4.8 - 9.75 + 4.2 × 2.5; 0.4.
    EXPECT_NEAR(sonde->GetWert(ID_FSMDichte).GetFloatVal(), 1030.3f, 1e-3f);
    EXPECT_NEAR(sonde->GetWert(ID_FSMSpezW).GetFloatVal(), 3.87f, 1e-5f);
    EXPECT_NEAR(sonde->GetWert(ID_FSMViskos).GetFloatVal(), 5.55f, 1e-5f);
    EXPECT_NEAR(sonde->GetWert(ID_FSMWaermeLF).GetFloatVal(), 0.4f, 1e-5f);
    EXPECT_EQ(sonde->GetWert(ID_AbsMaterial).GetStringVal(), u"Rohr");
    EXPECT_EQ(sonde->GetWert(ID_WaermeleitAbs).GetFloatVal(), 0.35f);  // the material's
    EXPECT_EQ(sonde->GetWert(ID_AbsUmhuell).GetStringVal(), u"Sandbett");
    // The default ground-temperature location of option 1217, as value and default.
    EXPECT_EQ(sonde->GetWert(ID_WQuelleOrt).GetStringVal(), u"Lehmort");
    EXPECT_EQ(sonde->GetWert(ID_WQuelleOrt).getDefault().GetStringVal(), u"Lehmort");
    EXPECT_TRUE(boxes.shown.empty());
    const std::vector<std::u16string> gespeichert = {
        u"QuellMediumIdx=0", u"WQuelleLänge=100", u"SoleKreise=2", u"Boden1=Sand",
        u"Boden2=Ton",       u"Boden3=Kies",      u"Boden4=Fels"};
    EXPECT_EQ(userSectionLines(u"[Sonde]"), gespeichert);

    // A record stored without its first soil takes the soil type down to the probe's 100 m.
    auto ohne = Lade(u"OhneBoden");
    EXPECT_EQ(ohne->GetWert(ID_Boden1).GetStringVal(), u"Kies");
    EXPECT_EQ(ohne->GetWert(ID_QTiefe1).GetUIntVal(), 100u);
    EXPECT_EQ(ohne->GetWert(ID_Waermeleitzahl).GetFloatVal(), 3.0f);

    EXPECT_EQ(Lade(u"P_WQX_(1)")->GetBasisName(), u"P");
    EXPECT_EQ(sonde->GetBasisName(), u"Sonde");
}

TEST_F(WQuelle2Laden, DefaultAntifreezeAndFailuresOfFilling) {
    // Without an application default the library's ethylene glycol (concentration 0 here):
    // density 1051.3 - 30 × 1.7 = 1000.3.
    app.defFSMittel = u"";
    auto quelle = Lade(u"Luft");
    EXPECT_EQ(quelle->GetWert(ID_FSMittel).GetStringVal(), u"Monoethylenglycol_(bib)");
    EXPECT_NEAR(quelle->GetWert(ID_FSMDichte).GetFloatVal(), 1000.3f, 1e-3f);

    // No tube material to be had: the program error, then the record's name.
    app.defAbsMaterial = u"";
    EXPECT_EQ(Fehler([&] { Lade(u"Kollektor"); }),
              (std::vector<std::u16string>{u"Exception", errorBox(3101, u"Kollektor")}));

    CWQuelle2 leer;
    EXPECT_FALSE(leer.IstGueltig());
    EXPECT_EQ(Fehler([&] { leer.init(CVRMwerteListe(u"Sonde")); }),
              std::vector<std::u16string>{errorBox(3105, u"CWQuelle2::init(1)")});
    EXPECT_EQ(Fehler([&] { leer.GetWert(ID_VolStrom); }),
              std::vector<std::u16string>{errorBox(3101, u"CWQuelle2::GetWert")});
}

TEST_F(WQuelle2Laden, GroundValuesAreWeightedOverTheLayersTheSourceReaches) {
    // Layers 2/10/50/100 m of conductivity 1, 2, 3, 4.
    struct Fall {
        const char16_t* quelle;
        unsigned laenge;
        unsigned tiefe1;
        float lambda;
    };
    const Fall faelle[] = {
        {u"Sonde", 100, 2, 3.38f},          // (2×1 + 8×2 + 40×3 + 50×4) / 100
        {u"Sonde", 60, 2, 178.0f / 60.0f},  // the last layer cut to 60 m: 10 × 4
        {u"Sonde", 1, 2, 1.0f},             // shorter than the first layer
        {u"Sonde", 100, 0, 0.0f},           // no first layer
        {u"Kollektor", 400, 2, 1.0f},       // a collector takes the first layer
    };
    for (const Fall& f : faelle) {
        auto quelle = Lade(f.quelle);
        quelle->SetzeWert(ID_WQuelleLaenge, f.laenge);
        quelle->SetzeWert(ID_QTiefe1, f.tiefe1);
        EXPECT_NEAR(quelle->GetWert(ID_Waermeleitzahl).GetFloatVal(), f.lambda, 1e-5f)
            << CVRMString(f.quelle).toUtf8() << " " << f.laenge;
    }
    Lade(u"Sonde")->SetzeWert(ID_QTiefe1, 2u);
    // Sand has its own heat capacity, the others the default 2.4: (2 × 1.5 + 98 × 2.4) / 100.
    auto sonde = Lade(u"Sonde");
    EXPECT_NEAR(sonde->GetWert(ID_SpezWaerme).GetFloatVal(), 2.382f, 1e-5f);
    EXPECT_NEAR(sonde->GetWert(ID_Dichte).GetFloatVal(), 2800.0f, 1e-2f);
    EXPECT_EQ(sonde->GetBodenProfilTiefe(), 100u);
    EXPECT_EQ(Lade(u"Kollektor")->GetBodenProfilTiefe(), 10u);

    // A missing middle soil: the layer below reaches up to the last one counted,
    // (2×1 + 48×3 + 50×4) / 100.
    sonde->SetzeWert(ID_Boden2, u"");
    EXPECT_NEAR(sonde->GetWert(ID_Waermeleitzahl).GetFloatVal(), 3.46f, 1e-5f);
}

TEST_F(WQuelle2Laden, NaturalTemperaturesByKind) {
    // Climate "Mild" sums to 110: Tm = 9.166667; Tdeep = Tm + 100 × 0.03 = 12.166667;
    // coldest ground month 2 °C: (2 + 9.166667) × 0.5 × 0.1 + 0.9 × 12.166667 = 11.508333.
    auto sonde = Lade(u"Sonde");
    EXPECT_NEAR(sonde->GetSondenTemp(100, u"Mild"), 11.508333f, 1e-4f);
    Monate out{};
    sonde->GetQuellenTempsU(out, 0.0f, -1, true, u"Mild");
    for (float t : out) EXPECT_NEAR(t, 11.508333f, 1e-4f);

    // A collector reads the ground temperatures of the climate location's ground location.
    Lade(u"Kollektor")->GetQuellenTempsU(out, 0.0f, -1, true, u"Mild");
    EXPECT_EQ(out, (Monate{3, 2, 4, 6, 9, 12, 14, 15, 13, 10, 7, 5}));
    sonde->GetQuellenTempsU(out, 0.0f, 3, true, u"Mild");
    EXPECT_EQ(out, (Monate{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}));  // water 10 °C
    sonde->GetQuellenTempsU(out, 20.0f, 6, true, u"Mild");
    EXPECT_EQ(out[5], 20.0f);

    EXPECT_EQ(Fehler([&] { sonde->GetQuellenTempsU(out, 0.0f, 4, true, u"Mild"); }).back(),
              errorBox(3162, u"CWQuelle2::GetQuellenTempsU"));
    // Outdoor air without the project's house.
    EXPECT_EQ(Fehler([&] { sonde->GetQuellenTempsU(out, 0.0f, 2, true, u"Mild"); }).back(),
              errorBox(3105, u"CWQuelle2::GetQuellenTempsU(3)"));
    EXPECT_EQ(Fehler([&] { sonde->GetSondenTemp(100, u"<without location>"); }).back(),
              errorBox(3105, u"CWQuelle2::GetSondenTemp()"));
    // The formula divides by the probe length.
    EXPECT_EQ(Fehler([&] { sonde->GetSondenTemp(0, u"Mild"); }).back(),
              errorBox(3105, u"CWQuelle2::GetSondenTemp(2)"));
}

TEST_F(WQuelle2Laden, UserSourceTemperaturesAreSavedAtOnceAndUsedWhenAllowed) {
    auto sonde = Lade(u"Sonde");
    const Monate eigene = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12.3f};
    sonde->SetUserQuellTemps(eigene);
    sonde->SetWert(ID_UserQuellTemp, true, true);
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
    EXPECT_TRUE(
        InSection(u"[Sonde]", u"QuellenTemps=1.0#2.0#3.0#4.0#5.0#6.0#7.0#8.0#9.0#10.0#11.0#12.3#"));

    Monate out{};
    sonde->GetQuellenTempsU(out, 0.0f, -1, true, u"Mild");
    EXPECT_EQ(out[11], 12.3f);
    sonde->GetQuellenTempsU(out, 0.0f, -1, false, u"Mild");
    EXPECT_NEAR(out[11], 11.508333f, 1e-4f);

    // A record that asks for user temperatures without any gets twelve zeros, saved.
    CVRMwert an(true);
    CVRMdatenProvider::get().save(u"Luft", ID_UserQuellTemp, an, true);
    CVRMdatenProvider::remove();
    auto luft = Lade(u"Luft");
    luft->GetUserQuellTemps(out);
    EXPECT_EQ(out, Monate{});
    EXPECT_TRUE(
        InSection(u"[Luft]", u"QuellenTemps=0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#"));
}

}  // namespace
