#pragma once
// The text type of the whole system: UTF-16 text with loading and formatting by
// language-text id. It is a std::u16string with the few framework-style operations the
// system's code leans on.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/format/Format.h"

namespace platform {
class Window;
}

class CVRMString : public std::u16string {
  public:
    CVRMString() = default;
    CVRMString(const CVRMString&) = default;
    CVRMString(CVRMString&&) noexcept = default;
    CVRMString(const std::u16string& s) : std::u16string(s) {}
    CVRMString(std::u16string&& s) : std::u16string(std::move(s)) {}
    CVRMString(std::u16string_view s) : std::u16string(s) {}
    CVRMString(const char16_t* s) : std::u16string(s ? s : u"") {}
    // Loads language text `textId`; when that is empty and a fallback is given, the fallback.
    CVRMString(unsigned textId, const char16_t* fallback);
    CVRMString(char16_t ch, int repeat) : std::u16string(repeat > 0 ? repeat : 0, ch) {}
    virtual ~CVRMString() = default;

    CVRMString& operator=(const CVRMString&) = default;
    CVRMString& operator=(CVRMString&&) noexcept = default;
    CVRMString& operator=(const std::u16string& s) {
        assign(s);
        return *this;
    }
    CVRMString& operator=(std::u16string&& s) {
        assign(std::move(s));
        return *this;
    }
    CVRMString& operator=(const char16_t* s) {
        assign(s ? s : u"");
        return *this;
    }
    CVRMString& operator=(std::u16string_view s) {
        assign(s);
        return *this;
    }
    // 8-bit text: each byte is the character of the same code.
    CVRMString& operator=(const char* s);

    CVRMString& operator+=(const std::u16string& s) {
        append(s);
        return *this;
    }
    CVRMString& operator+=(std::u16string_view s) {
        append(s);
        return *this;
    }
    CVRMString& operator+=(const char16_t* s) {
        if (s) append(s);
        return *this;
    }
    CVRMString& operator+=(char16_t c) {
        push_back(c);
        return *this;
    }
    // Appends language text `textId` when it is not empty.
    CVRMString& operator+=(unsigned textId);

    // Language text of `textId` with backslash-n turned into CR LF and backslash-t into TAB.
    // True unless the result is empty (a missing id reads "Msg: <id>", so it is true).
    bool LoadStringW(unsigned textId);
    // As above; an empty text takes the fallback when there is one (true), else false.
    bool LoadStringW(unsigned textId, const char16_t* fallback);

    // The framework's string table, not the language table: the "STRING" resource `id`
    // (UTF-16LE) of the current resource module. False, and the text unchanged, when the
    // module has no such resource.
    bool LoadStringMFC(unsigned id);

    template <class... Args>
    void Format(std::u16string_view fmt, const Args&... args) {
        assign(platform::format(fmt, args...));
    }
    // Loads language text `textId` (as LoadStringW) and uses it as the format.
    template <class... Args>
    void Format(unsigned textId, const Args&... args) {
        CVRMString fmt;
        fmt.LoadStringW(textId);
        assign(platform::format(fmt, args...));
    }

    // Sets the text of item `itemId` of `dialog`: language text `textId`, or `text`;
    // "unknown" when the language text is empty or `text` is null; padded with one blank
    // each side when asked. Nothing happens when the dialog is null or gone.
    static void setItemText(platform::Window* dialog, unsigned itemId, unsigned textId, bool pad);
    static void setItemText(platform::Window* dialog, unsigned itemId, const char16_t* text,
                            bool pad);

    // Reversible scrambling of stored texts (heat-pump performance records).
    static CVRMString EnCode(const CVRMString& text);
    static CVRMString DeCode(const CVRMString& text);

    // Framework-style helpers.
    int GetLength() const { return static_cast<int>(size()); }
    bool IsEmpty() const { return empty(); }
    void Empty() { clear(); }
    int Find(std::u16string_view what, int start = 0) const;
    int Find(char16_t what, int start = 0) const;
    int ReverseFind(char16_t what) const;
    CVRMString Left(int count) const;
    CVRMString Right(int count) const;
    CVRMString Mid(int first, int count = -1) const;
    CVRMString& TrimLeft();
    CVRMString& TrimRight();
    CVRMString& Trim() { return TrimRight().TrimLeft(); }
    // Replaces every occurrence; returns the number of replacements.
    int Replace(std::u16string_view from, std::u16string_view to);
    std::u16string_view view() const { return *this; }
    std::string toUtf8() const;
    static CVRMString fromUtf8(std::string_view utf8);
};

inline CVRMString operator+(const CVRMString& a, const CVRMString& b) {
    CVRMString r(a);
    r.append(b);
    return r;
}
inline CVRMString operator+(const CVRMString& a, const char16_t* b) {
    CVRMString r(a);
    r += b;
    return r;
}
inline CVRMString operator+(const char16_t* a, const CVRMString& b) {
    CVRMString r(a);
    r.append(b);
    return r;
}
inline CVRMString operator+(const CVRMString& a, char16_t b) {
    CVRMString r(a);
    r.push_back(b);
    return r;
}
