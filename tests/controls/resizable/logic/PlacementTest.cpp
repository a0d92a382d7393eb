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
    Box screenRect() const override { return {0, 0, 1024, 768}; }
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
