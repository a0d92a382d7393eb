// Links (areas, hover notifications, clicks), images and their sources, animation and the
// texts of "string" tags.
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "tests/support/Sprachmodul.h"
#include "tests/controls/html/core/DrawerFixture.h"

using htmltest::DrawerTest;

namespace {

class LinkTest : public DrawerTest {
  protected:
    void SetUp() override {
        drawer.SetRepaintCallback([this](int index) { hovers.push_back(index); });
        drawer.SetLinkOpener([this](std::u16string_view t) {
            opened.emplace_back(t);
            return true;
        });
        drawer.SetMessageLinkCallback([this](const std::u16string& t) { messages.push_back(t); });
    }
    std::vector<int> hovers;
    std::vector<std::u16string> opened, messages;
};

}  // namespace

TEST_F(LinkTest, HoverIsNotifiedOncePerChangeAndOnlyTargetsGetTheHand) {
    // "go" covers x 0..12, "no" 18..30 (edges included).
    render(u"<a href=\"http://x.org/a b\">go</a> <a>no</a>");
    ASSERT_EQ(drawer.LinkAreas().size(), 2u);
    EXPECT_TRUE(drawer.TrackMouse(5, 5));
    EXPECT_TRUE(drawer.TrackMouse(12, 13));
    EXPECT_FALSE(drawer.TrackMouse(20, 5));  // a link without a target: no hand
    EXPECT_FALSE(drawer.TrackMouse(50, 5));
    EXPECT_FALSE(drawer.TrackMouse(60, 5));
    EXPECT_EQ(hovers, (std::vector<int>{0, 1, -2}));
    drawer.SetHyperlinkCursor(false);
    EXPECT_FALSE(drawer.TrackMouse(5, 5));
}

TEST_F(LinkTest, HoveredLinkIsPaintedWithTheHoverStyle) {
    render(u"<a href=x>go</a>");
    EXPECT_FALSE(drawn(u"go").font.underline);
    EXPECT_EQ(drawn(u"go").colour, 0xFF0000u);  // blue
    drawer.TrackMouse(1, 1);
    dc.clearDrawing();
    render(u"<a href=x>go</a>");
    EXPECT_TRUE(drawn(u"go").font.underline);
}

TEST_F(LinkTest, LinkOverALineBreakIsOneLink) {
    render(u"<a href=x>ab<br>cd</a>");
    ASSERT_EQ(drawer.LinkAreas().size(), 2u);
    EXPECT_EQ(drawer.LinkAreas()[1].index, 0);
    drawer.TrackMouse(1, 1);
    drawer.TrackMouse(1, 15);
    EXPECT_EQ(hovers, (std::vector<int>{0}));
}

TEST_F(LinkTest, ClicksOpenTargetsAsOneArgumentOrSendMessages) {
    render(u"<a href=\"http://x.org/a b;rm\">go</a> <a>no</a> <a msg=\"hello\">m</a>");
    drawer.ClickLink(5, 5);
    drawer.ClickLink(20, 5);  // empty target: nothing
    drawer.ClickLink(37, 5);
    drawer.ClickLink(80, 5);
    EXPECT_EQ(opened, (std::vector<std::u16string>{u"http://x.org/a b;rm"}));
    EXPECT_EQ(messages, (std::vector<std::u16string>{u"hello"}));
}

TEST_F(LinkTest, RepaintingKeepsOneAreaPerPiece) {
    render(u"<a href=x>go</a>");
    drawer.PaintHtml(dc, {0, 0, 20, 20});
    drawer.PaintHtml(dc, {0, 0, 20, 20});
    EXPECT_EQ(drawer.LinkAreas().size(), 1u);
}

TEST_F(DrawerTest, ImageHandlesAndUnloadedLibrariesAreNeverUsed) {
    const auto size = render(u"<bmp handle=0x1234><icon handle=0x1234>"
                             u"<bmp iddll=5 srcdll=\"x.so\"><ilst iddll=5 srcdll=\"/tmp/x.so\">",
                             {0, 0, 100, 100});
    EXPECT_EQ(size, (html::Extent{0, 0}));
    EXPECT_TRUE(dc.loads.empty());
    EXPECT_TRUE(dc.images.empty());
    EXPECT_EQ(drawer.LoadedModuleNamed(u"x.so"), nullptr);
}

TEST_F(DrawerTest, ImagesAreScaledPlacedAndSkippedWhenTheyDoNotLoad) {
    dc.files[u"pic.png"] = {20, 10};
    // Half size: 10 x 5; the missing picture is skipped.
    EXPECT_EQ(render(u"<bmp file=pic.png width=50% height=50%><bmp file=missing.png>"),
              (html::Extent{11, 6}));
    EXPECT_EQ(dc.loads.size(), 4u);  // each pass loads what it needs
    ASSERT_EQ(dc.images.size(), 1u);
    EXPECT_EQ(dc.images[0].width, 10);
    EXPECT_EQ(dc.images[0].height, 5);
    EXPECT_EQ(dc.images[0].flags, 0u);
}

TEST_F(DrawerTest, ImageStylesShadowsAndTheDisabledSilhouette) {
    dc.files[u"pic.png"] = {20, 10};
    EXPECT_EQ(drawer.ParseImageStyle(u"gs"), 0x201);
    render(u"<bmp file=pic.png style=gs>");
    ASSERT_EQ(dc.images.size(), 1u);
    EXPECT_EQ(dc.images[0].flags, 0x201u);
    EXPECT_TRUE(dc.images[0].withShadow);
    EXPECT_EQ(dc.images[0].fillColour, 0x808080u);  // 50 % darkness: 255 x 50 / 100 = 128

    drawer.SetEnabled(false);
    dc.clearDrawing();
    render(u"<bmp file=pic.png style=gs>");
    EXPECT_EQ(dc.images[0].flags, 0x208u);
    EXPECT_EQ(dc.images[0].fillColour, drawer.DisabledColour());

    drawer.SetImageShadow(0, 0, 200, false, 1, 1);
    EXPECT_EQ(drawer.ParseImageStyle(u"gs"), 0x1);
    EXPECT_EQ(drawer.ShadowColour(), 0u);  // darkness capped at 100
}

TEST_F(DrawerTest, FontLettersSwitchForTheNextLetterOnly) {
    drawer.ApplyFontLetters(u"-b+i");
    EXPECT_EQ(drawer.CurrentStyle().weight, 400);
    EXPECT_EQ(drawer.CurrentStyle().italic, 1);
    drawer.CurrentStyle().weight = 700;
    drawer.ApplyFontLetters(u"-xb");
    EXPECT_EQ(drawer.CurrentStyle().weight, 400);
    drawer.ApplyFontLetters(u"-ub");
    EXPECT_EQ(drawer.CurrentStyle().underline, 0);
    EXPECT_EQ(drawer.CurrentStyle().weight, 700);
}

TEST_F(DrawerTest, StripFramesAdvanceWithTheAnimation) {
    dc.files[u"strip.png"] = {30, 10};
    render(u"<ilst file=strip.png cx=10 index=0 speed=2>");
    ASSERT_EQ(dc.images.size(), 1u);
    EXPECT_EQ(dc.images[0].frameIndex, 0);
    EXPECT_EQ(dc.images[0].frameWidth, 10);
    EXPECT_FALSE(drawer.AdvanceAnimation());
    EXPECT_TRUE(drawer.AdvanceAnimation());
    dc.clearDrawing();
    drawer.PaintHtml(dc, {0, 0, 20, 20});
    EXPECT_EQ(dc.images[0].frameIndex, 1);
    for (int i = 0; i < 4; ++i) drawer.AdvanceAnimation();
    dc.clearDrawing();
    drawer.PaintHtml(dc, {0, 0, 20, 20});
    EXPECT_EQ(dc.images[0].frameIndex, 0);  // wrapped after frame 2
}

TEST_F(DrawerTest, BackgroundImagesTileOnlyKnownSources) {
    dc.files[u"tile.png"] = {4, 4};
    drawer.DrawBackgroundImage(dc, {0, 0, 10, 10}, u"file:tile.png");
    drawer.DrawBackgroundImage(dc, {0, 0, 10, 10}, u"handle:1234");
    drawer.DrawBackgroundImage(dc, {0, 0, 10, 10}, u"file:");
    EXPECT_EQ(dc.tiles, (std::vector<html::Box>{{0, 0, 10, 10}}));
    // A table without an effect tiles its background image behind the cells.
    dc.tiles.clear();
    render(u"<table background=\"file:tile.png\"><tr><td>x</td></tr></table>", {0, 0, 40, 40});
    EXPECT_EQ(dc.tiles, (std::vector<html::Box>{{0, 0, 40, 17}}));
    drawer.SetEnabled(false);
    dc.tiles.clear();
    render(u"<table background=\"file:tile.png\"><tr><td>x</td></tr></table>", {0, 0, 40, 40});
    EXPECT_TRUE(dc.tiles.empty());
}

TEST_F(DrawerTest, StringTagsAndLinesComeFromTheLanguageTable) {
    ASSERT_TRUE(testsupport::LadeSprache());
    EXPECT_EQ(drawer.LoadResourceString(0), u"");
    EXPECT_EQ(drawer.LoadResourceString(3091), u"No current project");
    EXPECT_EQ(drawer.ResourceStringLine(3127, 2), u"Do you want this warning furthermore?");
    EXPECT_EQ(drawer.ResourceStringLine(3127, 3), u"");
    render(u"<string idres=3091>");
    EXPECT_EQ(dc.drawnText(), u"No current project");
}

TEST_F(DrawerTest, SrcdllNamesAResourceModuleThatIsAlreadyLoaded) {
    const auto english = testsupport::EnglischesModul();
    platform::ModuleHandle module = platform::loadModule(english.datei);  // as the program does
    ASSERT_NE(module, nullptr);
    const platform::ModuleHandle before = platform::currentResourceModule();
    platform::setCurrentResourceModule(module);
    const std::u16string name(english.datei.begin(), english.datei.end());

    EXPECT_EQ(drawer.LoadedModuleNamed(name), module);
    layout(u"<bmp iddll=7 srcdll=\"" + name + u"\"><icon iddll=8 srcdll=x.so>");
    ASSERT_EQ(dc.loads.size(), 1u);
    EXPECT_EQ(dc.loads[0].module, module);
    EXPECT_EQ(dc.loads[0].id, 7);
    EXPECT_EQ(dc.loads[0].kind, html::ImageSource::Kind::Bitmap);

    platform::setCurrentResourceModule(before);
    platform::freeModule(module);
}
