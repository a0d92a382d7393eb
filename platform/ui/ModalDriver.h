#pragma once
// How a modal dialog runs. In the program a runner is Qt's own modal loop (exec); tests
// install a runner that shows the dialog, lets a script act on it and returns at once.
// Dialog::doModal and PropertySheet::doModal go through `runModal`; so does anything else
// that would block on a QDialog.
//
//   int result = ui::ModalDriver::runModal(dialog);          // 1 OK, 2 Cancel, ...
//   auto old = ui::ModalDriver::install(myRunner);           // tests; restore with old
#include <functional>

class QDialog;

namespace ui {

class ModalDriver {
  public:
    using Runner = std::function<int(QDialog&)>;
    static int runModal(QDialog& dialog);
    // Installs a runner; an empty one restores Qt's loop. Returns the previous runner.
    static Runner install(Runner runner);
};

}  // namespace ui
