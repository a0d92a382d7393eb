#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

#include "controls/resizable/WidgetPlacement.h"
#include "tests/support/ui/UiTest.h"

using namespace resizable;

namespace {

TEST(WidgetPlacement, FrameSavedOffScreenComesBackOnScreenWithItsWidth) {
    const auto path = std::filesystem::temp_directory_path() / "varm_widget_placement.ini";
    std::filesystem::remove(path);
    IniProfile profile(path.u16string());
    QWidget frame;
    frame.setGeometry(-200, 50, 500, 300);
    WidgetPlacement placed(frame);
    CResizableState::SaveWindowRect(profile, placed, u"KelvoMainFrame", true);

    QWidget again;
    WidgetPlacement restored(again);
    ASSERT_TRUE(CResizableState::LoadWindowRect(profile, restored, u"KelvoMainFrame", true));
    EXPECT_EQ(again.geometry(), QRect(0, 50, 500, 300));
    std::filesystem::remove(path);
}

}  // namespace
