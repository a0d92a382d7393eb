#include "app/shell/SplashThread.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "app/shell/SplashWnd.h"

CSplashThread::~CSplashThread() = default;

int CSplashThread::Starten(std::unique_ptr<CSplashThread>& handle, const Fabrik& fabrik) {
    auto faden = std::make_unique<CSplashThread>();
    faden->m_fenster = fabrik ? fabrik() : nullptr;
    if (!faden->m_fenster) return 0;
    if (!faden->m_fenster->Create()) return 0;
    handle = std::move(faden);
    Pumpe();
    return 1;
}

void CSplashThread::ZeigeFenster(const std::unique_ptr<CSplashThread>& handle, int zeigen) {
    if (!handle || !handle->m_fenster) return;
    handle->m_fenster->setVisible(zeigen != 0);
    Pumpe();
}

int CSplashThread::Beenden(std::unique_ptr<CSplashThread>& handle, QWidget* fokus) {
    if (!handle) return 0;
    if (!fokus) fokus = QApplication::activeWindow();
    if (fokus && fokus != handle->m_fenster.get()) {
        fokus->activateWindow();
        fokus->setFocus();
    }
    if (CSplashWnd* fenster = handle->m_fenster.get()) {
        fenster->SetzeDarfSchliessen();
        fenster->close();
    }
    handle.reset();
    return 1;
}

void CSplashThread::Pumpe() {
    QCoreApplication::processEvents();
}
