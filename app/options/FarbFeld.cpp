#include "app/options/FarbFeld.h"

CFarbFeld::CFarbFeld(QWidget* parent) : WindowOf<QWidget>(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void CFarbFeld::SetFarbe(uint32_t farbe) {
    m_farbe = farbe;
    invalidate();
}

void CFarbFeld::onPaint(ui::DrawContext& dc) {
    const ui::Rect innen = dc.drawEdge(clientRect(), ui::edge::Sunken);
    dc.fillRect(innen, ui::ColourRef(m_farbe));
    if (hasFocus()) dc.drawFocusRect(innen.inflated(-2, -2));
}

bool CFarbFeld::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods, int) {
    if (kind == ui::MouseKind::LeftDown) setFocus(Qt::MouseFocusReason);
    if (kind != ui::MouseKind::LeftUp || !clientRect().contains(p)) return false;
    Melde();
    return true;
}

bool CFarbFeld::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::Space && key != ui::Key::Return) return false;
    Melde();
    return true;
}

void CFarbFeld::Melde() {
    if (ui::Window* seite = owner()) ui::sendCommand(*seite, controlId(), 0, this);
}
