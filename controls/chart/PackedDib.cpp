#include "controls/chart/PackedDib.h"

#include <cstring>

namespace dib {

namespace {

template <class T>
void Schreibe(std::vector<uint8_t>& ziel, std::size_t pos, T wert) {
    for (std::size_t i = 0; i < sizeof(T); ++i)
        ziel[pos + i] = static_cast<uint8_t>(static_cast<uint64_t>(wert) >> (8 * i));
}

template <class T>
T Lese(const std::vector<uint8_t>& quelle, std::size_t pos) {
    uint64_t wert = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        wert |= static_cast<uint64_t>(quelle[pos + i]) << (8 * i);
    return static_cast<T>(wert);
}

void SchreibeHeader(std::vector<uint8_t>& block, const Header& h) {
    Schreibe(block, 0, h.size);
    Schreibe(block, 4, h.width);
    Schreibe(block, 8, h.height);
    Schreibe(block, 12, h.planes);
    Schreibe(block, 14, h.bitCount);
    Schreibe(block, 16, h.compression);
    Schreibe(block, 20, h.sizeImage);
    Schreibe(block, 24, h.xPelsPerMeter);
    Schreibe(block, 28, h.yPelsPerMeter);
    Schreibe(block, 32, h.clrUsed);
    Schreibe(block, 36, h.clrImportant);
}

// Entries of the colour table: the count in the header when set, else the full table of
// a depth of 8 bits or less.
uint32_t Farbanzahl(const Header& h) {
    if (h.clrUsed != 0) return h.clrUsed;
    switch (h.bitCount) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

}  // namespace

int64_t RowBytes(int bitsPerPixel, int width) {
    return (static_cast<int64_t>(bitsPerPixel) * width + 31) / 32 * 4;
}

std::optional<std::vector<uint8_t>> PackDeviceBitmap(const DeviceBitmap& bitmap,
                                                     uint32_t compression) {
    if (compression == kBiBitfields) return std::nullopt;
    if (compression != kBiRgb) return std::nullopt;  // no run-length encoder here
    if (bitmap.bitsPerPixel != 24 && bitmap.bitsPerPixel != 32) return std::nullopt;
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * bitmap.height)
        return std::nullopt;

    Header h;
    h.width = bitmap.width;
    h.height = bitmap.height;
    h.bitCount = static_cast<uint16_t>(bitmap.bitsPerPixel);
    h.compression = compression;
    const int64_t zeile = RowBytes(bitmap.bitsPerPixel, bitmap.width);
    const int64_t bild = zeile * bitmap.height;
    h.sizeImage = static_cast<uint32_t>(bild);

    std::vector<uint8_t> block(kHeaderGroesse + static_cast<std::size_t>(bild), 0);
    SchreibeHeader(block, h);
    const std::size_t bytesProPixel = static_cast<std::size_t>(bitmap.bitsPerPixel / 8);
    for (int y = 0; y < bitmap.height; ++y) {
        // Rows run bottom-up in the block.
        std::size_t pos = kHeaderGroesse + static_cast<std::size_t>((bitmap.height - 1 - y) * zeile);
        for (int x = 0; x < bitmap.width; ++x, pos += bytesProPixel) {
            const uint32_t argb = bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
            block[pos] = static_cast<uint8_t>(argb);            // blue
            block[pos + 1] = static_cast<uint8_t>(argb >> 8);   // green
            block[pos + 2] = static_cast<uint8_t>(argb >> 16);  // red
        }
    }
    return block;
}

std::optional<Header> ReadHeader(const std::vector<uint8_t>& block) {
    if (block.size() < kHeaderGroesse || Lese<uint32_t>(block, 0) != kHeaderGroesse)
        return std::nullopt;
    Header h;
    h.width = Lese<int32_t>(block, 4);
    h.height = Lese<int32_t>(block, 8);
    h.planes = Lese<uint16_t>(block, 12);
    h.bitCount = Lese<uint16_t>(block, 14);
    h.compression = Lese<uint32_t>(block, 16);
    h.sizeImage = Lese<uint32_t>(block, 20);
    h.xPelsPerMeter = Lese<int32_t>(block, 24);
    h.yPelsPerMeter = Lese<int32_t>(block, 28);
    h.clrUsed = Lese<uint32_t>(block, 32);
    h.clrImportant = Lese<uint32_t>(block, 36);
    return h;
}

bool WriteBitmapFile(const std::vector<uint8_t>* block, std::ostream& file) {
    if (!block) return false;
    auto header = ReadHeader(*block);
    if (!header) return false;
    const uint64_t farbtabelle = static_cast<uint64_t>(Farbanzahl(*header)) * 4;
    uint64_t bild = header->sizeImage;
    const bool unkomprimiert =
        header->compression == kBiRgb || header->compression == kBiBitfields;
    if (unkomprimiert) {
        if (header->width < 0 || header->height < 0) return false;
        bild = static_cast<uint64_t>(RowBytes(header->bitCount, header->width)) *
               static_cast<uint64_t>(header->height);
    }
    const uint64_t daten = kHeaderGroesse + farbtabelle + bild;
    // A block shorter than its header says would be read past its end.
    if (daten > block->size() || kDateiKopfGroesse + daten > UINT32_MAX) return false;

    std::vector<uint8_t> kopf(kDateiKopfGroesse, 0);
    Schreibe<uint16_t>(kopf, 0, 0x4D42);
    Schreibe<uint32_t>(kopf, 2, static_cast<uint32_t>(kDateiKopfGroesse + daten));
    Schreibe<uint32_t>(kopf, 10, static_cast<uint32_t>(kDateiKopfGroesse + kHeaderGroesse +
                                                       farbtabelle));
    std::vector<uint8_t> inhalt(block->begin(), block->begin() + static_cast<std::ptrdiff_t>(daten));
    if (unkomprimiert) Schreibe<uint32_t>(inhalt, 20, static_cast<uint32_t>(bild));

    file.write(reinterpret_cast<const char*>(kopf.data()), static_cast<std::streamsize>(kopf.size()));
    file.write(reinterpret_cast<const char*>(inhalt.data()),
               static_cast<std::streamsize>(inhalt.size()));
    return static_cast<bool>(file);
}

}  // namespace dib
