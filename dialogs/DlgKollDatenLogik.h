#pragma once
// The collector dialog's reading of its yield table: rows up to the first one without a
// mean temperature become the records the solar library takes ("Tm#" and the twelve
// monthly yields, each followed by "#"). Cells are stored without blanks and with a decimal
// point for a decimal comma. A row with a temperature and an empty month, or with a cell
// that is no number (a whole number of degrees for the temperature), is refused whole,
// naming the cell.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kolldaten {

// A grid row: column 0 the mean temperature, columns 1..12 January to December.
using Zeile = std::array<std::u16string, 13>;

// The first cell that is empty or no number.
struct SLeereZelle {
    int zeile = 0;   // grid row (the first data row is 1)
    int spalte = 0;  // grid column
};

struct SErtraege {
    std::vector<std::u16string> records;
    std::optional<SLeereZelle> leer;
};

// `zeilen` are the grid's data rows in order, the first being grid row 1.
SErtraege LeseErtraege(const std::vector<Zeile>& zeilen);

}  // namespace kolldaten
