#include "dialogs/DlgKollDatenLogik.h"

#include <optional>

#include "platform/numbers/Numbers.h"

namespace kolldaten {

namespace {

bool Leer(const std::u16string& text) { return text.find_first_not_of(u" \t") == std::u16string::npos; }

// The cell as the solar library stores it: blanks dropped, a decimal comma as a point;
// none when what is left is not wholly a number of the column's kind. Checked here, a
// "12,5" is not cut to 12, an "abc" not read as 0, and a "#" cannot shift the row.
std::optional<std::u16string> Normalisiert(const std::u16string& zelle,
                                           platform::StoredNumber art) {
    std::u16string text;
    for (char16_t c : zelle) {
        if (c == u' ' || c == u'\t') continue;
        text.push_back(c == u',' ? u'.' : c);
    }
    if (!platform::parseStoredNumber(text, art)) return std::nullopt;
    return text;
}

}  // namespace

SErtraege LeseErtraege(const std::vector<Zeile>& zeilen) {
    SErtraege e;
    for (size_t z = 0; z < zeilen.size(); ++z) {
        const Zeile& zeile = zeilen[z];
        if (Leer(zeile[0])) break;
        std::u16string record;
        for (size_t s = 0; s < zeile.size(); ++s) {
            // The mean temperature is a whole number of degrees, the yields are decimals.
            const auto art =
                s == 0 ? platform::StoredNumber::UInt32 : platform::StoredNumber::Float;
            const std::optional<std::u16string> text =
                Leer(zeile[s]) ? std::nullopt : Normalisiert(zeile[s], art);
            if (!text) {
                e.records.clear();
                e.leer = SLeereZelle{static_cast<int>(z) + 1, static_cast<int>(s)};
                return e;
            }
            record += *text + u"#";
        }
        e.records.push_back(std::move(record));
    }
    return e;
}

}  // namespace kolldaten
