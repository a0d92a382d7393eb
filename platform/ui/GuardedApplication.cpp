#include "platform/ui/GuardedApplication.h"

#include "platform/ui/Window.h"

namespace ui {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    const Msg message = msgOfEvent(event);
    if (!guarded(message, [&] { result = QApplication::notify(receiver, event); })) return true;
    return result;
}

}  // namespace ui
