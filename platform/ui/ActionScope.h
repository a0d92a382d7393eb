#pragma once
// The application can run every user action inside a scope of its own (the program: one
// write of its database). A user action is what a window hook runs for a command, a
// notification, a key, a click, a timer or a dialog's button; whatever it sets off runs
// inside it and nests. A modal loop that an action runs is handed to the scope as well, so
// that it can decide whether the actions inside the loop join the one that opened it.
//
//   class Scope : public ui::ActionScope { ... };
//   ui::ActionScope* old = ui::setActionScope(&scope);   // restore with old
//
// `guarded` (ExceptionBarrier.h) and ModalDriver::runModal hand their work to the scope.
#include <functional>

#include "platform/ui/Messages.h"

namespace ui {

class ActionScope {
  public:
    virtual ~ActionScope() = default;
    // Runs the action once; its exception passes on.
    virtual void runAction(const std::function<void()>& action) = 0;
    virtual int runModal(const std::function<int()>& loop) = 0;
};

// Installs the scope (none: actions run bare). Returns the previous one.
ActionScope* setActionScope(ActionScope* scope);

// Painting, sizing, cursor shapes and mouse moves are no user actions.
bool isUserAction(Msg message);
void runAsAction(Msg message, const std::function<void()>& action);
int runModalLoop(const std::function<int()>& loop);

}  // namespace ui
