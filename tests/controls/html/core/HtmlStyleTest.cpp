// The style sheet, CSS declarations and their values, and the style stack.
#include "controls/html/HtmlMath.h"
#include "tests/controls/html/core/DrawerFixture.h"

using htmltest::DrawerTest;

TEST_F(DrawerTest, LengthsReadSizesPercentagesAndUnits) {
    struct Case {
        const char16_t* value;
        int base;
        bool htmlSizes;
        int expected;
    } cases[] = {
        {u"3", 16, true, 12},    {u"9", 16, true, 9},   {u"3", 2, false, 3},
        {u"65%", 16, true, 10},  // 16 x 65 / 100 = 10.4
        {u"-2px", 16, true, 2},  {u"", 7, false, 7},    {u"010", 0, false, 8},
        {u"0x10", 0, false, 16}, {u"7", 0, true, 36},   {u"125%", 16, false, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::u16string(c.value).size());
        EXPECT_EQ(drawer.ParseLength(c.value, c.base, c.htmlSizes), c.expected);
    }
}

TEST_F(DrawerTest, PointsAndEmsFollowTheCanvas) {
    // 96 px per inch: 10 pt = 960 / 72 = 13 px; 2 em of that font = 26 px.
    drawer.StoreTagStyle(u".big", u"font-size: 2em");
    render(u"a<span class=big>b</span><font size=1in>c</font>");
    EXPECT_EQ(drawn(u"a").font.height, 13);
    EXPECT_EQ(drawn(u"b").font.height, 26);
    EXPECT_EQ(drawn(u"c").font.height, 96);
}

TEST_F(DrawerTest, ColoursAreHashTripletsNumbersOrNames) {
    struct Case {
        const char16_t* value;
        html::Colour expected;
    } cases[] = {
        {u"#ff9900", 0x0099FF}, {u"#f90", 0x123456},    {u"0x0000FF", 0x0000FF},
        {u"010", 8},            {u"red", 0x0000FF},     {u"Red", 0x123456},
        {u"", 0x123456},        {u"#gg0000", 0x123456},
    };
    for (const auto& c : cases) EXPECT_EQ(drawer.ParseColour(c.value, 0x123456), c.expected);
}

TEST_F(DrawerTest, ColourNamesAreCaseSensitiveAndComplete) {
    EXPECT_EQ(drawer.LookupColour(u"gray", 1), 0x808080u);
    EXPECT_EQ(drawer.LookupColour(u"grey", 1), 1u);
    EXPECT_EQ(drawer.LookupColour(u"Red", 1), 1u);
    EXPECT_EQ(drawer.LookupColour(u"lightgrey", 1), 0xD3D3D3u);
    EXPECT_EQ(drawer.LookupColour(u"darkseagreen", 1), 0x8FBC8Fu);  // symmetric
    EXPECT_EQ(drawer.LookupColour(u"orange", 1), 0x00A5FFu);        // #FFA500
    EXPECT_EQ(drawer.LookupColour(u"windowtext", 1), htmltest::greySystemColour(8));
    EXPECT_EQ(drawer.LookupColour(u"infobackground", 1), htmltest::greySystemColour(24));
    EXPECT_EQ(html::makeColourTable(htmltest::greySystemColour).size(), 168u);
    drawer.SetEnabled(false);
    EXPECT_EQ(drawer.LookupColour(u"no such colour", 1), drawer.DisabledColour());
}

TEST_F(DrawerTest, DeclarationsSetTheirFields) {
    HtmlStyle s;
    drawer.ApplyCssDeclarations(
        u"Font-Weight: bold; text-decoration: underline, overline; text-align:right; "
        u"vertical-align:middle; font-family:\"Courier New\"; margin:3; padding:4; "
        u"background-color:#00ff00; unknown: 5",
        s);
    EXPECT_EQ(s.weight, 700);
    EXPECT_EQ(s.underline, 1);
    EXPECT_EQ(s.overline, 1);
    EXPECT_EQ(s.strikeout, 0);
    EXPECT_EQ(s.hAlign, 2);
    EXPECT_EQ(s.vAlign, 1);
    EXPECT_EQ(s.face, u"courier new");
    EXPECT_EQ(s.margin, 3);
    EXPECT_EQ(s.padding, 4);
    EXPECT_EQ(s.bkMode, 2);
    EXPECT_EQ(s.bkColour, 0x00FF00u);
    drawer.ApplyCssDeclarations(u"text-decoration:", s);
    EXPECT_EQ(s.underline + s.overline + s.strikeout, 0);
}

TEST_F(DrawerTest, BorderWidthAndStyleKeepEachOtherConsistent) {
    HtmlStyle s;
    s.borderWidth = 4;
    drawer.ApplyCssDeclarations(u"border-width: thick", s);
    EXPECT_EQ(s.borderWidth, 5);
    EXPECT_EQ(s.borderStyle, 1);
    HtmlStyle t;
    drawer.ApplyCssDeclarations(u"border-style: dashed", t);
    EXPECT_EQ(t.borderStyle, 2);
    EXPECT_EQ(t.borderWidth, 1);
    drawer.ApplyCssDeclarations(u"border-width: 0", t);
    EXPECT_EQ(t.borderStyle, 0);
    // Markup cannot grow a width without bound.
    std::u16string thick;
    for (int i = 0; i < 200; ++i) thick += u"border-width: thick;";
    drawer.ApplyCssDeclarations(thick, s);
    EXPECT_EQ(s.borderWidth, html::kMaxCoord);
}

TEST_F(DrawerTest, StyleSheetSelectorsAreCaseInsensitiveAndTheBuiltInSheetReturns) {
    drawer.SetCssStyles(u"H1 {color:red}\n.x {font-size: 3}\nempty {}");
    EXPECT_EQ(drawer.LookUpTagStyle(u"h1"), std::u16string(u"color:red"));
    EXPECT_EQ(drawer.LookUpTagStyle(u".X"), std::u16string(u"font-size: 3"));
    EXPECT_FALSE(drawer.LookUpTagStyle(u"body"));
    EXPECT_FALSE(drawer.LookUpTagStyle(u"empty"));
    drawer.SetCssStyles(std::nullopt);
    EXPECT_EQ(drawer.LookUpTagStyle(u"a:hover"),
              std::u16string(u"text-decoration:underline; color:blue"));
    EXPECT_EQ(drawer.LookUpTagStyle(u"pre"),
              std::u16string(u"font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb"));
}

TEST_F(DrawerTest, PopRestoresOnlyTheLevelOfTheSameTag) {
    HtmlStyle& s = drawer.CurrentStyle();
    s.tag = u"bold";
    s.weight = 400;
    drawer.PushPopStyle(false);
    s.weight = 800;
    s.tag = u"italic";
    EXPECT_FALSE(drawer.PushPopStyle(true));
    EXPECT_EQ(s.weight, 800);
    EXPECT_TRUE(s.tag.empty());
    s.tag = u"bold";
    EXPECT_TRUE(drawer.PushPopStyle(true));
    EXPECT_EQ(drawer.CurrentStyle().weight, 400);
    EXPECT_TRUE(drawer.CurrentStyle().tag.empty());
}

TEST_F(DrawerTest, HeadingsAndSmallTextTakeTheirSheetEntries) {
    render(u"<h2>a</h2><small>b</small><sub>c</sub>");
    EXPECT_EQ(drawn(u"a").colour, 0x0099FFu);  // #ff9900
    EXPECT_EQ(drawn(u"a").font.height, 17);    // 13 pt = 1248 / 72
    EXPECT_EQ(drawn(u"b").font.height, 10);    // 75 % of 13 = 9.75
    EXPECT_EQ(drawn(u"c").font.height, 8);     // 65 % of 13 = 8.45
}
