#include "controls/resizable/SizeLimits.h"

#include <algorithm>

namespace resizable {

void CResizableMinMax::ApplyMinMaxInfo(MinMaxInfo& info) const {
    if (useMinTrack_) info.minTrackSize = minTrack_;
    if (useMaxTrack_) info.maxTrackSize = maxTrack_;
    if (useMaxRect_) {
        info.maxPosition = maxPos_;
        info.maxSize = maxSize_;
    }
}

void combineWithView(MinMaxInfo& own, const MinMaxInfo& view, Extent decoration) {
    own.minTrackSize.cx = std::max(own.minTrackSize.cx, view.minTrackSize.cx + decoration.cx);
    own.minTrackSize.cy = std::max(own.minTrackSize.cy, view.minTrackSize.cy + decoration.cy);
    own.maxTrackSize.cx = std::min(own.maxTrackSize.cx, view.maxTrackSize.cx + decoration.cx);
    own.maxTrackSize.cy = std::min(own.maxTrackSize.cy, view.maxTrackSize.cy + decoration.cy);
}

}  // namespace resizable
