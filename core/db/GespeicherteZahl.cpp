#include "core/db/GespeicherteZahl.h"

#include <optional>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

namespace vrmcore {

double GespeicherteZahl(std::u16string_view text, platform::StoredNumber art, const SZahlOrt& ort) {
    const std::optional<double> zahl = platform::parseStoredNumber(text, art);
    if (!zahl) {
        CVRMString stelle(ort.satz);
        stelle += u": ";
        stelle += ort.schluessel;
        stelle += u"=";
        stelle += text;
        ReportError(textid::kDatenbankDefekt, stelle);
    }
    return *zahl;
}

double GespeichertesElement(std::u16string_view text, platform::StoredNumber art,
                            const SZahlOrt& ort) {
    if (text.find_first_not_of(u" \t") == std::u16string_view::npos) return 0.0;
    return GespeicherteZahl(text, art, ort);
}

}  // namespace vrmcore
