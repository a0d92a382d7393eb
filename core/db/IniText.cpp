#include "core/db/IniText.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/text/Text.h"

namespace vrmdb {

std::u16string DecodeDatabaseText(std::string_view bytes) {
    const bool utf16 = !bytes.empty() && (static_cast<unsigned char>(bytes[0]) == 0xFF ||
                                          static_cast<unsigned char>(bytes[0]) == 0xFE);
    if (!utf16) return platform::fromLatin1(bytes);
    return platform::fromUtf16LE(bytes.substr(std::min<size_t>(2, bytes.size())));
}

Utf16Writer::Utf16Writer(std::u16string_view prefix, size_t expectedBytes)
    : bytes_(expectedBytes + 4096, '\0') {  // spare bytes, not a text id
    append(prefix);
}

std::string Utf16Writer::take() {
    bytes_.resize(used_);
    return std::move(bytes_);
}

void Utf16Writer::append(std::u16string_view text) {
    const size_t n = 2 * text.size();
    if (n == 0) return;  // an empty view may have no data pointer to copy from
    if (used_ + n > bytes_.size()) bytes_.resize(std::max(2 * bytes_.size(), used_ + n));
    char* out = bytes_.data() + used_;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, text.data(), n);
    } else {
        for (const char16_t c : text) {
            *out++ = static_cast<char>(c & 0xFF);
            *out++ = static_cast<char>(c >> 8);
        }
    }
    used_ += n;
}

}  // namespace vrmdb
