// The HTML drawer painting through the drawing context: real fonts, the sampler picture,
// the disabled look and links opened through the desktop.
#include <QImage>
#include <gtest/gtest.h>

#include "controls/html/PPHtmlDrawerCanvas.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

// Lays the text out on a scratch image, then paints it on a white image of `width` (at
// least the measured width) with a margin of 8 pixels.
QImage paint(CPPHtmlDrawer& drawer, std::u16string_view text, int width = 0) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    ui::DrawContext measureDc(scratch);
    html::DrawContextCanvas measure(measureDc);
    const html::Extent size = drawer.LayoutHtml(measure, text);
    QImage image(std::max(size.cx, width) + 16, size.cy + 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        ui::DrawContext dc(image);
        html::DrawContextCanvas canvas(dc);
        drawer.PaintHtml(canvas, {8, 8, image.width() - 8, 8 + size.cy});
    }
    return image;
}

// Pixels of a text colour: text is smoothed, so its edges are mixed with the background.
int countNear(const QImage& image, QRgb rgb, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += std::abs(qRed(p) - qRed(rgb)) <= tolerance &&
                 std::abs(qGreen(p) - qGreen(rgb)) <= tolerance &&
                 std::abs(qBlue(p) - qBlue(rgb)) <= tolerance;
        }
    return n;
}

int countPixels(const QImage& image, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

const char16_t* kSampler =
    u"<h1>HTML sampler</h1>\n"
    u"<b>Bold</b>, <i>italic</i>, <u>underlined</u>, <s>struck</s>, <b><i>bold italic</i></b>, "
    u"<font color=#ff9900>orange</font>, <font face=\"Liberation Serif\" size=5>serif 5</font>, "
    u"<code>code</code>, x<sup>2</sup> and H<sub>2</sub>O\n"
    u"<center>A centred line</center>\n"
    u"<right>A right-aligned line</right>\n"
    u"<b>Month<t=4>Heat<t=4>Factor</b>\n"
    u"January<t=4>1 200 kWh<t=3>3.8\n"
    u"<hr width=80% size=2 color=gray>\n"
    u"<a href=\"https://example.org\">A link</a> &bull; &copy; &euro; &lt;tag&gt; "
    u"<font bkgnd=yellow>marked</font>\n"
    u"<table border=1 cellpadding=4 bordercolor=gray bgeffect=vgradient bgcolor=#ffffff "
    u"bgendcolor=#a0c8f0>"
    u"<tr><td colspan=3 align=center><b>colspan 3</b></td><td rowspan=3 valign=middle>"
    u"rowspan 3</td></tr>"
    u"<tr><td>January</td><td>1 200 kWh</td><td>3.8</td></tr>"
    u"<tr><td>February</td><td width=90>1 050 kWh</td><td>3.9</td></tr>"
    u"</table>\n"
    u"after the table";

}  // namespace

TEST(HtmlDrawerCanvas, SamplerShowsTagsFontsAlignmentTabsRulesATableAndABackground) {
    CPPHtmlDrawer drawer(html::systemColour);
    const QImage image = paint(drawer, kSampler, 520);
    uitest::saveArtifact(image, "html-sampler");
    EXPECT_GT(countNear(image, qRgb(0xFF, 0x99, 0x00), 40), 10);  // the orange word
    EXPECT_GT(countPixels(image, qRgb(0xFF, 0xFF, 0x00)), 100);  // the marked background
    EXPECT_GT(countPixels(image, qRgb(0x80, 0x80, 0x80)), 300);  // rule and table borders
}

TEST(HtmlDrawerCanvas, MeasuredTextIsWhereItIsPainted) {
    CPPHtmlDrawer drawer(html::systemColour);
    const QImage image = paint(drawer, u"<font color=#ff0000>MMMM</font>");
    // Red pixels lie inside the painted area only.
    int minX = image.width(), maxX = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GE(maxX, 0);
    EXPECT_GE(minX, 8);
    EXPECT_LT(maxX, image.width() - 8);
}

TEST(HtmlDrawerCanvas, DisabledDrawerPaintsInTheDisabledColourOnly) {
    CPPHtmlDrawer drawer(html::systemColour);
    drawer.SetEnabled(false);
    drawer.SetDisabledColour(0x00808080);
    const QImage image = paint(drawer, u"<font color=red bkgnd=yellow>Disabled</font> <b>text</b>");
    EXPECT_EQ(countPixels(image, qRgb(0xFF, 0, 0)), 0);
    EXPECT_EQ(countPixels(image, qRgb(0xFF, 0xFF, 0)), 0);
    EXPECT_GT(countPixels(image, qRgb(0x80, 0x80, 0x80)), 20);
}

TEST(HtmlDrawerCanvas, LinksOpenThroughTheDesktopWithTheTargetAsItIs) {
    uitest::desktop().reset();
    CPPHtmlDrawer drawer(html::systemColour);
    html::bindToDesktop(drawer);
    paint(drawer, u"<a href=\"https://example.org/a b?c=1;d\">link</a>");
    ASSERT_EQ(drawer.LinkAreas().size(), 1u);
    const html::Box box = drawer.LinkAreas()[0].box;
    drawer.ClickLink(box.left + 1, box.top + 1);
    ASSERT_EQ(uitest::desktop().opened.size(), 1u);
    EXPECT_EQ(uitest::desktop().opened[0].toString(), "https://example.org/a b?c=1;d");
    EXPECT_TRUE(uitest::desktop().started.empty());
}

TEST(HtmlDrawerCanvas, ImageFilesAreDrawnAndDisabledAsASilhouette) {
    const std::string file = uitest::artifactDir() + "/html-red-square.png";
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(qRgb(0xFF, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(file)));
    const std::u16string markup = u"<bmp file=\"" + QString::fromStdString(file).toStdU16String() + u"\">";

    CPPHtmlDrawer drawer(html::systemColour);
    EXPECT_EQ(countPixels(paint(drawer, markup), qRgb(0xFF, 0, 0)), 16 * 16);
    drawer.SetEnabled(false);
    drawer.SetDisabledColour(0x00404040);
    const QImage disabled = paint(drawer, markup);
    EXPECT_EQ(countPixels(disabled, qRgb(0xFF, 0, 0)), 0);
    EXPECT_EQ(countPixels(disabled, qRgb(0x40, 0x40, 0x40)), 16 * 16);
}

TEST(HtmlDrawerCanvas, PassesLeaveTheContextsFontAndColoursAsTheyWere) {
    QImage image(200, 40, QImage::Format_RGB32);
    ui::DrawContext dc(image);
    ui::FontSpec font = ui::messageFont();
    font.escapement = 900;
    font.charSet = 238;
    dc.selectFont(font);
    dc.setTextColour(ui::rgb(1, 2, 3));
    dc.setBackMode(ui::BkMode::Opaque);
    CPPHtmlDrawer drawer(html::systemColour);
    html::DrawContextCanvas canvas(dc);
    const html::Extent size = drawer.LayoutHtml(canvas, u"<h1>big</h1> <font color=red bkgnd=blue>x</font>");
    drawer.PaintHtml(canvas, {0, 0, size.cx, size.cy});
    EXPECT_EQ(dc.font(), font);
    EXPECT_EQ(dc.textColour(), ui::rgb(1, 2, 3));
    EXPECT_EQ(dc.backMode(), ui::BkMode::Opaque);
}
