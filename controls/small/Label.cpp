#include "controls/small/Label.h"

#include <utility>

#include "platform/ui/Desktop.h"

namespace {
unsigned dtFlags(const small::TextFormat& f) {
    using A = small::TextFormat::Ausrichtung;
    unsigned flags = ui::dt::NoPrefix;
    if (f.ausrichtung == A::Mitte) flags |= ui::dt::Center;
    if (f.ausrichtung == A::Rechts) flags |= ui::dt::Right;
    if (f.umbruch) flags |= ui::dt::WordBreak;
    if (f.tabs) flags |= ui::dt::ExpandTabs;
    if (f.vertikalMittig) flags |= ui::dt::VCenter | ui::dt::SingleLine;
    return flags;
}
}  // namespace

CLabel::CLabel(QWidget* parent, std::u16string text, small::StaticStil stil)
    : WindowOf<QWidget>(parent),
      m_strText(std::move(text)),
      m_stil(stil),
      m_crText(ui::sysColour(ui::SysColour::WindowText)),
      m_crStandardHintergrund(ui::sysColour(ui::SysColour::ButtonFace)),
      m_lf(ui::fromQFont(font())) {}

CLabel& CLabel::SetBkColor(ui::ColourRef farbe, ui::ColourRef endFarbe, bool verlauf) {
    m_crHintergrund = farbe;
    m_crVerlaufEnde = endFarbe;
    m_bVerlauf = verlauf;
    m_bHintergrundPinsel = !verlauf;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetTextColor(ui::ColourRef farbe) {
    m_crText = farbe;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetText(std::u16string text) {
    m_strText = std::move(text);
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFontBold(bool fett) {
    m_lf.weight = fett ? 700 : 400;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFontName(std::u16string name, std::uint8_t zeichensatz) {
    m_lf.face = std::move(name);
    m_lf.charSet = zeichensatz;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFontUnderline(bool an) {
    m_lf.underline = an;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFontItalic(bool an) {
    m_lf.italic = an;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFontSize(int punkte) {
    const ui::FontSpec groesse = ui::pointFont(punkte * 10, m_lf.face);
    m_lf.height = groesse.height;
    m_lf.width = groesse.width;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetSunken(bool an) {
    m_bVertieft = an;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetBorder(bool an) {
    m_bRahmen = an;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetTransparent(bool an) {
    m_bTransparent = an;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::FlashText(bool an) {
    killTimer(kBlinkTimer);
    m_blinken = small::Blinken::Aus;
    if (an) {
        m_bBlinkZustand = false;
        setTimer(kBlinkTimer, kBlinkMs);
        m_blinken = small::Blinken::Text;
    }
    return *this;
}

CLabel& CLabel::FlashBackground(bool an) {
    killTimer(kBlinkTimer);
    if (an) {
        setTimer(kBlinkTimer, kBlinkMs);
        m_blinken = small::Blinken::Hintergrund;
    }
    return *this;
}

CLabel& CLabel::SetLink(bool an, bool melden) {
    m_link = an ? small::LinkArt::Web : small::LinkArt::Keiner;
    m_bMelden = melden;
    return *this;
}

CLabel& CLabel::SetMailLink(bool an, bool melden) {
    m_link = an ? small::LinkArt::Mail : small::LinkArt::Keiner;
    m_bMelden = melden;
    return *this;
}

CLabel& CLabel::SetLinkURL(std::u16string adresse) {
    m_strLinkAdresse = std::move(adresse);
    return *this;
}

CLabel& CLabel::SetLinkCursor(ui::CursorShape cursor) {
    m_hCursor = cursor;
    return *this;
}

CLabel& CLabel::SetText3D(bool an, int richtung) {
    m_bText3D = an;
    m_n3DRichtung = richtung;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetRotationAngle(int grad, bool gedreht) {
    m_lf.escapement = grad * 10;
    m_lf.orientation = grad * 10;
    m_bGedreht = gedreht;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetText3DColor(ui::ColourRef farbe) {
    m_cr3DText = farbe;
    neuZeichnen();
    return *this;
}

CLabel& CLabel::SetFont(const ui::FontSpec& font) {
    m_lf = font;
    neuZeichnen();
    return *this;
}

// Qt composes the parent beneath a child that leaves pixels unpainted, so a transparent
// label needs no extra repaint of its parent.
void CLabel::neuZeichnen() { update(); }

ui::ColourRef CLabel::gemalterHintergrund() const {
    if (m_bVerlauf || m_bHintergrundPinsel) return m_crHintergrund;
    return m_crStandardHintergrund;
}

void CLabel::maleHintergrund(ui::DrawContext& dc, const ui::Rect& r) const {
    if (!m_bVerlauf) {
        dc.fillRect(r, gemalterHintergrund());
        return;
    }
    for (const auto& band :
         small::verlaufsBaender(r.width(), m_crHintergrund.value, m_crVerlaufEnde.value))
        dc.fillRect({r.left + band.left, r.top, r.left + band.right, r.bottom},
                    ui::ColourRef(band.farbe));
}

void CLabel::maleText(ui::DrawContext& dc, ui::Rect r) const {
    if (m_bGedreht) {
        const unsigned alteAusrichtung = dc.setTextAlign(ui::ta::Baseline);
        const ui::Point alterUrsprung = dc.viewportOrigin();
        dc.setViewportOrigin({alterUrsprung.x + r.left + r.width() / 2,
                              alterUrsprung.y + r.top + r.height() / 2});
        dc.textOut(0, 0, m_strText);
        dc.setViewportOrigin(alterUrsprung);
        dc.setTextAlign(alteAusrichtung);
        return;
    }
    const unsigned flags = dtFlags(small::textFormat(m_stil, m_strText));
    ui::Rect textRect = r;
    dc.drawText(m_strText, textRect, flags);
    if (m_bText3D) {
        const ui::ColourRef alt = dc.setTextColour(m_cr3DText);
        ui::Rect versetzt = m_n3DRichtung == 0 ? r.offset(-1, -1) : r.offset(1, 1);
        dc.drawText(m_strText, versetzt, flags);
        dc.setTextColour(alt);
    }
}

void CLabel::maleRahmen(ui::DrawContext& dc, const ui::Rect& r) const {
    if (m_bRahmen) dc.frameRect(r, ui::rgb(0, 0, 0));
    if (m_bVertieft)
        dc.draw3dRect(m_bRahmen ? r.inflated(-1, -1) : r,
                      ui::sysColour(ui::SysColour::ButtonShadow),
                      ui::sysColour(ui::SysColour::ButtonHighlight));
}

void CLabel::onPaint(ui::DrawContext& dc) {
    ui::DcState bewahren(dc);
    const ui::Rect client = clientRect();
    const int rand = (m_bRahmen ? 1 : 0) + (m_bVertieft ? 1 : 0);
    const ui::Rect innen = client.inflated(-rand, -rand);
    dc.setBackMode(ui::BkMode::Transparent);
    dc.selectFont(m_lf);
    dc.setTextColour(ui::ColourRef(small::blinkTextFarbe(
        m_blinken, m_bBlinkZustand, m_crText.value, gemalterHintergrund().value)));
    if (!m_bTransparent) maleHintergrund(dc, innen);
    maleText(dc, innen);
    maleRahmen(dc, client);
}

void CLabel::onTimer(unsigned id) {
    if (id != kBlinkTimer) return;
    m_bBlinkZustand = !m_bBlinkZustand;
    neuZeichnen();
}

bool CLabel::onMouse(ui::MouseKind kind, ui::Point, ui::KeyMods, int) {
    if (kind != ui::MouseKind::LeftDown) return false;
    if (m_bMelden) {
        notifyOwner(kKlickCode);
    } else if (const auto ziel = small::linkZiel(m_link, m_strLinkAdresse, m_strText)) {
        ui::Shell::open(*ziel);
    }
    return false;
}

void CLabel::onSysColourChange() {
    m_crStandardHintergrund = ui::sysColour(ui::SysColour::ButtonFace);
    neuZeichnen();
}
