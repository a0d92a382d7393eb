#include "controls/resizable/ResizableLayout.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QWidget>

#include "controls/resizable/ResizeSupport.h"
#include "platform/ui/DrawContext.h"

namespace {

// Desktop style bits the class rules read.
constexpr unsigned kGroupBox = 7;
constexpr unsigned kStaticCentre = 1, kStaticRight = 2, kStaticBitmap = 14;
constexpr unsigned kStaticEtchedHorz = 0x10, kStaticEtchedVert = 0x11, kStaticEtchedFrame = 0x12;
constexpr unsigned kStaticCentreImage = 0x200;

resizable::Box boxOf(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

QWidget* widgetOf(const resizable::LayoutInfo& info) {
    return const_cast<QWidget*>(static_cast<const QWidget*>(info.child));
}

bool isPlainFrame(const QWidget* w) { return w->metaObject() == &QFrame::staticMetaObject; }

// The desktop class a child stands for, so that the class rules apply to it.
std::u16string classOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w) || isPlainFrame(w)) return u"Static";
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w)) return u"Button";
    if (qobject_cast<const QListView*>(w)) return u"ListBox";
    return QString::fromLatin1(w->metaObject()->className()).toStdU16String();
}

// The style bits the child would have on the desktop.
unsigned styleOf(const QWidget* w) {
    if (qobject_cast<const QGroupBox*>(w)) return kGroupBox;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const Qt::Alignment a = label->alignment();
        unsigned style = (a & Qt::AlignHCenter) ? kStaticCentre : (a & Qt::AlignRight) ? kStaticRight : 0;
        if (!label->pixmap().isNull()) style = kStaticBitmap;
        if (a & Qt::AlignVCenter) style |= kStaticCentreImage;
        return style;
    }
    if (const auto* frame = qobject_cast<const QFrame*>(w); frame && isPlainFrame(w)) {
        switch (frame->frameShape()) {
        case QFrame::HLine: return kStaticEtchedHorz;
        case QFrame::VLine: return kStaticEtchedVert;
        default: return kStaticEtchedFrame;
        }
    }
    return 0;
}

resizable::HorizontalScroll scrollOf(const QWidget* w) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(w);
    if (!area) return {};
    const QScrollBar* bar = area->horizontalScrollBar();
    // Qt's maximum is the last start; the desktop's range end includes the page.
    return {true, bar->maximum() + bar->pageStep() - 1, bar->pageStep(), bar->value()};
}

const resizable::ResizeSupport* supportOf(const resizable::LayoutInfo& info) {
    return info.messageSupport ? dynamic_cast<const resizable::ResizeSupport*>(widgetOf(info)) : nullptr;
}

}  // namespace

void CResizableLayout::AddAnchor(QWidget* child, resizable::AnchorType topLeft,
                                 resizable::AnchorType bottomRight) {
    resizable::LayoutInfo info =
        resizable::anchorChild(boxOf(GetLayoutClientRect()), boxOf(child->geometry()), topLeft, bottomRight);
    info.child = child;
    info.className = classOf(child);
    InitChildProperties(info);
    anchors_.push_back(std::move(info));
}

void CResizableLayout::AddAnchorCallback(unsigned callbackId) {
    resizable::LayoutInfo info;
    info.callbackId = callbackId;
    callbacks_.push_back(std::move(info));
}

void CResizableLayout::InitChildProperties(resizable::LayoutInfo& info) const {
    const auto* support = dynamic_cast<const resizable::ResizeSupport*>(widgetOf(info));
    resizable::ResizeProperties properties;
    if (support && support->resizeProperties(properties)) {
        info.messageSupport = true;
        info.properties = properties;
        return;
    }
    info.messageSupport = false;
    info.properties.askClipping = false;
    info.properties.likesClipping = AllowsClipping(info);
    info.properties.askRefresh = true;
}

bool CResizableLayout::AllowsClipping(const resizable::LayoutInfo& info) const {
    if (const auto* support = supportOf(info))
        if (const auto answer = support->likesClipping()) return *answer;
    return resizable::allowsClippingByClass(info.className, styleOf(widgetOf(info)));
}

bool CResizableLayout::NeedsRepaint(const resizable::LayoutInfo& info, const resizable::Box& oldRect,
                                    const resizable::Box& newRect) const {
    if (const auto* support = supportOf(info))
        if (const auto answer = support->needsRefresh(oldRect, newRect)) return *answer;
    const QWidget* child = widgetOf(info);
    return resizable::needsRepaintByClass(info.className, styleOf(child), oldRect, newRect, scrollOf(child));
}

void CResizableLayout::ArrangeChildren() {
    const resizable::Box client = boxOf(GetLayoutClientRect());
    for (const resizable::LayoutInfo& info : anchors_) place(info, client);
    for (resizable::LayoutInfo& info : callbacks_)
        if (PlaceCallbackChild(info) && info.child) place(info, client);
}

void CResizableLayout::place(const resizable::LayoutInfo& info, const resizable::Box& client) {
    QWidget* child = widgetOf(info);
    const resizable::Box oldRect = boxOf(child->geometry());
    const resizable::Box newRect = resizable::calcChildRect(info, client);
    const bool repaint = info.properties.askRefresh ? NeedsRepaint(info, oldRect, newRect)
                                                    : info.properties.needsRefresh;
    if (resizable::placementFor(oldRect, newRect, repaint).skip()) return;
    child->setGeometry(newRect.left, newRect.top, newRect.width(), newRect.height());
    if (repaint) child->update();
}

void CResizableLayout::GetClippingRegion(QRegion& region) {
    QWidget* window = GetLayoutWindow();
    region = QRegion(window->rect());
    const auto combine = [&](const resizable::LayoutInfo& info) {
        const QWidget* child = widgetOf(info);
        if (!child || child->isHidden()) return;
        const QRegion area = child->mask().isEmpty() ? QRegion(child->geometry())
                                                     : child->mask().translated(child->pos());
        const bool clip = info.properties.askClipping ? AllowsClipping(info) : info.properties.likesClipping;
        region = clip ? region.subtracted(area) : region.united(area);
    };
    for (const resizable::LayoutInfo& info : anchors_) combine(info);
    for (resizable::LayoutInfo& info : callbacks_)
        if (PlaceCallbackChild(info)) combine(info);
    if (window->layoutDirection() == Qt::RightToLeft) region.translate(-1, 0);
}

void CResizableLayout::EraseClippedBackground(ui::DrawContext& dc) {
    QWidget* window = GetLayoutWindow();
    QRegion region;
    GetClippingRegion(region);
    const ui::ColourRef background = ui::fromQColor(window->palette().color(window->backgroundRole()));
    for (const QRect& r : region) dc.fillRect(ui::fromQRect(r), background);
}

QRect CResizableLayout::GetLayoutClientRect() { return GetLayoutWindow()->rect(); }
