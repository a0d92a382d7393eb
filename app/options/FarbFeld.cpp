#include "app/options/FarbFeld.h"

CFarbFeld::CFarbFeld(QWidget* parent) : CKlickFeld(parent) {}

void CFarbFeld::SetFarbe(uint32_t farbe) {
    m_farbe = farbe;
    invalidate();
}

void CFarbFeld::onPaint(ui::DrawContext& dc) {
    const ui::Rect innen = dc.drawEdge(clientRect(), ui::edge::Sunken);
    dc.fillRect(innen, ui::ColourRef(m_farbe));
    if (hasFocus()) dc.drawFocusRect(innen.inflated(-2, -2));
}
