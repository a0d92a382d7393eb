#pragma once
// Device-independent bitmaps and BMP files, little-endian as the format defines them.
//
//   std::vector<std::uint8_t> dib = ui::packDib(chartImage, 32);   // header, table, rows
//   bool ok = ui::writeBmpFile(dib, "/path/chart.bmp");              // atomic; false: failed
//   bool ok2 = ui::writeBmp(chartImage, path);                       // both in one, 32-bit
//
// A packed bitmap is the 40-byte header, the colour table (4 bytes per colour) and the
// rows bottom-up, each padded to a multiple of 4 bytes. 8-bit images get a full table of
// 256 colours (count of colours used 0); 24 and 32 bits have none.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace ui {

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;

// Bytes of one row: ((bits per pixel x width + 31) / 32) x 4.
int dibRowBytes(int width, int bitsPerPixel);
// Colours of the table by the header rule: the count used when not 0; else 2, 16 or 256
// for 1, 4 or 8 bits per pixel, none for more.
int dibColourCount(int bitsPerPixel, std::uint32_t coloursUsed);

// bitsPerPixel 32, 24 or 8 (8: the image's colour table, or Qt's conversion to one).
// Empty for a null image or another depth.
std::vector<std::uint8_t> packDib(const QImage& image, int bitsPerPixel);

// The file form of a packed bitmap; empty when the block is missing or has no 40-byte
// header (then nothing may be written).
std::vector<std::uint8_t> bmpFileBytes(std::span<const std::uint8_t> packedDib);
// Writes through a temporary file renamed over the target, so a failure leaves the old file.
bool writeBmpFile(std::span<const std::uint8_t> packedDib, const std::filesystem::path& path);
bool writeBmp(const QImage& image, const std::filesystem::path& path, int bitsPerPixel = 32);

// Reads a packed bitmap of 8, 24 or 32 bits back into an image (clipboard, tests).
QImage unpackDib(std::span<const std::uint8_t> packedDib);

}  // namespace ui
