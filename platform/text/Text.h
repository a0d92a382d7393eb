#pragma once
// Conversions between our UTF-16 text and the byte forms that files, terminals and
// resources use. Nothing here depends on the process locale.
#include <string>
#include <string_view>

namespace platform {

// UTF-8 bytes to UTF-16; malformed sequences become U+FFFD.
std::u16string fromUtf8(std::string_view bytes);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// 8-bit text: each byte is the character of the same code.
std::u16string fromLatin1(std::string_view bytes);
// Characters above 0xFF become '?'.
std::string toLatin1(std::u16string_view text);

// UTF-16 little-endian bytes; an odd last byte is dropped.
std::u16string fromUtf16LE(std::string_view bytes);
std::string toUtf16LE(std::u16string_view text);

// a-z to A-Z and nothing else, whatever the process locale: number texts and hex digits
// must not change with the user's language.
constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline void toAsciiUpper(std::string& text) {
    for (char& c : text) c = asciiUpper(c);
}

// Convenience for literals and file names in messages.
inline std::u16string u16(std::string_view utf8) {
    return fromUtf8(utf8);
}

}  // namespace platform
