#include "controls/html/PPHtmlDrawer.h"

#include <algorithm>

#include "controls/html/HtmlMath.h"
#include "controls/html/HtmlScan.h"

using html::Extent;
using html::Tag;

namespace {

constexpr int kSystemButtonShadow = 16;
// "br" and "t" counts beyond this add nothing a reader could see.
constexpr int kMaxRepeat = 1000;

void replaceAll(std::u16string& s, std::u16string_view what, std::u16string_view with) {
    for (std::size_t pos = s.find(what); pos != std::u16string::npos;
         pos = s.find(what, pos + with.size()))
        s.replace(pos, what.size(), with);
}

char16_t upper(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    return c;
}

char16_t lower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 0x20);
    return c;
}

}  // namespace

CPPHtmlDrawer::CPPHtmlDrawer(html::SystemColourSource systemColours)
    : m_colours(html::makeColourTable(systemColours)),
      m_disabledColour(systemColours ? systemColours(kSystemButtonShadow) : 0x808080) {
    SetImageShadow(4, 4, 50, true, 7, 7);
    LoadDefaultStyleSheet();
}

CPPHtmlDrawer::~CPPHtmlDrawer() { ReleaseResourceModule(); }

std::u16string CPPHtmlDrawer::Preprocess(std::u16string_view text) const {
    std::u16string s(text);
    // In ascending order of the entity text: "&amp;lt;" becomes "&lt;", then "<<".
    for (const auto& [entity, replacement] : html::entityTable()) replaceAll(s, entity, replacement);
    std::erase(s, u'\r');
    if (m_lineBreaks) {
        replaceAll(s, u"\n", u"<br>");
        replaceAll(s, u"\t", u"<t>");
    } else {
        std::erase(s, u'\n');
        std::erase(s, u'\t');
    }
    return s;
}

Extent CPPHtmlDrawer::LayoutHtml(html::HtmlCanvas& dc, std::u16string_view text) {
    m_text = Preprocess(text);
    if (m_text.empty()) return {};
    m_dc = &dc;
    m_layoutPass = true;
    m_tables.clear();
    const Extent size = RenderBlock({0, 0, 0, 0});
    m_dc = nullptr;
    if (size.cx <= 0 && size.cy <= 0) {
        m_text.clear();
        return {};
    }
    return {size.cx + 1, size.cy + 1};
}

void CPPHtmlDrawer::PaintHtml(html::HtmlCanvas& dc, const html::Box& rect) {
    if (m_text.empty()) return;
    m_dc = &dc;
    m_layoutPass = false;
    RenderBlock(rect);
    m_dc = nullptr;
}

Extent CPPHtmlDrawer::RenderBlock(const html::Box& rect) {
    if (layoutPass()) {
        m_lines.clear();
        m_animations.clear();
    }
    // Link areas are those of the last paint: repeated paints do not pile them up.
    m_links.clear();
    m_lineIndex = 0;
    m_linkCounter = -1;
    m_tableCounter = -1;
    m_animationCounter = -1;
    m_tableDepth = 0;
    m_stack.clear();

    ResetStyle();
    ApplyTagStyle(u"body", m_style);
    m_selectedFont = FontOf(m_style);
    const html::FontDesc oldFont = m_dc->selectFont(m_selectedFont);
    m_metrics = m_dc->metrics();
    const int oldMode = m_dc->setBackMode(m_style.bkMode);
    const html::Colour oldText = m_dc->setTextColour(m_style.textColour);
    const html::Colour oldBack = m_dc->setBackColour(m_style.bkColour);

    const Extent size = RenderPieces(m_text, rect);

    m_dc->selectFont(oldFont);
    m_dc->setTextColour(oldText);
    m_dc->setBackColour(oldBack);
    m_dc->setBackMode(oldMode);
    m_stack.clear();
    return size;
}

// Text runs and top-level tables, stacked downwards.
Extent CPPHtmlDrawer::RenderPieces(std::u16string_view text, const html::Box& rect) {
    Extent total;
    int y = rect.top;
    std::size_t pos = 0;
    auto add = [&](Extent e) {
        total.cx = std::max(total.cx, e.cx);
        total.cy = html::clampCoord(static_cast<long long>(total.cy) + e.cy);
        y = html::clampCoord(static_cast<long long>(y) + e.cy);
    };
    while (pos < text.size()) {
        std::size_t table = pos;
        const bool found = html::findTag(text, table, u"table");
        const std::size_t runEnd = found ? table : text.size();
        if (runEnd > pos) add(RenderRun(text.substr(pos, runEnd - pos), {rect.left, y, rect.right, rect.bottom}));
        if (!found) break;
        const std::size_t end = html::findElementEnd(text, table, u"table");
        const std::size_t tableEnd = end == std::u16string_view::npos ? text.size() : end;
        add(RenderTable(text.substr(table, tableEnd - table), {rect.left, y, rect.right, rect.bottom}));
        pos = end == std::u16string_view::npos ? text.size() : html::skipPastTagEnd(text, end);
    }
    return total;
}

Extent CPPHtmlDrawer::RenderRun(std::u16string_view text, const html::Box& rect) {
    std::u16string run = u"<body>";
    run += text;
    run += u"</body>";
    m_left = rect.left;
    m_right = rect.right;
    const std::size_t firstLine = m_lineIndex;
    int maxWidth = 0;
    int x = BeginLine(rect.left);
    int lineStart = x;
    int y = rect.top;
    std::size_t pos = 0;
    std::u16string tag;
    while (pos < run.size()) {
        std::u16string piece = html::textBeforeTag(run, pos, tag);
        if (!piece.empty()) OutputText(Transformed(std::move(piece)), x, y);
        if (!tag.empty()) {
            const std::size_t lineBefore = m_lineIndex;
            HandleTag(tag, x, y, maxWidth);
            if (m_lineIndex != lineBefore) lineStart = x;
        }
    }
    if (x != lineStart) NewLine(x, y, 1, maxWidth);

    Extent size{layoutPass() ? maxWidth : 0, y - rect.top};
    // Percentage rules take their share of the widest line of the run.
    for (std::size_t i = firstLine; i < m_lineIndex && i < m_lines.size(); ++i) {
        const HtmlLine& line = m_lines[i];
        if (line.percent == 0) continue;
        const int width = html::clampCoord(static_cast<long long>(line.width) +
                                           html::mulDiv(size.cx, line.percent, 100));
        size.cx = std::max(size.cx, width);
    }
    return size;
}

std::u16string CPPHtmlDrawer::Transformed(std::u16string text) const {
    switch (m_style.textTransform) {
        case 1:
            std::ranges::transform(text, text.begin(), upper);
            break;
        case 2:
            std::ranges::transform(text, text.begin(), lower);
            break;
        case 3: {
            std::ranges::transform(text, text.begin(), lower);
            bool start = true;
            for (char16_t& c : text) {
                if (start && c >= u'a' && c <= u'z') c = upper(c);
                start = c == u' ';
            }
            break;
        }
        default:
            break;
    }
    return text;
}

void CPPHtmlDrawer::OutputText(std::u16string piece, int& x, int y) {
    const Extent extent = m_dc->textExtent(piece);
    const int top = AlignTextRun(y, extent.cy);
    if (layoutPass()) {
        m_line.hAlign = m_style.hAlign;
    } else {
        // The last piece of a line is drawn without its trailing blanks, so that an
        // underline ends with the last visible character.
        const bool lastOfLine = extent.cx == m_notDrawn;
        m_notDrawn -= extent.cx;
        Extent drawn = extent;
        if (lastOfLine && piece.back() == u' ') {
            piece.erase(piece.find_last_not_of(u' ') + 1);
            drawn = m_dc->textExtent(piece);
        }
        StoreLinkArea(x, top, x + drawn.cx, top + drawn.cy);
        m_dc->textOut(x, top, piece);
        if (m_style.overline)
            m_dc->drawLine(x, top, x + drawn.cx, top, m_style.textColour, 1,
                           m_style.weight >= 700 ? 2 : 1);
    }
    x = html::clampCoord(static_cast<long long>(x) + extent.cx);
}

void CPPHtmlDrawer::HandleTag(std::u16string_view body, int& x, int& y, int& maxWidth) {
    const bool closing = body.starts_with(u'/');
    const auto split = html::splitTag(closing ? body.substr(1) : body);
    const std::u16string& attributes = split.second;
    const auto& tags = html::tagTable();
    const auto found = tags.find(split.first);
    if (found == tags.end()) return;
    const html::TagInfo& info = found->second;

    if (!info.canonical.empty()) {
        m_style.tag = info.canonical;
        if (closing) {
            if (PushPopStyle(true)) SelectStyle();
            return;
        }
        PushPopStyle(false);
        OpenStyleTag(info.tag, attributes);
        SelectStyle();
        return;
    }
    if (closing) return;

    // "br=2", "t=3": the count follows the name.
    auto count = [&] {
        std::u16string_view value = attributes;
        if (value.starts_with(u'=')) value.remove_prefix(1);
        value = value.substr(0, value.find(u' '));
        return std::clamp(ParseLength(value, 1, false), 1, kMaxRepeat);
    };
    switch (info.tag) {
        case Tag::Break:
            NewLine(x, y, count(), maxWidth);
            break;
        case Tag::Tab:
            x = AdvanceTab(x, count());
            break;
        case Tag::Rule:
            DrawRule(attributes, x, y);
            break;
        case Tag::Bitmap:
        case Tag::Icon:
        case Tag::ImageList:
            DrawImageTag(info.tag, attributes, x, y);
            break;
        case Tag::String:
            DrawString(attributes, x, y);
            break;
        default:
            break;
    }
}

void CPPHtmlDrawer::OpenStyleTag(Tag tag, std::u16string_view attributes) {
    HtmlStyle& s = m_style;
    switch (tag) {
        case Tag::Bold: s.weight = std::min(s.weight * 2, 900); break;
        case Tag::Italic: s.italic = !s.italic; break;
        case Tag::Underline: s.underline = !s.underline; break;
        case Tag::Strikeout: s.strikeout = !s.strikeout; break;
        case Tag::Font: ApplyFontAttributes(attributes); break;
        case Tag::Left: s.hAlign = 0; break;
        case Tag::Center: s.hAlign = 1; break;
        case Tag::Right: s.hAlign = 2; break;
        case Tag::Justify: s.hAlign = 3; break;
        case Tag::Baseline: s.vAlign = 3; break;
        case Tag::Top: s.vAlign = 0; break;
        case Tag::VCenter: s.vAlign = 1; break;
        case Tag::Bottom: s.vAlign = 2; break;
        case Tag::StyleSheetEntry: ApplyTagStyle(std::u16string(s.tag), s); break;
        case Tag::Span: {
            std::size_t pos = 0;
            std::u16string name, value;
            while (html::nextAttribute(attributes, pos, name, value))
                if (name == u"class") ApplyTagStyle(u"." + value, s);
            break;
        }
        case Tag::Link: ApplyLinkAttributes(attributes); break;
        default: break;
    }
}

void CPPHtmlDrawer::ApplyFontAttributes(std::u16string_view attributes) {
    HtmlStyle& s = m_style;
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value)) {
        if (name == u"face") {
            if (!value.empty()) s.face = value;
        } else if (name == u"size") {
            s.size = ParseLength(value, s.size, true);
        } else if (name == u"color") {
            s.textColour = m_enabled ? ParseColour(value, s.textColour) : m_disabledColour;
        } else if (name == u"style") {
            ApplyFontLetters(value);
        } else if (name == u"weight") {
            s.weight = ParseFontWeight(value, s.weight);
        } else if (name == u"bkgnd") {
            if (value.empty() || value == u"transparent" || !m_enabled) {
                s.bkMode = 1;
            } else {
                s.bkMode = 2;
                s.bkColour = ParseColour(value, s.bkColour);
            }
        }
    }
}

void CPPHtmlDrawer::ApplyLinkAttributes(std::u16string_view attributes) {
    HtmlStyle& s = m_style;
    s.linkKind = 2;
    s.linkTarget.clear();
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value)) {
        if (name == u"href") {
            s.linkKind = 1;
            s.linkTarget = value;
        } else if (name == u"msg") {
            s.linkKind = 2;
            s.linkTarget = value;
        }
    }
    ++m_linkCounter;
    ApplyTagStyle(m_linkCounter == m_hoverLink ? u"a:hover" : u"a:link", s);
}

void CPPHtmlDrawer::DrawRule(std::u16string_view attributes, int& x, int y) {
    HtmlStyle rule = m_style;
    rule.borderWidth = 1;
    ApplyTagStyle(u"hr", rule);
    int width = 100;
    bool percent = true;
    int thickness = rule.borderWidth;
    html::Colour colour = rule.textColour;
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value)) {
        if (name == u"width") {
            percent = value.ends_with(u'%');
            width = percent ? ParseLength(value, 100, false) : ParseLength(value, width, false);
        } else if (name == u"size") {
            thickness = ParseLength(value, thickness, false);
        } else if (name == u"color") {
            colour = ParseColour(value, colour);
        }
    }
    if (!m_enabled) colour = m_disabledColour;
    int advance = 0;
    if (layoutPass()) {
        if (percent) m_line.percent = html::clampCoord(static_cast<long long>(m_line.percent) + width);
        advance = percent ? 1 : width;
        m_line.height = std::max(m_line.height, html::clampCoord(static_cast<long long>(thickness) + 8));
    } else {
        advance = percent ? html::mulDiv(m_right - m_left, width, 100) : width;
        const int lineY = y + m_line.height / 2;
        m_dc->drawLine(x, lineY, x + advance, lineY, colour, 1, thickness);
    }
    x = html::clampCoord(static_cast<long long>(x) + std::max(advance, 0));
}

void CPPHtmlDrawer::DrawString(std::u16string_view attributes, int& x, int y) {
    int id = 0;
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value))
        if (name == u"idres" || name == u"iddll") id = ParseLength(value, 0, false);
    const std::u16string text = LoadResourceString(id);
    if (text.empty()) return;
    const Extent extent = m_dc->textExtent(text);
    const int top = AlignTextRun(y, extent.cy);
    if (!layoutPass()) {
        m_notDrawn -= extent.cx;
        StoreLinkArea(x, top, x + extent.cx, top + extent.cy);
        m_dc->textOut(x, top, text);
    }
    x = html::clampCoord(static_cast<long long>(x) + extent.cx);
}

html::FontDesc CPPHtmlDrawer::FontOf(const HtmlStyle& s) const {
    html::FontDesc font;
    // Markup may ask for any size; the device gets one it can render.
    font.height = std::clamp(s.size, 1, 1000);
    font.weight = std::clamp(s.weight, 0, 1000);
    font.italic = s.italic != 0;
    font.underline = s.underline != 0;
    font.strikeout = s.strikeout != 0;
    font.face = s.face;
    return font;
}

void CPPHtmlDrawer::SelectStyle() {
    if (!m_dc) return;
    const html::FontDesc font = FontOf(m_style);
    if (!(font == m_selectedFont)) {
        m_dc->selectFont(font);
        m_selectedFont = font;
    }
    m_metrics = m_dc->metrics();
    m_dc->setBackMode(m_style.bkMode);
    m_dc->setTextColour(m_style.textColour);
    m_dc->setBackColour(m_style.bkColour);
}
