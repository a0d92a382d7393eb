#include "controls/resizable/SaveRestore.h"

#include "controls/resizable/WidgetPlacement.h"

namespace resizable {

bool SaveRestore::enable(QWidget& window, const std::u16string& section, bool rectOnly) {
    section_ = section;
    rectOnly_ = rectOnly;
    enabled_ = true;
    if (!profile_) return false;
    WidgetPlacement placed(window);
    return CResizableState::LoadWindowRect(*profile_, placed, section_, rectOnly_);
}

void SaveRestore::saveIfEnabled(QWidget& window) const {
    if (!enabled_ || !profile_) return;
    const WidgetPlacement placed(window);
    CResizableState::SaveWindowRect(*profile_, placed, section_, rectOnly_);
}

}  // namespace resizable
