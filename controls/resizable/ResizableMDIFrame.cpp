#include "controls/resizable/ResizableMDIFrame.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "controls/resizable/ResizableMDIChild.h"
#include "controls/resizable/WidgetLimits.h"

CResizableMDIFrame::CResizableMDIFrame(QWidget* parent) : ui::WindowOf<QMainWindow>(parent) {
    auto* client = new QMdiArea(this);
    setCentralWidget(client);
    connect(client, &QMdiArea::subWindowActivated, this, [this] { RecalcLimits(); });
}

CResizableMDIFrame::~CResizableMDIFrame() {
    saveRestore_.saveIfEnabled(*this);
    // The client's project windows go after this part of the frame: their activation
    // changes must not reach it any more.
    if (QMdiArea* client = mdiArea()) client->disconnect(this);
}

QMdiArea* CResizableMDIFrame::mdiArea() const { return qobject_cast<QMdiArea*>(centralWidget()); }

QMdiSubWindow* CResizableMDIFrame::MDIGetActive() const {
    const QMdiArea* client = mdiArea();
    return client ? client->currentSubWindow() : nullptr;
}

void CResizableMDIFrame::SetMinTrackSize(resizable::Extent size) {
    limits_.SetMinTrackSize(size);
    RecalcLimits();
}

void CResizableMDIFrame::SetMaxTrackSize(resizable::Extent size) {
    limits_.SetMaxTrackSize(size);
    RecalcLimits();
}

void CResizableMDIFrame::SetMaximizedRect(resizable::Extent position, resizable::Extent size) {
    limits_.SetMaximizedRect(position, size);
}

bool CResizableMDIFrame::EnableSaveRestore(const std::u16string& section, bool rectOnly) {
    return saveRestore_.enable(*this, section, rectOnly);
}

void CResizableMDIFrame::GetMinMaxInfo(resizable::MinMaxInfo& info) const {
    limits_.ApplyMinMaxInfo(info);
    QMdiSubWindow* active = MDIGetActive();
    const QMdiArea* client = mdiArea();
    if (!active || !client || !active->isMaximized()) return;
    resizable::MinMaxInfo childInfo = info;
    if (const auto* child = dynamic_cast<const CResizableMDIChild*>(active))
        child->GetMinMaxInfo(childInfo);
    else
        childInfo = resizable::viewAnswer(*active, childInfo);
    resizable::combineWithView(info, childInfo, resizable::decorationOf(*this, *client));
}

void CResizableMDIFrame::RecalcLimits() {
    resizable::MinMaxInfo info;
    GetMinMaxInfo(info);
    resizable::applyTrackSizes(*this, info);
}

void CResizableMDIFrame::onSize(ui::Size) { RecalcLimits(); }
