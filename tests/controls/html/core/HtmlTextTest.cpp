// Text, tags, lines and alignment of the drawer, measured and painted on a fixed-pitch
// canvas (6 px per character, lines 13 px: ascent 10, descent 3).
#include "tests/controls/html/core/DrawerFixture.h"

using htmltest::DrawerTest;

TEST_F(DrawerTest, PreprocessingReplacesEntitiesInOrderAndTurnsBreaksIntoTags) {
    EXPECT_EQ(drawer.Preprocess(u"a\r\nb\tc"), u"a<br>b<t>c");
    // "&amp;" goes first, so its output meets "&lt;", which becomes the escaped "<<".
    EXPECT_EQ(drawer.Preprocess(u"&amp;lt;"), u"<<");
    EXPECT_EQ(drawer.Preprocess(u"&copy;&nbsp;&euro;"), u"\u00A9 \u20AC");
    drawer.SetTextLineBreaks(false);
    EXPECT_EQ(drawer.Preprocess(u"a\r\nb\tc"), u"abc");
}

TEST_F(DrawerTest, EscapedLessThanIsDrawnAsOneCharacterAndOpensNoTag) {
    render(u"&amp;lt;");
    EXPECT_EQ(dc.drawnText(), u"<");
    dc.clearDrawing();
    render(u"&lt;b&gt;x");
    EXPECT_EQ(dc.drawnText(), u"<b>x");
    EXPECT_EQ(drawn(u"b>x").font.weight, 400);
}

TEST_F(DrawerTest, LineFeedsEndLinesAndTabsMoveToStops) {
    // Two lines of 2 characters: 12 x 26, each + 1.
    EXPECT_EQ(render(u"ab\ncd"), (html::Extent{13, 27}));
    EXPECT_EQ(drawn(u"cd").y, 13);
    EXPECT_EQ(drawn(u"cd").x, 0);
    dc.clearDrawing();
    render(u"a\tb");
    EXPECT_EQ(drawn(u"b").x, 32);  // from 6 to the next stop
}

TEST_F(DrawerTest, EmptyResultMeasuresNothingAndAnythingElseGainsOne) {
    EXPECT_EQ(layout(u""), (html::Extent{0, 0}));
    EXPECT_EQ(layout(u"<b></b><unknown>"), (html::Extent{0, 0}));
    EXPECT_TRUE(drawer.PreparedText().empty());
    drawer.PaintHtml(dc, {0, 0, 100, 100});
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_EQ(layout(u"x"), (html::Extent{7, 14}));
}

TEST_F(DrawerTest, LongTextStaysOnOneLine) {
    const std::u16string text(500, u'w');
    EXPECT_EQ(render(text, {0, 0, 50, 50}), (html::Extent{3001, 14}));
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].y, 0);
}

TEST_F(DrawerTest, BoldDoublesTheWeightAndEachClosingTagRestoresIt) {
    render(u"<b>w<b>x</b>y</b>z<h1><b>h</b></h1>");
    struct Case {
        const char16_t* text;
        int weight;
    } cases[] = {{u"w", 800}, {u"x", 900}, {u"y", 800}, {u"z", 400}, {u"h", 900}};
    for (const auto& c : cases) EXPECT_EQ(drawn(c.text).font.weight, c.weight);
}

TEST_F(DrawerTest, ClosingTagsCloseTheirCanonicalTagOnly) {
    render(u"<i>a</em>b<i>c</b>d</i>e<b><i>f</b>g</i>h");
    struct Case {
        const char16_t* text;
        bool italic;
        int weight;
    } cases[] = {
        {u"a", true, 400},  {u"b", false, 400},  // </em> closes <i>
        {u"c", true, 400},  {u"d", true, 400},   // </b> does not
        {u"e", false, 400},
        {u"f", true, 800},  {u"g", true, 800},   // badly nested: </b> is ignored
        {u"h", false, 800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + 1));
        EXPECT_EQ(drawn(c.text).font.italic, c.italic);
        EXPECT_EQ(drawn(c.text).font.weight, c.weight);
    }
}

TEST_F(DrawerTest, FontTagSetsFaceSizeColourAndLetters) {
    render(u"<font face=Arial size=5 color=#ff0000 style=-b+iu>x</font>y");
    const auto& x = drawn(u"x");
    EXPECT_EQ(x.font.face, u"Arial");
    EXPECT_EQ(x.font.height, 18);  // html size 5
    EXPECT_EQ(x.colour, 0x0000FFu);
    EXPECT_EQ(x.font.weight, 400);
    EXPECT_TRUE(x.font.italic);
    EXPECT_TRUE(x.font.underline);
    EXPECT_EQ(drawn(u"y").font, (html::FontDesc{13, 400, false, false, false, u"verdana"}));
}

TEST_F(DrawerTest, PaintedLinesTakeTheirAlignmentFromTheLayout) {
    render(u"<center>ab</center>\n<right>cd</right>\n<justify>ef</justify>", {0, 0, 100, 60});
    EXPECT_EQ(drawn(u"ab").x, 44);  // (100 - 12) / 2
    EXPECT_EQ(drawn(u"cd").x, 88);
    EXPECT_EQ(drawn(u"ef").x, 0);
}

TEST_F(DrawerTest, PiecesOfALineShareTheBaseline) {
    // A: 26 px (ascent 20, descent 6); b: 13 px (ascent 10): the line is 20 + 6 high.
    EXPECT_EQ(render(u"<font size=26px>A</font>b").cy, 27);
    EXPECT_EQ(drawn(u"A").y, 0);
    EXPECT_EQ(drawn(u"b").y, 10);
}

TEST_F(DrawerTest, TabStopsLieEveryTabWidthFromTheLeftEdge) {
    // 16 px font: 8 px per character.
    struct Case {
        const char16_t* text;
        int x;
    } cases[] = {
        {u"<t>x", 32},                           // on a stop: a full tab further
        {u"<font size=16px>abcd<t>x", 64},       // 32 is a stop
        {u"<font size=16px>ab<t=2>x", 64},       // 16: next stop 32, one tab more
        {u"<font size=16px>a<t>b<t>x", 64},
    };
    for (const auto& c : cases) {
        dc.clearDrawing();
        render(c.text);
        EXPECT_EQ(drawn(u"x").x, c.x);
    }
}

TEST_F(DrawerTest, TrailingBlanksOfTheLastPieceAreNotDrawn) {
    render(u"a <u>bc  </u>");
    EXPECT_EQ(dc.texts.back().text, u"bc");
    dc.clearDrawing();
    render(u"<u>bc  </u>d");
    EXPECT_EQ(drawn(u"bc  ").x, 0);
}

TEST_F(DrawerTest, RuleTakesThePaintWidthAndReservesItsLine) {
    // Layout: 1 px wide plus 100 % of the widest line (1), 1 + 8 high.
    EXPECT_EQ(layout(u"<hr>"), (html::Extent{3, 10}));
    drawer.PaintHtml(dc, {0, 0, 200, 10});
    ASSERT_EQ(dc.lines.size(), 1u);
    const auto& rule = dc.lines[0];
    EXPECT_EQ(rule.x1, 0);
    EXPECT_EQ(rule.x2, 200);
    EXPECT_EQ(rule.y1, 4);
    EXPECT_EQ(rule.width, 1);
    dc.clearDrawing();
    render(u"<hr width=30 size=3 color=red>");
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].x2 - dc.lines[0].x1, 30);
    EXPECT_EQ(dc.lines[0].width, 3);
    EXPECT_EQ(dc.lines[0].colour, 0x0000FFu);
}

TEST_F(DrawerTest, OverlineIsALineOverThePiece) {
    render(u"<b><span class=o>ab</span></b>");  // no such class: nothing
    EXPECT_TRUE(dc.lines.empty());
    drawer.StoreTagStyle(u".o", u"text-decoration: overline");
    dc.clearDrawing();
    render(u"<b><span class=o>ab</span></b>");
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].x2, 12);
    EXPECT_EQ(dc.lines[0].width, 2);  // bold
}

TEST_F(DrawerTest, TextTransformChangesCase) {
    drawer.StoreTagStyle(u".c", u"text-transform:capitalize");
    drawer.StoreTagStyle(u".u", u"text-transform:uppercase");
    render(u"<span class=c>hello wORLD</span> <span class=u>süß</span>");
    EXPECT_TRUE(dc.find(u"Hello World"));
    EXPECT_TRUE(dc.find(u"SÜß"));
}

TEST_F(DrawerTest, DisabledDrawerDrawsEveryStyledColourInItsDisabledColour) {
    drawer.SetEnabled(false);
    drawer.SetDisabledColour(0x00ABCDEF);
    render(u"a<font color=#ff0000 bkgnd=yellow>b</font><pre>c</pre>");
    for (const char16_t* t : {u"a", u"b", u"c"}) {
        EXPECT_EQ(drawn(t).colour, 0x00ABCDEFu);
        EXPECT_EQ(drawn(t).bkMode, 1);  // "bkgnd" and "background-color" stay transparent
    }
}

TEST_F(DrawerTest, APassLeavesTheCanvasAsItFoundIt) {
    dc.font = {20, 300, true, false, false, u"Mono"};
    dc.text = 0x123456;
    dc.back = 0x654321;
    dc.mode = 2;
    render(u"<b><font color=red bkgnd=blue>x</font>");
    EXPECT_EQ(dc.font, (html::FontDesc{20, 300, true, false, false, u"Mono"}));
    EXPECT_EQ(dc.text, 0x123456u);
    EXPECT_EQ(dc.back, 0x654321u);
    EXPECT_EQ(dc.mode, 2);
}
