// Every number the generator writes reads back through the core to the figure of its
// data file; weather bins through the model's inverse library transform.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "Komponenten.h"
#include "LibraryFixture.h"
#include "Names.h"
#include "Orte.h"
#include "Projekte.h"
#include "Solar.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/GlobaleTexte.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/text/Text.h"

namespace librarytest {
namespace {

using LibraryValuesTest = LibraryFixture;

std::string spalte(const char* prefix, int i) {
    return prefix + std::string(i < 10 ? "0" : "") + std::to_string(i);
}

CVRMString u16(const std::string& text) {
    return CVRMString(platform::fromUtf8(text));
}

TEST_F(LibraryValuesTest, ClimateLocationsHoldTheirMonthlyAndDesignTemperatures) {
    int klimaorte = 0;
    for (const libgen::Town& t : Daten().towns) {
        const libgen::OrtNamen n = libgen::NamenVon(t, Daten());
        if (n.klima.empty()) continue;
        ++klimaorte;
        const std::vector<float> temps = Zahlen(Lies(u"Klimadaten", n.klima));
        ASSERT_EQ(temps.size(), 12u) << t.name;
        const libgen::CsvRow quelle = t.normal ? *t.normal : *t.typisch;
        for (int m = 0; m < 12; ++m)
            EXPECT_NEAR(temps[m], quelle.Number(spalte("t_", m + 1)), 0.051) << t.name << m;
        EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", n.klima + u"NAT"), *t.normAussenTemp) << t.name;
        EXPECT_EQ(Lies(u"Klimadaten", n.klima + u"WORT"), n.wetter) << t.name;
    }
    EXPECT_EQ(klimaorte, static_cast<int>(Liste(LISTE_KLIMAORTE).GetSize()));

    // Spot checks against the published tables, one per kind of source.
    EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", u"10 Berlin (D) (bib)NAT"), -14.0f);  // region 10
    EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", u"Zürich (CH) (bib)NAT"), -8.0f);     // SIA 2028
    EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", u"Wien (A) (bib)NAT"), -11.5f);       // ASHRAE 99.6 %
    // Berlin's January from the TRY 2015 year (1.4), not from the TMYx year (1.3).
    EXPECT_FLOAT_EQ(Zahlen(Lies(u"Klimadaten", u"10 Berlin (D) (bib)"))[0], 1.4f);
    // A normal wins over a typical year: Zürich's January of MeteoSwiss 1991-2020.
    EXPECT_FLOAT_EQ(Zahlen(Lies(u"Klimadaten", u"Zürich (CH) (bib)"))[0], 0.9f);
}

// The published value a climate location's design temperature must carry, looked up in
// the source tables themselves: the postcode-region table for German towns, SIA 2028 for
// the Swiss stations, otherwise the ASHRAE 99.6 % value; the one value of the extra file
// (Dublin, the default location) must be marked unverified there.
std::optional<double> PublizierteNormAussenTemp(const libgen::Quellen& q, const libgen::Town& t,
                                                bool& unbestaetigt) {
    unbestaetigt = false;
    if (t.iso == "DE") {
        for (const libgen::CsvRow& r : q.Tabelle("design_temperatures_de_postcode").Rows())
            if (r["postcode_prefix"] == t.postcodeRegion) return r.Number("design_temp_C");
        return std::nullopt;
    }
    for (const libgen::CsvRow& r : q.Tabelle("design_temperatures").Rows())
        if (r["town"] == t.name && r["country"] == t.iso &&
            r["standard"].find("SIA") != std::string::npos)
            return r.Number("design_temp_C");
    for (const libgen::CsvRow& r : q.Tabelle("ashrae_design_temperatures").Rows())
        if (r["town"] == t.name && r["country"] == t.iso) return r.Number("heating_db_99_6_C");
    for (const libgen::CsvRow& r : q.Tabelle("design_temperatures_extra").Rows()) {
        if (r["town"] != t.name || r["country"] != t.iso) continue;
        unbestaetigt = r["reliability"].rfind("unverified", 0) == 0;
        return r.Number("design_temp_C");
    }
    return std::nullopt;
}

TEST_F(LibraryValuesTest, DesignTemperaturesComeFromThePublishedSourceOfTheirCountry) {
    std::set<std::string> unbestaetigt;
    for (const libgen::Town& t : Daten().towns) {
        SCOPED_TRACE(t.name);
        bool ohnePruefung = false;
        const std::optional<double> wert = PublizierteNormAussenTemp(Daten(), t, ohnePruefung);
        const CVRMString name = libgen::KlimaortName(t.Basis());
        if (!wert || !t.klimaortErlaubt) {
            EXPECT_FALSE(InListe(LISTE_KLIMAORTE, name));
            continue;
        }
        ASSERT_TRUE(InListe(LISTE_KLIMAORTE, name));
        EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", name + u"NAT"), static_cast<float>(*wert));
        if (ohnePruefung) unbestaetigt.insert(t.name);
    }
    // Swiss stations by SIA 2028 and a town by its ASHRAE value: Davos -13, Warszawa -16.6.
    EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", u"Davos (CH) (bib)NAT"), -13.0f);
    EXPECT_FLOAT_EQ(LiesFloat(u"Klimadaten", u"Warszawa (PL) (bib)NAT"), -16.6f);
    // Only the default location ships a value nobody has checked, and says so.
    EXPECT_EQ(unbestaetigt, std::set<std::string>{"Dublin"});
}

TEST_F(LibraryValuesTest, WeatherLocationsReadBackToTheBinsOfTheirTypicalYear) {
    const libgen::CsvTable& bins = Daten().Tabelle("weather_bins");
    int orte = 0;
    for (const libgen::Town& t : Daten().towns) {
        if (!t.klassen) continue;
        ++orte;
        const std::vector<float> gespeichert =
            Zahlen(Lies(u"Wetterdaten", libgen::NamenVon(t, Daten()).wetter));
        ASSERT_EQ(gespeichert.size(), 63u) << t.name;
        // The row of weather_bins.csv of the same typical-year file.
        std::optional<libgen::CsvRow> zeile;
        for (const libgen::CsvRow& r : bins.Rows())
            if (r["town"] == t.name && r["source"] == (*t.typisch)["source"]) zeile = r;
        ASSERT_TRUE(zeile.has_value()) << t.name;
        float tage = 0;
        for (int i = 0; i < 63; ++i) {
            const float wert = CVRMdatenProvider2::BiboWertLesen(gespeichert[i], i);
            EXPECT_NEAR(wert, zeile->Number(spalte("bin_", i)), 0.001) << t.name << " bin " << i;
            tage += wert;
        }
        EXPECT_NEAR(tage, zeile->Number("days_counted"), 0.01) << t.name;
    }
    EXPECT_EQ(orte + 1, static_cast<int>(Liste(LISTE_WETTERORTE).GetSize()));  // + standard
}

TEST_F(LibraryValuesTest, SunLocationsHoldMeasuredOrDerivedSunshine) {
    for (const libgen::Town& t : Daten().towns) {
        if (!t.sonne) continue;
        const std::vector<float> stunden =
            Zahlen(Lies(u"Sonnendaten", libgen::NamenVon(t, Daten()).sonne));
        ASSERT_EQ(stunden.size(), 12u) << t.name;
        for (int m = 0; m < 12; ++m) EXPECT_NEAR(stunden[m], (*t.sonne)[m], 0.051) << t.name;
        if (!t.sonneAbgeleitet) {
            for (int m = 0; m < 12; ++m)
                EXPECT_NEAR(stunden[m], t.normal->Number(spalte("sun_", m + 1)), 0.051);
        }
    }
    // Dublin's measured sunshine is the program's standard sun location.
    EXPECT_FLOAT_EQ(Zahlen(Lies(u"Sonnendaten", u"StandardS_(IRL)_(bib)"))[0], 59.0f);
}

TEST(LibrarySunshine, ExtraterrestrialRadiationAndDayLengthFollowFao56) {
    // FAO-56 examples 8 and 9: 20° S on 3 September (day 246): Ra = 32.2 MJ/(m² day),
    // N = 11.7 h.
    const libgen::Tageswerte t = libgen::Extraterrestrisch(-20.0, 246);
    EXPECT_NEAR(t.ra, 32.2, 0.05);
    EXPECT_NEAR(t.tagStd, 11.7, 0.05);
    // Irradiation of (a + b) Ra gives sunshine all day long, of a Ra none.
    const libgen::Tageswerte juni = libgen::Extraterrestrisch(50.0, libgen::MittlererTag(5));
    const libgen::Tageswerte juli = libgen::Extraterrestrisch(50.0, libgen::MittlererTag(6));
    libgen::Monate ghi{};
    ghi[5] = (libgen::kAngstroemA + libgen::kAngstroemB) * juni.ra * 30 / 3.6;  // kWh/m²
    ghi[6] = libgen::kAngstroemA * juli.ra * 31 / 3.6;
    const libgen::Monate n = libgen::SonnenstundenAusStrahlung(ghi, 50.0);
    EXPECT_NEAR(n[5], juni.tagStd * 30, 1e-6);
    EXPECT_NEAR(n[6], 0.0, 1e-6);
}

TEST_F(LibraryValuesTest, SoilTypesHoldTheirTableValues) {
    int boden = 0;
    std::set<std::string> gesehen;  // the first row of a name is the one shipped
    for (const char* datei : {"soil_derived", "soil"}) {
        for (const libgen::CsvRow& r : Daten().Tabelle(datei).Rows()) {
            if (std::string(datei) == "soil" && !libgen::IstBodenQuelle(r)) continue;
            const CVRMString name =
                libgen::BibName(datei == std::string("soil") ? r["material"] : r["name"]);
            CVRMString klein(name);
            MakeStringLower(klein);
            if (!gesehen.insert(klein.toUtf8()).second) continue;
            ++boden;
            EXPECT_FLOAT_EQ(LiesFloat(name, u"Wärmeleitzahl"), r.Number("lambda_typical_W_mK"));
            EXPECT_FLOAT_EQ(LiesFloat(name, u"SpezWärme"), r.Number("vol_heat_capacity_MJ_m3K"));
            if (r.Has("density_kg_m3")) {
                EXPECT_FLOAT_EQ(LiesFloat(name, u"Dichte"), r.Number("density_kg_m3"));
            }
        }
    }
    EXPECT_EQ(boden, static_cast<int>(Liste(LISTE_BODENARTEN).GetSize()));
    // The default soil is the mean of dry (0.4) and saturated (1.8) gravel of EN 17522.
    EXPECT_FLOAT_EQ(LiesFloat(u"gravel (average wet)_(bib)", u"Wärmeleitzahl"), 1.1f);
}

TEST_F(LibraryValuesTest, HeatPumpRecordsReadBackToTheirDataFile) {
    for (const libgen::CsvRow& r : Daten().Tabelle("heat_pump_records").Rows()) {
        const CVRMString satz = libgen::BibName(r["name"]);
        const std::vector<float> f = Zahlen(Lies(satz, u16("LeistDaten" + r["index"])));
        ASSERT_EQ(f.size(), 9u) << r["name"];
        const char* spalten[] = {"source_C",   "heat_w35_kW", "heat_w55_kW",
                                 "el_w35_kW",  "el_w55_kW",   "src_w35_kW",
                                 "src_w55_kW", "flow2_C",     "max_flow_C"};
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(f[i], r.Number(spalten[i]), 0.0051) << r["name"];
    }
    for (const libgen::CsvRow& p : Daten().Tabelle("heat_pumps").Rows()) {
        const CVRMString satz = libgen::BibName(p["name"]);
        EXPECT_EQ(IGlobal::ReadIniInt(satz, u"MedienTyp", -1), p.Number("medium"));
        // At the rating point the records reach the COP the data file names (brine/water
        // B0/W35 4.30: 11.00 kW / 2.55 kW = 4.3137), and stay within the rounding of the
        // electric power to 0.01 kW above it.
        const double ts = p.Number("rating_source_C");
        int amNennpunkt = 0;
        for (const libgen::CsvRow& r : Daten().Tabelle("heat_pump_records").Rows()) {
            if (r["name"] != p["name"] || r.Number("source_C") != ts) continue;
            ++amNennpunkt;
            const double cop = r.Number("heat_w35_kW") / r.Number("el_w35_kW");
            EXPECT_GE(cop, p.Number("rating_cop_w35")) << p["name"];
            EXPECT_LT(cop, p.Number("rating_cop_w35") + 0.05) << p["name"];
        }
        EXPECT_EQ(amNennpunkt, 1) << p["name"];
    }
}

// The seasonal performance factor after VDI 4650 takes a catalogue heat pump's COPs only
// from records at its kind's test points (flow 35 °C), never interpolated: brine B0,
// air A-7, A2 and A10, water W10, direct evaporation -1 °C.
TEST_F(LibraryValuesTest, EveryHeatPumpHasRecordsAtItsKindsTestPoints) {
    const std::vector<std::vector<float>> pruefpunkte = {
        {0.0f}, {-7.0f, 2.0f, 10.0f}, {10.0f}, {-1.0f}};
    InitGlobaleTexte();
    const CVRMStringArray wpumpen = Liste(LISTE_WPUMPEN);
    ASSERT_FALSE(wpumpen.empty());
    for (const CVRMString& name : wpumpen) {
        SCOPED_TRACE(name.toUtf8());
        CWPumpe2 wp;
        CVRMdatenProvider::get().fill(wp, name);
        const int medium = wp.GetWert(ID_MedienTyp).GetIntVal();
        ASSERT_TRUE(medium >= 0 && medium < 4);
        for (float quelle : pruefpunkte[medium]) {
            float cop = 0.0f;
            EXPECT_TRUE(wp.GetTabellenLeistungszahl(quelle, 35.0f, cop)) << quelle;
            EXPECT_GT(cop, 2.0f) << quelle;
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

// A brine/water or water/water unit holds the evaporator spread of its rating condition
// and the source flow that carries its rated extraction power with it; the others none.
TEST_F(LibraryValuesTest, BrineAndWaterUnitsHoldTheirNominalSourceFlow) {
    for (const libgen::CsvRow& p : Daten().Tabelle("heat_pumps").Rows()) {
        SCOPED_TRACE(p["name"]);
        const CVRMString satz = libgen::BibName(p["name"]);
        const double medium = p.Number("medium");
        if (medium == 0.0 || medium == 2.0) {
            EXPECT_FLOAT_EQ(LiesFloat(satz, u"TempDiffVerdampf"), 3.0f);
            EXPECT_GT(LiesFloat(satz, u"VolStromSole"), 0.5f);
        } else {
            EXPECT_TRUE(Lies(satz, u"VolStromSole").empty());
        }
    }
    // Brine/water 11 kW, 8.45 kW extracted at B0/W35, ethylene glycol 25 % at 0 °C
    // (1042.8 kg/m³, 3.83 kJ/(kg K)): 8.45 x 1000 / (1042.8 x 3.83 x 3 x 0.278) = 2.537 m³/h.
    EXPECT_NEAR(LiesFloat(u"Generic brine/water 11 kW_(bib)", u"VolStromSole"), 2.54f, 1e-4f);
    // Water/water 11 kW, 8.85 kW extracted at W10/W35, water at 10 °C (996.97 kg/m³,
    // 4.18 kJ/(kg K)): 8.85 x 1000 / (996.97 x 4.18 x 3 x 0.278) = 2.546 m³/h.
    EXPECT_NEAR(LiesFloat(u"Generic water/water 11 kW_(bib)", u"VolStromSole"), 2.55f, 1e-4f);
    // A larger unit moves more brine.
    EXPECT_GT(LiesFloat(u"Generic brine/water 15 kW_(bib)", u"VolStromSole"),
              LiesFloat(u"Generic brine/water 11 kW_(bib)", u"VolStromSole"));
}

// The running-cost prices of the options and of every sample: each price that of the row
// of the shared data its pair names, the efficiencies those of the program's defaults.
TEST_F(LibraryValuesTest, RunningCostPricesComeFromTheirSourceRows) {
    const CVRMString optionen = Lies(u"Optionen", u"BKostenDaten");
    // Household electricity 34.7 (spring 2024), heating oil 8.72, gas 11.41 (September
    // 2024), wood pellets 6.59, the night rate 21.17 of tariff row 2, household electricity;
    // with one decimal each.
    EXPECT_EQ(optionen, u"34.7#100#8.7#85#11.4#90#6.6#90#21.2#100#34.7#100#");
    for (const libgen::CsvRow& r : Daten().Tabelle("projects").Rows())
        EXPECT_EQ(Lies(libgen::BibName(r["name"]), u"BKostenDaten"), optionen) << r["name"];
}

TEST_F(LibraryValuesTest, TariffsCarryThePricesOfTheirSourceRow) {
    const libgen::CsvTable& quelle = Daten().Tabelle("tariffs");
    for (const libgen::CsvRow& t : Daten().Tabelle("tariffs_generic").Rows()) {
        const CVRMString satz = libgen::BibName(t["name"]);
        const libgen::CsvRow q = quelle.Row(static_cast<size_t>(t.Number("from_row")) - 1);
        ASSERT_EQ(q.Number("row"), t.Number("from_row"));
        EXPECT_FLOAT_EQ(LiesFloat(satz, u"Preis1"), q.Number("energy_price_gross_ct_kWh"));
        const double preis2 = q.Has("low_tariff_gross_ct_kWh")
                                  ? q.Number("low_tariff_gross_ct_kWh")
                                  : q.Number("energy_price_gross_ct_kWh");
        EXPECT_FLOAT_EQ(LiesFloat(satz, u"Preis2"), preis2);
        EXPECT_FLOAT_EQ(LiesFloat(satz, u"SperrZ1"), t.Number("sperr1"));
        // Stored with a decimal point, so the tariff does not take it for the period form.
        EXPECT_NE(Lies(satz, u"SperrZ1").find(u'.'), CVRMString::npos);
    }
}

TEST_F(LibraryValuesTest, FluidAndTubeRecordsHoldTheirFigures) {
    for (const libgen::CsvRow& r : Daten().Tabelle("antifreezes").Rows())
        EXPECT_EQ(IGlobal::ReadIniInt(libgen::BibName(r["name"]), u"FSMKonz", -1),
                  r.Number("concentration_vol_pct"));
    for (const libgen::CsvRow& r : Daten().Tabelle("tube_materials").Rows())
        EXPECT_FLOAT_EQ(LiesFloat(libgen::BibName(r["name"]), u"WärmeleitAbs"),
                        r.Number("conductivity_W_mK"));
}

TEST_F(LibraryValuesTest, SampleProjectsLinkComponentsThatExist) {
    // Heat-source kind to the heat-pump media that fit it (0, 1: brine or direct
    // evaporation; 2: air; 3: water).
    auto passt = [](long art, long medium) {
        return ((art == 0 || art == 1) && (medium == 0 || medium == 3)) ||
               (art == 2 && medium == 1) || (art == 3 && medium == 2);
    };
    const CVRMStringArray projekte = Liste(LISTE_PROJEKTE);
    ASSERT_EQ(projekte.GetSize(), 4);
    for (const CVRMString& p : projekte) {
        const CVRMString haus = Lies(p, u"Haus"), wp = Lies(p, u"WPumpe");
        const CVRMString quelle = Lies(p, u"WQuelle"), tarif = Lies(p, u"Tarif");
        EXPECT_TRUE(InListe(LISTE_HAEUSER, haus)) << p.toUtf8();
        EXPECT_TRUE(InListe(LISTE_WPUMPEN, wp)) << p.toUtf8();
        EXPECT_TRUE(InListe(LISTE_WQUELLEN, quelle)) << p.toUtf8();
        EXPECT_TRUE(InListe(LISTE_TARIFE, tarif)) << p.toUtf8();
        // A solar plant, where there is one, with a collector of the library.
        if (const CVRMString solar = Lies(p, u"Solar"); !solar.IsEmpty()) {
            EXPECT_TRUE(InListe(LISTE_SOLARANLAGEN, solar)) << p.toUtf8();
            EXPECT_TRUE(InListe(LISTE_SOLARKOLLEKTOREN, Lies(solar, u"SolKollBez"))) << p.toUtf8();
            EXPECT_EQ(Lies(haus, u"ProjMitSolar"), u"1") << p.toUtf8();
        }
        EXPECT_TRUE(InListe(LISTE_KLIMAORTE, Lies(haus, u"Klimaort"))) << p.toUtf8();
        EXPECT_TRUE(InListe(LISTE_FROSTSCHUTZMITTEL, Lies(quelle, u"FSMittel")));
        EXPECT_TRUE(InListe(LISTE_MATERIALIEN_ABS, Lies(quelle, u"AbsMaterial")));
        EXPECT_TRUE(InListe(LISTE_UMHUELLUNGEN_ABS, Lies(quelle, u"AbsUmhuell")));
        EXPECT_TRUE(InListe(LISTE_BODENARTEN, Lies(quelle, u"Bodenart")));
        EXPECT_TRUE(passt(IGlobal::ReadIniInt(quelle, u"QuellMediumIdx", -1),
                          IGlobal::ReadIniInt(wp, u"MedienTyp", -1)))
            << p.toUtf8();
        // The house's design temperature is its climate location's.
        EXPECT_FLOAT_EQ(LiesFloat(haus, u"NAT"),
                        LiesFloat(u"Klimadaten", Lies(haus, u"Klimaort") + u"NAT"));
    }
}

}  // namespace
}  // namespace librarytest
