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
