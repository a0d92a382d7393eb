// Tables: the pre-scan, attributes, column and row sizes, spans and backgrounds. Cell text
// is body text (6 px per character, 13 px lines); cells have a padding of 2.
#include "tests/controls/html/core/DrawerFixture.h"

using htmltest::DrawerTest;

TEST_F(DrawerTest, PreScanCountsTheWidestRowAndIgnoresNestedTables) {
    struct Case {
        const char16_t* text;
        std::pair<int, int> expected;
    } cases[] = {
        {u"<tr><td>a</td></tr><tr><td colspan=3>b</td><td>c</td></tr>", {4, 2}},
        {u"<tr><td><table><tr><td>x</td><td>y</td></tr><tr><td>z</td></tr></table></td></tr>", {1, 1}},
        {u"<tr><td>a<tr><td>b", {1, 1}},  // an unclosed row nests the next one
        {u"no rows", {0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(drawer.ScanTable(c.text), c.expected);
}

TEST_F(DrawerTest, SpanningCellSharesWhatItsColumnsLack) {
    // Columns: "aa" = 12 + 2 x 2 = 16 each; the spanning cell needs 60 + 4 = 64, so each
    // column gets (64 - 32) / 2 more: 32 + 32 + 1 between them. Rows: 13 + 4 = 17 each.
    const auto size = render(u"<table><tr><td>aa</td><td>bb</td></tr>"
                             u"<tr><td colspan=2>cccccccccc</td></tr></table>");
    EXPECT_EQ(size, (html::Extent{66, 36}));
    EXPECT_EQ(drawn(u"aa").x, 2);
    EXPECT_EQ(drawn(u"bb").x, 35);  // 32 + 1 + 2
    EXPECT_EQ(drawn(u"cccccccccc").y, 20);  // 17 + 1 + 2
}

TEST_F(DrawerTest, FreeWidthGoesToColumnsThatAreNotFixed) {
    // Columns 10, 54 (width 50 + 4, fixed), 10: 76 wide; painted 100 wider, the first and
    // last column get 50 each and the fixed one keeps its width.
    const char16_t* text = u"<table><tr><td>a</td><td width=50>b</td><td>c</td></tr></table>";
    EXPECT_EQ(render(text).cx, 77);
    EXPECT_EQ(drawn(u"c").x - drawn(u"b").x, 55);
    dc.clearDrawing();
    drawer.PaintHtml(dc, {0, 0, 176, 100});
    EXPECT_EQ(drawn(u"b").x, 63);  // 60 + 1 + 2
    EXPECT_EQ(drawn(u"c").x - drawn(u"b").x, 55);
}

TEST_F(DrawerTest, RowSpanCoversTheSlotBelow) {
    render(u"<table><tr><td rowspan=2>a</td><td>b</td></tr><tr><td>c</td></tr></table>");
    // "c" takes the second column: the first slot of its row is covered by "a".
    EXPECT_EQ(drawn(u"c").x, drawn(u"b").x);
    EXPECT_GT(drawn(u"c").y, drawn(u"b").y);
}

TEST_F(DrawerTest, CellAttributesNormaliseBorders) {
    HtmlStyle table;
    table.borderStyle = 1;
    table.borderWidth = 2;
    drawer.ParseCellAttributes(u"border=0", table, true);
    EXPECT_EQ(table.borderStyle, 0);
    HtmlStyle cell;
    EXPECT_EQ(drawer.ParseCellAttributes(u"border=3 colspan=2 rowspan=3", cell, false),
              (std::pair<int, int>{2, 3}));
    EXPECT_EQ(cell.borderWidth, 1);
    EXPECT_EQ(cell.borderStyle, 1);
    HtmlStyle dashed;
    drawer.ParseCellAttributes(u"border=4 borderstyle=dashed", dashed, true);
    EXPECT_EQ(dashed.borderWidth, 1);
    HtmlStyle untouched;
    untouched.borderWidth = 7;
    EXPECT_EQ(drawer.ParseCellAttributes(u"", untouched, true), (std::pair<int, int>{1, 1}));
    EXPECT_EQ(untouched.borderWidth, 7);
}

TEST_F(DrawerTest, BackgroundEffectsAreReadOnlyWhileEnabled) {
    HtmlStyle s;
    drawer.ParseCellAttributes(u"bgcolor=yellow bgeffect=hgradient bgendcolor=#0000ff", s, true);
    EXPECT_EQ(s.bkEffect, 1);
    EXPECT_EQ(s.bkColour, 0x00FFFFu);
    EXPECT_EQ(s.bkEndColour, 0xFF0000u);
    EXPECT_EQ(drawer.ParseBkEffect(u"metal", -1), 15);
    EXPECT_EQ(drawer.ParseBkEffect(u"", 4), 4);
    EXPECT_EQ(drawer.ParseBkEffect(u"12", 4), 12);
    drawer.SetEnabled(false);
    HtmlStyle d;
    drawer.ParseCellAttributes(u"bgcolor=yellow bgeffect=hgradient", d, true);
    EXPECT_EQ(d.bkEffect, -1);
}

TEST_F(DrawerTest, TableBackgroundAndBorderArePaintedAroundTheCells) {
    const char16_t* text = u"<table border=1 bgcolor=yellow bordercolor=red cellspacing=2>"
                           u"<tr><td>x</td></tr></table>";
    // The cell takes the table's border of 1: 6 + 2 x (2 + 1) = 12 wide, 13 + 6 = 19 high;
    // the table adds 2 x 2 spacing and 2 x 1 border: 18 x 25.
    EXPECT_EQ(layout(text), (html::Extent{19, 26}));
    drawer.PaintHtml(dc, {0, 0, 18, 40});
    ASSERT_FALSE(dc.fills.empty());
    EXPECT_EQ(dc.fills[0].kind, 0);
    EXPECT_EQ(dc.fills[0].box, (html::Box{0, 0, 18, 25}));
    EXPECT_EQ(dc.fills[0].c1, 0x00FFFFu);
    ASSERT_FALSE(dc.borders.empty());
    EXPECT_EQ(dc.borders[0].box, (html::Box{0, 0, 18, 25}));
    EXPECT_EQ(drawn(u"x").x, 1 + 2 + 1 + 2);  // border, spacing, cell border, padding
}

TEST_F(DrawerTest, TextAroundTablesStacksDownwards) {
    const auto size = render(u"above<table><tr><td>in</td></tr></table>below");
    EXPECT_EQ(drawn(u"above").y, 0);
    EXPECT_EQ(drawn(u"in").y, 13 + 2);
    EXPECT_EQ(drawn(u"below").y, 13 + 17);
    EXPECT_EQ(size.cy, 13 + 17 + 13 + 1);
}

TEST_F(DrawerTest, UnclosedTagsInACellDoNotLeakOut) {
    render(u"<table><tr><td><b><i>x</td><td>y</td></tr></table>z");
    EXPECT_EQ(drawn(u"y").font.weight, 400);
    EXPECT_FALSE(drawn(u"z").font.italic);
}
