#include "app/options/KlickFeld.h"

CKlickFeld::CKlickFeld(QWidget* parent) : WindowOf<QWidget>(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

bool CKlickFeld::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods, int) {
    if (kind == ui::MouseKind::LeftDown) setFocus(Qt::MouseFocusReason);
    if (kind != ui::MouseKind::LeftUp || !clientRect().contains(p)) return false;
    Melde();
    return true;
}

bool CKlickFeld::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::Space && key != ui::Key::Return) return false;
    Melde();
    return true;
}

void CKlickFeld::Melde() {
    if (ui::Window* seite = owner()) ui::sendCommand(*seite, controlId(), 0, this);
}
