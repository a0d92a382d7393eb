#include "platform/ui/GuardedApplication.h"

#include "platform/ui/Window.h"

namespace ui {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    QWidget* widget =
        receiver && receiver->isWidgetType() ? static_cast<QWidget*>(receiver) : nullptr;
    const bool paint = event->type() == QEvent::Paint;
    if (paint && paintingStopped(widget)) return true;
    bool result = false;
    if (!guarded(msgOfEvent(event), [&] { result = QApplication::notify(receiver, event); })) {
        if (paint) stopPainting(widget);
        return true;
    }
    return result;
}

}  // namespace ui
