#include "model/app/KelvoOptionen.h"

using platform::StoredNumber;

CVRMString IKelvoOptionen::GetKey(uint32_t) const {
    return CVRMString();
}

void IKelvoOptionen::ParseWerteListe(std::u16string_view text, std::array<uint32_t, 6>& werte,
                                     const vrmcore::SZahlOrt& ort) {
    std::array<uint32_t, 6> gelesen{};
    if (text.find(u'#') == std::u16string_view::npos) {
        gelesen[5] =
            static_cast<uint32_t>(vrmcore::GespeichertesElement(text, StoredNumber::UInt32, ort));
    } else {
        size_t start = 0;
        for (uint32_t& wert : gelesen) {
            const size_t trenner = text.find(u'#', start);
            if (trenner == std::u16string_view::npos) break;
            wert = static_cast<uint32_t>(vrmcore::GespeichertesElement(
                text.substr(start, trenner - start), StoredNumber::UInt32, ort));
            start = trenner + 1;
        }
    }
    werte = gelesen;
}
