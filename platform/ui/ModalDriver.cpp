#include "platform/ui/ModalDriver.h"

#include <QDialog>

namespace ui {
namespace {
ModalDriver::Runner& runner() {
    static ModalDriver::Runner r;
    return r;
}
}  // namespace

int ModalDriver::runModal(QDialog& dialog) {
    if (runner()) return runner()(dialog);
    return dialog.exec();
}

ModalDriver::Runner ModalDriver::install(Runner r) { return std::exchange(runner(), std::move(r)); }

}  // namespace ui
