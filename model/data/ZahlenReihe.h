#pragma once
// Series of numbers stored inside a text value, each number followed by a separator ("#"
// for performance records, cost lists and monthly lists).
#include <array>
#include <string_view>
#include <vector>

#include "core/db/GespeicherteZahl.h"
#include "core/value/VRMString.h"

// The numbers before each separator, at most `maxAnzahl`. A last number without a
// separator is not read; a blank element reads 0. An element that is not wholly a finite
// float is reported as the damaged record and key of `ort` and thrown.
std::vector<double> ZerlegeZahlenReihe(std::u16string_view text, std::u16string_view trenner,
                                       size_t maxAnzahl, const vrmcore::SZahlOrt& ort);

// The value, or 0 for a NaN or an infinity: a stored series holds numbers only.
float EndlichOderNull(float wert);

// Twelve monthly values: all 0, then the numbers of the series in order; a damaged series
// is reported as ZerlegeZahlenReihe does and leaves `werte` as they were.
void StringToFloats(std::u16string_view text, std::u16string_view trenner,
                    std::array<float, 12>& werte, const vrmcore::SZahlOrt& ort);
// Each value formatted with 0, 1 or 2 decimals, the separator behind it (a non-number as
// 0); other decimals are error 3162.
void FloatsToString(const std::array<float, 12>& werte, std::u16string_view trenner,
                    CVRMString& text, int nachkomma);
