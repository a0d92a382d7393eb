#include "LanguageTable.h"

#include <charconv>
#include <cstdint>
#include <map>
#include <optional>

namespace resgen {
namespace {

// Strict UTF-8 to code points: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string out;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80   ? 0
                          : lead < 0xC2 ? -1
                          : lead < 0xE0 ? 1
                          : lead < 0xF0 ? 2
                          : lead < 0xF5 ? 3
                                        : -1;
        if (extra < 0 || bytes.size() - i - 1 < static_cast<size_t>(extra)) return std::nullopt;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

void appendUnit(std::string& out, char16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

void appendUtf16LE(std::string& out, std::u32string_view text) {
    for (char32_t cp : text) {
        if (cp < 0x10000) {
            appendUnit(out, static_cast<char16_t>(cp));
        } else {
            cp -= 0x10000;
            appendUnit(out, static_cast<char16_t>(0xD800 + (cp >> 10)));
            appendUnit(out, static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
    }
}

void appendAscii(std::string& out, std::string_view text) {
    for (char c : text) appendUnit(out, static_cast<char16_t>(c));
}

std::optional<uint16_t> parseId(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

bool hasControl(std::u32string_view text) {
    for (char32_t cp : text)
        if (cp < 0x20 || cp == 0x7F) return true;
    return false;
}

}  // namespace

std::string languageTableResource(std::string_view utf8, std::vector<SourceError>& errors) {
    errors.clear();
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    std::string out;
    appendUnit(out, u'\uFEFF');
    std::map<uint16_t, size_t> firstLine;
    size_t lineNo = 0;
    for (size_t pos = 0; pos < utf8.size();) {
        size_t end = utf8.find('\n', pos);
        if (end == std::string_view::npos) end = utf8.size();
        std::string_view line = utf8.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const size_t marker = line.find("##");
        const auto id =
            marker == std::string_view::npos ? std::nullopt : parseId(line.substr(0, marker));
        if (!id) {
            errors.push_back({lineNo, "expected a decimal id up to 65535, \"##\" and the text"});
            continue;
        }
        const auto text = decodeUtf8(line.substr(marker + 2));
        if (!text) {
            errors.push_back({lineNo, "the text is not valid UTF-8"});
            continue;
        }
        if (hasControl(*text)) {
            errors.push_back({lineNo, "the text holds a control character (write \\n or \\t)"});
            continue;
        }
        const auto [seen, fresh] = firstLine.emplace(*id, lineNo);
        if (!fresh) {
            errors.push_back({lineNo, "id " + std::to_string(*id) + " is already on line " +
                                          std::to_string(seen->second)});
            continue;
        }
        appendAscii(out, std::to_string(*id) + "##");
        appendUtf16LE(out, *text);
        appendAscii(out, "\r\n");
    }
    if (!errors.empty()) out.clear();
    return out;
}

}  // namespace resgen
