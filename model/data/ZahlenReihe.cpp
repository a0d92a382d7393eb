#include "model/data/ZahlenReihe.h"

#include <cmath>

#include "core/db/GespeicherteZahl.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

std::vector<double> ZerlegeZahlenReihe(std::u16string_view text, std::u16string_view trenner,
                                       size_t maxAnzahl, const vrmcore::SZahlOrt& ort) {
    std::vector<double> zahlen;
    if (trenner.empty()) return zahlen;
    size_t start = 0;
    while (zahlen.size() < maxAnzahl) {
        const size_t ende = text.find(trenner, start);
        if (ende == std::u16string_view::npos) break;
        zahlen.push_back(vrmcore::GespeichertesElement(text.substr(start, ende - start),
                                                       platform::StoredNumber::Float, ort));
        start = ende + trenner.size();
    }
    return zahlen;
}

float EndlichOderNull(float wert) {
    return std::isfinite(wert) ? wert : 0.0f;
}

void StringToFloats(std::u16string_view text, std::u16string_view trenner,
                    std::array<float, 12>& werte, const vrmcore::SZahlOrt& ort) {
    const std::vector<double> zahlen = ZerlegeZahlenReihe(text, trenner, werte.size(), ort);
    werte.fill(0.0f);
    for (size_t i = 0; i < zahlen.size(); ++i) werte[i] = static_cast<float>(zahlen[i]);
}

void FloatsToString(const std::array<float, 12>& werte, std::u16string_view trenner,
                    CVRMString& text, int nachkomma) {
    static constexpr const char16_t* kFormate[] = {u"%.0f%s", u"%.1f%s", u"%.2f%s"};
    text.Empty();
    if (nachkomma < 0 || nachkomma > 2) ThrowFehler(textid::kFalscheKonstante, u"FloatsToString");
    for (float wert : werte)
        text += platform::format(kFormate[nachkomma], EndlichOderNull(wert), trenner);
}
