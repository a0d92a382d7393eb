#include "Komponenten.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

#include "Names.h"
#include "core/db/TextCompare.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/source/FSMdaten.h"
#include "model/source/WQBerechnung.h"
#include "platform/format/Format.h"
#include "platform/text/Text.h"

namespace libgen {

namespace {

CVRMString u16(const std::string& text) {
    return CVRMString(platform::fromUtf8(text));
}

}  // namespace

void SchreibeInfo(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("library_info").Rows())
        w.Text(u16(r["section"]), u16(r["key"]), u16(r["value"]));
}

bool IstBodenQuelle(const CsvRow& r) {
    return r["basis"].rfind("EN 17522", 0) == 0 || r["source"].rfind("cgq-qgc/pygld", 0) == 0;
}

void SchreibeBodenarten(LibraryWriter& w, const Quellen& q) {
    std::set<std::u16string> namen;
    const auto schreibe = [&](const std::string& name, double lambda, double kapazitaet,
                              const std::string& dichte) {
        CVRMString lower = u16(name);
        MakeStringLower(lower);
        if (!namen.insert(lower).second) return;  // the better-referenced row came first
        const CVRMString satz = BibName(name);
        w.AddToList(LISTE_BODENARTEN, satz);
        w.Float(satz, u"Wärmeleitzahl", lambda);
        w.Float(satz, u"SpezWärme", kapazitaet);
        if (!dichte.empty()) w.Float(satz, u"Dichte", ParseNumber(dichte, name));
    };
    for (const CsvRow& r : q.Tabelle("soil_derived").Rows())
        schreibe(r["name"], r.Number("lambda_typical_W_mK"), r.Number("vol_heat_capacity_MJ_m3K"),
                 r["density_kg_m3"]);
    for (const CsvRow& r : q.Tabelle("soil").Rows()) {
        if (!IstBodenQuelle(r)) continue;
        schreibe(r["material"], r.Number("lambda_typical_W_mK"),
                 r.Number("vol_heat_capacity_MJ_m3K"), r["density_kg_m3"]);
    }
}

void SchreibeRohrdaten(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("antifreezes").Rows()) {
        const CVRMString satz = BibName(r["name"]);
        w.AddToList(LISTE_FROSTSCHUTZMITTEL, satz);
        w.Int(satz, u"FSMKonz", static_cast<long>(r.Number("concentration_vol_pct")));
    }
    for (const CsvRow& r : q.Tabelle("tube_materials").Rows()) {
        const CVRMString satz = BibName(r["name"]);
        w.AddToList(LISTE_MATERIALIEN_ABS, satz);
        w.Float(satz, u"WärmeleitAbs", r.Number("conductivity_W_mK"));
    }
    for (const CsvRow& r : q.Tabelle("coverings").Rows())
        w.AddToList(LISTE_UMHUELLUNGEN_ABS, BibName(r["name"]));
}

void SchreibeTarife(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& r : q.Tabelle("tariffs_generic").Rows()) {
        const CVRMString satz = BibName(r["name"]);
        w.AddToList(LISTE_TARIFE, satz);
        w.Int(satz, u"Tarif1", static_cast<long>(r.Number("tarif1")));
        w.Int(satz, u"Von1", static_cast<long>(r.Number("von1")));
        w.Int(satz, u"Bis1", static_cast<long>(r.Number("bis1")));
        w.Float(satz, u"Preis1", r.Number("preis1"));
        w.Int(satz, u"Tarif2", static_cast<long>(r.Number("tarif2")));
        w.Int(satz, u"Von2", static_cast<long>(r.Number("von2")));
        w.Int(satz, u"Bis2", static_cast<long>(r.Number("bis2")));
        w.Float(satz, u"Preis2", r.Number("preis2"));
        // Hours as "%f": a whole number here would be taken for the period form.
        w.Float(satz, u"SperrZ1", r.Number("sperr1"));
        w.Float(satz, u"SperrZ2", r.Number("sperr2"));
        w.Text(satz, u"Tarif1Monate", CVRMString(u"1#1#1#1#1#1#1#1#1#1#1#1#"));
    }
}

namespace {

// The fluid a unit's source side is rated with: the brine a new heat source is given (the
// program's default antifreeze at the concentration its record holds) at 0 °C, as the
// program takes the brine's properties; water at its rating temperature for a water/water
// unit (the same correlation without antifreeze).
struct Fluid {
    float dichte, spezW;
};
Fluid QuellFluid(const Quellen& q, const CsvRow& p) {
    const CVRMString glykol = CResManager::getLangText(textid::kEthylenglykol);
    if (p.Number("medium") == 2.0) {
        const auto t = static_cast<float>(p.Number("rating_source_C"));
        return {CFSMdaten::getDichte(glykol, 0, t), CFSMdaten::getSpezWaerme(glykol, 0, t)};
    }
    for (const CsvRow& r : q.Tabelle("antifreezes").Rows()) {
        if (u16(r["name"]) != glykol) continue;
        const auto konz = static_cast<unsigned>(r.Number("concentration_vol_pct"));
        return {CFSMdaten::getDichte(glykol, konz, 0.0f), CFSMdaten::getSpezWaerme(glykol, konz, 0.0f)};
    }
    throw std::runtime_error("no record of the default antifreeze");
}

// The nominal source flow (m³/h): the extraction power at the rating point carried with
// the evaporator spread of the rating condition, by the model's own formula.
double NennVolStrom(const Quellen& q, const CsvRow& p, const CsvTable& saetze) {
    for (const CsvRow& r : saetze.Rows()) {
        if (r["name"] != p["name"] || r.Number("source_C") != p.Number("rating_source_C")) continue;
        const Fluid f = QuellFluid(q, p);
        CWQBerechnung rechnung;
        const float strom = rechnung.GetVolStromLeistung(
            f.dichte, f.spezW, static_cast<float>(p.Number("spread_evaporator_K")),
            static_cast<float>(r.Number("src_w35_kW")));
        return std::round(strom * 100.0) / 100.0;
    }
    throw std::runtime_error("no record at the rating point: " + p["name"]);
}

}  // namespace

void SchreibeWaermepumpen(LibraryWriter& w, const Quellen& q) {
    const CsvTable& saetze = q.Tabelle("heat_pump_records");
    for (const CsvRow& p : q.Tabelle("heat_pumps").Rows()) {
        const CVRMString satz = BibName(p["name"]);
        w.AddToList(LISTE_WPUMPEN, satz);
        w.Int(satz, u"MedienTyp", static_cast<long>(p.Number("medium")));
        w.Int(satz, u"MaxVorlaufTemp", static_cast<long>(p.Number("max_flow_C")));
        w.Int(satz, u"MaxInterpolTempSO", static_cast<long>(p.Number("max_interpol_source_C")));
        if (p.Has("min_air_C"))
            w.Int(satz, u"MinLuftTemp", static_cast<long>(p.Number("min_air_C")));
        w.Float(satz, u"TempDiffVerfluess", p.Number("spread_condenser_K"));
        if (p.Has("spread_evaporator_K")) {
            w.Float(satz, u"TempDiffVerdampf", p.Number("spread_evaporator_K"));
            w.Float(satz, u"VolStromSole", NennVolStrom(q, p, saetze));
        }
        w.Int(satz, u"Auslegung", 1);
        for (const CsvRow& r : saetze.Rows()) {
            if (r["name"] != p["name"]) continue;
            const CVRMString text = platform::format(
                u"%.0f#%.2f#%.2f#%.2f#%.2f#%.2f#%.2f#%.2f#%.2f#", r.Number("source_C"),
                r.Number("heat_w35_kW"), r.Number("heat_w55_kW"), r.Number("el_w35_kW"),
                r.Number("el_w55_kW"), r.Number("src_w35_kW"), r.Number("src_w55_kW"),
                r.Number("flow2_C"), r.Number("max_flow_C"));
            w.Text(satz, platform::format(u"LeistDaten%i", static_cast<int>(r.Number("index"))),
                   text);
        }
    }
}

Monate KollektorErtrag(double eta0, double a1, double a2, double tm, const Monate& ghi,
                       const Monate& ta, double breite) {
    Monate ertrag{};
    for (int m = 0; m < 12; ++m) {
        // Mean irradiance over the daylight hours of the month.
        const double stunden = Extraterrestrisch(breite, MittlererTag(m)).tagStd * TageImMonat(m);
        const double g = stunden > 0.0 ? ghi[m] * 1000.0 / stunden : 0.0;
        const double dt = tm - ta[m];
        const double eta = g > 0.0 ? eta0 - a1 * dt / g - a2 * dt * dt / g : 0.0;
        ertrag[m] = std::max(eta, 0.0) * ghi[m];
    }
    return ertrag;
}

void SchreibeKollektor(LibraryWriter& w, const Quellen& q) {
    for (const CsvRow& k : q.Tabelle("solar_collector").Rows()) {
        const Town& ort = q.FindeTown(k["irradiation_town"], "DE");
        Monate ghi{};
        for (int m = 0; m < 12; ++m)
            ghi[m] = ort.typisch->Number(std::string("ghi_") + (m < 9 ? "0" : "") +
                                         std::to_string(m + 1));
        const double breite = ort.typisch->Number("latitude");
        const KollektorKennwerte kennwerte{k.Number("eta0"), k.Number("a1_W_m2K"),
                                           k.Number("a2_W_m2K2")};
        const Ausrichtung lage{k.Number("tilt_deg"), k.Number("azimuth_deg")};
        const CVRMString satz = BibName(k["name"]);
        w.AddToList(LISTE_SOLARKOLLEKTOREN, satz);
        w.Int(satz, u"KollektorTyp", static_cast<long>(k.Number("type")));
        w.Int(satz, u"DatenKNeigung", static_cast<long>(lage.neigungGrad));
        w.Int(satz, u"DatenKAusrichtung", static_cast<long>(lage.azimutGrad));
        int n = 0;
        for (const std::string& t : SplitList(k["mean_temps_C"])) {
            const double tm = ParseNumber(t, "mean_temps_C");
            // The horizontal records keep the day-mean method they were shipped with.
            const Monate e = lage.neigungGrad == 0.0
                                 ? KollektorErtrag(kennwerte.eta0, kennwerte.a1, kennwerte.a2, tm,
                                                   ghi, ort.temps, breite)
                                 : KollektorErtragGeneigt(kennwerte, tm, ghi, ort.temps, breite,
                                                          lage);
            CVRMString text = platform::format(u"%s#", platform::fromUtf8(t));
            for (double y : e) text += platform::format(u"%.2f#", y);
            w.Text(satz, platform::format(u"KollErtrag%i", n++), text);
        }
    }
}

}  // namespace libgen
