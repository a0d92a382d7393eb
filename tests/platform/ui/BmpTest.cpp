#include "platform/ui/Bmp.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ui;

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(Bmp, FileLayoutsOfTheThreeDepths) {
    struct Case {
        int width, height, bpp;
        std::size_t fileSize, pixelsAt, rowBytes;
    };
    const Case cases[] = {
        // 54 + 400 * 4 * 300 = 480,054; pixels right after the two headers.
        {400, 300, 32, 480054, 54, 1600},
        // 401 * 3 = 1,203 bytes padded to 1,204; 54 + 1,204 * 2 = 2,462.
        {401, 2, 24, 2462, 54, 1204},
        // 256 colours x 4 = 1,024 bytes of table: pixels at 54 + 1,024 = 1,078;
        // a row of 5 bytes pads to 8: 1,078 + 8 * 3 = 1,102.
        {5, 3, 8, 1102, 1078, 8},
    };
    for (const Case& c : cases) {
        QImage img(c.width, c.height, QImage::Format_RGB32);
        img.fill(Qt::white);
        const auto dib = packDib(img, c.bpp);
        const auto file = bmpFileBytes(dib);
        ASSERT_EQ(file.size(), c.fileSize) << c.bpp;
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(u32(file, 2), c.fileSize);
        EXPECT_EQ(u32(file, 10), c.pixelsAt);
        EXPECT_EQ(u32(file, 14), 40u);
        EXPECT_EQ(u32(file, 14 + 20), c.rowBytes * static_cast<std::size_t>(c.height));
        EXPECT_EQ(u32(file, 14 + 32), 0u);  // colours used
        EXPECT_EQ(static_cast<std::size_t>(dibRowBytes(c.width, c.bpp)), c.rowBytes);
    }
}

TEST(Bmp, RowsAreBottomUpInBlueGreenRedOrder) {
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(0x10, 0x20, 0x30));  // top left
    img.setPixel(1, 0, qRgb(0, 0, 0));
    img.setPixel(0, 1, qRgb(0xA0, 0xB0, 0xC0));  // bottom left
    img.setPixel(1, 1, qRgb(0, 0, 0));
    const auto dib = packDib(img, 24);
    // Bottom row first: C0 B0 A0, then the top row after 8 bytes (2 * 3 padded to 8).
    EXPECT_EQ(dib[40], 0xC0);
    EXPECT_EQ(dib[42], 0xA0);
    EXPECT_EQ(dib[48], 0x30);
    EXPECT_EQ(dib[50], 0x10);
    for (int bpp : {8, 24, 32}) EXPECT_EQ(unpackDib(packDib(img, bpp)), img) << bpp;
}

TEST(Bmp, TableSizeFollowsTheColoursUsedAndBadBlocksAreRefused) {
    // A hand-made 8-bit block that uses 16 colours: a table of 64 bytes.
    std::vector<std::uint8_t> dib(40 + 64 + 4, 0);
    dib[0] = 40;
    dib[4] = 1;   // width
    dib[8] = 1;   // height
    dib[12] = 1;  // planes
    dib[14] = 8;
    dib[32] = 16;
    const auto file = bmpFileBytes(dib);
    ASSERT_EQ(file.size(), 14u + 40 + 64 + 4);
    EXPECT_EQ(u32(file, 10), 14u + 40 + 64);

    EXPECT_TRUE(bmpFileBytes({}).empty());
    auto oldHeader = dib;
    oldHeader[0] = 12;
    EXPECT_TRUE(bmpFileBytes(oldHeader).empty());
    dib.resize(100);  // the pixels are missing
    EXPECT_TRUE(bmpFileBytes(dib).empty());
}

TEST(Bmp, WritingReplacesTheFileOrLeavesItAlone) {
    QTemporaryDir dir;
    const std::filesystem::path path = dir.filePath(QStringLiteral("chart.bmp")).toStdString();
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(writeBmp(img, path));
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 12 * 3);
    EXPECT_FALSE(writeBmpFile({}, path));  // nothing written over the good file
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 12 * 3);
    EXPECT_FALSE(writeBmp(img, dir.filePath(QStringLiteral("no/such/dir/x.bmp")).toStdString()));
}

}  // namespace
