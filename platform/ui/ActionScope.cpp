#include "platform/ui/ActionScope.h"

#include <utility>

namespace ui {
namespace {
ActionScope*& scope() {
    static ActionScope* s = nullptr;
    return s;
}
}  // namespace

ActionScope* setActionScope(ActionScope* s) { return std::exchange(scope(), s); }

bool isUserAction(Msg message) {
    switch (message) {
        case Msg::Paint:
        case Msg::EraseBackground:
        case Msg::SetCursor:
        case Msg::MouseMove:
        case Msg::MouseLeave:
        case Msg::Size: return false;
        default: return true;
    }
}

void runAsAction(Msg message, const std::function<void()>& action) {
    if (scope() && isUserAction(message))
        scope()->runAction(action);
    else
        action();
}

int runModalLoop(const std::function<int()>& loop) {
    return scope() ? scope()->runModal(loop) : loop();
}

}  // namespace ui
