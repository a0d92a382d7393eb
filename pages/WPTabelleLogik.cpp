#include "pages/WPTabelleLogik.h"

#include <algorithm>
#include <limits>

#include "platform/format/Format.h"
#include "platform/numbers/Numbers.h"

namespace wptabelle {

std::optional<int> QuellTemperatur(std::u16string_view text) {
    if (text.empty()) return std::nullopt;
    const int32_t wert = platform::parseInt32(text);
    if (wert == 0 && text.front() != u'0') return std::nullopt;
    return wert;
}

float ZellenWert(std::u16string_view text) {
    constexpr double kGroesste = std::numeric_limits<float>::max();
    const double wert = platform::parseDouble(text);
    return static_cast<float>(std::clamp(wert, -kGroesste, kGroesste));
}

std::optional<std::vector<CWPLeistDaten>> LeseZeilen(const std::vector<Zeile>& zeilen) {
    struct SZaehlt {
        int temperatur;
        const Zeile* zeile;
    };
    std::vector<SZaehlt> zaehlt;
    for (const Zeile& z : zeilen) {
        const std::optional<int> t = QuellTemperatur(z[kSpalteQuelle]);
        if (!t) continue;
        // Every row is checked before anything is taken: a refused save changes nothing.
        if (*t < kMinQuellTemp || *t > kMaxQuellTemp) return std::nullopt;
        zaehlt.push_back({*t, &z});
    }
    std::stable_sort(zaehlt.begin(), zaehlt.end(),
                     [](const SZaehlt& a, const SZaehlt& b) { return a.temperatur < b.temperatur; });
    std::vector<CWPLeistDaten> saetze;
    for (const SZaehlt& s : zaehlt) {
        std::array<float, 8> f{};
        for (std::size_t i = 0; i < f.size(); ++i)
            f[i] = ZellenWert((*s.zeile)[static_cast<std::size_t>(kFeldSpalten[i])]);
        saetze.emplace_back(static_cast<float>(s.temperatur), f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
    }
    return saetze;
}

Zeile ZeileVon(const CWPLeistDaten& satz, std::u16string_view formatGanz, std::u16string_view formatZahl,
               std::u16string_view nichtVorhanden) {
    Zeile zeile;
    zeile[kSpalteQuelle] = platform::format(formatGanz, static_cast<double>(satz.quellTemp));
    const float felder[8] = {satz.heiz35,    satz.heiz2,    satz.elektro35, satz.elektro2,
                             satz.quelle35,  satz.quelle2,  satz.vorlauf2,  satz.maxVorlauf};
    for (std::size_t i = 0; i < kFeldSpalten.size(); ++i) {
        zeile[static_cast<std::size_t>(kFeldSpalten[i])] =
            felder[i] > kAnzeigeGrenze ? platform::format(formatZahl, static_cast<double>(felder[i]))
                                       : std::u16string(nichtVorhanden);
    }
    const auto cop = [&](float wert) {
        return wert > kAnzeigeGrenze ? platform::format(formatZahl, static_cast<double>(wert)) : std::u16string();
    };
    zeile[kSpalteCOP35] = cop(satz.GetCOP35());
    zeile[kSpalteCOP2] = cop(satz.GetCOP2());
    return zeile;
}

std::optional<int> NennQuellTemperatur(int kind) {
    constexpr int kNenn[] = {0, 2, 10, 0, 20};
    if (kind < 0 || kind >= static_cast<int>(std::size(kNenn))) return std::nullopt;
    return kNenn[kind];
}

int NennZeile(const std::vector<std::u16string>& ersteZellen, int nennTemperatur) {
    int gefunden = -1;
    for (std::size_t i = 0; i < ersteZellen.size(); ++i)
        if (!ersteZellen[i].empty() && platform::parseInt32(ersteZellen[i]) == nennTemperatur)
            gefunden = static_cast<int>(i);
    return gefunden;
}

}  // namespace wptabelle
