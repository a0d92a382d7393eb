#include "controls/resizable/WidgetPlacement.h"

#include <QScreen>
#include <QWidget>

namespace resizable {
namespace {
Box boxOf(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
QRect rectOf(const Box& b) { return QRect(b.left, b.top, b.width(), b.height()); }
}  // namespace

Box WidgetPlacement::windowRect() const { return boxOf(window_.geometry()); }

WindowPlacement WidgetPlacement::placement() const {
    const int show = window_.isMaximized()   ? kShowMaximised
                     : window_.isMinimized() ? kShowMinimised
                                             : kShowNormal;
    const QRect normal = window_.normalGeometry().isValid() ? window_.normalGeometry() : window_.geometry();
    return {boxOf(normal), show, 0};
}

Box WidgetPlacement::screenRect() const {
    const QScreen* screen = window_.screen();
    return screen ? boxOf(screen->geometry()) : Box{0, 0, 1024, 768};
}

void WidgetPlacement::moveTo(const Box& rect) { window_.setGeometry(rectOf(rect)); }

void WidgetPlacement::applyPlacement(const WindowPlacement& p) {
    window_.setGeometry(rectOf(p.rect));
    if (p.showCommand == kShowMaximised) window_.showMaximized();
    else if (p.showCommand == kShowMinimised) window_.showMinimized();
}

}  // namespace resizable
