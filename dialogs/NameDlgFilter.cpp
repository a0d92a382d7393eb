#include "dialogs/NameDlgFilter.h"

SNamensFilter FiltereNamen(std::u16string_view text, bool schraegstrichErlaubt) {
    SNamensFilter ergebnis;
    ergebnis.name.reserve(text.size());
    for (const char16_t c : text) {
        if (c < 0x20 || c == 0x7F) {
            ergebnis.caret = static_cast<int>(ergebnis.name.size());
            continue;
        }
        const bool ersetzen = c == u'=' || c == u':' || c == u'\\' || (c == u'/' && !schraegstrichErlaubt);
        ergebnis.name.push_back(ersetzen ? u'_' : c);
        if (ersetzen) ergebnis.caret = static_cast<int>(ergebnis.name.size());
    }
    return ergebnis;
}
