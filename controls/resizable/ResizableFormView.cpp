#include "controls/resizable/ResizableFormView.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QPolygon>
#include <QRegion>
#include <QSizeGrip>
#include <QStyle>

CResizableFormView::CResizableFormView(QWidget* parent)
    : ui::WindowOf<QWidget>(parent), gripWindow_(new QSizeGrip(this)) {
    const int side = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    gripWindow_->resize(side, side);
    // Triangular: only the half below the diagonal from bottom-left to top-right.
    gripWindow_->setMask(QRegion(QPolygon({QPoint(0, side), QPoint(side, side), QPoint(side, 0)})));
    placeGrip();
}

void CResizableFormView::SetMinTrackSize(resizable::Extent size) {
    limits_.SetMinTrackSize(size);
    resizable::MinMaxInfo info;
    info.minTrackSize = {minimumWidth(), minimumHeight()};
    limits_.ApplyMinMaxInfo(info);
    setMinimumSize(info.minTrackSize.cx, info.minTrackSize.cy);
}

namespace {

// The frame the view sits in: its MDI child, else its top-level window, else itself.
QWidget* parentFrameOf(QWidget* view) {
    for (QWidget* w = view->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w) || w->isWindow()) return w;
    return view;
}

// The bottom-right corner of the frame's client area, in the frame's coordinates.
QPoint clientCorner(const QWidget* frame) {
    const QRect client = qobject_cast<const QMdiSubWindow*>(frame) ? frame->contentsRect() : frame->rect();
    return client.bottomRight() + QPoint(1, 1);
}

}  // namespace

void CResizableFormView::onSize(ui::Size size) {
    const QWidget* frame = parentFrameOf(this);
    const QPoint corner = frame == this ? QPoint(width(), height())
                                        : mapTo(frame, QPoint(width(), height()));
    resizable::GripFacts facts;
    facts.frameMaximised = frame->isMaximized();
    facts.width = size.cx;
    facts.height = size.cy;
    facts.scrollWidth = scrollSize_.cx;
    facts.scrollHeight = scrollSize_.cy;
    facts.atFrameCorner = corner == clientCorner(frame);
    resizable::updateGripConditions(grip_, gripStatus_, facts);
    placeGrip();
    ArrangeChildren();
}

bool CResizableFormView::onEraseBackground(ui::DrawContext& dc) {
    EraseClippedBackground(dc);
    return true;
}

void CResizableFormView::placeGrip() {
    gripWindow_->move(width() - gripWindow_->width(), height() - gripWindow_->height());
    gripWindow_->lower();
    gripWindow_->setVisible(grip_.visible());
}

bool CResizableFormView::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::Return) return false;
    auto* knopf = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (!knopf || !isAncestorOf(knopf) || !knopf->isEnabled()) return false;
    knopf->click();
    return true;
}
