#pragma once
// The text forms of database files: reading every encoding a database turns up in,
// writing UTF-16 little-endian.
#include <algorithm>
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

// The bytes of a file image, built in one pass without zero-filling. The buffer is kept
// for the next image, whose memory is then already in use.
class FileImage {
  public:
    std::string_view view() const { return {bytes_.get(), size_}; }

  private:
    friend class Utf16Writer;
    // Room for at least `capacity` bytes, keeping the first `keep`. A buffer that must grow
    // grows by half at least, so that an image a few bytes longer than the last one does
    // not take new memory each time.
    void reserve(size_t capacity, size_t keep) {
        if (capacity <= capacity_) return;
        capacity = std::max(capacity, capacity_ + capacity_ / 2);
        std::unique_ptr<char[]> bigger(new char[capacity]);
        if (keep > 0) std::memcpy(bigger.get(), bytes_.get(), keep);
        bytes_ = std::move(bigger);
        capacity_ = capacity;
    }
    std::unique_ptr<char[]> bytes_;
    size_t size_ = 0, capacity_ = 0;
};

// Copies UTF-16 text into a FileImage as little-endian bytes, each piece once.
class Utf16Writer {
  public:
    // `expected`: the size the image will probably have.
    Utf16Writer(FileImage& image, size_t expected) : image_(image) {
        image_.reserve(expected, 0);
        out_ = image_.bytes_.get();
        end_ = out_ + image_.capacity_;
    }
    ~Utf16Writer() { image_.size_ = static_cast<size_t>(out_ - image_.bytes_.get()); }
    Utf16Writer(const Utf16Writer&) = delete;
    Utf16Writer& operator=(const Utf16Writer&) = delete;

    void append(std::u16string_view text) {
        const size_t n = 2 * text.size();
        if (n == 0) return;  // an empty view may have no data pointer to copy from
        if (static_cast<size_t>(end_ - out_) < n) grow(n);
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out_, text.data(), n);
            out_ += n;
        } else {
            for (const char16_t c : text) put(c);
        }
    }
    void append(char16_t c) {
        if (end_ - out_ < 2) grow(2);
        put(c);
    }
    // Bytes already encoded, such as a piece of an earlier image.
    void appendBytes(std::string_view bytes) {
        if (bytes.empty()) return;
        if (static_cast<size_t>(end_ - out_) < bytes.size()) grow(bytes.size());
        std::memcpy(out_, bytes.data(), bytes.size());
        out_ += bytes.size();
    }
    // The bytes written so far.
    size_t size() const { return static_cast<size_t>(out_ - image_.bytes_.get()); }

  private:
    void put(char16_t c) {
        *out_++ = static_cast<char>(c & 0xFF);
        *out_++ = static_cast<char>(c >> 8);
    }
    void grow(size_t more) {
        const size_t used = static_cast<size_t>(out_ - image_.bytes_.get());
        image_.reserve(std::max(2 * image_.capacity_, used + more), used);
        out_ = image_.bytes_.get() + used;
        end_ = image_.bytes_.get() + image_.capacity_;
    }
    FileImage& image_;
    char* out_ = nullptr;
    char* end_ = nullptr;
};

}  // namespace vrmdb
