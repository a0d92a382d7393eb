// The drawer's style machinery: the style sheet, CSS declarations and their values, the
// style stack and the line routines that apply alignment while lines are measured and drawn.
#include <algorithm>
#include <cctype>
#include <limits>

#include "controls/html/HtmlMath.h"
#include "controls/html/PPHtmlDrawer.h"

namespace {

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool startsName(char16_t c) { return isAsciiDigit(c) || isAsciiLetter(c) || c == u'.'; }

std::u16string lowerAscii(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
    return out;
}

std::u16string_view trimBlanks(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s;
}

// The leading decimal integer (0 when none), saturated.
long long leadingDecimal(std::u16string_view s) {
    long long n = 0;
    for (char16_t c : s) {
        if (!isAsciiDigit(c)) break;
        n = std::min<long long>(n * 10 + (c - u'0'), html::kMaxCoord);
    }
    return n;
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// An unsigned number with automatic base ("0x" hexadecimal, a leading "0" octal), read up
// to the first character that is not a digit of its base; saturated at 32 bits.
unsigned long long autoBase(std::u16string_view s) {
    int base = 10;
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        base = 16;
        i = 2;
    } else if (!s.empty() && s[0] == u'0') {
        base = 8;
    }
    unsigned long long n = 0;
    for (; i < s.size(); ++i) {
        const int d = hexDigit(s[i]);
        if (d < 0 || d >= base) break;
        n = std::min<unsigned long long>(n * base + d, std::numeric_limits<std::uint32_t>::max());
    }
    return n;
}

constexpr int kHtmlSizes[] = {8, 10, 12, 14, 18, 24, 36};

}  // namespace

void CPPHtmlDrawer::ResetStyle() {
    HtmlStyle fresh;
    fresh.width = m_style.width;
    fresh.height = m_style.height;
    m_style = std::move(fresh);
}

void CPPHtmlDrawer::LoadDefaultStyleSheet() {
    static constexpr const char16_t* kLines[] = {
        u"body {font-size: 10pt; color:black; font-family:Verdana}",
        u"p {font-size: 10pt; color:black; font-family:Verdana; font-weight:normal}",
        u"h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}",
        u"h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
        u"h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}",
        u"h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}",
        u"h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
        u"h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}",
        u"pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}",
        u"code {color:#990000; font-family:Arial}",
        u"a:link {text-decoration:none; color:blue}",
        u"a:hover {text-decoration:underline; color:blue}",
        u"sub {font-size:65%; vertical-align:bottom}",
        u"sup {font-size:65%; vertical-align:top}",
        u"big {font-size:125%}",
        u"small {font-size:75%}",
        u".cpp-comment {color:green; font-style:italic}",
    };
    std::u16string sheet;
    for (const char16_t* line : kLines) {
        sheet += line;
        sheet += u"\r\n";
    }
    SetCssStyles(sheet);
}

void CPPHtmlDrawer::SetCssStyles(std::optional<std::u16string_view> text) {
    m_styleSheet.clear();
    if (!text) {
        LoadDefaultStyleSheet();
        return;
    }
    m_cssText = *text;
    const std::u16string_view s = m_cssText;
    std::size_t p = 0;
    while (p < s.size()) {
        while (p < s.size() && !startsName(s[p])) ++p;
        if (p >= s.size()) break;
        const std::size_t end = s.find_first_of(u" {", p);
        if (end == std::u16string_view::npos) break;
        const std::u16string_view selector = s.substr(p, end - p);
        const std::size_t open = s.find(u'{', end);
        if (open == std::u16string_view::npos) break;
        const std::size_t close = s.find(u'}', open + 1);
        if (close == std::u16string_view::npos) break;
        if (close > open + 1) StoreTagStyle(selector, s.substr(open + 1, close - open - 1));
        p = close + 1;
    }
}

std::optional<std::u16string> CPPHtmlDrawer::LookUpTagStyle(std::u16string_view name) const {
    const auto found = m_styleSheet.find(lowerAscii(name));
    if (found == m_styleSheet.end()) return std::nullopt;
    return found->second;
}

void CPPHtmlDrawer::StoreTagStyle(std::u16string_view name, std::u16string_view declarations) {
    m_styleSheet[lowerAscii(name)] = std::u16string(declarations);
}

void CPPHtmlDrawer::ApplyTagStyle(std::u16string_view name, HtmlStyle& style) {
    ApplyCssDeclarations(LookUpTagStyle(name).value_or(std::u16string()), style);
}

void CPPHtmlDrawer::ApplyCssDeclarations(std::u16string_view text, HtmlStyle& style) {
    const std::u16string s = lowerAscii(text);
    std::size_t p = 0;
    while (p < s.size()) {
        while (p < s.size() && !startsName(s[p])) ++p;
        if (p >= s.size()) break;
        const std::size_t nameEnd = std::min(s.find_first_of(u" :", p), s.size());
        const std::u16string property = s.substr(p, nameEnd - p);
        p = nameEnd;
        while (p < s.size() && s[p] == u' ') ++p;
        std::u16string_view value;
        if (p < s.size() && s[p] == u':') {
            ++p;
            while (p < s.size() && s[p] == u' ') ++p;
            if (p < s.size() && s[p] == u'"') {
                const std::size_t close = std::min(s.find(u'"', p + 1), s.size());
                value = std::u16string_view(s).substr(p + 1, close - p - 1);
                p = std::min(s.find(u';', close), s.size());
            } else {
                const std::size_t end = std::min(s.find(u';', p), s.size());
                value = trimBlanks(std::u16string_view(s).substr(p, end - p));
                p = end;
            }
        }

        if (property == u"font-size") {
            style.size = ParseLength(value, style.size, true);
        } else if (property == u"font-family") {
            if (!value.empty()) style.face = value;
        } else if (property == u"font-style") {
            style.italic = ParseFontStyle(value, style.italic);
        } else if (property == u"font-weight") {
            style.weight = ParseFontWeight(value, style.weight);
        } else if (property == u"text-align") {
            style.hAlign = ParseHAlign(value, style.hAlign);
        } else if (property == u"text-transform") {
            style.textTransform = ParseTextTransform(value, style.textTransform);
        } else if (property == u"color") {
            style.textColour = m_enabled ? ParseColour(value, style.textColour) : m_disabledColour;
        } else if (property == u"background-color") {
            if (value.empty() || value == u"transparent" || !m_enabled) {
                style.bkMode = 1;
            } else {
                style.bkMode = 2;
                style.bkColour = ParseColour(value, style.bkColour);
            }
        } else if (property == u"text-decoration") {
            ApplyTextDecoration(value, style);
        } else if (property == u"vertical-align") {
            style.vAlign = ParseVAlign(value, style.vAlign);
        } else if (property == u"border-color") {
            const html::Colour c = m_enabled ? ParseColour(value, style.borderLight) : m_disabledColour;
            style.borderLight = style.borderDark = c;
        } else if (property == u"border-width" || property == u"size") {
            style.borderWidth = ParseBorderWidth(value, style.borderWidth);
            if (style.borderWidth == 0)
                style.borderStyle = 0;
            else if (style.borderStyle == 0)
                style.borderStyle = 1;
        } else if (property == u"border-style") {
            style.borderStyle = ParseBorderStyle(value, style.borderStyle);
            if (style.borderStyle != 0 && style.borderWidth == 0) style.borderWidth = 1;
        } else if (property == u"margin") {
            style.margin = ParseLength(value, style.margin, false);
        } else if (property == u"padding") {
            style.padding = ParseLength(value, style.padding, false);
        }
    }
}

bool CPPHtmlDrawer::PushPopStyle(bool pop) {
    if (!pop) {
        m_stack.push_back(m_style);
        return true;
    }
    bool restored = false;
    if (!m_stack.empty() && m_stack.back().tag == m_style.tag) {
        m_style = std::move(m_stack.back());
        m_stack.pop_back();
        restored = true;
    }
    m_style.tag.clear();
    return restored;
}

// --- Values ----------------------------------------------------------------------------

int CPPHtmlDrawer::ParseLength(std::u16string_view value, int base, bool htmlSizes) const {
    if (value.empty()) return base;
    if (value.back() == u'%') {
        std::u16string_view number = value.substr(0, value.size() - 1);
        const bool negative = number.starts_with(u'-');
        if (negative || number.starts_with(u'+')) number.remove_prefix(1);
        const long long p = leadingDecimal(number);
        return html::mulDiv(base, negative ? -p : p, 100);
    }
    if (value.starts_with(u'+') || value.starts_with(u'-')) value.remove_prefix(1);
    const long long n = leadingDecimal(value);
    const std::u16string_view unit = value.size() >= 2 ? value.substr(value.size() - 2) : u"";
    const long long dpi = m_dc ? m_dc->logicalDpiY() : 0;
    if (unit == u"px") return html::clampCoord(n);
    if (unit == u"ex") return html::clampCoord(n * (m_dc ? m_dc->textExtent(u"x").cy : 0));
    if (unit == u"em") return html::clampCoord(n * m_metrics.height);
    if (unit == u"in") return html::clampCoord(n * dpi);
    if (unit == u"cm") return html::clampCoord(static_cast<long long>(n * dpi * 0.39370078740157477));
    if (unit == u"mm") return html::clampCoord(static_cast<long long>(n * dpi * 0.03937007874015748));
    if (unit == u"pt") return html::clampCoord(n * dpi / 72);
    if (unit == u"pc") return html::clampCoord(n * dpi / 6);
    const unsigned long long number = autoBase(value);
    if (htmlSizes && number >= 1 && number <= 7) return kHtmlSizes[number - 1];
    return html::clampCoord(static_cast<long long>(number));
}

html::Colour CPPHtmlDrawer::ParseColour(std::u16string_view value, html::Colour current) const {
    if (value.empty()) return current;
    if (value.front() == u'#') {
        if (value.size() != 7) return current;
        std::uint32_t rgb = 0;
        for (std::size_t i = 1; i < 7; ++i) {
            const int d = hexDigit(value[i]);
            if (d < 0) return current;
            rgb = rgb * 16 + static_cast<std::uint32_t>(d);
        }
        return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }
    if (isAsciiDigit(value.front())) return static_cast<html::Colour>(autoBase(value));
    return LookupColour(value, current);
}

int CPPHtmlDrawer::ParseFontStyle(std::u16string_view value, int current) {
    if (value.empty() || value == u"normal") return 0;
    if (value == u"italic" || value == u"oblique") return 1;
    return current;
}

int CPPHtmlDrawer::ParseFontWeight(std::u16string_view value, int current) {
    (void)current;
    if (value.empty() || value == u"normal") return 400;
    if (value == u"bold") return 700;
    if (value == u"bolder") return 900;
    if (value == u"lighter") return 100;
    return static_cast<int>(leadingDecimal(value));
}

int CPPHtmlDrawer::ParseHAlign(std::u16string_view value, int current) {
    if (value.empty() || value == u"left") return 0;
    if (value == u"center") return 1;
    if (value == u"right") return 2;
    return current;
}

int CPPHtmlDrawer::ParseVAlign(std::u16string_view value, int current) {
    if (value.empty() || value == u"baseline") return 3;
    if (value == u"middle" || value == u"vcenter") return 1;
    if (value == u"top") return 0;
    if (value == u"bottom") return 2;
    return current;
}

int CPPHtmlDrawer::ParseTextTransform(std::u16string_view value, int current) {
    if (value.empty() || value == u"none") return 0;
    if (value == u"uppercase") return 1;
    if (value == u"lowercase") return 2;
    if (value == u"capitalize") return 3;
    return current;
}

int CPPHtmlDrawer::ParseBorderWidth(std::u16string_view value, int current) const {
    // Repeated "thick" declarations must not carry the width past the int range.
    if (value == u"thin") return html::clampCoord(current * 75LL / 100);
    if (value == u"thick") return html::clampCoord(current * 125LL / 100);
    if (value == u"medium") return current;
    return ParseLength(value, current, false);
}

int CPPHtmlDrawer::ParseBorderStyle(std::u16string_view value, int current) {
    if (value.empty() || value == u"none") return 0;
    if (value == u"solid") return 1;
    if (value == u"dotted") return 3;
    if (value == u"dashed") return 2;
    if (value == u"double") return 6;
    return current;
}

void CPPHtmlDrawer::ApplyTextDecoration(std::u16string_view value, HtmlStyle& style) {
    if (value.empty()) value = u"none";
    std::size_t p = 0;
    while (p < value.size()) {
        const std::size_t end = std::min(value.find_first_of(u" ,", p), value.size());
        const std::u16string_view word = value.substr(p, end - p);
        if (word == u"none") {
            style.underline = style.strikeout = style.overline = 0;
        } else if (word == u"underline") {
            style.underline = 1;
        } else if (word == u"line-through") {
            style.strikeout = 1;
        } else if (word == u"overline") {
            style.overline = 1;
        }
        p = end + 1;
    }
}

// --- Lines -----------------------------------------------------------------------------
// While a line is measured, its height field holds the largest ascent; painting reads the
// finished record (ascent + descent) back.

int CPPHtmlDrawer::AlignTextRun(int y, int height) {
    const int ascent = m_metrics.ascent;
    if (layoutPass()) {
        m_line.descent = std::max(m_line.descent, height - ascent);
        m_line.height = std::max(m_line.height, ascent);
        return y;
    }
    switch (m_style.vAlign) {
        case 1: return y + (m_line.height - m_metrics.height) / 2;
        case 2: return y + m_line.height - ascent;
        case 3: return y + m_line.height - ascent - m_line.descent;
        default: return y;
    }
}

int CPPHtmlDrawer::AlignObject(int y, int height) {
    if (layoutPass()) {
        m_line.height = std::max(m_line.height, height);
        return y;
    }
    switch (m_style.vAlign) {
        case 1: return y + (m_line.height - height) / 2;
        case 2: return y + m_line.height - height;
        case 3: return y + m_line.height - m_line.descent - height;
        default: return y;
    }
}

void CPPHtmlDrawer::NewLine(int& x, int& y, int count, int& maxWidth) {
    if (layoutPass()) {
        if (m_line.height == 0) m_line.height = m_metrics.height;
        maxWidth = std::max(maxWidth, x - m_left);
        m_line.width = x - m_left;
        m_line.height = html::clampCoord(static_cast<long long>(m_line.height) + m_line.descent);
        if (m_lineIndex < m_lines.size()) m_lines[m_lineIndex] = m_line;
    }
    y = html::clampCoord(static_cast<long long>(y) +
                         static_cast<long long>(m_line.height) * std::max(count, 1));
    ++m_lineIndex;
    x = BeginLine(m_left);
}

int CPPHtmlDrawer::BeginLine(int x) {
    if (layoutPass()) {
        m_line = HtmlLine{};
        m_line.hAlign = m_style.hAlign;
        if (m_lines.size() <= m_lineIndex) m_lines.resize(m_lineIndex + 1);
        m_lines[m_lineIndex] = m_line;
        return x;
    }
    // A paint that outruns its layout (the text changed between them) draws at the left.
    m_line = m_lineIndex < m_lines.size() ? m_lines[m_lineIndex] : HtmlLine{};
    m_notDrawn = m_line.width;
    const int free = m_right - m_left;
    int width = m_line.width;
    if (m_line.percent != 0)
        width = html::clampCoord(static_cast<long long>(width) + html::mulDiv(free, m_line.percent, 100));
    switch (m_line.hAlign) {
        case 1: return m_left + (free - width) / 2;
        case 2: return m_left + free - width;
        default: return x;
    }
}

int CPPHtmlDrawer::AdvanceTab(int x, int count) const {
    const int tab = std::max(m_tabWidth, 1);
    count = std::max(count, 1);
    const long long offset = static_cast<long long>(x) - m_left;
    long long stop = offset;
    if (offset % tab != 0) {
        // The next stop, then one full tab for every further count.
        stop = (offset / tab + (offset > 0 ? 1 : 0)) * tab;
        --count;
    }
    return html::clampCoord(m_left + stop + static_cast<long long>(count) * tab);
}

void CPPHtmlDrawer::StoreLinkArea(int left, int top, int right, int bottom) {
    if (m_style.linkKind == 0 || layoutPass()) return;
    m_links.push_back({{left, top, right, bottom}, m_style.linkKind, m_linkCounter, m_style.linkTarget});
}
