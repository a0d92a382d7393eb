#include "platform/ui/Bmp.h"

#include <QSaveFile>
#include <QString>

namespace ui {
namespace {

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t get32(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8) |
           (static_cast<std::uint32_t>(in[at + 2]) << 16) |
           (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

std::uint16_t get16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

}  // namespace

int dibRowBytes(int width, int bitsPerPixel) { return ((bitsPerPixel * width + 31) / 32) * 4; }

int dibColourCount(int bitsPerPixel, std::uint32_t coloursUsed) {
    if (coloursUsed != 0) return static_cast<int>(coloursUsed);
    switch (bitsPerPixel) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

std::vector<std::uint8_t> packDib(const QImage& image, int bpp) {
    if (image.isNull() || (bpp != 32 && bpp != 24 && bpp != 8)) return {};
    const QImage src = bpp == 8 ? (image.format() == QImage::Format_Indexed8
                                       ? image
                                       : image.convertToFormat(QImage::Format_Indexed8))
                                : image.convertToFormat(QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    const int colours = bpp == 8 ? 256 : 0;
    const std::size_t row = static_cast<std::size_t>(dibRowBytes(w, bpp));
    const std::size_t imageSize = row * static_cast<std::size_t>(h);
    const std::size_t table = static_cast<std::size_t>(colours) * 4;
    std::vector<std::uint8_t> out(kBmpInfoHeaderSize + table + imageSize, 0);
    put32(out, 0, kBmpInfoHeaderSize);
    put32(out, 4, static_cast<std::uint32_t>(w));
    put32(out, 8, static_cast<std::uint32_t>(h));  // positive: bottom-up
    put16(out, 12, 1);                             // planes
    put16(out, 14, static_cast<std::uint32_t>(bpp));
    put32(out, 16, 0);  // uncompressed
    put32(out, 20, static_cast<std::uint32_t>(imageSize));
    constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 per inch; not a text id
    put32(out, 24, kPixelsPerMetre);
    put32(out, 28, kPixelsPerMetre);
    put32(out, 32, 0);  // colours used: all of the table
    put32(out, 36, 0);
    if (bpp == 8) {
        const QList<QRgb> palette = src.colorTable();
        for (int i = 0; i < palette.size() && i < 256; ++i) {
            const QRgb c = palette[i];
            const std::size_t at = kBmpInfoHeaderSize + static_cast<std::size_t>(i) * 4;
            out[at] = static_cast<std::uint8_t>(qBlue(c));
            out[at + 1] = static_cast<std::uint8_t>(qGreen(c));
            out[at + 2] = static_cast<std::uint8_t>(qRed(c));
        }
    }
    const std::size_t pixels = kBmpInfoHeaderSize + table;
    for (int y = 0; y < h; ++y) {
        std::uint8_t* dst = out.data() + pixels + static_cast<std::size_t>(h - 1 - y) * row;
        if (bpp == 8) {
            const uchar* line = src.constScanLine(y);
            std::copy(line, line + w, dst);
            continue;
        }
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            *dst++ = static_cast<std::uint8_t>(qBlue(line[x]));
            *dst++ = static_cast<std::uint8_t>(qGreen(line[x]));
            *dst++ = static_cast<std::uint8_t>(qRed(line[x]));
            if (bpp == 32) *dst++ = 0;
        }
    }
    return out;
}

std::vector<std::uint8_t> bmpFileBytes(std::span<const std::uint8_t> dib) {
    if (dib.size() < kBmpInfoHeaderSize || get32(dib, 0) != kBmpInfoHeaderSize) return {};
    const int bpp = get16(dib, 14);
    const std::size_t table = static_cast<std::size_t>(dibColourCount(bpp, get32(dib, 32))) * 4;
    const std::uint32_t compression = get32(dib, 16);
    const int width = static_cast<int>(get32(dib, 4));
    const int height = static_cast<int>(get32(dib, 8));
    // Uncompressed and bit-field bitmaps: the size follows from the dimensions; the two
    // run-length encodings (1, 2) carry their own.
    std::size_t imageSize = compression == 1 || compression == 2
                                ? get32(dib, 20)
                                : static_cast<std::size_t>(dibRowBytes(width, bpp)) *
                                      static_cast<std::size_t>(height < 0 ? -height : height);
    const std::size_t block = kBmpInfoHeaderSize + table + imageSize;
    if (dib.size() < block) return {};  // a truncated block is refused, not read past its end
    std::vector<std::uint8_t> out(kBmpFileHeaderSize + block);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10, static_cast<std::uint32_t>(kBmpFileHeaderSize + kBmpInfoHeaderSize + table));
    std::copy(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(block),
              out.begin() + kBmpFileHeaderSize);
    if (compression != 1 && compression != 2)
        put32(out, kBmpFileHeaderSize + 20, static_cast<std::uint32_t>(imageSize));
    return out;
}

bool writeBmpFile(std::span<const std::uint8_t> dib, const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = bmpFileBytes(dib);
    if (bytes.empty()) return false;
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        return false;  // QSaveFile discards the temporary file
    return file.commit();
}

bool writeBmp(const QImage& image, const std::filesystem::path& path, int bitsPerPixel) {
    const std::vector<std::uint8_t> dib = packDib(image, bitsPerPixel);
    return !dib.empty() && writeBmpFile(dib, path);
}

QImage unpackDib(std::span<const std::uint8_t> dib) {
    if (dib.size() < kBmpInfoHeaderSize || get32(dib, 0) != kBmpInfoHeaderSize) return {};
    const int w = static_cast<int>(get32(dib, 4));
    const int rawH = static_cast<int>(get32(dib, 8));
    const int h = rawH < 0 ? -rawH : rawH;
    const int bpp = get16(dib, 14);
    if (get32(dib, 16) != 0 || (bpp != 8 && bpp != 24 && bpp != 32) || w <= 0 || h <= 0)
        return {};
    const std::size_t table = static_cast<std::size_t>(dibColourCount(bpp, get32(dib, 32))) * 4;
    const std::size_t row = static_cast<std::size_t>(dibRowBytes(w, bpp));
    if (dib.size() < kBmpInfoHeaderSize + table + row * static_cast<std::size_t>(h)) return {};
    QImage out(w, h, QImage::Format_RGB32);
    const std::size_t pixels = kBmpInfoHeaderSize + table;
    for (int y = 0; y < h; ++y) {
        const std::size_t srcRow = rawH < 0 ? static_cast<std::size_t>(y) : static_cast<std::size_t>(h - 1 - y);
        const std::uint8_t* p = dib.data() + pixels + srcRow * row;
        for (int x = 0; x < w; ++x) {
            QRgb c;
            if (bpp == 8) {
                const std::size_t at = kBmpInfoHeaderSize + static_cast<std::size_t>(p[x]) * 4;
                c = at + 2 < pixels ? qRgb(dib[at + 2], dib[at + 1], dib[at]) : qRgb(0, 0, 0);
            } else {
                const std::uint8_t* q = p + x * (bpp / 8);
                c = qRgb(q[2], q[1], q[0]);
            }
            out.setPixel(x, y, c);
        }
    }
    return out;
}

}  // namespace ui
