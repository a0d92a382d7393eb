// The drawing manager on memory contexts: pixel values checked by hand, the small sizes
// that must draw nothing wrong, and the picture of all fill effects.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "controls/html/PPDrawManager.h"
#include "tests/support/ui/UiTest.h"

namespace {

constexpr std::uint32_t kSentinel = 0x123456;  // COLORREF no effect below draws

QImage canvas(int w, int h, std::uint32_t colourRef = kSentinel) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ui::toQColor(ui::ColourRef(colourRef)));
    return img;
}

// COLORREF of a pixel.
std::uint32_t at(const QImage& img, int x, int y) { return ui::fromQRgb(img.pixel(x, y)).value; }

class DrawManager : public uitest::Fixture {
  protected:
    CPPDrawManager dm;
};

TEST_F(DrawManager, BlendAtZeroAndHundredPercent) {
    QImage src = canvas(4, 4, 0x000064);  // red 100
    for (auto [percent, expected] : {std::pair{0, 0xC80000u},   // destination stays (blue 200)
                                     {100, 0x000064u},          // plain copy of the source
                                     {120, 0x000064u},
                                     // 40 %: red 100 x 0.4 = 40 (0x28), blue 200 x 0.6 = 120 (0x78)
                                     {40, 0x780028u}}) {
        QImage img = canvas(6, 6, 0xC80000);
        {
            ui::DrawContext dc(img);
            dm.BlendBlt(dc, 1, 1, 4, 4, src, 0, 0, percent);
        }
        EXPECT_EQ(at(img, 1, 1), expected) << percent;
        EXPECT_EQ(at(img, 4, 4), expected) << percent;
        EXPECT_EQ(at(img, 0, 0), 0xC80000u) << percent;  // outside the area
        EXPECT_EQ(at(img, 5, 5), 0xC80000u) << percent;
    }
}

TEST_F(DrawManager, BlendHonoursTheViewportOrigin) {
    QImage src = canvas(2, 2, 0x000064);
    QImage img = canvas(6, 6, 0xC80000);
    {
        ui::DrawContext dc(img);
        dc.setViewportOrigin({2, 2});
        dm.BlendBlt(dc, 0, 0, 2, 2, src, 0, 0, 40);
    }
    EXPECT_EQ(at(img, 2, 2), 0x780028u);
    EXPECT_EQ(at(img, 1, 1), 0xC80000u);
}

TEST_F(DrawManager, AlphaBltMixesBySourceAlpha) {
    QImage src(3, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, 0x00FF0000);  // alpha 0
    src.setPixel(1, 0, 0xFFFF0000);  // alpha 255
    src.setPixel(2, 0, 0x80FF0000);  // red 255 x 128 / 255 = 128; blue 255 x 127 / 255 = 127
    QImage img = canvas(3, 1, 0xFF0000);
    {
        ui::DrawContext dc(img);
        dm.AlphaBlt(dc, 0, 0, 3, 1, src, 0, 0);
    }
    EXPECT_EQ(at(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(at(img, 1, 0), 0x0000FFu);
    EXPECT_EQ(at(img, 2, 0), 0x7F0080u);
}

TEST_F(DrawManager, FillEffectKindsZeroAndSixteenFillWithColourOne) {
    for (int kind : {0, 16, -3}) {
        QImage img = canvas(10, 10);
        {
            ui::DrawContext dc(img);
            dm.FillEffect(dc, kind, {2, 2, 8, 8}, ui::ColourRef(0x00FF00), ui::ColourRef(0xFF),
                          ui::ColourRef(0xFF0000));
        }
        EXPECT_EQ(at(img, 2, 2), 0x00FF00u) << kind;
        EXPECT_EQ(at(img, 7, 7), 0x00FF00u) << kind;
        EXPECT_EQ(at(img, 8, 8), kSentinel) << kind;
    }
}

TEST_F(DrawManager, GradientsPutTheirColoursWhereTheBandsSay) {
    QImage img = canvas(64, 64);
    {
        ui::DrawContext dc(img);
        // Horizontal, 64 px: pixel i has red 0 + 255 x i / 64; i = 16: 63.75 -> 63 (0x3F).
        dm.FillEffect(dc, 1, {0, 0, 64, 32}, ui::ColourRef(0), ui::ColourRef(0x00FF00),
                      ui::ColourRef(0x0000FF));
        // Kind 4 vertical over 32 rows: top half colour1 -> colour3, bottom half back.
        // Over 16 rows band i covers [16 i / 64, 16 (i + 1) / 64): row 0 is band 3, the
        // first with width: blue 200 - 200 x 3 / 64 = 200 - 9 = 191 (0xBF). Row 8 of the
        // bottom half is band 35: blue 0 + 200 x 35 / 64 = 109.4 -> 109 (0x6D).
        dm.FillEffect(dc, 4, {0, 32, 64, 64}, ui::ColourRef(0xC80000), ui::ColourRef(0),
                      ui::ColourRef(0));
    }
    EXPECT_EQ(at(img, 0, 5), 0x000000u);
    EXPECT_EQ(at(img, 16, 5), 0x00003Fu);
    EXPECT_EQ(at(img, 63, 31), 0x0000FBu);  // 255 x 63 / 64 = 251
    EXPECT_EQ(at(img, 10, 32), 0xBF0000u);
    EXPECT_EQ(at(img, 10, 48 + 8), 0x6D0000u);
}

// Every effect on areas of 0, 1 and 2 pixels writes inside its rectangle only and, where
// it is not empty, all of it.
TEST_F(DrawManager, EffectsOnTinyAreasDrawNothingWrong) {
    const ui::Rect rects[] = {{3, 3, 3, 3}, {3, 3, 3, 5}, {3, 3, 4, 4}, {3, 3, 5, 4},
                              {3, 3, 4, 5}, {3, 3, 5, 5}, {5, 5, 3, 3}};
    for (int kind = -1; kind <= 16; ++kind)
        for (const ui::Rect& r : rects) {
            QImage img = canvas(8, 8);
            {
                ui::DrawContext dc(img);
                dm.FillEffect(dc, kind, r, ui::ColourRef(0xFFFFFF), ui::ColourRef(0x808080),
                              ui::ColourRef(0x000000), 7);
            }
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const bool inside = r.contains({x, y});
                    EXPECT_EQ(at(img, x, y) != kSentinel, inside)
                        << "kind " << kind << " at " << x << "," << y << " rect " << r.left << ","
                        << r.top << "," << r.right << "," << r.bottom;
                }
        }
}

TEST_F(DrawManager, TinyImagesShadowsAndBordersStayInside) {
    for (int size : {0, 1, 2}) {
        QImage img = canvas(10, 10);
        QImage bitmap = canvas(std::max(size, 1), std::max(size, 1), 0x0000FF);
        {
            ui::DrawContext dc(img);
            dm.DrawBitmap(dc, 4, 4, size, size, bitmap, false, ui::ColourRef(), html::effect::BlurredShadow,
                          true, 1, 1, 7, 7, ui::ColourRef(0x808080));
            dm.DrawShadow(dc, 4, 4, size, size, bitmap, true, 6, 6);
            dm.DrawBorder(dc, {4, 4, 4 + size, 4 + size}, ui::ColourRef(0xFF), ui::ColourRef(0xFF00), 6, 3);
        }
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                if (!(x >= 4 && y >= 4 && x < 5 + size && y < 5 + size)) {
                    EXPECT_EQ(at(img, x, y), kSentinel) << size << " at " << x << "," << y;
                }
    }
}

TEST_F(DrawManager, BitmapWithTransparentColourAndEffects) {
    QImage bitmap = canvas(2, 1, 0xFF00FF);            // magenta: transparent
    bitmap.setPixel(1, 0, qRgb(255, 128, 64));         // COLORREF 0x4080FF
    QImage img = canvas(4, 3, 0xC8C8C8);
    {
        ui::DrawContext dc(img);
        // Grey: 0.299 x 255 + 0.587 x 128 + 0.114 x 64 = 158.677 -> 158 (0x9E).
        dm.DrawBitmap(dc, 1, 1, 2, 1, bitmap, true, ui::ColourRef(0xFF00FF), html::effect::Grey,
                      false, 0, 0, 0, 0, ui::ColourRef(0));
    }
    EXPECT_FALSE(dm.lastImageHadAlpha());
    EXPECT_EQ(at(img, 1, 1), 0xC8C8C8u);  // the background shows through
    EXPECT_EQ(at(img, 2, 1), 0x9E9E9Eu);
    EXPECT_EQ(at(img, 3, 1), 0xC8C8C8u);
}

TEST_F(DrawManager, PlainShadowDarkensByTheFillColour) {
    QImage bitmap = canvas(2, 2, 0x0000FF);
    QImage img = canvas(6, 6, 0xFFFFFF);
    {
        ui::DrawContext dc(img);
        dm.DrawBitmap(dc, 1, 1, 2, 2, bitmap, false, ui::ColourRef(), html::effect::Shadow, true, 2, 2,
                      0, 0, ui::ColourRef(0x808080));
    }
    // The shadow mask holds the fill colour, grey 128: white 255 x 128 / 255 = 128.
    EXPECT_EQ(at(img, 4, 4), 0x808080u);
    EXPECT_EQ(at(img, 1, 1), 0x0000FFu);  // the image over its shadow
    EXPECT_EQ(at(img, 2, 2), 0x0000FFu);
    EXPECT_EQ(at(img, 5, 5), 0xFFFFFFu);
    // Without a shadow bit the image itself moves by the offsets.
    QImage moved = canvas(6, 6, 0xFFFFFF);
    {
        ui::DrawContext dc(moved);
        dm.DrawBitmap(dc, 1, 1, 2, 2, bitmap, false, ui::ColourRef(), 0, true, 2, 2, 0, 0,
                      ui::ColourRef(0x808080));
    }
    EXPECT_EQ(at(moved, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(at(moved, 3, 3), 0x0000FFu);
}

TEST_F(DrawManager, IconsDrawThroughTheirAlpha) {
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, 0x00000000);
    icon.setPixel(1, 0, 0xFF00FF00);
    QImage img = canvas(3, 1, 0xFFFFFF);
    {
        ui::DrawContext dc(img);
        // Fill with one colour then invert: the inverse of red (0x0000FF) is 0xFFFF00.
        dm.DrawIconImage(dc, 0, 0, 2, 1, icon, html::effect::Fill | html::effect::Invert, false, 0,
                         0, 0, 0, ui::ColourRef(0x0000FF));
    }
    EXPECT_TRUE(dm.lastImageHadAlpha());
    EXPECT_EQ(at(img, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(at(img, 1, 0), 0xFFFF00u);
    EXPECT_EQ(CPPDrawManager::GetIconSize(icon), (ui::Size{2, 1}));
    EXPECT_EQ(CPPDrawManager::GetIconSize(QImage()), (ui::Size{0, 0}));
    EXPECT_EQ(CPPDrawManager::StretchIcon(icon, 4, 4).size(), QSize(4, 4));
    EXPECT_TRUE(CPPDrawManager::StretchIcon(QImage(), 4, 4).isNull());
}

TEST_F(DrawManager, StripFramesAreNumberedAlongTheRows) {
    // 2 x 2 frames of 2 x 2 pixels: 0 red, 1 green, 2 blue, 3 white.
    QImage strip(4, 4, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int i = 0; i < 4; ++i) {
        QPainter p(&strip);
        p.fillRect((i % 2) * 2, (i / 2) * 2, 2, 2, QColor(colours[i]));
    }
    for (int index : {0, 1, 2, 3, 4, -1}) {
        QImage img = canvas(2, 2);
        {
            ui::DrawContext dc(img);
            dm.DrawStripFrame(dc, 0, 0, 2, 2, strip, index, 2, 2, false, ui::ColourRef(), 0, false,
                              0, 0, 0, 0, ui::ColourRef());
        }
        const std::uint32_t expected =
            index >= 0 && index < 4 ? ui::fromQRgb(colours[index]).value : kSentinel;
        EXPECT_EQ(at(img, 1, 1), expected) << index;
    }
    QImage img = canvas(2, 2);
    {
        ui::DrawContext dc(img);
        dm.DrawStripFrame(dc, 0, 0, 2, 2, strip, 0, 0, 2, false, ui::ColourRef(), 0, false, 0, 0, 0, 0,
                          ui::ColourRef());
    }
    EXPECT_EQ(at(img, 0, 0), kSentinel);  // a frame width of 0 draws nothing
}

TEST_F(DrawManager, TilesRepeatAndClipAtTheAreaEdge) {
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(qRgb(0, 0, 255));
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    QImage img = canvas(9, 7);
    {
        ui::DrawContext dc(img);
        dm.TileBlt(dc, 1, 1, 7, 5, tile, 0, 0, 3, 2);
    }
    EXPECT_EQ(at(img, 1, 1), 0x0000FFu);  // tile (0, 0)
    EXPECT_EQ(at(img, 7, 5), 0x0000FFu);  // 6 / 3 and 4 / 2 again at a tile's corner
    EXPECT_EQ(at(img, 2, 1), 0xFF0000u);
    EXPECT_EQ(at(img, 8, 1), kSentinel);  // clipped
    EXPECT_EQ(at(img, 1, 6), kSentinel);
}

TEST_F(DrawManager, BordersAndLines) {
    QImage img = canvas(12, 12);
    {
        ui::DrawContext dc(img);
        dm.DrawBorder(dc, {0, 0, 12, 12}, ui::ColourRef(0xFF), ui::ColourRef(0xFF00), 0, 1);
    }
    EXPECT_EQ(at(img, 0, 0), kSentinel);  // style 0 draws nothing
    {
        ui::DrawContext dc(img);
        dm.DrawBorder(dc, {0, 0, 12, 12}, ui::ColourRef(0xFF), ui::ColourRef(0xFF00), 6, 1);
    }
    // Light left and top, dark right and bottom, inside the rectangle; a second border
    // inset by twice the width.
    EXPECT_EQ(at(img, 0, 0), 0x0000FFu);
    EXPECT_EQ(at(img, 0, 11), 0x0000FFu);
    EXPECT_EQ(at(img, 11, 0), 0x00FF00u);
    EXPECT_EQ(at(img, 11, 11), 0x00FF00u);
    EXPECT_EQ(at(img, 1, 1), kSentinel);
    EXPECT_EQ(at(img, 2, 2), 0x0000FFu);
    EXPECT_EQ(at(img, 9, 9), 0x00FF00u);
    EXPECT_EQ(at(img, 3, 3), kSentinel);

    QImage line = canvas(10, 6);
    {
        ui::DrawContext dc(line);
        dm.DrawLine(dc, 1, 1, 8, 1, ui::ColourRef(0xFF), 6, 1);
        dm.DrawLine(dc, 0, 5, 9, 5, ui::ColourRef(0xFF), 0, 1);
    }
    EXPECT_EQ(at(line, 1, 1), 0x0000FFu);
    EXPECT_EQ(at(line, 7, 3), 0x0000FFu);  // the double line 2 px below
    EXPECT_EQ(at(line, 8, 1), kSentinel);  // the end pixel is left out
    EXPECT_EQ(at(line, 1, 2), kSentinel);
    EXPECT_EQ(at(line, 4, 5), kSentinel);
}

TEST_F(DrawManager, PictureOfAllFillEffects) {
    const char* names[] = {"solid", "hgradient", "vgradient", "hcgradient", "vcgradient", "3hgradient",
                           "3vgradient", "noise", "diagshade", "hshade", "vshade", "hbump",
                           "vbump", "softbump", "hardbump", "metal"};
    constexpr int kCellW = 170, kCellH = 90, kPad = 10;
    QImage img = canvas(4 * kCellW + kPad, 4 * kCellH + kPad, 0xFFFFFF);
    {
        ui::DrawContext dc(img);
        dc.setBackMode(ui::BkMode::Transparent);
        for (int kind = 0; kind < 16; ++kind) {
            const int x = kPad + (kind % 4) * kCellW, y = kPad + (kind / 4) * kCellH;
            const ui::Rect r{x, y, x + kCellW - kPad, y + kCellH - kPad - 20};
            dm.FillEffect(dc, kind, r, ui::rgb(255, 255, 255), ui::rgb(90, 140, 220),
                          ui::rgb(10, 30, 90), 10);
            dm.DrawBorder(dc, r, ui::rgb(200, 200, 200), ui::rgb(60, 60, 60), 1, 1);
            const std::string label = std::to_string(kind) + "  " + names[kind];
            dc.textOut(x, r.bottom + 3, std::u16string(label.begin(), label.end()));
        }
    }
    EXPECT_FALSE(uitest::saveArtifact(img, "effects").empty());
}

}  // namespace
