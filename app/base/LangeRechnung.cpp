#include "app/base/LangeRechnung.h"

#include <QApplication>
#include <QWidget>

#include "model/app/KelvoAppServices.h"

bool LaeuftLangeRechnung() {
    // A long calculation shows its progress window for as long as it runs.
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->isVisible() && dynamic_cast<IDlgProgress*>(fenster)) return true;
    return false;
}
