#include "dialogs/ModelessFenster.h"

#include <QWidget>
#include <QWindow>

void ZeigeUeber(QWidget& fenster, QWidget* ueber) {
    fenster.setAttribute(Qt::WA_QuitOnClose, false);
    if (ueber) {
        const QRect rahmen(ueber->mapToGlobal(QPoint(0, 0)), ueber->size());
        fenster.move(rahmen.center() - QPoint(fenster.width() / 2, fenster.height() / 2));
    }
    fenster.show();
    if (ueber && fenster.windowHandle() && ueber->window()->windowHandle())
        fenster.windowHandle()->setTransientParent(ueber->window()->windowHandle());
}
