#include "pages/WQ1PageLogik.h"

#include "core/db/Global.h"
#include "core/text/ResManager.h"

namespace {

constexpr unsigned kProQm = 4481, kProM = 4480;  // "W/qm", "W/m"
// Moisture words: English and the library's own.
constexpr unsigned kTrocken[] = {3618, 4472}, kSehrFeucht[] = {3615, 4474}, kMittel[] = {3613, 4473};

// The text occurs after the first character of the name (a name that starts with it is not
// meant).
bool EnthaeltNachAnfang(const CVRMString& name, unsigned textId) {
    const std::u16string text = CResManager::getLangText(static_cast<uint16_t>(textId));
    if (text.empty()) return false;
    const auto pos = name.find(text, 1);
    return pos != CVRMString::npos && pos > 0;
}

template <std::size_t N>
bool EinesVon(const CVRMString& name, const unsigned (&ids)[N]) {
    for (unsigned id : ids)
        if (EnthaeltNachAnfang(name, id)) return true;
    return false;
}

}  // namespace

bool IstBiboNameProQm(const CVRMString& name) {
    return EnthaeltNachAnfang(name, kProQm) && IGlobal::IstBiboName(name);
}

bool IstBiboNameProM(const CVRMString& name) {
    return EnthaeltNachAnfang(name, kProM) && IGlobal::IstBiboName(name) && !IstBiboNameProQm(name);
}

int OffeneSchichten(const CVRMString& schicht1, const CVRMString& schicht2) {
    if (IstBiboNameProQm(schicht1)) return 1;
    if (IstBiboNameProM(schicht1) || IstBiboNameProM(schicht2)) return 2;
    return 4;
}

bool IstSpezifisch(const CVRMString& schicht1, const CVRMString& schicht2) {
    return OffeneSchichten(schicht1, schicht2) < 4;
}

bool FeuchteImNamen(const CVRMString& name) {
    return EinesVon(name, kTrocken) || EinesVon(name, kSehrFeucht) || EinesVon(name, kMittel);
}

int GetFeuchteAusNamen(const CVRMString& name) {
    if (EinesVon(name, kTrocken)) return 0;
    if (EinesVon(name, kSehrFeucht)) return 2;
    return 1;
}

bool SchichtPasstZuArt(const CVRMString& schicht1, const CVRMString& schicht2, int art) {
    using namespace quellart;
    if (IstBiboNameProQm(schicht1) && art != kKollektor && art != kKollektor2) return false;
    if ((IstBiboNameProM(schicht1) || IstBiboNameProM(schicht2)) && art != kSonde) return false;
    return true;
}

bool ArtWechselErlaubt(int alt, int neu) {
    using namespace quellart;
    return (alt == kSonde && neu == kKollektor) || (alt == kKollektor && neu == kSonde);
}

std::vector<unsigned> Reihenzahlen(unsigned anzahl) {
    std::vector<unsigned> zahlen;
    for (unsigned t = anzahl; t >= 1; --t)
        if (anzahl % t == 0) zahlen.push_back(t);
    return zahlen;
}

bool SchichtungOK(const SSchichten& s) {
    if (s.tiefe[0] == 0) return false;
    for (std::size_t i = 1; i < s.tiefe.size(); ++i)
        if (!s.boden[i].empty() && s.tiefe[i] <= s.tiefe[i - 1]) return false;
    return true;
}

unsigned GetSchichtTiefe(const SSchichten& s) {
    for (std::size_t i = s.tiefe.size(); i-- > 1;)
        if (!s.boden[i].empty()) return s.tiefe[i];
    return s.tiefe[0];
}

float QuellAbstand(int art, unsigned flaeche, unsigned laenge) {
    if (art == quellart::kKollektor) return laenge ? static_cast<float>(flaeche) / static_cast<float>(laenge) : 0.0f;
    if (art == quellart::kKollektor2) return 0.05f;
    return 0.5f;
}
