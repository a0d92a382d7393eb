#include "platform/numbers/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

bool isSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

size_t skipSpace(std::u16string_view t) {
    size_t i = 0;
    while (i < t.size() && isSpace(t[i])) ++i;
    return i;
}

// Digits of a decimal integer after optional white space and sign; the sign is returned
// separately. Stops at the first character that does not fit.
std::u16string_view integerPrefix(std::u16string_view t, bool& negative) {
    size_t i = skipSpace(t);
    negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
    const size_t start = i;
    while (i < t.size() && isDigit(t[i])) ++i;
    return t.substr(start, i - start);
}

// Magnitude of a digit run, saturating at the largest uint64.
uint64_t magnitudeOf(std::u16string_view digits) {
    uint64_t v = 0;
    for (char16_t c : digits) {
        const uint64_t d = static_cast<uint64_t>(c - u'0');
        if (v > (std::numeric_limits<uint64_t>::max() - d) / 10)
            return std::numeric_limits<uint64_t>::max();
        v = v * 10 + d;
    }
    return v;
}

// The power of ten of the leading digit of "[sign]digits[.digits][e[sign]digits]" with a
// non-zero digit; only its sign is used, so the exponent is capped.
int64_t decimalOrder(std::string_view number) {
    const size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    int64_t exponent = 0;
    if (e != std::string_view::npos) {
        size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        for (; i < number.size(); ++i)
            exponent = std::min<int64_t>(exponent * 10 + (number[i] - '0'), 1'000'000'000);
        if (negative) exponent = -exponent;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    const int64_t order = first < point ? static_cast<int64_t>(point - first) - 1
                                        : -static_cast<int64_t>(first - point);
    return order + exponent;
}

// The longest number prefix of `t`; `found` tells whether there was one, `overflow`
// whether it lay beyond the double range (the value is then the largest of its sign),
// `end` where the prefix ends.
double parsePrefix(std::u16string_view t, bool& found, bool& overflow, size_t& end) {
    found = false;
    overflow = false;
    size_t i = skipSpace(t);
    end = i;
    std::string ascii;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) ascii.push_back(static_cast<char>(t[i++]));
    size_t mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i]))
        ascii.push_back(static_cast<char>(t[i++])), ++mantissaDigits;
    if (i < t.size() && t[i] == u'.') {
        ascii.push_back('.');
        ++i;
        while (i < t.size() && isDigit(t[i]))
            ascii.push_back(static_cast<char>(t[i++])), ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0.0;
    found = true;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            exponent.push_back(static_cast<char>(t[j++]));
        const size_t digitsStart = j;
        while (j < t.size() && isDigit(t[j])) exponent.push_back(static_cast<char>(t[j++]));
        if (j > digitsStart) {
            ascii += exponent;
            i = j;
        }
    }
    end = i;
    const char* begin = ascii.data();
    if (*begin == '+') ++begin;
    double value = 0.0;
    const auto res = std::from_chars(begin, ascii.data() + ascii.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow gives the largest value of its sign, underflow 0, as strtod does.
        const bool negative = ascii[0] == '-';
        const bool huge = decimalOrder(ascii) > 0;
        overflow = huge;
        value = huge ? std::numeric_limits<double>::max() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

// A whole number of digits with an optional sign, or none when the text has more or less.
std::optional<int64_t> wholeInteger(std::u16string_view t) {
    bool negative = false;
    const std::u16string_view digits = integerPrefix(t, negative);
    if (digits.empty()) return std::nullopt;
    const size_t end = static_cast<size_t>(digits.data() + digits.size() - t.data());
    if (end + skipSpace(t.substr(end)) != t.size()) return std::nullopt;
    // Beyond any 32-bit number: the saturated value stays out of every range below.
    const auto m = static_cast<int64_t>(std::min<uint64_t>(magnitudeOf(digits), uint64_t{1} << 40));
    return negative ? -m : m;
}

// "35.000000" as "35": the point and the zeros after the digits, where nothing else follows.
std::u16string_view withoutZeroFraction(std::u16string_view t) {
    size_t ende = t.size();
    while (ende > 0 && isSpace(t[ende - 1])) --ende;
    const size_t punkt = t.substr(0, ende).find(u'.');
    if (punkt == std::u16string_view::npos || punkt == 0 || !isDigit(t[punkt - 1])) return t;
    for (size_t i = punkt + 1; i < ende; ++i)
        if (t[i] != u'0') return t;
    return t.substr(0, punkt);
}

std::optional<double> wholeFloating(std::u16string_view text) {
    // Files written under a locale with a decimal comma hold "2,5": one comma and no point
    // is that decimal separator.
    std::u16string punkt(text);
    if (std::ranges::count(punkt, u',') == 1 && punkt.find(u'.') == std::u16string::npos)
        std::ranges::replace(punkt, u',', u'.');
    const std::u16string_view t = punkt;
    bool found = false, overflow = false;
    size_t end = 0;
    const double value = parsePrefix(t, found, overflow, end);
    if (!found || overflow || end + skipSpace(t.substr(end)) != t.size()) return std::nullopt;
    return value;
}

template <class T>
bool inRange(double value) {
    return value >= static_cast<double>(std::numeric_limits<T>::lowest()) &&
           value <= static_cast<double>(std::numeric_limits<T>::max());
}

}  // namespace

double parseDouble(std::u16string_view t) {
    bool found = false, overflow = false;
    size_t end = 0;
    return parsePrefix(t, found, overflow, end);
}

std::optional<double> parseFiniteDouble(std::u16string_view t) {
    bool found = false, overflow = false;
    size_t end = 0;
    const double value = parsePrefix(t, found, overflow, end);
    if (!found || overflow) return std::nullopt;
    return value;
}

std::optional<double> parseStoredNumber(std::u16string_view t, StoredNumber kind) {
    switch (kind) {
        case StoredNumber::Int32:
        case StoredNumber::UInt32: {
            // Earlier versions wrote some whole-number entries in the float format
            // ("35.000000"): a decimal text whose value is whole is that number.
            const std::optional<int64_t> whole = wholeInteger(withoutZeroFraction(t));
            if (!whole) return std::nullopt;
            const auto value = static_cast<double>(*whole);
            const bool fits =
                kind == StoredNumber::Int32 ? inRange<int32_t>(value) : inRange<uint32_t>(value);
            return fits ? std::optional<double>(value) : std::nullopt;
        }
        case StoredNumber::Float: {
            const std::optional<double> value = wholeFloating(t);
            return value && inRange<float>(*value) ? value : std::nullopt;
        }
        case StoredNumber::Double:
            return wholeFloating(t);
    }
    return std::nullopt;
}

int32_t parseInt32(std::u16string_view t) {
    bool negative = false;
    const uint64_t m = magnitudeOf(integerPrefix(t, negative));
    if (negative)
        return m >= uint64_t{1} << 31 ? std::numeric_limits<int32_t>::min()
                                      : -static_cast<int32_t>(m);
    return m > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())
               ? std::numeric_limits<int32_t>::max()
               : static_cast<int32_t>(m);
}

uint32_t parseUInt32(std::u16string_view t) {
    bool negative = false;
    const uint64_t m = magnitudeOf(integerPrefix(t, negative));
    if (m > std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
    const auto v = static_cast<uint32_t>(m);
    return negative ? 0u - v : v;
}

namespace {
template <class T>
T checkedCast(double value) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (value >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(value);
}
}  // namespace

int32_t toInt32(double value) {
    return checkedCast<int32_t>(value);
}
uint32_t toUInt32(double value) {
    return checkedCast<uint32_t>(value);
}
int64_t toInt64(double value) {
    return checkedCast<int64_t>(value);
}

}  // namespace platform
