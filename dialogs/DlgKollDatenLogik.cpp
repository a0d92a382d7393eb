#include "dialogs/DlgKollDatenLogik.h"

namespace kolldaten {

namespace {
bool Leer(const std::u16string& text) { return text.find_first_not_of(u" \t") == std::u16string::npos; }
}  // namespace

SErtraege LeseErtraege(const std::vector<Zeile>& zeilen) {
    SErtraege e;
    for (size_t z = 0; z < zeilen.size(); ++z) {
        const Zeile& zeile = zeilen[z];
        if (Leer(zeile[0])) break;
        std::u16string record = zeile[0] + u"#";
        for (size_t s = 1; s < zeile.size(); ++s) {
            if (Leer(zeile[s])) {
                e.records.clear();
                e.leer = SLeereZelle{static_cast<int>(z) + 1, static_cast<int>(s)};
                return e;
            }
            record += zeile[s] + u"#";
        }
        e.records.push_back(std::move(record));
    }
    return e;
}

}  // namespace kolldaten
