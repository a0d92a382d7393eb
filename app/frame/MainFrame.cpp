#include "app/frame/MainFrame.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"

CMainFrame::CMainFrame() = default;

bool CMainFrame::LoadFrame() {
    setWindowTitle(QString::fromStdU16String(CResManager::getLangText(textid::kProduktCaption)));
    m_flaeche = new QMdiArea(this);
    m_flaeche->setBackground(QBrush(QColor(128, 128, 128)));
    setCentralWidget(m_flaeche);
    return true;
}

void CMainFrame::Zentriere() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect flaeche = screen->availableGeometry();
    const QSize groesse(flaeche.width() * 4 / 5, flaeche.height() * 4 / 5);
    resize(groesse);
    move(flaeche.center() - QPoint(groesse.width() / 2, groesse.height() / 2));
}

bool CMainFrame::setItemText(unsigned itemId, std::u16string_view text) {
    return ui::setChildText(this, static_cast<int>(itemId), text);
}

bool CMainFrame::SchliessenVerlangt() { return false; }
