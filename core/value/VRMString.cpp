#include "core/value/VRMString.h"

#include "core/text/ResManager.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"
#include "platform/window/Window.h"

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

// Backslash-n in a language text is a line break (CR LF), backslash-t a TAB.
std::u16string expandEscapes(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            if (text[i + 1] == u'n') {
                out += u"\r\n";
                ++i;
                continue;
            }
            if (text[i + 1] == u't') {
                out += u'\t';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

CVRMString::CVRMString(unsigned textId, const char16_t* fallback) {
    LoadStringW(textId, fallback);
}

CVRMString& CVRMString::operator=(const char* s) {
    assign(platform::fromLatin1(s ? std::string_view(s) : std::string_view()));
    return *this;
}

CVRMString& CVRMString::operator+=(unsigned textId) {
    CVRMString text;
    text.LoadStringW(textId);
    append(text);
    return *this;
}

bool CVRMString::LoadStringW(unsigned textId) {
    assign(expandEscapes(CResManager::getLangText(static_cast<uint16_t>(textId))));
    return !empty();
}

bool CVRMString::LoadStringW(unsigned textId, const char16_t* fallback) {
    if (LoadStringW(textId)) return true;
    if (!fallback) return false;
    assign(fallback);
    return true;
}

namespace {

void putItemText(platform::Window* dialog, unsigned itemId, CVRMString text, bool pad) {
    if (pad) text = u" " + text + u" ";
    dialog->setItemText(itemId, text);
}

}  // namespace

bool CVRMString::LoadStringMFC(unsigned id) {
    const auto bytes = platform::findResource(platform::currentResourceModule(), u"STRING", id);
    if (!bytes) return false;
    assign(platform::fromUtf16LE(*bytes));
    return true;
}

void CVRMString::setItemText(platform::Window* dialog, unsigned itemId, unsigned textId, bool pad) {
    if (!dialog || !dialog->exists()) return;
    CVRMString text;
    if (!text.LoadStringW(textId)) text = u"unknown";
    putItemText(dialog, itemId, text, pad);
}

// A given text is shown as it is, an empty one too; only a missing one reads "unknown".
void CVRMString::setItemText(platform::Window* dialog, unsigned itemId, const char16_t* text,
                             bool pad) {
    if (!dialog || !dialog->exists()) return;
    putItemText(dialog, itemId, CVRMString(text ? text : u"unknown"), pad);
}

int CVRMString::Find(std::u16string_view what, int start) const {
    if (start < 0) start = 0;
    const auto pos = find(what, static_cast<size_t>(start));
    return pos == npos ? -1 : static_cast<int>(pos);
}

int CVRMString::Find(char16_t what, int start) const {
    if (start < 0) start = 0;
    const auto pos = find(what, static_cast<size_t>(start));
    return pos == npos ? -1 : static_cast<int>(pos);
}

int CVRMString::ReverseFind(char16_t what) const {
    const auto pos = rfind(what);
    return pos == npos ? -1 : static_cast<int>(pos);
}

CVRMString CVRMString::Left(int count) const {
    if (count <= 0) return {};
    return CVRMString(substr(0, static_cast<size_t>(count)));
}

CVRMString CVRMString::Right(int count) const {
    if (count <= 0) return {};
    const size_t n = std::min(size(), static_cast<size_t>(count));
    return CVRMString(substr(size() - n));
}

CVRMString CVRMString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (static_cast<size_t>(first) >= size()) return {};
    if (count < 0) return CVRMString(substr(static_cast<size_t>(first)));
    return CVRMString(substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CVRMString& CVRMString::TrimLeft() {
    size_t i = 0;
    while (i < size() && isBlank((*this)[i])) ++i;
    erase(0, i);
    return *this;
}

CVRMString& CVRMString::TrimRight() {
    size_t n = size();
    while (n > 0 && isBlank((*this)[n - 1])) --n;
    resize(n);
    return *this;
}

int CVRMString::Replace(std::u16string_view from, std::u16string_view to) {
    if (from.empty()) return 0;
    int count = 0;
    size_t pos = 0;
    while ((pos = find(from, pos)) != npos) {
        replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

std::string CVRMString::toUtf8() const {
    return platform::toUtf8(*this);
}

CVRMString CVRMString::fromUtf8(std::string_view utf8) {
    return CVRMString(platform::fromUtf8(utf8));
}
