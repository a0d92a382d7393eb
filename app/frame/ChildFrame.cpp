#include "app/frame/ChildFrame.h"

#include <QCloseEvent>

#include "app/frame/MainFrameLogik.h"

CChildFrame::CChildFrame(IKelvoDocServices* dokument, QWidget* parent)
    : CResizableMDIChild(parent), m_dokument(dokument) {
    // No system menu: a project window is closed through its project.
    setSystemMenu(nullptr);
    setAttribute(Qt::WA_DeleteOnClose);
    const SFensterMasse masse{logicalDpiX(), logicalDpiY()};
    SetMinTrackSize({CMainFrameLogik::BerechneFensterBreite(masse, 1, 1),
                     CMainFrameLogik::BerechneFensterHoehe(masse, 1)});
}

void CChildFrame::ActivateFrame() { showMaximized(); }

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_schliessTest && !m_schliessTest()) {
        event->ignore();
        return;
    }
    CResizableMDIChild::closeEvent(event);
}
