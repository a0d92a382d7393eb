#include "controls/small/core/EditRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwctype>
#include <string>

namespace small {

namespace {
constexpr char16_t kBackspace = 8;

bool istTrenner(char16_t c) { return c == u'.' || c == u','; }
}  // namespace

Tastenwirkung floatEditZeichen(const std::u16string& text, int selStart, int selEnd,
                               char16_t c, unsigned nachkommastellen) {
    if (!istTrenner(c)) return {true, c};
    if (nachkommastellen == 0) return {};
    const auto n = static_cast<int>(text.size());
    const int von = std::clamp(std::min(selStart, selEnd), 0, n);
    const int bis = std::clamp(std::max(selStart, selEnd), 0, n);
    const std::u16string bleibt = text.substr(0, von) + text.substr(bis);
    if (std::any_of(bleibt.begin(), bleibt.end(), istTrenner)) return {};
    return {true, u'.'};
}

std::u16string kuerzeNachkomma(const std::u16string& text, unsigned nachkommastellen) {
    const auto p = text.find(u'.');
    if (p == std::u16string::npos || text.size() - p - 1 <= nachkommastellen) return text;
    return text.substr(0, p + nachkommastellen + 1);
}

bool pruefeZeichen(const std::u16string& text, int caret, char16_t c, int nachkommastellen,
                   bool vorzeichen) {
    const bool kandidat = c < 32 || (c >= u'0' && c <= u'9') || (c == u'-' && vorzeichen);
    if (!kandidat && (nachkommastellen == 0 || !istTrenner(c))) return false;
    if (text.empty()) return true;
    if (istTrenner(c) && (text.find(u'.') != std::u16string::npos || caret == 0)) return false;
    if (c == u'-' && (text.find(u'-') != std::u16string::npos || caret != 0)) return false;
    const auto p = text.find(u'.');
    if (c != kBackspace && p != std::u16string::npos) {
        const int punkt = static_cast<int>(p);
        const int ende = static_cast<int>(text.size());
        const int nachkomma = ende - punkt - 1;
        if (caret - punkt > nachkommastellen) return false;
        if (caret > punkt && caret < ende && nachkomma >= nachkommastellen) return false;
    }
    return true;
}

std::u16string formatWert(double wert, int nachkommastellen) {
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::fixed,
                                              std::max(nachkommastellen, 0));
    if (fehler != std::errc()) return u"0";
    return {puffer, ende};
}

double leseWert(const std::u16string& text) {
    std::string zahl;
    auto it = std::find_if(text.begin(), text.end(),
                           [](char16_t c) { return !std::iswspace(static_cast<wint_t>(c)); });
    if (it != text.end() && *it == u'+') {
        ++it;
        if (it != text.end() && (*it == u'-' || *it == u'+')) return 0.0;  // "+-1" is no number
    }
    for (; it != text.end() && *it < 128; ++it) zahl.push_back(static_cast<char>(*it));
    double wert = 0.0;
    const auto [rest, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)rest;
    // "nan" and "inf" are read by the C rules but are no number a field can hold.
    return fehler == std::errc() && std::isfinite(wert) ? wert : 0.0;
}

}  // namespace small
