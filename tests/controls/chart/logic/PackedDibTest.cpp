#include "controls/chart/PackedDib.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

uint32_t Lese32(const std::string& s, std::size_t pos) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[pos + i]);
    return v;
}

dib::DeviceBitmap Bitmap(int breite, int hoehe, int bits) {
    dib::DeviceBitmap b{breite, hoehe, bits, std::vector<uint32_t>(breite * hoehe, 0xFF808080)};
    b.pixels.front() = 0xFF112233;  // top left
    b.pixels.back() = 0xFFAABBCC;   // bottom right
    return b;
}

std::string Datei(const std::vector<uint8_t>& block) {
    std::ostringstream out;
    EXPECT_TRUE(dib::WriteBitmapFile(&block, out));
    return out.str();
}

// 400 x 300 at 32 bits: 14 + 40 + 400*300*4 bytes, pixels from offset 54, rows bottom-up
// in blue, green, red order.
TEST(PackedDib, A32BitWindowBecomesAnUncompressedFile) {
    const auto block = dib::PackDeviceBitmap(Bitmap(400, 300, 32), dib::kBiRgb);
    ASSERT_TRUE(block);
    const std::string datei = Datei(*block);
    ASSERT_EQ(datei.size(), 14u + 40u + 400u * 300u * 4u);
    EXPECT_EQ(datei.substr(0, 2), "BM");
    EXPECT_EQ(Lese32(datei, 2), datei.size());
    EXPECT_EQ(Lese32(datei, 6), 0u);
    EXPECT_EQ(Lese32(datei, 10), 54u);
    EXPECT_EQ(Lese32(datei, 14), 40u);
    EXPECT_EQ(Lese32(datei, 18), 400u);
    EXPECT_EQ(Lese32(datei, 22), 300u);
    EXPECT_EQ(Lese32(datei, 26), 1u | 32u << 16);  // planes, bits per pixel
    EXPECT_EQ(Lese32(datei, 34), 400u * 300u * 4u);
    // The bottom row comes first: its last pixel just before the top row.
    EXPECT_EQ(Lese32(datei, 54 + 399 * 4), 0x00AABBCCu);
    EXPECT_EQ(Lese32(datei, 54 + 299 * 1600), 0x00112233u);
}

TEST(PackedDib, A24BitRowIsPaddedToFourBytes) {
    const auto block = dib::PackDeviceBitmap(Bitmap(401, 3, 24), dib::kBiRgb);
    ASSERT_TRUE(block);
    EXPECT_EQ(dib::RowBytes(24, 401), 1204);  // 1203 rounded up
    const std::string datei = Datei(*block);
    EXPECT_EQ(datei.size(), 54u + 3u * 1204u);
    EXPECT_EQ(Lese32(datei, 34), 3u * 1204u);
    EXPECT_EQ(static_cast<unsigned char>(datei[54 + 2 * 1204]), 0x33);  // top-left blue
}

TEST(PackedDib, AnEightBitBlockGetsItsFullColourTable) {
    std::vector<uint8_t> block(40 + 1024 + 4 * 2, 0);
    block[0] = 40;
    block[4] = 3;   // width 3: rows of 4 bytes
    block[8] = 2;   // height 2
    block[12] = 1;  // planes
    block[14] = 8;  // bits per pixel; colours used 0
    const std::string datei = Datei(block);
    EXPECT_EQ(Lese32(datei, 10), 14u + 40u + 1024u);
    EXPECT_EQ(datei.size(), 14u + 40u + 1024u + 8u);
}

TEST(PackedDib, DamagedBlocksWriteNothing) {
    std::vector<uint8_t> alterKopf(12 + 100, 0);
    alterKopf[0] = 12;
    auto kurz = *dib::PackDeviceBitmap(Bitmap(10, 10, 32), dib::kBiRgb);
    kurz.resize(kurz.size() - 1);
    const std::vector<uint8_t>* bloecke[] = {nullptr, &alterKopf, &kurz};
    for (const auto* block : bloecke) {
        std::ostringstream out;
        EXPECT_FALSE(dib::WriteBitmapFile(block, out));
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(PackedDib, OnlyUncompressedDeepBitmapsArePacked) {
    EXPECT_FALSE(dib::PackDeviceBitmap(Bitmap(4, 4, 32), dib::kBiBitfields));
    EXPECT_FALSE(dib::PackDeviceBitmap(Bitmap(4, 4, 8), dib::kBiRgb));
    auto falsch = Bitmap(4, 4, 32);
    falsch.pixels.pop_back();
    EXPECT_FALSE(dib::PackDeviceBitmap(falsch, dib::kBiRgb));
}

}  // namespace
