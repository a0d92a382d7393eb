#include "controls/small/PicStatic.h"

#include <QString>
#include <utility>

#include "controls/small/core/PictureFit.h"
#include "platform/resources/Resources.h"

namespace {
const char* qtFormat(small::BildTyp typ) {
    switch (typ) {
        case small::BildTyp::Bmp: return "BMP";
        case small::BildTyp::Gif: return "GIF";
        case small::BildTyp::Jpeg: return "JPG";
        case small::BildTyp::Png: return "PNG";
        case small::BildTyp::Icon: return "ICO";
        case small::BildTyp::Keiner: break;
    }
    return nullptr;
}
}  // namespace

CPicStatic::CPicStatic(QWidget* parent) : WindowOf<QWidget>(parent) {}

bool CPicStatic::LoadFromResource(unsigned id, std::u16string_view typName) {
    Free();
    const small::BildTyp typ = small::typVonName(typName);
    if (typ == small::BildTyp::Keiner) return false;
    const auto daten = platform::findResource(platform::currentResourceModule(),
                                              typ == small::BildTyp::Icon ? u"ICON" : u"BITMAP", id);
    if (!daten) return false;
    QImage bild;
    bild.loadFromData(reinterpret_cast<const uchar*>(daten->data()),
                      static_cast<int>(daten->size()), qtFormat(typ));
    return uebernimm(std::move(bild));
}

bool CPicStatic::LoadFromFile(const std::filesystem::path& pfad) {
    Free();
    const small::BildTyp typ = small::typVonPfad(pfad);
    if (typ == small::BildTyp::Keiner) return false;
    QImage bild;
    bild.load(QString::fromStdU16String(pfad.u16string()), qtFormat(typ));
    return uebernimm(std::move(bild));
}

bool CPicStatic::uebernimm(QImage bild) {
    if (bild.isNull()) return false;
    m_bild = std::move(bild);
    update();
    return true;
}

void CPicStatic::SetDrawFlag(bool glatt) {
    m_bGlatt = glatt;
    update();
}

void CPicStatic::Free() {
    m_bild = QImage();
    update();
}

void CPicStatic::onPaint(ui::DrawContext& dc) {
    if (m_bild.isNull()) return;
    const ui::Rect client = clientRect();
    const auto r = small::bildRechteck(m_bild.width(), m_bild.height(), client.width(),
                                       client.height(), false);
    dc.stretchBlit({r.left, r.top, r.right, r.bottom}, m_bild,
                   {0, 0, m_bild.width(), m_bild.height()}, m_bGlatt);
}
