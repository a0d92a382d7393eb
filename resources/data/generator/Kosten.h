#pragma once
// The example running-cost prices and efficiencies of the comparison of heating systems:
// the option the library holds, and the list every sample project keeps as its own.
#include "LibraryWriter.h"
#include "Towns.h"

namespace libgen {

// The six price/efficiency pairs of running_costs.csv, each price looked up in the row
// of fuel_prices.csv or tariffs.csv the pair names, written as the project list is.
CVRMString BetriebskostenListe(const Quellen& q);

// The library's option "BKostenDaten".
void SchreibeBetriebskosten(LibraryWriter& w, const Quellen& q);

}  // namespace libgen
