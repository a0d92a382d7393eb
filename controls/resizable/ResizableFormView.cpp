#include "controls/resizable/ResizableFormView.h"

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

void CResizableFormView::onSize(ui::Size size) {
    const QWidget* frame = parentWidget() ? parentWidget() : this;
    const QPoint corner = frame == this ? QPoint(width(), height())
                                        : mapTo(frame, QPoint(width(), height()));
    resizable::GripFacts facts;
    facts.frameMaximised = window()->isMaximized();
    facts.width = size.cx;
    facts.height = size.cy;
    facts.scrollWidth = scrollSize_.cx;
    facts.scrollHeight = scrollSize_.cy;
    facts.atFrameCorner = corner == QPoint(frame->width(), frame->height());
    resizable::updateGripConditions(grip_, gripStatus_, facts);
    placeGrip();
    ArrangeChildren();
}

void CResizableFormView::placeGrip() {
    gripWindow_->move(width() - gripWindow_->width(), height() - gripWindow_->height());
    gripWindow_->lower();
    gripWindow_->setVisible(grip_.visible());
}
