#include "controls/resizable/ResizableMDIChild.h"

#include <QMdiArea>

#include "controls/resizable/ResizableMDIFrame.h"
#include "controls/resizable/WidgetLimits.h"

CResizableMDIChild::CResizableMDIChild(QWidget* parent) : ui::WindowOf<QMdiSubWindow>(parent) {
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) { stateChanged(before, now); });
}

CResizableMDIChild::~CResizableMDIChild() { saveRestore_.saveIfEnabled(*this); }

void CResizableMDIChild::SetMinTrackSize(resizable::Extent size) {
    limits_.SetMinTrackSize(size);
    RecalcLimits();
}

void CResizableMDIChild::SetMaxTrackSize(resizable::Extent size) {
    limits_.SetMaxTrackSize(size);
    RecalcLimits();
}

void CResizableMDIChild::SetMaximizedRect(resizable::Extent position, resizable::Extent size) {
    limits_.SetMaximizedRect(position, size);
}

bool CResizableMDIChild::EnableSaveRestore(const std::u16string& section, bool rectOnly) {
    return saveRestore_.enable(*this, section, rectOnly);
}

CResizableMDIFrame* CResizableMDIChild::GetMDIFrame() const {
    const QMdiArea* client = mdiArea();
    return client ? dynamic_cast<CResizableMDIFrame*>(client->window()) : nullptr;
}

void CResizableMDIChild::GetMinMaxInfo(resizable::MinMaxInfo& info) const {
    limits_.ApplyMinMaxInfo(info);
    const QWidget* view = GetActiveView();
    if (!view) return;
    const resizable::MinMaxInfo answer = resizable::viewAnswer(*view, info);
    resizable::combineWithView(info, answer, resizable::decorationOf(*this, *view));
}

void CResizableMDIChild::RecalcLimits() {
    resizable::MinMaxInfo info;
    GetMinMaxInfo(info);
    resizable::applyTrackSizes(*this, info);
}

void CResizableMDIChild::onSize(ui::Size) { RecalcLimits(); }

void CResizableMDIChild::stateChanged(Qt::WindowStates before, Qt::WindowStates now) {
    RecalcLimits();
    // A child maximised, restored or activated changes what the frame must leave room for.
    constexpr Qt::WindowStates kFrameRelevant = Qt::WindowMaximized | Qt::WindowActive;
    if ((before & kFrameRelevant) == (now & kFrameRelevant)) return;
    if (CResizableMDIFrame* frame = GetMDIFrame()) frame->RecalcLimits();
}
