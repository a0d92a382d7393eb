#include "app/shell/SplashWnd.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "platform/resources/Resources.h"

CSplashWnd::CSplashWnd() {
    // Not kept above other windows: a box that start-up raises must not open beneath it.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCursor(Qt::ArrowCursor);
}

CSplashWnd::~CSplashWnd() = default;

void CSplashWnd::LadeBild() {
    QImage bild;
    if (m_quelle == 0) {
        if (auto bytes = platform::findResource(platform::currentResourceModule(), u"BITMAP",
                                                m_bildId))
            bild.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                              static_cast<int>(bytes->size()), "BMP");
    } else {
        bild.load(QString::fromStdU16String(m_bildDatei));
    }
    m_bild = bild;
    m_breite = bild.isNull() ? 0 : bild.width();
    m_hoehe = bild.isNull() ? 0 : bild.height();
}

bool CSplashWnd::Create() {
    LadeBild();
    setFixedSize(m_breite, m_hoehe);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect flaeche = screen->availableGeometry();
        move(flaeche.center() - QPoint(m_breite / 2, m_hoehe / 2));
    }
    show();
    return true;
}

void CSplashWnd::onPaint(ui::DrawContext& dc) {
    if (!m_bild.isNull()) dc.painter().drawImage(QPoint(0, 0), m_bild);
}

bool CSplashWnd::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods, int) {
    if (!m_ziehen) return false;
    switch (kind) {
        case ui::MouseKind::LeftDown:
            // The window manager moves it where it can; elsewhere it follows the pointer.
            if (windowHandle() && windowHandle()->startSystemMove()) return true;
            m_zugStart = std::make_unique<QPoint>(p.x, p.y);
            return true;
        case ui::MouseKind::Move:
            if (m_zugStart) move(QCursor::pos() - *m_zugStart);
            return m_zugStart != nullptr;
        case ui::MouseKind::LeftUp:
            m_zugStart.reset();
            return true;
        default:
            return false;
    }
}

void CSplashWnd::closeEvent(QCloseEvent* e) {
    if (m_darfSchliessen)
        e->accept();
    else
        e->ignore();
}
