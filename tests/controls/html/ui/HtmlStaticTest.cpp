// The HTML static control: its markup, the centre style, links, and the engraved look of
// a disabled control.
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

#include "controls/html/PPHtmlStatic.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

class HtmlStatic : public uitest::Fixture {
  protected:
    void SetUp() override {
        uitest::desktop().opened.clear();
        panel.resize(360, 200);
    }
    CPPHtmlStatic* make(std::u16string text, unsigned style, QRect where) {
        auto* s = new CPPHtmlStatic(&panel, std::move(text), style);
        s->setGeometry(where);
        return s;
    }
    QWidget panel;
};

// How many pixels of a colour (COLORREF) an image has, each channel within `tolerance`
// (the text is smoothed, so few pixels have the exact colour).
int countColour(const QImage& img, ui::ColourRef c, int tolerance = 0) {
    const QColor want = ui::toQColor(c);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor px = img.pixelColor(x, y);
            n += std::abs(px.red() - want.red()) <= tolerance &&
                 std::abs(px.green() - want.green()) <= tolerance &&
                 std::abs(px.blue() - want.blue()) <= tolerance;
        }
    return n;
}

TEST_F(HtmlStatic, ATextColourWrapsTheMarkupInAFontElement) {
    CPPHtmlStatic* s = make(u"Heat <b>load</b>", html::staticStyle::Left, {0, 0, 200, 30});
    EXPECT_EQ(s->markup(), u"Heat <b>load</b>");
    s->SetTextColor(0xABCDEF);
    EXPECT_EQ(s->markup(), u"<font color=0xABCDEF>Heat <b>load</b></font>");
    s->SetTextColor(0x0000FF);
    EXPECT_EQ(s->markup(), u"<font color=0x0000FF>Heat <b>load</b></font>");
    s->SetTextColor(CPPHtmlStatic::kNoColour);
    EXPECT_EQ(s->markup(), u"Heat <b>load</b>");
}

TEST_F(HtmlStatic, TheCentreStyleCentresANarrowBlock) {
    CPPHtmlStatic* s = make(u"Centred", html::staticStyle::Centre, {10, 10, 300, 40});
    panel.show();
    uitest::render(panel);
    const ui::Rect r = s->textRect();
    ASSERT_GT(r.width(), 0);
    EXPECT_LT(r.width(), 300);
    EXPECT_NEAR(r.left, 300 - r.right, 1);  // free width shared on both sides
    EXPECT_EQ(r.top, 0);
}

TEST_F(HtmlStatic, LinksOpenOnClickAndShowTheHand) {
    CPPHtmlStatic* s = make(u"See <a href=\"https://example.org/heat\">the guide</a>",
                            html::staticStyle::Centre, {10, 10, 300, 40});
    panel.show();
    uitest::render(panel);
    ASSERT_FALSE(s->drawer().LinkAreas().empty());
    const html::Box area = s->drawer().LinkAreas().front().box;
    const QPoint onLink((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    uitest::move(*s, onLink);
    EXPECT_EQ(s->cursor().shape(), Qt::PointingHandCursor);
    uitest::click(*s, onLink);
    ASSERT_EQ(uitest::desktop().opened.size(), 1u);
    EXPECT_EQ(uitest::desktop().opened[0].toString(), "https://example.org/heat");
    uitest::move(*s, {1, 1});
    EXPECT_EQ(s->cursor().shape(), Qt::ArrowCursor);
    uitest::click(*s, {1, 1});
    EXPECT_EQ(uitest::desktop().opened.size(), 1u);
    // A double-click (press, release, double-click, release) opens it once more, not twice.
    uitest::doubleClick(*s, onLink);
    EXPECT_EQ(uitest::desktop().opened.size(), 2u);
}

TEST_F(HtmlStatic, ADisabledControlIsEngravedAndIgnoresClicks) {
    CPPHtmlStatic* s = make(u"<b>Disabled</b> <a href=\"https://example.org\">link</a>",
                            html::staticStyle::Left, {10, 10, 300, 40});
    s->SetBkMode(CPPHtmlStatic::Opaque);
    s->SetBkColor(ui::rgb(192, 192, 192));
    panel.show();
    const QImage enabled = uitest::render(*s);
    EXPECT_GT(countColour(enabled, ui::rgb(0, 0, 0)), 0);  // the body text in window text
    s->setEnabled(false);
    const QImage img = uitest::render(*s);
    // The highlight (white) below and right, the button shadow (grey 128) on top; nothing
    // left in the text's own black or the link's blue. Near white: within 24 per channel
    // (the background is 192).
    EXPECT_GT(countColour(img, ui::rgb(255, 255, 255), 24), 10);
    EXPECT_GT(countColour(img, ui::rgb(128, 128, 128)), 10);
    EXPECT_EQ(countColour(img, ui::rgb(0, 0, 0)), 0);
    EXPECT_EQ(countColour(img, ui::rgb(0, 0, 255)), 0);
    ASSERT_FALSE(s->drawer().LinkAreas().empty());
    const html::Box area = s->drawer().LinkAreas().front().box;
    const QPoint onLink((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    uitest::move(*s, onLink);
    EXPECT_NE(s->cursor().shape(), Qt::PointingHandCursor);
    uitest::click(*s, onLink);
    EXPECT_TRUE(uitest::desktop().opened.empty());
}

TEST_F(HtmlStatic, Picture) {
    panel.setAutoFillBackground(true);
    make(u"<font size=4><b>Heating load</b></font><br>after the standard, "
         u"<a href=\"https://example.org\">explained here</a>",
         html::staticStyle::Centre, {10, 10, 340, 44});
    CPPHtmlStatic* coloured = make(u"Transparent text in <i>one colour</i><br>over the dialog face",
                                   html::staticStyle::Left, {10, 64, 340, 40});
    coloured->SetTextColor(0x800000);  // navy
    CPPHtmlStatic* opaque = make(u"Opaque, right aligned<br><u>second line</u>", html::staticStyle::Right,
                                 {10, 110, 340, 40});
    opaque->SetBkMode(CPPHtmlStatic::Opaque);
    opaque->SetBkColor(ui::rgb(255, 255, 224));
    CPPHtmlStatic* disabled = make(u"<b>Disabled:</b> engraved text and a <a href=\"x\">link</a>",
                                   html::staticStyle::Centre | html::staticStyle::CentreImage,
                                   {10, 156, 340, 34});
    disabled->setEnabled(false);
    panel.show();
    EXPECT_FALSE(uitest::saveArtifact(panel, "html-static").empty());
}

}  // namespace
