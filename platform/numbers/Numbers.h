#pragma once
// Number parsing by the rules of the C library in the C locale, whatever the process
// locale: leading white space is skipped, the longest valid prefix is taken, and a text
// without one gives 0. Infinity and NaN are not numbers here, so they never enter a
// value from a file.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// As strtod: "12.5kWh" gives 12.5, "abc" gives 0, "1e999" gives the largest double.
double parseDouble(std::u16string_view text);
// The same prefix, but only when it is a finite number: none for a text without one
// ("abc", "nan", "inf") and for one beyond the double range ("1e999"), which parseDouble
// would silently turn into 0 or the largest double.
std::optional<double> parseFiniteDouble(std::u16string_view text);
// The kinds of number a database stores.
enum class StoredNumber { Int32, UInt32, Float, Double };
// The number a stored text holds, only when the whole text, blanks around it aside, is one
// finite number of its kind: a whole number of its 32-bit range for Int32 and UInt32
// ("12", "-5"), a decimal number within the float or double range otherwise, its decimal
// separator a point or a single comma ("2,5"). None for "abc", "12abc", "1.5" as a whole
// number, "nan", "1e999", or "1e39" as a float: a prefix, a clamp or a 0 would calculate
// with what nobody entered.
std::optional<double> parseStoredNumber(std::u16string_view text, StoredNumber kind);
// As strtol in base 10 with a 32-bit long: clamps to the int32 range.
int32_t parseInt32(std::u16string_view text);
// As strtoul in base 10 with a 32-bit unsigned long: "-1" gives 4294967295; clamps.
uint32_t parseUInt32(std::u16string_view text);

// Converts a computed double to an integer, truncating towards zero; NaN gives 0 and
// values outside the range give its nearest end. No other cast of a computed value.
int32_t toInt32(double value);
uint32_t toUInt32(double value);
int64_t toInt64(double value);

}  // namespace platform
