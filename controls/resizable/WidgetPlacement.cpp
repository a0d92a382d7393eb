#include "controls/resizable/WidgetPlacement.h"

#include <QGuiApplication>
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

Box WidgetPlacement::workArea(const Box& rect) const {
    const QRect wanted = rectOf(rect);
    const QScreen* best = nullptr;
    qint64 bestShare = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(wanted);
        const qint64 share = qint64(common.width()) * common.height();
        if (share > bestShare) {
            best = screen;
            bestShare = share;
        }
    }
    if (!best) best = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    return best ? boxOf(best->availableGeometry()) : screenRect();
}

void WidgetPlacement::moveTo(const Box& rect) { window_.setGeometry(rectOf(rect)); }

void WidgetPlacement::applyPlacement(const WindowPlacement& p) {
    window_.setGeometry(rectOf(p.rect));
    if (p.showCommand == kShowMaximised) window_.showMaximized();
    else if (p.showCommand == kShowMinimised) window_.showMinimized();
}

}  // namespace resizable
