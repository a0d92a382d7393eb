#include "Kosten.h"

#include <array>
#include <stdexcept>

#include "model/project/Projekt2.h"

namespace libgen {

namespace {

double Preis(const Quellen& q, const CsvRow& paar) {
    if (paar.Has("fuel")) {
        for (const CsvRow& r : q.Tabelle("fuel_prices").Rows())
            if (r["fuel"] == paar["fuel"] && r["period"] == paar["period"])
                return r.Number("price_ct_kWh");
        throw std::runtime_error("no fuel price " + paar["fuel"] + " " + paar["period"]);
    }
    for (const CsvRow& r : q.Tabelle("tariffs").Rows())
        if (r["row"] == paar["tariff_row"]) return r.Number(paar["tariff_column"]);
    throw std::runtime_error("no tariff row " + paar["tariff_row"]);
}

}  // namespace

CVRMString BetriebskostenListe(const Quellen& q) {
    CProjekt2::BKostenDaten daten{};
    std::array<bool, std::tuple_size_v<CProjekt2::BKostenDaten>> gelesen{};
    const CsvTable& tabelle = q.Tabelle("running_costs");
    if (tabelle.Size() != daten.size())
        throw std::runtime_error("running_costs.csv needs one row per compared system");
    for (const CsvRow& r : tabelle.Rows()) {
        const auto paar = static_cast<size_t>(r.Number("pair"));
        if (paar >= daten.size() || gelesen[paar])
            throw std::runtime_error("running_costs.csv: pair " + r["pair"] + " twice or unknown");
        gelesen[paar] = true;
        daten[paar].wert = static_cast<float>(Preis(q, r));
        daten[paar].zahl = static_cast<uint32_t>(r.Number("efficiency_pct"));
    }
    return CProjekt2::FormatBKostenListe(daten);
}

void SchreibeBetriebskosten(LibraryWriter& w, const Quellen& q) {
    w.Text(CVRMString(u"Optionen"), CVRMString(u"BKostenDaten"), BetriebskostenListe(q));
}

}  // namespace libgen
