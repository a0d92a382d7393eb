#include "controls/resizable/GripState.h"

namespace resizable {

void CResizableGrip::ShowSizeGrip(unsigned& status, unsigned bit) {
    if ((status & bit) == 0) {
        status |= bit;
        ++showCount_;
    }
}

void CResizableGrip::HideSizeGrip(unsigned& status, unsigned bit) {
    if ((status & bit) != 0) {
        status &= ~bit;
        --showCount_;
    }
}

void updateGripConditions(CResizableGrip& grip, unsigned& status, const GripFacts& facts) {
    const auto apply = [&](bool holds, unsigned bit) {
        if (holds) grip.ShowSizeGrip(status, bit);
        else grip.HideSizeGrip(status, bit);
    };
    apply(!facts.frameMaximised, kGripNotMaximised);
    apply(facts.width >= facts.scrollWidth && facts.height >= facts.scrollHeight,
          kGripNoScrollBars);
    apply(facts.atFrameCorner, kGripAtFrameCorner);
}

}  // namespace resizable
