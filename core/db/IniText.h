#pragma once
// The text forms of database files: reading every encoding a database turns up in,
// writing UTF-16 little-endian.
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vrmdb {

enum class TextEncoding { EightBit, Utf16LE, Utf16BE, Utf8 };

struct DecodedText {
    TextEncoding encoding = TextEncoding::EightBit;
    // Bytes that stand for no character: an odd last byte or a lone surrogate of UTF-16,
    // a malformed UTF-8 sequence, a NUL anywhere. What they stood for is lost.
    bool undecodable = false;
    // The first two bytes looked like a byte-order mark but were not a whole one.
    bool damagedMark = false;

    // The text: UTF-16 little-endian is read where it lies in the file's own buffer,
    // every other form is decoded into `decoded`.
    std::u16string_view textIn(const std::u16string& units) const {
        return inPlace ? std::u16string_view(units).substr(offset, length)
                       : std::u16string_view(decoded);
    }
    bool inPlace = false;
    size_t offset = 0, length = 0;  // in code units of the file's buffer
    std::u16string decoded;
};

// The encoding follows the first bytes: FF FE is UTF-16 little-endian, FE FF UTF-16 whose
// byte order the text itself shows (little-endian when it does not), EF BB BF UTF-8.
// Without a mark a text whose every second byte is mostly zero is UTF-16 of that order;
// anything else is 8-bit text, each byte the character of its code. A first byte FF or FE
// with the wrong second byte is a damaged mark: both bytes are skipped, as for a whole one.
// `units` holds the file's `byteCount` bytes as ReadWholeFile read them.
DecodedText DecodeDatabaseText(const std::u16string& units, size_t byteCount);

// The bytes of a file image, built without zero-filling: the size is known up front. The
// buffer is kept for the next image, whose memory is then already in use.
class FileImage {
  public:
    void reset(size_t size) {
        if (size > capacity_) {
            bytes_.reset();
            bytes_.reset(new char[size]);
            capacity_ = size;
        }
        size_ = size;
    }
    char* data() { return bytes_.get(); }
    std::string_view view() const { return {bytes_.get(), size_}; }
    size_t size() const { return size_; }

  private:
    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0, capacity_ = 0;
};

// Copies UTF-16 text into a FileImage as little-endian bytes.
class Utf16Writer {
  public:
    explicit Utf16Writer(FileImage& image) : out_(image.data()), end_(image.data() + image.size()) {}
    void append(std::u16string_view text) {
        const size_t n = 2 * text.size();
        if (n == 0) return;  // an empty view may have no data pointer to copy from
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out_, text.data(), n);
            out_ += n;
        } else {
            for (const char16_t c : text) append(c);
        }
    }
    void append(char16_t c) {
        *out_++ = static_cast<char>(c & 0xFF);
        *out_++ = static_cast<char>(c >> 8);
    }
    // True when exactly the announced size was written.
    bool full() const { return out_ == end_; }

  private:
    char* out_;
    char* end_;
};

}  // namespace vrmdb
