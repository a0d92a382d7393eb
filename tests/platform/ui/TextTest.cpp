#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "platform/ui/DrawContext.h"
#include "platform/ui/Font.h"

namespace {

using namespace ui;

// The box of the non-white pixels of an image.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Fonts, HeightsFollowTheLogicalFontRules) {
    FontSpec em;
    em.height = -16;
    EXPECT_EQ(toQFont(em).pixelSize(), 16);
    EXPECT_EQ(QFontInfo(toQFont(em)).family(), QStringLiteral("Liberation Sans"));
    const TextMetrics m = textMetricsOf(em);
    EXPECT_EQ(m.height, m.ascent + m.descent);
    EXPECT_EQ(m.internalLeading, m.height - 16);
    EXPECT_GT(m.internalLeading, 0);  // this face's cell is taller than its em

    // A positive height is the cell: the em is chosen so that the cell comes out at it.
    for (int cell : {12, 20, 33}) {
        FontSpec spec;
        spec.height = cell;
        EXPECT_NEAR(textMetricsOf(spec).height, cell, 1) << cell;  // ±1: the em is whole pixels
        EXPECT_LT(toQFont(spec).pixelSize(), cell);
    }
    EXPECT_EQ(toQFont(FontSpec{}).pixelSize(), kDefaultEmPixels);
    // 9 points at 96 pixels per inch: 90 * 96 / 720 = 12 pixels.
    EXPECT_EQ(pointFont(90, u"Liberation Serif").height, -12);
}

TEST(Fonts, WeightAndStyleMap) {
    FontSpec s;
    s.weight = 700;
    s.italic = true;
    s.underline = true;
    EXPECT_EQ(toQFont(s).weight(), QFont::Bold);
    EXPECT_TRUE(toQFont(s).italic());
    EXPECT_TRUE(toQFont(s).underline());
    s.weight = 0;  // "don't care" is normal
    EXPECT_EQ(toQFont(s).weight(), QFont::Normal);
    s.weight = 600;
    EXPECT_EQ(toQFont(s).weight(), QFont::DemiBold);
    s.height = -14;
    s.face = u"Liberation Mono";
    const FontSpec back = fromQFont(toQFont(s));
    EXPECT_EQ(back.height, -14);
    EXPECT_EQ(back.weight, 600);
    EXPECT_EQ(back.face, u"Liberation Mono");
}

TEST(DrawText, SingleLineCentredSitsInTheMiddle) {
    QImage img(200, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    Rect r{0, 0, 200, 40};
    {
        DrawContext dc(img);
        dc.setBackMode(BkMode::Transparent);
        dc.drawText(u"Mitte", r, dt::Center | dt::VCenter | dt::SingleLine);
    }
    const QRect ink = inkBox(img);
    ASSERT_FALSE(ink.isEmpty());
    const int left = ink.left(), right = 199 - ink.right();
    EXPECT_NEAR(left, right, 2);  // glyph side bearings differ by a pixel or so
    // The text cell, not the ink, is centred: the ink lies around the middle row.
    EXPECT_LT(ink.top(), 20);
    EXPECT_GT(ink.bottom(), 20);
}

TEST(DrawText, WordBreakAndMeasuring) {
    QImage img(10, 10, QImage::Format_RGB32);
    DrawContext dc(img);
    const TextMetrics tm = dc.textMetrics();
    const Size one = dc.textExtent(u"gamma");

    // Measuring a single line: the extent of the text, nothing drawn.
    Rect single{5, 5, 6, 6};
    const int h = dc.drawText(u"gamma", single, dt::CalcRect | dt::SingleLine);
    EXPECT_EQ(h, tm.height);
    EXPECT_EQ(single.width(), one.cx);
    EXPECT_EQ(single.left, 5);

    // Three words in a box one word wide: three lines.
    Rect box{0, 0, one.cx + 2, 0};
    const int wrapped = dc.drawText(u"alpha beta gamma", box, dt::CalcRect | dt::WordBreak);
    EXPECT_GE(wrapped, 3 * tm.height);
    EXPECT_LT(wrapped, 4 * tm.height);
    EXPECT_EQ(box.height(), wrapped);
    EXPECT_LE(box.width(), one.cx + 2);

    // "&" marks a mnemonic unless dt::NoPrefix: it takes no room then.
    Rect a{0, 0, 1, 1}, b{0, 0, 1, 1};
    dc.drawText(u"&File", a, dt::CalcRect | dt::SingleLine);
    dc.drawText(u"&File", b, dt::CalcRect | dt::SingleLine | dt::NoPrefix);
    EXPECT_LT(a.width(), b.width());
}

TEST(DrawText, OpaqueModeFillsTheTextCellWithTheBackColour) {
    QImage img(100, 30, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        DrawContext dc(img);
        dc.setBackColour(rgb(0, 0, 255));
        dc.textOut(2, 2, u"x");
    }
    EXPECT_EQ(fromQRgb(img.pixel(2, 2)), rgb(0, 0, 255));
    EXPECT_EQ(fromQRgb(img.pixel(90, 2)), rgb(255, 255, 255));
}

}  // namespace
