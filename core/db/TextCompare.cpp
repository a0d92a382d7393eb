#include "core/db/TextCompare.h"

#include <algorithm>

namespace {

char16_t foldChar(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
    switch (c) {
        case u'Ä':
            return u'ä';
        case u'Ö':
            return u'ö';
        case u'Ü':
            return u'ü';
        default:
            return c;
    }
}

}  // namespace

void MakeStringLower(CVRMString& text) {
    std::transform(text.begin(), text.end(), text.begin(), foldChar);
}

int KVScompareNoCase(const CVRMString& a, const CVRMString& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t ca = foldChar(a[i]);
        const char16_t cb = foldChar(b[i]);
        if (ca != cb) return ca > cb ? 1 : -1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() > b.size() ? 1 : -1;
}

int NameEnthalten(const CVRMStringArray& list, const CVRMString& name) {
    return std::any_of(list.begin(), list.end(),
                       [&](const CVRMString& entry) { return KVScompareNoCase(entry, name) == 0; })
               ? 1
               : 0;
}

int ErsteZiffer(const CVRMString& text) {
    const auto it =
        std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    return it == text.end() ? -1 : static_cast<int>(*it - u'0');
}
