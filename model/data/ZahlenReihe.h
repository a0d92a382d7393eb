#pragma once
// Series of numbers stored inside a text value, each number followed by a separator ("#"
// for performance records, cost lists and monthly lists).
#include <array>
#include <string_view>
#include <vector>

#include "core/value/VRMString.h"

// The numbers before each separator, at most `maxAnzahl`. A last number without a
// separator is not read; text between separators that is no number gives its leading
// number, or 0 when there is none. Never fails.
std::vector<double> ZerlegeZahlenReihe(std::u16string_view text, std::u16string_view trenner,
                                       size_t maxAnzahl);

// The value, or 0 for a NaN or an infinity: a stored series holds numbers only.
float EndlichOderNull(float wert);

// Twelve monthly values: all 0, then the numbers of the series in order.
void StringToFloats(std::u16string_view text, std::u16string_view trenner,
                    std::array<float, 12>& werte);
// Each value formatted with 0, 1 or 2 decimals, the separator behind it (a non-number as
// 0); other decimals are error 3162.
void FloatsToString(const std::array<float, 12>& werte, std::u16string_view trenner,
                    CVRMString& text, int nachkomma);
