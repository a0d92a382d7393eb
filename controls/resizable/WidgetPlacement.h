#pragma once
// A top-level window as the placement code sees it, so that frames save their placement
// on destruction and restore it when saving is enabled.
//
//   resizable::WidgetPlacement placed(*frame);
//   CResizableState::LoadWindowRect(profile, placed, u"KelvoMainFrame", true);
#include "controls/resizable/ResizableState.h"

class QWidget;

namespace resizable {

inline constexpr int kShowMinimised = 2;
inline constexpr int kShowMaximised = 3;

class WidgetPlacement : public PlacedWindow {
  public:
    explicit WidgetPlacement(QWidget& window) : window_(window) {}
    Box windowRect() const override;
    WindowPlacement placement() const override;
    Box screenRect() const override;
    Box workArea(const Box& rect) const override;
    void moveTo(const Box& rect) override;
    void applyPlacement(const WindowPlacement& p) override;

  private:
    QWidget& window_;
};

}  // namespace resizable
