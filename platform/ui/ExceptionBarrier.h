#pragma once
// No exception crosses Qt's event loop. Every hook of ui::WindowOf<> (paint, mouse, keys,
// timers, commands, notifications arriving by post) runs inside `guarded`, which catches,
// hands the exception once to the application's handler with the window message it
// interrupted, and lets the window go on working. Two hooks end differently, as the
// desktop's default handling of their messages does: a window whose painting failed is not
// painted again (no report on every repaint), and one whose creation (onAttached) failed
// is not shown.
//
//   ui::setWindowErrorHandler([](std::exception_ptr e, ui::Msg m) { ... show 3155/3156 ... });
//   bool ok = ui::guarded(ui::Msg::Command, [&] { doIt(); });   // false: it threw
//
// A hook of a user action runs as one action of the application's scope (ActionScope.h).
// Without an installed handler, platform::UserException (already shown to the user) is
// dropped and anything else is written to stderr. ui::GuardedApplication catches whatever
// an event handler outside WindowOf<> lets through, the same way.
#include <exception>
#include <functional>

#include "platform/ui/ActionScope.h"
#include "platform/ui/Messages.h"

namespace ui {

using WindowErrorHandler = std::function<void(std::exception_ptr, Msg)>;

// Installs the handler; an empty one restores the default. Returns the previous one.
WindowErrorHandler setWindowErrorHandler(WindowErrorHandler handler);

// Reports an exception the way the barrier does (for code that catches by itself).
void reportWindowError(std::exception_ptr error, Msg message);

template <class F>
bool guarded(Msg message, F&& f) noexcept {
    try {
        runAsAction(message, [&f] { f(); });
        return true;
    } catch (...) {
        reportWindowError(std::current_exception(), message);
        return false;
    }
}

}  // namespace ui
