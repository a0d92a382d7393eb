#pragma once
// Device-independent bitmaps as the BMP file and the clipboard take them: one block of
// the 40-byte bitmap header, the colour table and the pixel rows, bottom-up, each row
// padded to a multiple of 4 bytes; and the BMP file that wraps such a block.
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

namespace dib {

inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kBiRle8 = 1;
inline constexpr uint32_t kBiRle4 = 2;
inline constexpr uint32_t kBiBitfields = 3;
inline constexpr uint32_t kHeaderGroesse = 40;
inline constexpr uint32_t kDateiKopfGroesse = 14;

// The fields of the 40-byte header, little-endian in the block.
struct Header {
    uint32_t size = kHeaderGroesse;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};

// A device bitmap as a drawing surface hands it over: rows top-down, one 0xAARRGGBB word
// per pixel, and the colour depth of the surface it was drawn for.
struct DeviceBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<uint32_t> pixels;
};

// The bytes of one row of `width` pixels of that depth, padded to 4 bytes.
int64_t RowBytes(int bitsPerPixel, int width);

// The header and rows of a device bitmap; nothing for bit-field compression, for a
// depth other than 24 or 32 bits (which would need a palette) or for pixels that do not
// match the size.
std::optional<std::vector<uint8_t>> PackDeviceBitmap(const DeviceBitmap& bitmap,
                                                     uint32_t compression);

std::optional<Header> ReadHeader(const std::vector<uint8_t>& block);

// Writes the BMP file of a block: true, or false with nothing written when the block is
// missing, has no 40-byte header or is shorter than its header says.
bool WriteBitmapFile(const std::vector<uint8_t>* block, std::ostream& file);

}  // namespace dib
