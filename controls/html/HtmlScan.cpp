#include "controls/html/HtmlScan.h"

#include <algorithm>

namespace html {
namespace {

constexpr auto npos = std::u16string_view::npos;

bool startsAt(std::u16string_view text, std::size_t pos, std::u16string_view what) {
    return pos <= text.size() && text.substr(pos).starts_with(what);
}

// The next "<" at or after pos that may open a tag; escaped "<<" pairs are passed over.
std::size_t nextTagOpen(std::u16string_view text, std::size_t pos) {
    while (pos < text.size()) {
        const std::size_t lt = text.find(u'<', pos);
        if (lt == npos) return npos;
        if (lt + 1 < text.size() && text[lt + 1] == u'<') {
            pos = lt + 2;
            continue;
        }
        return lt;
    }
    return npos;
}

bool isBlank(char16_t c) { return c == u' '; }

}  // namespace

std::u16string textBeforeTag(std::u16string_view text, std::size_t& pos, std::u16string& tag) {
    tag.clear();
    if (pos >= text.size()) return {};
    const std::size_t lt = text.find(u'<', pos);
    if (lt == npos) {
        std::u16string rest(text.substr(pos));
        pos = text.size();
        return rest;
    }
    std::u16string piece(text.substr(pos, lt - pos));
    if (lt + 1 >= text.size() || text[lt + 1] == u'<') {
        piece += u'<';
        pos = std::min(lt + 2, text.size());
        return piece;
    }
    pos = lt;
    tag = tagBody(text, pos);
    return piece;
}

std::u16string tagBody(std::u16string_view text, std::size_t& pos) {
    const std::size_t gt = text.find(u'>', pos);
    if (gt == npos || gt == pos + 1) {
        pos += 1;
        return {};
    }
    std::u16string body(text.substr(pos + 1, gt - pos - 1));
    pos = gt + 1;
    return body;
}

std::pair<std::u16string, std::u16string> splitTag(std::u16string_view body) {
    const std::size_t end = body.find_first_of(u" =");
    if (end == npos) return {std::u16string(body), {}};
    std::size_t rest = end;
    while (rest < body.size() && isBlank(body[rest])) ++rest;
    return {std::u16string(body.substr(0, end)), std::u16string(body.substr(rest))};
}

bool nextAttribute(std::u16string_view text, std::size_t& pos, std::u16string& name,
                   std::u16string& value) {
    name.clear();
    value.clear();
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    if (pos >= text.size()) return false;
    const std::size_t nameEnd = std::min(text.find_first_of(u" =", pos), text.size());
    name = text.substr(pos, nameEnd - pos);
    pos = nameEnd;
    std::size_t p = pos;
    while (p < text.size() && isBlank(text[p])) ++p;
    if (p >= text.size() || text[p] != u'=') return true;
    ++p;
    while (p < text.size() && isBlank(text[p])) ++p;
    if (p < text.size() && (text[p] == u'"' || text[p] == u'\'')) {
        const char16_t quote = text[p];
        const std::size_t close = std::min(text.find(quote, p + 1), text.size());
        value = text.substr(p + 1, close - p - 1);
        pos = std::min(close + 1, text.size());
    } else {
        const std::size_t end = std::min(text.find(u' ', p), text.size());
        value = text.substr(p, end - p);
        pos = end;
    }
    // A lone "=" with no name still moves on.
    if (name.empty() && value.empty() && pos < text.size()) ++pos;
    return true;
}

bool findTag(std::u16string_view text, std::size_t& pos, std::u16string_view name) {
    std::size_t p = pos;
    while (true) {
        const std::size_t lt = nextTagOpen(text, p);
        if (lt == npos) return false;
        if (startsAt(text, lt + 1, name)) {
            pos = lt;
            return true;
        }
        p = lt + 1;
    }
}

std::size_t findElementEnd(std::u16string_view text, std::size_t open, std::u16string_view name) {
    const bool isTable = name == u"table";
    const bool nests = isTable || name == u"tr";
    std::u16string closing = u"</";
    closing += name;
    int depth = 1;
    std::size_t p = open + 1;
    while (true) {
        const std::size_t lt = nextTagOpen(text, p);
        if (lt == npos) return npos;
        if (startsAt(text, lt, closing)) {
            if (--depth == 0) return lt;
        } else if (!isTable && startsAt(text, lt + 1, u"table")) {
            const std::size_t end = findElementEnd(text, lt, u"table");
            if (end == npos) return npos;
            p = end + 1;
            continue;
        } else if (nests && startsAt(text, lt + 1, name)) {
            ++depth;
        }
        p = lt + 1;
    }
}

std::size_t skipPastTagEnd(std::u16string_view text, std::size_t pos) {
    const std::size_t gt = text.find(u'>', pos);
    return gt == npos ? text.size() : gt + 1;
}

std::size_t countChar(std::u16string_view text, char16_t c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

}  // namespace html
