#include "app/frame/MainFrameBkgnd.h"

#include <QEvent>
#include <QMdiArea>
#include <QPainter>
#include <algorithm>

#include "model/app/OptionIds.h"
#include "core/text/ResManager.h"
#include "model/app/KelvoAppServices.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Colour.h"
#include "platform/ui/ExceptionBarrier.h"
#include "resources/ResourceIds.h"

namespace {

QImage LadeBild() {
    QImage bild;
    if (auto bytes = platform::findResource(platform::currentResourceModule(), u"BITMAP",
                                            IDB_HINTERGRUND))
        bild.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                          static_cast<int>(bytes->size()));
    return bild;
}

QColor TextFarbe() {
    int32_t wert = 0;
    try {
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_COLOR_HFTEXT, wert);
    } catch (...) {
        wert = 0;  // black, the option's default, when the options cannot be read
    }
    return ui::toQColor(ui::ColourRef(static_cast<uint32_t>(wert)));
}

}  // namespace

CMainFrameBkgnd::CMainFrameBkgnd(QMdiArea& client)
    : QObject(&client), m_client(client), m_viewport(client.viewport()), m_bild(LadeBild()) {
    m_viewport->installEventFilter(this);
}

void CMainFrameBkgnd::SetTextRect(unsigned textId, const QRect& rect) { m_texte[textId] = rect; }

void CMainFrameBkgnd::Aktualisiere() { m_client.viewport()->update(); }

bool CMainFrameBkgnd::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport as it was taken: the client is asked nothing here, as it
    // may be half destroyed when its viewport's last events arrive.
    if (watched != m_viewport || event->type() != QEvent::Paint) return false;
    ui::guarded(ui::Msg::Paint, [&] { Zeichne(); });
    return true;
}

void CMainFrameBkgnd::Zeichne() {
    QPainter p(m_client.viewport());
    const QRect flaeche = m_client.viewport()->rect();
    if (m_bild.isNull())
        p.fillRect(flaeche, m_client.background());
    else
        p.drawImage(flaeche, m_bild);
    // The texts explain the bar while no project window lies over them.
    if (!m_client.subWindowList().isEmpty()) return;
    QFont schrift = m_client.font();
    schrift.setPixelSize(std::max(13, schrift.pixelSize() + 1));
    p.setFont(schrift);
    p.setPen(TextFarbe());
    for (const auto& [id, rect] : m_texte)
        p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id))));
}
