// Colour names, link areas and what the mouse does over them, the animation of strips
// and the texts of "string" tags.
#include "controls/html/PPHtmlDrawer.h"
#include "core/value/VRMString.h"

html::Colour CPPHtmlDrawer::LookupColour(std::u16string_view name, html::Colour fallback) const {
    if (!m_enabled) return m_disabledColour;
    const auto found = m_colours.find(std::u16string(name));
    return found == m_colours.end() ? fallback : found->second;
}

int CPPHtmlDrawer::HitTestLink(int x, int y) const {
    for (std::size_t i = 0; i < m_links.size(); ++i)
        if (m_links[i].box.contains(x, y)) return static_cast<int>(i);
    return -1;
}

bool CPPHtmlDrawer::TrackMouse(int x, int y) {
    const int hit = HitTestLink(x, y);
    if (hit < 0) {
        if (m_hoverLink != -2) {
            m_hoverLink = -2;
            if (m_hover) m_hover(-2);
        }
        return false;
    }
    // The callback may repaint, which records the areas anew: work on a copy.
    const HtmlLinkArea area = m_links[hit];
    if (area.index != m_hoverLink) {
        m_hoverLink = area.index;
        if (m_hover) m_hover(area.index);
    }
    return !area.target.empty() && m_handCursor;
}

void CPPHtmlDrawer::ClickLink(int x, int y) {
    const int hit = HitTestLink(x, y);
    if (hit < 0) return;
    const HtmlLinkArea area = m_links[hit];
    if (area.target.empty()) return;
    if (area.kind == 1)
        OpenLinkTarget(area.target);
    else if (area.kind == 2 && m_message)
        m_message(area.target);
}

bool CPPHtmlDrawer::OpenLinkTarget(std::u16string_view target) {
    return m_opener && m_opener(target);
}

bool CPPHtmlDrawer::AdvanceAnimation() {
    bool changed = false;
    for (HtmlAnimation& a : m_animations) {
        if (a.frames <= 0) continue;
        if (++a.tick >= a.ticksPerFrame) {
            a.tick = 0;
            a.frame = (a.frame + 1) % a.frames;
            changed = true;
        }
    }
    return changed;
}

std::u16string CPPHtmlDrawer::LoadResourceString(int id) const {
    if (id <= 0 || id > 0xFFFF) return {};
    // The language table writes line ends as "\n": they come back as line feeds.
    CVRMString text;
    if (!text.LoadStringW(static_cast<unsigned>(id))) return {};
    std::erase(text, u'\r');
    return text;
}

std::u16string CPPHtmlDrawer::ResourceStringLine(int id, int n) const {
    const std::u16string text = LoadResourceString(id);
    if (text.empty() || n < 0) return {};
    std::size_t start = 0;
    for (int line = 0; line < n; ++line) {
        start = text.find(u'\n', start);
        if (start == std::u16string::npos) return {};
        ++start;
    }
    return text.substr(start, text.find(u'\n', start) - start);
}
