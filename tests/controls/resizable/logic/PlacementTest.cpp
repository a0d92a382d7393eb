#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "controls/resizable/ResizableState.h"
#include "tests/controls/resizable/MemoryProfile.h"

using namespace resizable;

namespace {

class FakeWindow : public PlacedWindow {
  public:
    Box rect{0, 0, 0, 0};
    WindowPlacement normal;
    std::optional<Box> movedTo;
    std::optional<WindowPlacement> applied;
    Box windowRect() const override { return rect; }
    WindowPlacement placement() const override { return normal; }
    Box area{0, 0, 1024, 768};
    Box screenRect() const override { return {0, 0, 1024, 768}; }
    Box workArea(const Box&) const override { return area; }
    void moveTo(const Box& r) override { movedTo = r; }
    void applyPlacement(const WindowPlacement& p) override { applied = p; }
};

TEST(Placement, SavedOffScreenComesBackWithItsWidth) {
    testsupport::MemoryProfile profile;
    FakeWindow window;
    window.rect = {-250, 40, 350, 440};  // 600 wide, 400 high, partly off to the left
    CResizableState::SaveWindowRect(profile, window, u"KelvoMainFrame", true);
    EXPECT_EQ(profile.readString(u"KelvoMainFrame", u"WindowPlacement"), u"0,40,600,440,1,0");
    FakeWindow restored;
    ASSERT_TRUE(CResizableState::LoadWindowRect(profile, restored, u"KelvoMainFrame", true));
    EXPECT_EQ(restored.movedTo, (Box{0, 40, 600, 440}));
    EXPECT_FALSE(restored.applied);
}

TEST(Placement, LimitsLeftAndTopToScreenLessMargin) {
    // 1024 - 100 = 924 and 768 - 100 = 668 are the largest left and top.
    EXPECT_EQ(keepOnScreen({2000, 900, 2300, 1000}, {0, 0, 1024, 768}), (Box{924, 668, 1224, 768}));
}

// A placement saved on other screens comes back wholly inside the free area of the screen
// it is restored on, keeping its size where that fits.
TEST(Placement, RestoredPlacementLiesInsideTheWorkArea) {
    const struct {
        const char16_t* saved;
        Box area;
        Box restored;
    } cases[] = {
        // 1400 x 900 screen, 800 x 600 window saved at 3000,2000: moved back by its size.
        {u"3000,2000,3800,2600,1,0", {0, 0, 1400, 900}, {600, 300, 1400, 900}},
        {u"-500,-300,300,300,1,0", {0, 0, 1400, 900}, {0, 0, 800, 600}},
        // Below a 30 px panel at the top of the screen.
        {u"10,0,810,600,1,0", {0, 30, 1400, 900}, {10, 30, 810, 630}},
        // Larger than the screen: cut to it.
        {u"0,0,2000,1200,1,0", {0, 0, 1400, 900}, {0, 0, 1400, 900}},
        // On a second screen to the right that is still there: left where it was.
        {u"1500,100,2300,700,1,0", {1400, 0, 2800, 900}, {1500, 100, 2300, 700}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        testsupport::MemoryProfile profile;
        profile.entries[{u"KelvoMainFrame", u"WindowPlacement"}] = c.saved;
        FakeWindow window;
        window.area = c.area;
        ASSERT_TRUE(CResizableState::LoadWindowRect(profile, window, u"KelvoMainFrame", true));
        EXPECT_EQ(window.movedTo, c.restored) << "case " << i;
        // The full placement (show command and flags) is brought inside the same way.
        FakeWindow full;
        full.area = c.area;
        ASSERT_TRUE(CResizableState::LoadWindowRect(profile, full, u"KelvoMainFrame", false));
        ASSERT_TRUE(full.applied);
        EXPECT_EQ(full.applied->rect, c.restored) << "case " << i;
    }
}

TEST(Placement, FullPlacementKeepsShowCommandAndFlags) {
    testsupport::MemoryProfile profile;
    FakeWindow window;
    window.normal = {{10, 20, 110, 220}, 3, 2};
    CResizableState::SaveWindowRect(profile, window, u"Child", false);
    FakeWindow restored;
    ASSERT_TRUE(CResizableState::LoadWindowRect(profile, restored, u"Child", false));
    EXPECT_EQ(restored.applied, window.normal);
}

TEST(Placement, MalformedEntriesRestoreNothing) {
    for (const std::u16string text : {u"", u"1,2,3,4,5", u"1,2,3,4,5,6,7", u"1,2,x,4,5,6", u"1,,3,4,5,6"}) {
        testsupport::MemoryProfile profile;
        profile.entries[{u"S", u"WindowPlacement"}] = text;
        FakeWindow window;
        EXPECT_FALSE(CResizableState::LoadWindowRect(profile, window, u"S", true));
        EXPECT_FALSE(window.movedTo);
    }
    testsupport::MemoryProfile none;
    FakeWindow window;
    EXPECT_FALSE(CResizableState::LoadWindowRect(none, window, u"S", true));
}

TEST(Placement, IniProfileKeepsEntryInFile) {
    const auto path = std::filesystem::temp_directory_path() / "varm_placement_test.ini";
    std::filesystem::remove(path);
    {
        IniProfile profile(path.u16string());
        profile.writeString(u"KelvoMainFrame", u"WindowPlacement", u"1,2,3,4,1,0");
    }
    IniProfile again(path.u16string());
    EXPECT_EQ(again.readString(u"KelvoMainFrame", u"WindowPlacement"), u"1,2,3,4,1,0");
    EXPECT_FALSE(again.readString(u"KelvoMainFrame", u"Other"));
    std::filesystem::remove(path);
}

}  // namespace
