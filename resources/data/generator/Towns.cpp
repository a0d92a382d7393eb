#include "Towns.h"

#include <algorithm>
#include <stdexcept>

#include "Names.h"

namespace libgen {

namespace {

std::string monat(const char* prefix, int m) {
    const std::string nummer = (m < 9 ? "0" : "") + std::to_string(m + 1);
    return prefix + nummer;
}

Monate lies12(const CsvRow& row, const char* prefix) {
    Monate werte{};
    for (int m = 0; m < 12; ++m) werte[m] = row.Number(monat(prefix, m));
    return werte;
}

std::optional<CsvRow> findeZeile(const CsvTable& t, const std::string& town,
                                 const std::string& iso) {
    for (const CsvRow& r : t.Rows())
        if (r["town"] == town && r["country"] == iso) return r;
    return std::nullopt;
}

std::optional<CsvRow> bevorzugtesJahr(const CsvTable& t, const std::string& town,
                                      const std::string& iso) {
    std::optional<CsvRow> best;
    for (const CsvRow& r : t.Rows()) {
        if (r["town"] != town || r["country"] != iso) continue;
        // The first of equal rank stays: file order decides between two grid cells.
        if (!best || TypischRang(r["data_kind"]) < TypischRang((*best)["data_kind"])) best = r;
    }
    return best;
}

std::optional<CsvRow> klassenZu(const CsvTable& bins, const CsvRow& jahr) {
    for (const CsvRow& r : bins.Rows())
        if (r["town"] == jahr["town"] && r["source"] == jahr["source"]) return r;
    return std::nullopt;
}

void setzeNormAussenTemp(Town& t, const Quellen& q) {
    if (t.iso == "DE") {
        for (const CsvRow& r : q.Tabelle("design_temperatures_de_postcode").Rows()) {
            if (r["postcode_prefix"] != t.postcodeRegion) continue;
            t.normAussenTemp = r.Number("design_temp_C");
            t.normAussenQuelle = "design outdoor temperature of postcode region " +
                                 t.postcodeRegion + " (" + r["reference_town"] +
                                 "): " + r["basis"] + "; " + r["source"];
        }
        return;
    }
    for (const CsvRow& r : q.Tabelle("design_temperatures").Rows()) {
        if (r["town"] == t.name && r["country"] == t.iso &&
            r["standard"].find("SIA") != std::string::npos) {
            t.normAussenTemp = r.Number("design_temp_C");
            t.normAussenQuelle = "SIA 2028 design temperature; " + r["source"];
            return;
        }
    }
    if (auto r = findeZeile(q.Tabelle("ashrae_design_temperatures"), t.name, t.iso)) {
        t.normAussenTemp = r->Number("heating_db_99_6_C");
        t.normAussenQuelle = "ASHRAE heating design dry-bulb 99.6 % (hourly), " + (*r)["handbook"] +
                             "; " + (*r)["source"];
        return;
    }
    if (auto r = findeZeile(q.Tabelle("design_temperatures_extra"), t.name, t.iso)) {
        t.normAussenTemp = r->Number("design_temp_C");
        t.normAussenQuelle = (*r)["source"] + " (" + (*r)["reliability"] + ")";
    }
}

Town baueTown(const Quellen& q, const std::string& name, const std::string& iso) {
    Town t;
    t.name = name;
    t.iso = iso;
    const auto land = q.laender.find(iso);
    if (land == q.laender.end()) throw std::runtime_error("no country for " + iso);
    t.landCode = land->second.code;
    if (iso == "DE") {
        bool gefunden = false;
        for (const CsvRow& r : q.Tabelle("de_town_postcodes").Rows()) {
            if (r["town"] != name) continue;
            t.postcodeRegion = r["postcode_region"];
            t.klimaortErlaubt = r.Number("climate_location") != 0;
            gefunden = true;
        }
        if (!gefunden) throw std::runtime_error("no postcode region for " + name);
    }
    t.normal = findeZeile(q.Tabelle("climate_normals"), name, iso);
    t.typisch = bevorzugtesJahr(q.Tabelle("typical_years"), name, iso);
    if (t.typisch) t.klassen = klassenZu(q.Tabelle("weather_bins"), *t.typisch);
    t.temps = lies12(t.normal ? *t.normal : *t.typisch, "t_");
    if (t.normal && t.normal->Has("sun_01")) {
        t.sonne = lies12(*t.normal, "sun_");
    } else if (t.typisch && t.typisch->Has("ghi_01")) {
        t.sonne =
            SonnenstundenAusStrahlung(lies12(*t.typisch, "ghi_"), t.typisch->Number("latitude"));
        t.sonneAbgeleitet = true;
    }
    setzeNormAussenTemp(t, q);
    return t;
}

}  // namespace

std::string Town::Basis() const {
    return OrtBasis(name, landCode, postcodeRegion);
}

int TypischRang(const std::string& kind) {
    static const char* const folge[] = {"DWD TRY 2015", "DWD TRY 2010", "TMYx",
                                        "IWEC",         "IGDG",         "SWEC"};
    for (int i = 0; i < 6; ++i)
        if (kind.rfind(folge[i], 0) == 0) return i;
    return 6;
}

const CsvTable& Quellen::Tabelle(const std::string& name) const {
    const auto it = tabellen.find(name);
    if (it == tabellen.end()) throw std::runtime_error("missing data file " + name + ".csv");
    return it->second;
}

const Town& Quellen::FindeTown(const std::string& name, const std::string& iso) const {
    for (const Town& t : towns)
        if (t.name == name && t.iso == iso) return t;
    throw std::runtime_error("no town " + name + " (" + iso + ")");
}

Quellen LadeQuellen(const std::filesystem::path& ordner) {
    Quellen q;
    for (const auto& dir : {ordner, ordner / "sources"}) {
        for (const auto& e : std::filesystem::directory_iterator(dir)) {
            if (e.path().extension() != ".csv") continue;
            q.tabellen.emplace(e.path().stem().string(), CsvTable::Read(e.path()));
        }
    }
    for (const CsvRow& r : q.Tabelle("countries").Rows())
        q.laender[r["iso"]] = Land{static_cast<int>(r.Number("number")), r["name"], r["code"]};
    std::vector<std::pair<std::string, std::string>> namen;
    for (const char* datei : {"climate_normals", "typical_years"}) {
        for (const CsvRow& r : q.Tabelle(datei).Rows()) {
            const std::pair<std::string, std::string> key{r["town"], r["country"]};
            if (std::find(namen.begin(), namen.end(), key) == namen.end()) namen.push_back(key);
        }
    }
    for (const auto& [name, iso] : namen) q.towns.push_back(baueTown(q, name, iso));
    return q;
}

}  // namespace libgen
