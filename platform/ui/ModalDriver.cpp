#include "platform/ui/ModalDriver.h"

#include <QDialog>

#include "platform/ui/ActionScope.h"

namespace ui {
namespace {
ModalDriver::Runner& runner() {
    static ModalDriver::Runner r;
    return r;
}
}  // namespace

int ModalDriver::runModal(QDialog& dialog) {
    return runModalLoop([&dialog] { return runner() ? runner()(dialog) : dialog.exec(); });
}

ModalDriver::Runner ModalDriver::install(Runner r) { return std::exchange(runner(), std::move(r)); }

}  // namespace ui
