#pragma once
// A window's placement saved in the profile, entry "WindowPlacement" of a section:
// "left,top,right,bottom,show command,flags".
#include <optional>
#include <string>

#include "controls/resizable/LayoutMath.h"
#include "controls/resizable/Profile.h"

namespace resizable {

inline constexpr char16_t kPlacementEntry[] = u"WindowPlacement";
inline constexpr int kShowNormal = 1;
// A saved window keeps at least this much of itself inside the screen's top-left area.
inline constexpr int kOnScreenMargin = 100;

struct WindowPlacement {
    Box rect;          // the window rectangle or the normal-position rectangle
    int showCommand = kShowNormal;
    int flags = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

std::u16string formatPlacement(const WindowPlacement& p);
// Exactly six numbers separated by commas, else nothing.
std::optional<WindowPlacement> parsePlacement(std::u16string_view text);

// The window as seen by the saving code; the frame windows supply it.
class PlacedWindow {
  public:
    virtual ~PlacedWindow() = default;
    virtual Box windowRect() const = 0;
    virtual WindowPlacement placement() const = 0;  // normal-position rectangle
    virtual Box screenRect() const = 0;
    // Where a restored window may lie: the free area (without panels) of the screen that
    // holds most of `rect`; the screen when nothing better is known.
    virtual Box workArea(const Box& /*rect*/) const { return screenRect(); }
    virtual void moveTo(const Box& rect) = 0;  // no z-order, activation or owner change
    virtual void applyPlacement(const WindowPlacement& p) = 0;
};

class CResizableState {
  public:
    static void SaveWindowRect(Profile& profile, const PlacedWindow& window,
                               const std::u16string& section, bool rectOnly);
    static bool LoadWindowRect(Profile& profile, PlacedWindow& window,
                               const std::u16string& section, bool rectOnly);
};

// Left and top limited to the screen less the margin; width and height kept.
Box keepOnScreen(const Box& rect, const Box& screen);
// The rectangle moved (and, where larger, cut) so that it lies wholly inside the area.
Box fitInto(const Box& rect, const Box& area);

}  // namespace resizable
