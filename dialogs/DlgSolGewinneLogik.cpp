#include "dialogs/DlgSolGewinneLogik.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace solargewinne {

int Vorlauf(float temperatur) {
    if (!(temperatur > static_cast<float>(kVorlaufMin))) return kVorlaufMin;
    if (temperatur >= static_cast<float>(kVorlaufMax)) return kVorlaufMax;
    return static_cast<int>(temperatur);
}

int VorlaufNachVerlust(int temperatur, unsigned alt, unsigned neu) {
    const int64_t t = int64_t{temperatur} + int64_t{neu} - int64_t{alt};
    return static_cast<int>(std::clamp<int64_t>(t, kVorlaufMin, kVorlaufMax));
}

float Zahl(const std::u16string& text) {
    std::string s;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t') continue;
        if (c > 127) return 0.0f;
        s.push_back(c == u',' ? '.' : static_cast<char>(c));
    }
    float wert = 0.0f;
    const auto [rest, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return fehler == std::errc() && rest == s.data() + s.size() ? wert : 0.0f;
}

SGelesen LeseGewinne(int art, float temperatur, const std::array<SMonatsTexte, 12>& monate) {
    SGelesen g;
    for (unsigned short m = 0; m < 12; ++m) {
        float temp = art == 3 ? Zahl(monate[m].temperatur) : temperatur;
        float energie = Zahl(monate[m].energie);
        if (temp < kMindestTemp) {
            temp = kMindestTemp;
            g.tempAngehoben = true;
        }
        if (energie < 0.0f) {
            energie = 0.0f;
            g.energieAngehoben = true;
        }
        g.gewinne.SetGewinn(m, temp, energie, 1);
    }
    return g;
}

CSolareGewinne MitTemperatur(const CSolareGewinne& gespeichert, float temperatur) {
    CSolareGewinne neu(gespeichert.SindGewinneProQm());
    for (unsigned short m = 0; m < CSolareGewinne::kMonate; ++m)
        if (gespeichert.IstTempEingetragen(m))
            neu.SetGewinn(m, temperatur, gespeichert.GetGewinnWert(m), 1);
    return neu;
}

}  // namespace solargewinne
