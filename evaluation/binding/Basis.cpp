#include "evaluation/binding/Basis.h"

#include "core/text/TokenListe.h"
#include "evaluation/binding/ModulAufruf.h"
#include "evaluation/binding/ModulBindung.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kNichtInitialisiert = 3743;  // "Base module not initialized"
constexpr unsigned kBasisFehler = 5705;         // "Error in base module"
constexpr uint32_t kCodeInit = 1171;

binding::CModulBindung& modul() {
    static binding::CModulBindung bindung({u"Varmregio.dll", 42000, 1, kCodeInit,
                                           binding::VersionsMeldung::Text, kBasisFehler});
    return bindung;
}

}  // namespace

void IBasis::Init(const std::filesystem::path& ordner) {
    modul().Laden(ordner);
}

bool IBasis::IstGeladen() {
    return modul().IstGebunden();
}

void IBasis::Leeren() {
    modul().Leeren();
}

void IBasis::GetBasisDaten(uint32_t code, CVRMStringArray& liste) {
    if (!IstGeladen()) ThrowFehler(kNichtInitialisiert, u"IBasis::GetBasisDaten-2");
    liste.RemoveAll();
    CVRMString antwort = binding::RufeModul(modul().Eintrag(1), code, u"", kBasisFehler);
    CVRMString token;
    while (SplitWert(antwort, token)) liste.Add(token);
}

int IBasis::SplitWert(CVRMString& text, CVRMString& token) {
    return vrmtoken::SplitWert(text, token) ? 1 : 0;
}
