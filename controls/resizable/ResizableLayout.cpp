#include "controls/resizable/ResizableLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

resizable::Box boxOf(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

// The desktop class a child stands for, so that the class rules apply to it.
std::u16string classOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w)) return u"Static";
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QGroupBox*>(w)) return u"Button";
    return QString::fromLatin1(w->metaObject()->className()).toStdU16String();
}

}  // namespace

void CResizableLayout::AddAnchor(QWidget* child, resizable::AnchorType topLeft,
                                 resizable::AnchorType bottomRight) {
    resizable::LayoutInfo info =
        resizable::anchorChild(boxOf(GetLayoutClientRect()), boxOf(child->geometry()), topLeft, bottomRight);
    info.child = child;
    info.className = classOf(child);
    anchors_.push_back(std::move(info));
}

void CResizableLayout::ArrangeChildren() {
    const resizable::Box client = boxOf(GetLayoutClientRect());
    for (const resizable::LayoutInfo& info : anchors_) {
        auto* child = const_cast<QWidget*>(static_cast<const QWidget*>(info.child));
        const resizable::Box oldRect = boxOf(child->geometry());
        const resizable::Box newRect = resizable::calcChildRect(info, client);
        const bool repaint = NeedsRepaint(info, oldRect, newRect);
        if (resizable::placementFor(oldRect, newRect, repaint).skip()) continue;
        child->setGeometry(newRect.left, newRect.top, newRect.width(), newRect.height());
        if (repaint) child->update();
    }
}

bool CResizableLayout::NeedsRepaint(const resizable::LayoutInfo& info, const resizable::Box& oldRect,
                                    const resizable::Box& newRect) const {
    return resizable::needsRepaintByClass(info.className, 0, oldRect, newRect);
}

QRect CResizableLayout::GetLayoutClientRect() { return GetLayoutWindow()->rect(); }
