#pragma once
// The performance table of the heat-pump data page without a window: what the cells of a
// record show, which typed rows a save takes and in which order, and which row is the
// rating row of a kind. One row is one record of a source temperature; the columns give
// the record's fields at 35 °C flow and at the row's second flow temperature.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/heatpump/WPLeistDaten.h"

namespace wptabelle {

constexpr int kSpalten = 11, kZeilen = 10, kKopfZeilen = 2;
constexpr int kDatenZeilen = kZeilen - kKopfZeilen;  // the records one heat pump keeps
constexpr int kSpalteQuelle = 0, kSpalteCOP35 = 4, kSpalteCOP2 = 9;
// A source temperature a record may have, °C.
constexpr int kMinQuellTemp = -20, kMaxQuellTemp = 60;
// Values at or below this show as "n/a" (fields) or stay empty (coefficients).
constexpr float kAnzeigeGrenze = 0.1f;

// The columns of record fields 2 to 9 in field order: heat output 35 / x, electric input
// 35 / x, heat extraction 35 / x, second flow temperature, maximum flow temperature.
constexpr std::array<int, 8> kFeldSpalten = {1, 6, 2, 7, 3, 8, 5, 10};

// The texts of one data row, columns 0 to 10.
using Zeile = std::array<std::u16string, kSpalten>;

// The source temperature of a row's first cell, or none when the row does not count: an
// empty text, or one whose leading whole number reads 0 although it does not begin with
// "0" (letters only, "-0", " 0"). The leading whole number saturates at the ends of 32 bits.
std::optional<int> QuellTemperatur(std::u16string_view text);

// A power or temperature cell as the record takes it: its leading decimal number, 0 when
// there is none; saturated to the float range.
float ZellenWert(std::u16string_view text);

// The records of the typed rows, sorted by source temperature (of equal ones the upper
// row first); rows that do not count are dropped. When a counting row's temperature lies
// outside kMinQuellTemp..kMaxQuellTemp, none: the caller keeps what it held.
std::optional<std::vector<CWPLeistDaten>> LeseZeilen(const std::vector<Zeile>& zeilen);

// The texts of a record's row: the source temperature with `formatGanz`, the fields with
// `formatZahl` above kAnzeigeGrenze and `nichtVorhanden` otherwise, the coefficients of
// performance with `formatZahl` above kAnzeigeGrenze and empty otherwise.
Zeile ZeileVon(const CWPLeistDaten& satz, std::u16string_view formatGanz,
               std::u16string_view formatZahl, std::u16string_view nichtVorhanden);

// The source temperature of the rating point of a heat-pump kind (373): brine/water 0,
// air/water 2, water/water 10, direct evaporation 0, the stored kind 4 20 °C; none for
// no kind.
std::optional<int> NennQuellTemperatur(int kind);

// The rating row among the first cells of the data rows: the last one whose non-empty text
// reads, as its leading whole number, the rating temperature; -1 for none.
int NennZeile(const std::vector<std::u16string>& ersteZellen, int nennTemperatur);

}  // namespace wptabelle
