#pragma once
// What the solar page decides without its window: the four fixed orders the optimisation
// tries, which of them wins a month, and which cells a destination command may change.
#include <array>
#include <cstddef>
#include <vector>

namespace solarseite {

using Reihenfolgen = std::array<std::vector<unsigned>, 3>;  // rank 1..3, 12 months each

// The orders tried, in this order: heating first, hot water first, the ground first with
// heating second, the ground first with hot water second. `w` is 1 when hot water may take
// solar heat, else 0; `g` is 3 when the heat source may, else 0.
enum Szenario { kHeiz = 0, kWawa = 1, kErde = 2, kErde2 = 3 };
std::array<std::array<unsigned, 3>, 4> Szenarien(unsigned w, unsigned g);

// The scenario with the smallest value; ties go to hot water first, then heating, then the
// ground, then the ground with hot water second.
Szenario Gewinner(const std::array<float, 4>& werte);

// A cell range of the order grid: rows are months, columns 1..3 the ranks.
struct SBereich {
    int minRow = -1, minCol = -1, maxRow = -1, maxCol = -1;
};
// Sets the destination in every month and rank of the range; false (nothing changed) when
// the range leaves the months or touches a column other than the ranks.
bool SetzeZiel(Reihenfolgen& orders, const SBereich& bereich, unsigned ziel);

}  // namespace solarseite
