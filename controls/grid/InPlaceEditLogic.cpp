#include "controls/grid/InPlaceEditLogic.h"

#include <algorithm>

namespace grid {

EditOpening OpeningFor(EditTrigger trigger) {
    EditOpening opening;
    switch (trigger.kind) {
        case EditTrigger::Kind::Mouse: opening.exitOnArrows = false; break;
        case EditTrigger::Kind::Key: opening.selectAll = true; break;
        case EditTrigger::Kind::Char:
            if (trigger.code == key::kReturn) break;
            if (trigger.code == key::kBack) {
                opening.feed = trigger.code;
                break;
            }
            opening.selectAll = true;
            // A space only opens the editor, the text selected for what is typed next.
            if (trigger.code != key::kTab && trigger.code != U' ') opening.feed = trigger.code;
            break;
    }
    return opening;
}

std::optional<unsigned> EndingKeyDown(unsigned keyCode, bool exitOnArrows, bool ctrlHeld) {
    if (!key::IsNavigation(keyCode) || keyCode == key::kEnd || keyCode == key::kHome) return {};
    if (!exitOnArrows && !ctrlHeld) return {};
    return keyCode;
}

EditChar OnEditChar(char32_t ch) {
    switch (ch) {
        case key::kTab:
        case key::kReturn: return {EditChar::Action::End, 0, static_cast<unsigned>(ch)};
        case key::kEscape: return {EditChar::Action::Restore, 0, key::kEscape};
        case U',': return {EditChar::Action::Type, U'.', 0};
        default: return {EditChar::Action::Type, ch, 0};
    }
}

int WidenedRight(int left, int right, int textWidth, int gridClientRight) {
    if (textWidth <= right - left) return right;
    return std::max(right, std::min(left + textWidth, gridClientRight));
}

}  // namespace grid
