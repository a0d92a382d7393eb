// The evaluation dialog without its window: the seasonal performance factors with and
// without the auxiliary consumers, the second generator's name, the running costs and
// what the dialog shows, on one record with round numbers.
#include "app/doc/AuswertDlgLogik.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/errors/UserException.h"
#include "tests/support/EnglischeTexte.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/RecordedBoxes.h"

namespace {

// A year of round figures: running hours 2000 h heating and 500 h hot water, heat-pump
// electricity 3000 + 1000 kWh, source pump 250, heat delivered 12000 + 3000, second
// generator 600 + 200, heating circulation pump 100, defrosting 150, intermediate circuit
// 50, hot-water circulation 40, solar heat 800 + 400 kWh.
CAuswertDaten Jahr() {
    CAuswertDaten r;
    r.Feld(AF_LaufzeitHeiz) = 2000;
    r.Feld(AF_LaufzeitWW) = 500;
    r.Feld(AF_StromHeiz) = 3000;
    r.Feld(AF_StromWW) = 1000;
    r.Feld(AF_StromQuellpumpe) = 250;
    r.Feld(AF_WPWaermeHeiz) = 12000;
    r.Feld(AF_WPWaermeWW) = 3000;
    r.Feld(AF_ZweiterWEHeiz) = 600;
    r.Feld(AF_ZweiterWEWW) = 200;
    r.Feld(AF_StromHeizpumpe) = 100;
    r.Feld(AF_StromAbtauen) = 150;
    r.Feld(AF_StromZwkPumpe) = 50;
    r.Feld(AF_StromZirkPumpe) = 40;
    r.Feld(AF_SolarHeiz) = 800;
    r.Feld(AF_SolarWW) = 400;
    return r;
}

class AuswertDlgLogikTest : public testing::Test {
  protected:
    AuswertDlgLogikTest() { testsupport::LadeEnglischeTexte(); }
    testsupport::FakeKelvoApp app;
    testsupport::RecordedBoxes boxes;
};

// Each case with the working of its expected factor (heat / electricity).
TEST_F(AuswertDlgLogikTest, JahresarbeitszahlNachArtDerRechnung) {
    struct Fall {
        const char* name;
        SHilfsenergieAnfrage a;
        float erwartet;
        const char16_t* liste;
    };
    SHilfsenergieAnfrage ohne;  // the dialog with the box cleared
    ohne.heizung = ohne.warmwasser = false;
    SHilfsenergieAnfrage mit;  // the dialog with the box ticked
    mit.mitAllen = true;
    SHilfsenergieAnfrage bivalent = mit;
    bivalent.betriebsweise = 2;
    bivalent.wwModus = 1;
    SHilfsenergieAnfrage bivalentWWStrom = bivalent;
    bivalentWWStrom.wwModus = 2;
    SHilfsenergieAnfrage solar = mit;
    solar.solarHeizung = true;
    SHilfsenergieAnfrage regenerativ = solar;
    regenerativ.regenerativ = true;
    SHilfsenergieAnfrage ohneSolar = ohne;
    ohneSolar.solarWarmwasser = true;
    SHilfsenergieAnfrage pumpen = mit;  // the expenditure factor counts the circulation pumps
    pumpen.mitUmwaelzpumpen = true;
    pumpen.regelEnergie = 120;
    SHilfsenergieAnfrage heizung = pumpen;
    heizung.warmwasser = false;
    heizung.solarHeizung = true;  // not subtracted from one use alone
    SHilfsenergieAnfrage warmwasser = pumpen;
    warmwasser.heizung = false;
    SHilfsenergieAnfrage solarPumpe = heizung;
    solarPumpe.solarPumpenEnergie = 30;
    SHilfsenergieAnfrage direkt = mit;
    direkt.medium = 3;
    const Fall faelle[] = {
        // (12000 + 3000) / (3000 + 1000)
        {"box cleared", ohne, 15000.0f / 4000.0f, u""},
        // heat 15000 + heating elements 800; electricity 4000 + source pump 250 + elements
        // 800 + intermediate pump 50 + defrosting 150
        {"box ticked, monovalent", mit, 15800.0f / 5250.0f,
         u"Brine circ. pump, Heating elements, intermediate heat exch. pump, defrosting energy"},
        // a boiler's heat counts nowhere: 15000 / (4250 + 50 + 150)
        {"bivalent", bivalent, 15000.0f / 4450.0f,
         u"Brine circ. pump, intermediate heat exch. pump, defrosting energy"},
        // hot water by electricity: its 200 kWh count as heat and as electricity
        {"bivalent, hot water electric", bivalentWWStrom, 15200.0f / 4650.0f,
         u"Brine circ. pump, Heating elements, intermediate heat exch. pump, defrosting energy"},
        // the solar heat 800 + 400 is not the heat pump's
        {"solar", solar, (15800.0f - 1200.0f) / 5250.0f, nullptr},
        {"solar, regenerative", regenerativ, 15800.0f / 5250.0f, nullptr},
        {"box cleared, solar", ohneSolar, (15000.0f - 1200.0f) / 4000.0f, u""},
        // + heating circulation 100 + hot-water circulation 40 + control unit 120
        {"with circulation pumps", pumpen, 15800.0f / 5510.0f,
         u"Brine circ. pump, Heating elements, intermediate heat exch. pump, Heat circulation "
         u"pump, circulation pump, defrosting energy, control unit"},
        // heating: 3000 + 250 x 2000/2500; auxiliaries (50 + 100 + 150) x 4/5 + 600
        {"heating alone", heizung, 12600.0f / (3200.0f + 240.0f + 600.0f), nullptr},
        // hot water: 1000 + 250 x 500/2500; auxiliaries 300 x 1/5 + 200
        {"hot water alone", warmwasser, 3200.0f / (1050.0f + 60.0f + 200.0f), nullptr},
        // the solar pump's 2 x 30 kWh join the auxiliaries: 360 x 4/5
        {"heating alone, solar pump", solarPumpe, 12600.0f / (3200.0f + 288.0f + 600.0f), nullptr},
        // direct evaporation has no source pump to name
        {"direct evaporation", direkt, 15800.0f / 5250.0f,
         u"Heating elements, intermediate heat exch. pump, defrosting energy"},
    };
    for (const Fall& f : faelle) {
        CVRMString liste;
        // Tolerance: a quotient of float sums, 1e-6 relative.
        EXPECT_NEAR(CAuswertDlgLogik::GetHilfsenergieText(Jahr(), f.a, liste), f.erwartet,
                    1e-6f * f.erwartet)
            << f.name;
        if (f.liste) {
            EXPECT_EQ(liste, CVRMString(f.liste)) << f.name;
        }
    }
}

TEST_F(AuswertDlgLogikTest, JahresarbeitszahlOhneLaufzeitUndOhneStrom) {
    // Without running hours the source pump's share of one use is 0, never a division by 0.
    CAuswertDaten r = Jahr();
    r.Feld(AF_LaufzeitHeiz) = r.Feld(AF_LaufzeitWW) = 0;
    SHilfsenergieAnfrage heizung;
    heizung.mitAllen = true;
    heizung.warmwasser = false;
    CVRMString liste;
    // 12600 / (3000 + (50 + 100 + 150) + 600): the auxiliaries stay whole without hot-water
    // hours
    EXPECT_NEAR(CAuswertDlgLogik::GetHilfsenergieText(r, heizung, liste), 12600.0f / 3900.0f,
                1e-5f);
    // Below 0.1 kWh of electricity there is no factor.
    EXPECT_EQ(CAuswertDlgLogik::GetHilfsenergieText(CAuswertDaten{}, SHilfsenergieAnfrage{}, liste),
              0.0f);
    // Negative energies of a damaged record count as 0.
    r = Jahr();
    r.Feld(AF_StromQuellpumpe) = -5000;
    SHilfsenergieAnfrage mit;
    mit.mitAllen = true;
    EXPECT_NEAR(CAuswertDlgLogik::GetHilfsenergieText(r, mit, liste), 15800.0f / 5000.0f, 1e-5f);
}

TEST_F(AuswertDlgLogikTest, NameDesZweitenErzeugers) {
    struct Fall {
        int modus, wwModus, art;
        const char16_t* eigene;
        const char16_t* name;
    };
    const Fall faelle[] = {
        {0, 1, 0, u"", u"Heating elements"},
        {7, 2, 0, u"", u"Hot water with electricity"},
        {1, 1, 0, u"", u"Hot water heating rod"},
        {1, 2, 0, u"", u"Hot water with electricity"},
        {2, 1, 0, u"", u"Gas heating"},
        {4, 0, 1, u"", u"Oil heating"},
        {6, 2, 4, u"Pellets", u"Pellets + Hot water with electricity"},
        {8, 1, 4, u"", u"Wood heating"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(CAuswertDlgLogik::getNameZwErzeuger(f.modus, f.wwModus, f.art, f.eigene),
                  CVRMString(f.name))
            << f.modus << "/" << f.wwModus;
    EXPECT_THROW(CAuswertDlgLogik::getNameZwErzeuger(9, 1, 0, u""), platform::UserException);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find(u"Switch constant wrong"), std::u16string::npos);
}

// Prices 20 ct (tariff 1, 60 %) and 15 ct (tariff 2, 40 %); own prices 25 ct heating
// elements, 30 ct hot water, 22 ct defrosting, 28 ct circulation pumps; gas 8 ct at 90 %.
SAuswertDlgDaten KostenDaten() {
    SAuswertDlgDaten d;
    d.daten = Jahr();
    d.anteilTarif1 = 60;
    d.anteilTarif2 = 40;
    d.preise.preis1 = 20;
    d.preise.preis2 = 15;
    d.preise.preis3 = 25;
    d.preise.preis4 = 30;
    d.preise.preis5 = 22;
    d.preise.preis6 = 28;
    d.preise.preis6Kopie = 28;
    d.vergleichsPreise[2] = {8.0f, 90.0f};  // gas
    d.medium = 0;
    d.betriebsweise = 1;
    d.wwModus = 1;
    return d;
}

void PruefeSummen(const SBetriebskosten& k, const char* name) {
    EXPECT_EQ(k.heizung + k.warmwasser + k.abtauen + k.umwaelzpumpen, k.summe) << name;
    EXPECT_EQ(k.waermepumpe + k.zweiterWE + k.umwaelzpumpen, k.summe) << name;
    for (int32_t teil : {k.tarif1, k.tarif2, k.zweiterWE, k.heizung, k.warmwasser, k.abtauen,
                         k.umwaelzpumpen, k.summe, k.waermepumpe})
        EXPECT_GE(teil, 0) << name;
}

TEST_F(AuswertDlgLogikTest, KostenRundenJedenTeilUndErgebenDieSumme) {
    const SAuswertDlgDaten d = KostenDaten();
    const SBetriebskosten k = CAuswertDlgLogik::BerechneBetriebskosten(d, 0.0f);
    // Circulation pumps 140 kWh x 28 ct = 39.2 -> 39; tariff 1 of its 39: (39 x 60 + 50) / 100
    // = 23. Heat pump 4250 kWh: 60 % x 20 ct = 510, 40 % x 15 ct = 255.
    EXPECT_EQ(k.umwaelzpumpen, 39);
    EXPECT_EQ(k.tarif1, 510 + 23);
    EXPECT_EQ(k.tarif2, 255 + 39 - 23);
    // Defrosting 150 kWh x 22 ct = 33; heating elements 600 x 25 ct + 200 x 30 ct = 150 + 60.
    EXPECT_EQ(k.abtauen, 33);
    EXPECT_EQ(k.zweiterWE, 210);
    EXPECT_EQ(k.summe, 533 + 271 + 210 + 33);
    // Heating: 3000 + 250 x 4/5 = 3200 kWh: 384 + 192. Monovalent with hot water by the heat
    // pump: the heating elements' costs stay out of it.
    EXPECT_EQ(k.heizung, 576);
    EXPECT_EQ(k.warmwasser, 1047 - 39 - 576 - 33);
    EXPECT_EQ(k.waermepumpe, 533 + 271 - 39 + 33);
    PruefeSummen(k, "monovalent");

    struct Fall {
        const char* name;
        int betriebsweise, wwModus;
        int32_t zweiter, heizung;
    };
    // Gas: 800 kWh / 0.9 x 8 ct = 71.1 -> 71; with hot water by the heat pump the heating
    // takes 71 x 2000/2500 = 56.8 -> 56 of it.
    const Fall faelle[] = {
        {"bivalent, no hot water", 2, 0, 71, 576 + 71},
        {"bivalent, hot water by heat pump", 2, 1, 71, 576 + 56},
        // Hot water by electricity: 200 x 30 ct = 60; the boiler heats 600 / 0.9 x 8 ct = 53.3.
        {"bivalent, hot water electric", 2, 2, 53 + 60, 576 + 53},
    };
    for (const Fall& f : faelle) {
        SAuswertDlgDaten b = KostenDaten();
        b.betriebsweise = f.betriebsweise;
        b.wwModus = f.wwModus;
        const SBetriebskosten kb = CAuswertDlgLogik::BerechneBetriebskosten(b, 0.0f);
        EXPECT_EQ(kb.zweiterWE, f.zweiter) << f.name;
        EXPECT_EQ(kb.heizung, f.heizung) << f.name;
        PruefeSummen(kb, f.name);
    }
}

TEST_F(AuswertDlgLogikTest, KostenOhneUeberlaufBeiSonderbarenDaten) {
    struct Fall {
        const char* name;
        void (*aendere)(SAuswertDlgDaten&);
    };
    const Fall faelle[] = {
        {"no running hours",
         [](SAuswertDlgDaten& d) {
             d.daten.Feld(AF_LaufzeitHeiz) = d.daten.Feld(AF_LaufzeitWW) = 0;
             d.betriebsweise = 2;
         }},
        {"negative energies",
         [](SAuswertDlgDaten& d) {
             d.daten.Feld(AF_StromHeiz) = -9000;
             d.daten.Feld(AF_StromHeizpumpe) = -300;
             d.daten.Feld(AF_ZweiterWEHeiz) = -700;
         }},
        {"tariff share above 100 %", [](SAuswertDlgDaten& d) { d.anteilTarif1 = 150; }},
        {"fan in the data, fan medium",
         [](SAuswertDlgDaten& d) {
             d.daten.m_LuefterInWPDaten = true;
             d.medium = 4;
         }},
    };
    for (const Fall& f : faelle) {
        SAuswertDlgDaten d = KostenDaten();
        f.aendere(d);
        const SBetriebskosten k = CAuswertDlgLogik::BerechneBetriebskosten(d, 60.0f);
        PruefeSummen(k, f.name);
    }
    // With no running hours, the bivalent boiler's costs split nothing to the heating.
    SAuswertDlgDaten d = KostenDaten();
    faelle[0].aendere(d);
    const SBetriebskosten k = CAuswertDlgLogik::BerechneBetriebskosten(d, 0.0f);
    // 3000 kWh heat-pump electricity without a share of the source pump: 360 + 180
    EXPECT_EQ(k.heizung, 540);
}

// A fan of medium kind 4 is never part of the heat pump's electricity, whether the heat-pump
// data cover it or not: nothing is taken off that was not added. With little hot-water
// electricity and no heating elements, taking the fan off as well left the hot-water
// remainder below zero. Heat-pump data that include defrosting bill it only once.
TEST_F(AuswertDlgLogikTest, LuefterUndAbtauungNurEinmal) {
    struct Fall {
        const char* name;
        int medium;
        bool luefterInDaten, abtauInDaten;
        int32_t tarif1, tarif2, warmwasser, abtauen;
    };
    // Heat pump 3000 + 100 kWh: 60 % x 20 ct = 372, 40 % x 15 ct = 186; plus the pumps'
    // 39 split 23 / 16. Heating 3000 kWh: 360 + 180. Hot water 100 kWh: 12 + 6. Defrosting
    // 150 kWh x 22 ct = 33. With the source pump (kind 0): 3350 kWh: 402 + 201, and the
    // heating takes 250 x 4/5 = 200 kWh of it: 3200 kWh = 384 + 192.
    const Fall faelle[] = {
        {"fan medium, fan not in the data", 4, false, false, 372 + 23, 186 + 16, 18, 33},
        {"fan medium, fan in the data", 4, true, false, 372 + 23, 186 + 16, 18, 33},
        {"brine, defrosting in the data", 0, false, true, 402 + 23, 201 + 16, 603 - 576, 0},
    };
    for (const Fall& f : faelle) {
        SAuswertDlgDaten d = KostenDaten();
        d.daten.Feld(AF_StromWW) = 100;
        d.daten.Feld(AF_ZweiterWEHeiz) = d.daten.Feld(AF_ZweiterWEWW) = 0;
        d.medium = f.medium;
        d.daten.m_LuefterInWPDaten = f.luefterInDaten;
        d.daten.m_AbtauenInWPDaten = f.abtauInDaten;
        const SBetriebskosten k = CAuswertDlgLogik::BerechneBetriebskosten(d, 0.0f);
        EXPECT_EQ(k.tarif1, f.tarif1) << f.name;
        EXPECT_EQ(k.tarif2, f.tarif2) << f.name;
        EXPECT_EQ(k.warmwasser, f.warmwasser) << f.name;
        EXPECT_EQ(k.abtauen, f.abtauen) << f.name;
        EXPECT_EQ(k.summe, f.tarif1 + f.tarif2 + f.abtauen) << f.name;
        PruefeSummen(k, f.name);
    }
}

SAuswertUmgebung Umgebung() {
    SAuswertUmgebung u;
    u.vdiSichtbar = true;
    return u;
}

// An air unit whose data include defrosting: 15 000 kWh heat (12 000 + 3 000), 5 000 kWh
// electricity (4 000 + 1 000) and 900 kWh defrosting. The factor counts the defrosting once,
// as the costs do: only when the data leave it out is it added to the electricity.
TEST_F(AuswertDlgLogikTest, AbtauungInDenWPDatenZaehltImFaktorNurEinmal) {
    struct Fall {
        bool abtauInDaten;
        const char16_t* jaz;
        const char16_t* label;
        float heizung;
        int32_t abtauen;
    };
    const Fall faelle[] = {
        // 15000 / 5000 = 3.00; heating alone 12000 / 4000 = 3.00; no defrosting cost
        {true, u"3.00", u"with whole auxiliary power (Fan)", 12000.0f / 4000.0f, 0},
        // 15000 / (5000 + 900) = 2.54; heating alone 12000 / (4000 + 900 x 2000/2500) = 2.54;
        // defrosting 900 kWh x 22 ct = 198
        {false, u"2.54", u"with whole auxiliary power (Fan, defrosting energy)",
         12000.0f / 4720.0f, 198},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.abtauInDaten ? "defrosting in the data" : "defrosting apart");
        SAuswertDlgDaten d = KostenDaten();
        d.daten = CAuswertDaten{};
        d.daten.Feld(AF_LaufzeitHeiz) = 2000;
        d.daten.Feld(AF_LaufzeitWW) = 500;
        d.daten.Feld(AF_WPWaermeHeiz) = 12000;
        d.daten.Feld(AF_WPWaermeWW) = 3000;
        d.daten.Feld(AF_StromHeiz) = 4000;
        d.daten.Feld(AF_StromWW) = 1000;
        d.daten.Feld(AF_StromAbtauen) = 900;
        d.daten.m_AbtauenInWPDaten = f.abtauInDaten;
        d.daten.m_LuefterInWPDaten = true;
        d.medium = 1;
        d.betriebsweise = 2;  // a boiler beside it: no heating elements to name
        CAuswertDlgLogik logik(d, Umgebung());
        logik.BerechneErgebnisse(true);
        EXPECT_EQ(logik.Texte().at(CAuswertDlgLogik::kIdJaz), f.jaz);
        EXPECT_EQ(logik.Texte().at(CAuswertDlgLogik::kIdMitAllen), f.label);
        EXPECT_EQ(logik.Kosten().abtauen, f.abtauen);

        // The heating's own factor (the expenditure factor's share) counts it once too.
        SHilfsenergieAnfrage heizung;
        heizung.mitAllen = true;
        heizung.betriebsweise = 2;
        heizung.medium = 1;
        heizung.warmwasser = false;
        CVRMString liste;
        EXPECT_NEAR(CAuswertDlgLogik::GetHilfsenergieText(d.daten, heizung, liste), f.heizung, 1e-5f);
    }
}

TEST_F(AuswertDlgLogikTest, WasDerDialogZeigt) {
    SAuswertDlgDaten d = KostenDaten();
    d.projektName = u"Haus Meier";
    CAuswertDlgLogik logik(d, Umgebung());
    using L = CAuswertDlgLogik;
    const auto text = [&](int id) { return logik.Texte().at(id); };
    EXPECT_EQ(logik.Titel(), u"Evaluation - Haus Meier");
    EXPECT_EQ(text(L::kIdGruppeKosten), u" Energy costs [EUR / year] ");
    EXPECT_EQ(text(L::kIdLabelZweiter), u"+ Hot water heating rod");
    EXPECT_EQ(text(L::kIdLabelQuellPumpe), u"Brine circ. pump");
    EXPECT_EQ(text(L::kIdQuellPumpe), u"250");
    EXPECT_EQ(text(L::kIdUmwStrom), u"190");  // 100 + 50 + 40
    EXPECT_EQ(text(L::kIdJaz), u"3.75");
    EXPECT_EQ(text(L::kIdKostenSumme), u"1047");
    EXPECT_EQ(text(L::kIdMitAllen), u"with whole auxiliary power ");
    EXPECT_FALSE(logik.IstSichtbar(L::kIdReg));  // no solar plant
    EXPECT_FALSE(logik.IstSichtbar(L::kIdAbtauHinweis));
    EXPECT_TRUE(logik.IstSichtbar(L::kIdVDI4650));
    EXPECT_FALSE(logik.ReportAktiv());

    logik.BerechneErgebnisse(true);
    EXPECT_EQ(text(L::kIdJaz), u"3.01");  // 15800 / 5250
    EXPECT_EQ(text(L::kIdMitAllen), u"with whole auxiliary power (Brine circ. pump, Heating "
                                    u"elements, intermediate heat exch. pump, defrosting energy)");
    logik.BerechneErgebnisse(false);
    EXPECT_EQ(text(L::kIdJaz), u"3.75");
}

TEST_F(AuswertDlgLogikTest, WasDerDialogNachMediumZeigt) {
    using L = CAuswertDlgLogik;
    // Direct evaporation: no source pump in figures, factors or costs.
    SAuswertDlgDaten d = KostenDaten();
    d.medium = 3;
    d.ohneQuellenPumpe = true;
    CAuswertDlgLogik direkt(d, Umgebung());
    EXPECT_EQ(direkt.Texte().at(L::kIdQuellPumpe), u"0");
    EXPECT_EQ(direkt.Kosten().tarif1, 480 + 23);  // 4000 kWh: 480 + 240

    // An air heat pump whose fan is in its data: the fan's line gives way to the note, and
    // the cleared box names the fan.
    d = KostenDaten();
    d.medium = 1;
    d.daten.m_LuefterInWPDaten = true;
    d.daten.m_AbtauenInWPDaten = true;
    d.daten.Feld(AF_StromAbtauen) = 0.5f;
    CAuswertDlgLogik luft(d, Umgebung());
    EXPECT_EQ(luft.Texte().at(L::kIdMitAllen), u"with whole auxiliary power (Fan)");
    EXPECT_FALSE(luft.IstSichtbar(L::kIdQuellPumpe));
    EXPECT_TRUE(luft.IstSichtbar(L::kIdLuefterText));
    EXPECT_FALSE(luft.IstSichtbar(L::kIdAbtauHinweis));  // in the data and below 1 kWh
    EXPECT_EQ(luft.Texte().at(L::kIdAbtauHinweis), u"(with energy for defrosting)");
    d.daten.m_AbtauenInWPDaten = false;
    d.daten.Feld(AF_StromAbtauen) = 0.0f;
    CAuswertDlgLogik luft2(d, Umgebung());
    EXPECT_TRUE(luft2.IstSichtbar(L::kIdAbtauHinweis));
    EXPECT_EQ(luft2.Texte().at(L::kIdAbtauHinweis), u"(without energy for defrosting)");

    // With a solar plant the regenerative factor shows; without the VDI country not its button.
    d = KostenDaten();
    d.mitSolar = true;
    SAuswertUmgebung u;
    u.solarHeizung = true;
    CAuswertDlgLogik solar(d, u);
    EXPECT_TRUE(solar.IstSichtbar(L::kIdReg));
    EXPECT_FALSE(solar.IstSichtbar(L::kIdVDI4650));
    EXPECT_EQ(solar.Texte().at(L::kIdJaz), u"3.45");  // (15000 - 1200) / 4000
    EXPECT_EQ(solar.Texte().at(L::kIdReg), u"3.75");

    d.medium = 5;
    EXPECT_THROW(CAuswertDlgLogik(d, Umgebung()), platform::UserException);
    EXPECT_TRUE(boxes.texts().back().find(u"CAuswertDlg::OnInitDialog") != std::u16string::npos);
}

}  // namespace
