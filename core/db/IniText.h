#pragma once
// The two text forms of database files: reading either encoding, writing UTF-16.
#include <string>
#include <string_view>

namespace vrmdb {

// UTF-16 little-endian without its first two bytes when the first byte is 0xFF or 0xFE
// (an odd last byte is dropped); otherwise 8-bit text, each byte the character of its code.
std::u16string DecodeDatabaseText(std::string_view bytes);

// Builds file bytes: UTF-16 little-endian lines, each ended by LF alone, in one buffer
// sized up front (a database has hundreds of thousands of short entries).
class Utf16Writer {
  public:
    Utf16Writer(std::u16string_view prefix, size_t expectedBytes);
    void line(std::u16string_view text) {
        append(text);
        append(u"\n");
    }
    void line(std::u16string_view key, std::u16string_view value) {
        append(key);
        append(u"=");
        line(value);
    }
    std::string take();

  private:
    void append(std::u16string_view text);
    std::string bytes_;
    size_t used_ = 0;
};

}  // namespace vrmdb
