#include "core/db/IniText.h"

#include <algorithm>

#include "platform/text/Text.h"

namespace vrmdb {
namespace {

enum class ByteOrder { Little, Big, Unknown };

// The text of a database is mostly Latin letters, digits and signs, so in UTF-16 one byte
// of nearly every code unit is zero: the half that holds the zeros tells the byte order.
ByteOrder guessByteOrder(std::string_view bytes) {
    constexpr size_t kProbeBytes = 8192;  // enough to tell; not a text id
    const size_t units = std::min<size_t>(bytes.size(), kProbeBytes) / 2;
    size_t zeroLow = 0, zeroHigh = 0;  // zero in the first / second byte of a unit
    for (size_t i = 0; i < units; ++i) {
        zeroLow += bytes[2 * i] == 0;
        zeroHigh += bytes[2 * i + 1] == 0;
    }
    if (units == 0) return ByteOrder::Unknown;
    if (4 * zeroHigh >= units && zeroLow * 8 <= zeroHigh) return ByteOrder::Little;
    if (4 * zeroLow >= units && zeroHigh * 8 <= zeroLow) return ByteOrder::Big;
    return ByteOrder::Unknown;
}

// A NUL or a surrogate without its partner.
bool holdsNoText(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == 0 || (c >= 0xDC00 && c <= 0xDFFF)) return true;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return true;
            ++i;
        }
    }
    return false;
}

// The UTF-16 text from byte `start` on; little-endian text stays in the file's buffer.
DecodedText fromUtf16(const std::u16string& units, std::string_view bytes, size_t start,
                      ByteOrder order) {
    DecodedText out;
    out.encoding = order == ByteOrder::Big ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
    const std::string_view body = bytes.substr(std::min(start, bytes.size()));
    out.undecodable = body.size() % 2 != 0;
    if (order != ByteOrder::Big && std::endian::native == std::endian::little && start % 2 == 0) {
        out.inPlace = true;
        out.offset = start / 2;
        out.length = body.size() / 2;
    } else {
        out.decoded = platform::fromUtf16LE(body);
        if (order == ByteOrder::Big)
            for (char16_t& c : out.decoded) c = static_cast<char16_t>((c << 8) | (c >> 8));
    }
    out.undecodable = out.undecodable || holdsNoText(out.textIn(units));
    return out;
}

DecodedText fromUtf8(std::string_view bytes) {
    DecodedText out;
    out.encoding = TextEncoding::Utf8;
    out.decoded = platform::fromUtf8(bytes);
    // A malformed sequence decodes to U+FFFD; more of them than the file spells out means
    // some bytes were not text.
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    size_t spelled = 0;
    for (size_t at = bytes.find(kReplacement); at != std::string_view::npos;
         at = bytes.find(kReplacement, at + 3))
        ++spelled;
    const auto replaced =
        static_cast<size_t>(std::count(out.decoded.begin(), out.decoded.end(), u'\uFFFD'));
    out.undecodable = replaced != spelled || bytes.find('\0') != std::string_view::npos;
    return out;
}

}  // namespace

DecodedText DecodeDatabaseText(const std::u16string& units, size_t byteCount) {
    const std::string_view bytes(reinterpret_cast<const char*>(units.data()), byteCount);
    const auto byte = [&](size_t i) {
        return i < bytes.size() ? static_cast<int>(static_cast<unsigned char>(bytes[i])) : -1;
    };
    if (byte(0) == 0xFF || byte(0) == 0xFE) {
        const bool whole =
            (byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF);
        // Only FE FF with a text that shows it is big-endian is read big-endian.
        const ByteOrder order =
            byte(0) == 0xFE && guessByteOrder(bytes.substr(std::min<size_t>(2, bytes.size()))) ==
                                   ByteOrder::Big
                ? ByteOrder::Big
                : ByteOrder::Little;
        DecodedText out = fromUtf16(units, bytes, 2, order);
        out.damagedMark = !whole;
        return out;
    }
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return fromUtf8(bytes.substr(3));
    if (const ByteOrder order = guessByteOrder(bytes); order != ByteOrder::Unknown)
        return fromUtf16(units, bytes, 0, order);
    DecodedText out;
    out.decoded = platform::fromLatin1(bytes);
    out.undecodable = bytes.find('\0') != std::string_view::npos;
    return out;
}

}  // namespace vrmdb
