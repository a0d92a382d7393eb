#include "model/errors/GlobaleTexte.h"

#include <array>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace {

// A text of the table: the id, and for the library names the separator before "(bib)".
struct GlobalerText {
    unsigned textId;
    const char16_t* biboTrenner;  // null: the text alone
};

enum Index {
    kOhneOrt,
    kAusKlima,
    kAusKlima2,
    kStdKlimaort,
    kStdBoden,
    kRohrKupfer,
    kRohrStandard,
    kBibo,
    kLeerWert,
    kKeinWert,
    kAnzahl
};

constexpr std::array<GlobalerText, kAnzahl> kTexte{{
    {textid::kOhneOrt, nullptr},
    {textid::kAusKlimaBerechnet, nullptr},
    {textid::kAusKlimaBerechnet, nullptr},
    {textid::kStandardKlimaort, u" "},
    {textid::kStandardSonnenort, u"_"},
    {5703, u"_"},  // "copper"
    {5704, u"_"},  // "PE"
    {textid::kBiboMarke, nullptr},
    {5693, nullptr},  // "--"
    {3804, nullptr},  // "--"
}};

std::array<CVRMString, kAnzahl>& texte() {
    static std::array<CVRMString, kAnzahl> werte;
    return werte;
}

}  // namespace

void InitGlobaleTexte() {
    auto& werte = texte();
    for (auto& wert : werte) wert.Empty();
    for (size_t i = 0; i < kTexte.size(); ++i) {
        CVRMString text;
        if (!text.LoadStringW(kTexte[i].textId))
            ThrowFehler(3303, nullptr, 0);  // "Global variables not initialized!"
        if (kTexte[i].biboTrenner) {
            text += kTexte[i].biboTrenner;
            text += textid::kBiboMarke;
        }
        werte[i] = text;
    }
}

const CVRMString& GetOhneOrtText() {
    return texte()[kOhneOrt];
}
const CVRMString& GetAusKlimaText() {
    return texte()[kAusKlima];
}
const CVRMString& GetAusKlimaText2() {
    return texte()[kAusKlima2];
}
const CVRMString& GetStdKlimaortName() {
    return texte()[kStdKlimaort];
}
const CVRMString& GetStdBodenName() {
    return texte()[kStdBoden];
}
const CVRMString& GetStdRohrMaterialKupfer() {
    return texte()[kRohrKupfer];
}
const CVRMString& GetStdRohrMaterial() {
    return texte()[kRohrStandard];
}
const CVRMString& GetKeinWertText() {
    return texte()[kKeinWert];
}

void SetKeinOrt(CVRMString& name) {
    name = GetOhneOrtText();
}

bool IstOrtGewaehlt(const CVRMString& name) {
    return !name.IsEmpty() && name != GetOhneOrtText();
}
