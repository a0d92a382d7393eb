#include "app/options/BalkenBild.h"

#include <iterator>

namespace {

// The bars' lengths in percent of the room, and their colour (0x00bbggrr).
constexpr int kLaengen[] = {45, 80, 60, 95};
constexpr ui::ColourRef kBalken = ui::rgb(0x28, 0x78, 0x96);
constexpr ui::ColourRef kAchse = ui::rgb(0x40, 0x40, 0x40);

}  // namespace

CBalkenBild::CBalkenBild(QWidget* parent, bool horizontal)
    : CKlickFeld(parent), m_horizontal(horizontal) {}

void CBalkenBild::SetGewaehlt(bool gewaehlt) {
    m_gewaehlt = gewaehlt;
    invalidate();
}

void CBalkenBild::onPaint(ui::DrawContext& dc) {
    ui::Rect r = clientRect();
    r = m_gewaehlt ? dc.drawEdge(r, ui::edge::Sunken) : r.inflated(-2, -2);
    dc.fillRect(r, ui::sysColour(ui::SysColour::Window));
    const ui::Rect feld = r.inflated(-6, -6);
    const int n = static_cast<int>(std::size(kLaengen));
    const int quer = m_horizontal ? feld.height() : feld.width();
    const int laenge = m_horizontal ? feld.width() : feld.height();
    const int schritt = quer / n;
    for (int i = 0; i < n; ++i) {
        const int l = laenge * kLaengen[i] / 100;
        const int a = i * schritt + schritt / 4;
        const int b = (i + 1) * schritt - schritt / 4;
        const ui::Rect balken = m_horizontal
                                    ? ui::Rect{feld.left, feld.top + a, feld.left + l, feld.top + b}
                                    : ui::Rect{feld.left + a, feld.bottom - l, feld.left + b, feld.bottom};
        dc.fillRect(balken, kBalken);
    }
    dc.selectPen({ui::PenStyle::Solid, 1, kAchse});
    dc.moveTo({feld.left, feld.top});
    dc.lineTo({feld.left, feld.bottom});
    dc.lineTo({feld.right, feld.bottom});
    if (hasFocus()) dc.drawFocusRect(r.inflated(-2, -2));
}
