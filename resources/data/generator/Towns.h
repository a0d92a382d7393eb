#pragma once
// The towns of the data files and what the library takes from each: monthly temperatures
// (a 30-year normal where there is one, else the preferred typical year), the weather
// bins of that typical year, the sunshine (measured, else derived from the irradiation),
// and the design outdoor temperature from a published source. A town without one is no
// climate location.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Csv.h"
#include "Solar.h"

namespace libgen {

struct Land {
    int nummer = 0;
    std::string name, code;
};

struct Town {
    std::string name, iso;
    std::string landCode;        // the library's country code ("D", "IRL")
    std::string postcodeRegion;  // German towns only
    std::optional<CsvRow> normal, typisch, klassen;
    Monate temps{};
    std::optional<Monate> sonne;
    bool sonneAbgeleitet = false;
    std::optional<double> normAussenTemp;
    std::string normAussenQuelle;
    bool klimaortErlaubt = true;  // false for mountain stations (see de_town_postcodes.csv)

    std::string Basis() const;
    bool IstKlimaort() const { return klimaortErlaubt && normAussenTemp.has_value(); }
};

struct Quellen {
    std::map<std::string, CsvTable> tabellen;  // by file name without ".csv"
    std::map<std::string, Land> laender;       // by ISO code
    std::vector<Town> towns;

    const CsvTable& Tabelle(const std::string& name) const;
    const Town& FindeTown(const std::string& name, const std::string& iso) const;
};

// Reads every data file of the folder (and of its "sources" folder) and selects.
Quellen LadeQuellen(const std::filesystem::path& datenOrdner);

// Rank of a typical year's kind: lower is preferred (TRY 2015, TRY 2010, TMYx, IWEC,
// IGDG, SWEC).
int TypischRang(const std::string& dataKind);

}  // namespace libgen
