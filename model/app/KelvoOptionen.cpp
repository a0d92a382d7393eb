#include "model/app/KelvoOptionen.h"

#include "platform/numbers/Numbers.h"

void IKelvoOptionen::ParseWerteListe(std::u16string_view text, std::array<uint32_t, 6>& werte) {
    werte.fill(0);
    if (text.empty()) return;
    if (text.find(u'#') == std::u16string_view::npos) {
        werte[5] = platform::parseUInt32(text);
        return;
    }
    size_t start = 0;
    for (uint32_t& wert : werte) {
        const size_t trenner = text.find(u'#', start);
        if (trenner == std::u16string_view::npos) break;
        wert = platform::parseUInt32(text.substr(start, trenner - start));
        start = trenner + 1;
    }
}
