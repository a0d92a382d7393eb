#include "controls/html/PPHtmlStatic.h"

#include "controls/html/PPHtmlDrawerCanvas.h"
#include "platform/format/Format.h"

CPPHtmlStatic::CPPHtmlStatic(QWidget* parent, std::u16string text, unsigned style)
    : ui::WindowOf<QWidget>(parent), m_drawer(html::systemColour), m_style(style), m_text(std::move(text)) {
    html::bindToDesktop(m_drawer);
    SetHyperlinkStyle(ui::ColourRef(0xFF0000), false, ui::ColourRef(0xFF0000), true);
    m_enabled = isEnabled();
    m_drawer.SetEnabled(m_enabled);
    // Hover changes repaint the text (the link styles change).
    m_drawer.SetRepaintCallback([this](int) { redraw(); });
    SetFont(ui::defaultGuiFont());
}

CPPHtmlStatic::~CPPHtmlStatic() { killTimer(kAnimationTimer); }

void CPPHtmlStatic::onAttached() {
    // Image strips with a speed move on this tick.
    setTimer(kAnimationTimer, kAnimationMs);
}

void CPPHtmlStatic::SetAlign(unsigned flags) {
    m_align = flags;
    redraw();
}

void CPPHtmlStatic::SetBkColor(ui::ColourRef colour) {
    m_bkColour = colour;
    redraw();
}

void CPPHtmlStatic::SetBkMode(int mode) {
    m_bkMode = mode;
    redraw();
}

void CPPHtmlStatic::SetTextColor(std::int64_t colour) {
    m_textColour = colour;
    redraw();
}

void CPPHtmlStatic::SetHyperlinkStyle(ui::ColourRef link, bool linkUnderlined, ui::ColourRef hover,
                                      bool hoverUnderlined) {
    auto style = [](ui::ColourRef c, bool underlined) {
        return platform::format(u"color:0x%06X; text-decoration:", c.value & 0xFFFFFFu) +
               (underlined ? u"underline" : u"none");
    };
    m_drawer.StoreTagStyle(u"a:link", style(link, linkUnderlined));
    m_drawer.StoreTagStyle(u"a:hover", style(hover, hoverUnderlined));
}

void CPPHtmlStatic::SetFont(const ui::FontSpec& font) {
    m_font = font;
    std::u16string body = platform::format(
        u"font-size:%dpt; color:0x%06X; font-family:%s; font-weight:%d", font.height,
        ui::sysColour(ui::SysColour::WindowText).value & 0xFFFFFFu,
        font.face.empty() ? std::u16string(ui::kDefaultFace) : font.face, font.weight);
    if (font.italic) body += u"; font-style:italic";
    m_drawer.StoreTagStyle(u"body", body);
    redraw();
}

void CPPHtmlStatic::SetWindowText(std::u16string text) {
    m_text = std::move(text);
    redraw();
}

std::u16string CPPHtmlStatic::markup() const {
    if (m_textColour == kNoColour) return m_text;
    return platform::format(u"<font color=0x%06X>", static_cast<std::uint32_t>(m_textColour) & 0xFFFFFFu) +
           m_text + u"</font>";
}

void CPPHtmlStatic::redraw() {
    invalidate();
}

void CPPHtmlStatic::onPaint(ui::DrawContext& dc) {
    const ui::Rect client = clientRect();
    if (m_bkMode != Transparent) dc.fillRect(client, m_bkColour);
    html::DrawContextCanvas canvas(dc);
    const html::Extent size = m_drawer.LayoutHtml(canvas, markup());
    const html::BlockRect r = html::alignBlock({client.left, client.top, client.right, client.bottom},
                                               size.cx, size.cy, m_align, m_style);
    m_textRect = {r.left, r.top, r.right, r.bottom};
    const html::Box box{r.left, r.top, r.right, r.bottom};
    if (m_enabled) {
        m_drawer.PaintHtml(canvas, box);
        return;
    }
    // Engraved: the highlight one pixel down and right, the shadow in its place.
    m_drawer.SetDisabledColour(ui::sysColour(ui::SysColour::ButtonHighlight).value);
    m_drawer.PaintHtml(canvas, {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1});
    m_drawer.SetDisabledColour(ui::sysColour(ui::SysColour::ButtonShadow).value);
    m_drawer.PaintHtml(canvas, box);
}

bool CPPHtmlStatic::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods, int) {
    switch (kind) {
        case ui::MouseKind::LeftDown:
            // Link areas lie where the last paint drew them, in client coordinates.
            if (m_enabled && m_textRect.contains(p)) m_drawer.ClickLink(p.x, p.y);
            return true;
        case ui::MouseKind::LeftDouble:
            // The press before it opened the link already; left to the toolkit, the
            // double-click would come back as a second press and open it again.
            return true;
        case ui::MouseKind::Leave:
            // Ends hover effects.
            if (m_enabled) m_drawer.TrackMouse(-1000000, -1000000);
            redraw();
            return true;
        default:
            return false;
    }
}

ui::CursorShape CPPHtmlStatic::cursorAt(ui::Point p) {
    if (m_enabled && m_drawer.TrackMouse(p.x, p.y)) return ui::CursorShape::Hand;
    return ui::CursorShape::Arrow;
}

void CPPHtmlStatic::onTimer(unsigned id) {
    if (id == kAnimationTimer && m_enabled && m_drawer.AdvanceAnimation()) redraw();
}

void CPPHtmlStatic::onEnable(bool enabled) {
    m_enabled = enabled;
    m_drawer.SetEnabled(enabled);
    redraw();
}
