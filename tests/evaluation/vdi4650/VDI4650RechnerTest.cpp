// The calculator: the project's values taken over, the source-pump factor, the range
// checks with their messages and three whole calculations worked by hand.
#include "evaluation/vdi4650/VDI4650Rechner.h"

#include "tests/evaluation/vdi4650/VDIFixture.h"

namespace {

using namespace VDI4650;
using vditest::kHinweis;
using vditest::VDIFixture;

class VDI4650RechnerTest : public VDIFixture {
  protected:
    // A project's values that need no normalisation.
    static SVDI4650Projektdaten Projekt() {
        SVDI4650Projektdaten d;
        d.cop1 = 3.0f;
        d.cop2 = 4.5f;
        d.cop3 = 5.0f;
        d.pruef = 5.0f;
        d.betrieb = 5.0f;
        d.tQuelle = 0.0f;
        d.tVorlauf = 35.0f;
        d.heizgrenze = 15.0f;
        d.tNorm = -12.0f;
        d.leistung = 8.0f;
        d.tBiv = -5.0f;
        d.wpName = u"WP";
        d.prozentHeizung = 82;
        d.pumpenLeistung = 350;
        d.leistungAuslegung = 8.0f;
        return d;
    }
};

TEST_F(VDI4650RechnerTest, SetDatenRoundsAndMovesValuesIntoTheTables) {
    CVDI4650Rechner r(false, nullptr);
    auto d = Projekt();
    d.cop1 = 3.456f;
    d.warmwasserWP = 2.987f;
    d.tQuelle = 0.25f;
    d.leistung = 6.04f;
    d.tVorlauf = 37.5f;
    d.pruef = 2.4f;    // rounds to 2: outside 3..10
    d.betrieb = 6.5f;  // rounds to 7
    r.SetDaten(d);
    EXPECT_FLOAT_EQ(r.cop1, 3.46f);
    EXPECT_FLOAT_EQ(r.cop4, 2.99f);
    EXPECT_FLOAT_EQ(r.warmwasserWPFaktor, 2.99f);
    EXPECT_FLOAT_EQ(r.tQuelle, 0.3f);
    EXPECT_FLOAT_EQ(r.leistung, 6.0f);
    EXPECT_FLOAT_EQ(r.tVorlauf, 38.0f);
    EXPECT_FLOAT_EQ(r.pruef, 10.0f);
    EXPECT_FLOAT_EQ(r.betrieb, 7.0f);
    EXPECT_EQ(r.wpFreitext, u"WP");  // not in list mode: the name is the free text

    const struct {
        float wert;
        int klasse;
    } heizgrenzen[] = {{9, 10},  {10, 10}, {11, 10}, {12, 12},
                       {13, 12}, {14, 15}, {15, 15}, {20, 15}};
    for (const auto& f : heizgrenzen) {
        d.heizgrenze = f.wert;
        r.SetDaten(d);
        EXPECT_EQ(r.heizgrenze, f.klasse) << f.wert;
    }
    const struct {
        float wert;
        int klasse;
    } normTemps[] = {{-20, -16}, {-16, -16}, {-15, -16}, {-14, -14}, {-13, -14},
                     {-12, -12}, {-11, -12}, {-10, -10}, {-9, -10},  {0, -10}};
    for (const auto& f : normTemps) {
        d.tNorm = f.wert;
        r.SetDaten(d);
        EXPECT_EQ(r.tNorm, f.klasse) << f.wert;
    }
    const struct {
        float tBiv;
        int index;
        float temp;
    } bivalenz[] = {// the index is the whole part of 2 - tBiv: 2 + 5.6 = 7.6 -> 7 -> -5 °C;
                    // 2 + 10.4 = 12.4 -> 12; 2 - 1.5 = 0.5 -> 0 -> 2 °C
                    {-12, 12, -10}, {-10.4f, 12, -10}, {-10, 12, -10}, {-5.6f, 7, -5}, {-5, 7, -5},
                    {1.5f, 0, 2},   {2, 0, 2},         {2.6f, 0, 2},   {5, 0, 2}};
    for (const auto& f : bivalenz) {
        d.tBiv = f.tBiv;
        r.SetDaten(d);
        EXPECT_EQ(r.bivalenzIndex, f.index) << f.tBiv;
        EXPECT_FLOAT_EQ(r.GetBivalenzTemp(), f.temp);
    }

    // A flow outside 30..55 becomes 40 unless the range is extended.
    d.tVorlauf = 58.0f;
    r.SetDaten(d);
    EXPECT_FLOAT_EQ(r.tVorlauf, 40.0f);
    SetOptionen(false, true);
    d.pruef = 2.0f;
    r.SetDaten(d);
    EXPECT_FLOAT_EQ(r.tVorlauf, 58.0f);
    EXPECT_FLOAT_EQ(r.pruef, 2.0f);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(VDI4650RechnerTest, SourcePumpFactor) {
    const struct {
        const char* name;
        int art;
        bool vorplanung, zwischenWT;
        float leistung, cop2, cop3;
        int pumpe;
        float fp;
    } faelle[] = {
        {"brine, guideline", kSoleWasser, true, false, 8, 4, 5, 350, 1.075f},
        // 1 + 0.35 kW / (8 kW / 4)
        {"brine, computed", kSoleWasser, false, false, 8, 4, 5, 350, 1.175f},
        // 1 + 0.333 / (7 / 4.3) = 1.204557, to three decimals
        {"brine, rounded", kSoleWasser, false, false, 7, 4.3f, 5, 333, 1.205f},
        {"water 10 kW", kWasserWasser, true, false, 10, 4, 5, 350, 1.25f},
        {"water 10 kW, exchanger", kWasserWasser, true, true, 10, 4, 5, 350, 1.325f},
        {"water 15 kW, exchanger", kWasserWasser, true, true, 15, 4, 5, 350, 1.275f},
        {"water 20 kW", kWasserWasser, true, false, 20, 4, 5, 350, 1.2f},
        {"water 20.1 kW", kWasserWasser, true, false, 20.1f, 4, 5, 350, 1.14f},
        {"water 25 kW, exchanger", kWasserWasser, true, true, 25, 4, 5, 350, 1.215f},
        // 1 + 0.5 / (12 / 6), with COP 3
        {"water, computed", kWasserWasser, false, false, 12, 4, 6, 500, 1.25f},
        {"air", kLuftWasser, false, false, 8, 4, 5, 350, 1.0f},
        {"direct evaporation", kDirektverdampfung, false, false, 8, 4, 5, 350, 1.0f},
        // No electric power to compare the pump with: no share.
        {"brine, no power", kSoleWasser, false, false, 0, 4, 5, 350, 1.0f},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        CVDI4650Rechner r(false, nullptr);
        r.art = f.art;
        r.vorplanung = f.vorplanung;
        r.zwischenWT = f.zwischenWT;
        r.leistung = f.leistung;
        r.cop2 = f.cop2;
        r.cop3 = f.cop3;
        r.pumpenLeistung = f.pumpe;
        r.BerechneQuellenpumpenFaktor();
        EXPECT_FLOAT_EQ(r.fp, f.fp);
    }
    CVDI4650Rechner luft(false, nullptr);
    luft.art = kLuftWasser;
    EXPECT_FLOAT_EQ(luft.GetEmpfohlenerPumpenFaktor(), 1.0f);
    EXPECT_FLOAT_EQ(luft.GetBerechneterPumpenFaktor(), -1.0f);
}

TEST_F(VDI4650RechnerTest, EveryFailedCheckShowsItsMessage) {
    CVDI4650Rechner r(false, nullptr);
    r.leistung = 0.0f;
    r.pruef = 2.0f;
    r.betrieb = 11.0f;
    r.tVorlauf = 60.0f;
    r.tQuelle = 6.0f;
    EXPECT_FALSE(r.Berechne());
    ASSERT_EQ(presenter.shown.size(), 5u);
    const unsigned ids[] = {5679, 5673, 5674, 5675, 5677};
    for (std::size_t i = 0; i < 5; ++i) {
        CVRMString text;
        text.LoadStringW(ids[i]);
        EXPECT_EQ(presenter.shown[i].text, text) << ids[i];
        EXPECT_EQ(presenter.shown[i].caption, u"Varmion");
        EXPECT_EQ(presenter.shown[i].style & 0xFF, kHinweis);
    }
    EXPECT_FLOAT_EQ(r.ergebnisse.betaAnlage, 0.0f);

    // The extended ranges tell the user and go on.
    presenter.shown.clear();
    SetOptionen(false, true);
    EXPECT_TRUE(r.PruefeEingaben());
    EXPECT_EQ(presenter.shown.size(), 5u);
}

TEST_F(VDI4650RechnerTest, SourceChecksByKind) {
    const struct {
        const char* name;
        int art;
        float tQuelle;
        bool zwischenWT;
        unsigned meldung;  // 0: none
    } faelle[] = {
        {"brine -3", kSoleWasser, -3.0f, false, 0},
        {"brine -3.1", kSoleWasser, -3.1f, false, 5677},
        {"water 12", kWasserWasser, 12.0f, false, 0},
        {"water 14", kWasserWasser, 14.0f, false, 5678},
        {"water 14 behind an exchanger is 11", kWasserWasser, 14.0f, true, 0},
        {"water 7 behind an exchanger is 4", kWasserWasser, 7.0f, true, 5678},
        {"direct evaporation -4", kDirektverdampfung, -4.0f, false, 5726},
        {"air is not checked", kLuftWasser, 40.0f, false, 0},
        // The power check accepts up to 100 kW.
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        presenter.shown.clear();
        CVDI4650Rechner r(false, nullptr);
        r.art = f.art;
        r.tQuelle = f.tQuelle;
        r.zwischenWT = f.zwischenWT;
        EXPECT_EQ(r.PruefeEingaben(), f.meldung == 0);
        if (f.meldung == 0) {
            EXPECT_TRUE(presenter.shown.empty());
        } else {
            CVRMString text;
            text.LoadStringW(f.meldung);
            EXPECT_EQ(BoxTexte(), std::vector<std::u16string>{text});
        }
    }
    CVDI4650Rechner r(false, nullptr);
    r.leistung = 100.0f;
    presenter.shown.clear();
    EXPECT_TRUE(r.PruefeEingaben());
    r.leistung = 100.1f;
    EXPECT_FALSE(r.PruefeEingaben());
}

TEST_F(VDI4650RechnerTest, BrineWaterWithHotWaterByTheHeatPump) {
    CVDI4650Rechner r(false, nullptr);
    auto d = Projekt();
    d.warmwasser = kWarmwasserMitWP;
    d.betriebsweise = kMonovalent;
    r.SetDaten(d);
    ASSERT_FLOAT_EQ(r.fp, 1.075f);  // pre-planning
    ASSERT_TRUE(r.Berechne());
    const auto& e = r.ergebnisse;
    // Heating: COP 4.5 * table 1 (5, 5) 1.000 * table 2 (0 °C, 35 °C) 1.087 / 1.075 = 4.55023
    EXPECT_FLOAT_EQ(e.kHeizung, 1.0f);
    EXPECT_FLOAT_EQ(e.tabelle2, 1.087f);
    EXPECT_NEAR(e.betaHeizung, 4.55023f, 1e-4f);
    // Hot water: 4.5 * table 1 (5, 10) 1.051 * table 5 (0 °C) 0.890 / 1.075 = 3.91559
    EXPECT_FLOAT_EQ(e.kWarmwasser, 1.051f);
    EXPECT_FLOAT_EQ(e.tabelle5, 0.890f);
    EXPECT_NEAR(e.betaWarmwasser, 3.91559f, 1e-4f);
    // Plant, monovalent (alpha 1), 82 % heating:
    // 1 / (0.18 / 3.91559 + 0.82 / 4.55023) = 1 / (0.045970 + 0.180210) = 4.42124
    EXPECT_FLOAT_EQ(e.tabelle8, 1.0f);
    EXPECT_NEAR(e.betaAnlage, 4.42124f, 1e-4f);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(VDI4650RechnerTest, WaterWaterBehindAnExchangerWithHotWaterByElectricity) {
    CVDI4650Rechner r(false, nullptr);
    auto d = Projekt();
    d.art = kWasserWasser;
    d.cop3 = 5.5f;
    d.betrieb = 7.0f;
    d.tQuelle = 13.0f;  // 10 °C behind the exchanger
    d.zwischenWT = true;
    d.tVorlauf = 40.0f;
    d.leistung = 15.0f;
    d.warmwasser = kWarmwasserElektrisch;
    d.betriebsweise = kMonoenergetischParallel;
    d.tBiv = -5.0f;
    d.prozentHeizung = 80;
    r.SetDaten(d);
    ASSERT_FLOAT_EQ(r.fp, 1.275f);  // pre-planning, 10 < 15 kW <= 20, with exchanger
    ASSERT_TRUE(r.Berechne());
    const auto& e = r.ergebnisse;
    // Heating: COP 5.5 * table 1 (5, 7) 1.020 * table 3 (10 °C, 40 °C) 1.016 / 1.275 = 4.47040
    EXPECT_FLOAT_EQ(e.kHeizung, 1.020f);
    EXPECT_FLOAT_EQ(e.tabelle3, 1.016f);
    EXPECT_FLOAT_EQ(e.tabelle6, 0.853f);
    EXPECT_NEAR(e.betaHeizung, 4.47040f, 1e-4f);
    EXPECT_FLOAT_EQ(e.betaWarmwasser, 0.0f);
    // Plant: alpha = table 8 (-5 °C, parallel) 0.98, p = 0.8:
    // 1 / (0.98 * 0.8 / 4.47040 + 1 - 0.784) = 1 / (0.175376 + 0.216) = 2.55509
    EXPECT_FLOAT_EQ(e.tabelle8, 0.98f);
    EXPECT_NEAR(e.betaAnlage, 2.55509f, 1e-4f);
}

TEST_F(VDI4650RechnerTest, AirWaterWithASecondHotWaterHeatPump) {
    CVDI4650Rechner r(false, nullptr);
    auto d = Projekt();
    d.art = kLuftWasser;
    d.cop1 = 2.8f;
    d.cop2 = 3.6f;
    d.cop3 = 4.4f;
    d.betrieb = 8.0f;
    d.tVorlauf = 30.0f;
    d.heizgrenze = 12.0f;
    d.tNorm = -10.0f;
    d.warmwasser = kWarmwasserZweiteWP;
    d.betriebsweise = kMonoenergetischAlternativ;
    d.tBiv = -2.0f;
    d.prozentHeizung = 70;
    r.SetDaten(d);
    r.cop4 = 3.0f;  // typed in: the stand-alone calculator has no project factor
    r.tWarmwasser = 50.0f;
    ASSERT_FLOAT_EQ(r.fp, 1.0f);
    ASSERT_TRUE(r.Berechne());
    const auto& e = r.ergebnisse;
    // Heating: weights (12 °C, -10 °C, 30 °C) 0.089, 0.891, 0.139;
    // (2.8 * 0.089 + 3.6 * 0.891 + 4.4 * 0.139) * table 1 (5, 8) 1.031 = 4.0684 * 1.031
    // = 4.19452
    EXPECT_FLOAT_EQ(e.w1, 0.089f);
    EXPECT_FLOAT_EQ(e.w2, 0.891f);
    EXPECT_FLOAT_EQ(e.w3, 0.139f);
    EXPECT_NEAR(e.betaHeizung, 4.19452f, 1e-4f);
    // Hot water: table 1 (5, 7) 1.020; table 7 at 50 °C 1.0; 3.0 * 1.0 * 0.9 = 2.7
    EXPECT_FLOAT_EQ(e.kWarmwasser, 1.020f);
    EXPECT_FLOAT_EQ(e.tabelle7, 1.0f);
    EXPECT_NEAR(e.betaWarmwasser, 2.7f, 1e-5f);
    // Plant: alpha = table 8 (-2 °C, alternative) 0.78, p = 0.7:
    // 1 / (0.3 * 0.78 / 2.7 + 0.7 * 0.78 / 4.19452 + 0.22) = 1 / (0.086667 + 0.130170 + 0.22)
    // = 2.28919
    EXPECT_FLOAT_EQ(e.tabelle8, 0.78f);
    EXPECT_NEAR(e.betaAnlage, 2.28919f, 1e-4f);

    // With a project the hot-water factor is the project's and COP 4 follows from it:
    // 2.7 / 1.0 * 1.1111112 = 3.0
    testsupport::FakeKelvoDoc doc;
    CVDI4650Rechner mitProjekt(false, &doc);
    d.warmwasserWP = 2.7f;
    mitProjekt.SetDaten(d);
    ASSERT_TRUE(mitProjekt.Berechne());
    EXPECT_FLOAT_EQ(mitProjekt.ergebnisse.betaWarmwasser, 2.7f);
    EXPECT_NEAR(mitProjekt.cop4, 3.0f, 1e-5f);
}

TEST_F(VDI4650RechnerTest, ChangesOfKindAndModeAndClosing) {
    CVDI4650Rechner r(false, nullptr);
    ASSERT_TRUE(r.Berechne());
    ASSERT_GT(r.ergebnisse.betaAnlage, 0.0f);
    r.WechsleWPArt(kWasserWasser);
    EXPECT_FLOAT_EQ(r.tQuelle, 10.0f);
    EXPECT_FLOAT_EQ(r.ergebnisse.betaAnlage, 0.0f);
    EXPECT_FLOAT_EQ(r.fp, 1.25f);  // 6 kW, pre-planning
    r.WechsleWPArt(kDirektverdampfung);
    EXPECT_FLOAT_EQ(r.tQuelle, -1.0f);
    EXPECT_FLOAT_EQ(r.fp, 1.0f);
    r.WechsleWPArt(kLuftWasser);
    EXPECT_FLOAT_EQ(r.tQuelle, 0.0f);
    r.tQuelle = 3.0f;
    r.WechsleWPArt(kSoleWasser);
    EXPECT_FLOAT_EQ(r.tQuelle, 3.0f);  // between other kinds the source stays
    EXPECT_FLOAT_EQ(r.fp, 1.075f);

    // Modes with a bivalence point carry a note on the flow temperature.
    for (int modus = 0; modus <= 8; ++modus) {
        presenter.shown.clear();
        r.WechsleBetriebsweise(modus);
        EXPECT_EQ(r.GetBetriebsweise(), modus);
        EXPECT_EQ(presenter.shown.size(), modus >= 3 ? 1u : 0u) << modus;
    }
    CVRMString hinweis;
    hinweis.LoadStringW(5891);
    EXPECT_EQ(presenter.shown.back().text, hinweis);

    // Closing stores F_P and the hot-water test temperature in a project that may change.
    testsupport::FakeKelvoDoc doc;
    CVDI4650Rechner mitProjekt(false, &doc);
    mitProjekt.fp = 1.2f;
    mitProjekt.tWarmwasser = 55.0f;
    mitProjekt.SpeichereInProjekt();
    ASSERT_EQ(doc.projektDaten4.size(), 2u);
    EXPECT_EQ(doc.projektDaten4[0], std::make_pair(ID_VPF, 1.2f));
    EXPECT_EQ(doc.projektDaten4[1], std::make_pair(ID_WTM, 55.0f));
    doc.projektAenderbar = false;
    mitProjekt.SpeichereInProjekt();
    EXPECT_EQ(doc.projektDaten4.size(), 2u);
}

TEST_F(VDI4650RechnerTest, InRangeFlagsOfTheCorrectionFactorRows) {
    CVDI4650Rechner r(false, nullptr);
    auto flags = r.GetBereichsFlags();
    for (bool f : flags) EXPECT_TRUE(f);
    r.tQuelle = 6.0f;                            // brine out of range: tables 2 and 5
    r.betriebsweise = kMonoenergetischParallel;  // bivalence 0 °C: in table 8
    flags = r.GetBereichsFlags();
    EXPECT_FALSE(flags[1]);
    EXPECT_FALSE(flags[4]);
    EXPECT_TRUE(flags[2]);  // table 3 does not apply to brine
    EXPECT_TRUE(flags[7]);
    r.art = kWasserWasser;
    r.tQuelle = 14.0f;
    r.zwischenWT = true;  // 11 °C
    r.pruef = 12.0f;
    flags = r.GetBereichsFlags();
    EXPECT_FALSE(flags[0]);
    EXPECT_TRUE(flags[2]);
    EXPECT_TRUE(flags[5]);
    EXPECT_TRUE(flags[1]);
}

}  // namespace
