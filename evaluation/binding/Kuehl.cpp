#include "evaluation/binding/Kuehl.h"

#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/BindingState.h"
#include "evaluation/binding/ModulAufruf.h"
#include "evaluation/binding/ModulBindung.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kNichtInitialisiert = 3786;    // "Cooling interface not initialized"
constexpr unsigned kSchnittstellenFehler = 3785;  // "Error in cooling interface"
constexpr uint32_t kCodeInitAnlage = 63;

binding::CModulBindung& modul() {
    static binding::CModulBindung bindung(
        {u"vrmkuehl.dll", 10000, 3, 61, binding::VersionsMeldung::OhneTextId, kSchnittstellenFehler});
    return bindung;
}

void PruefeGebunden(const char16_t* ort) {
    if (!IKuehl::IstGeladen()) ThrowFehler(kNichtInitialisiert, ort);
}

}  // namespace

void IKuehl::load(const std::filesystem::path& ordner) {
    modul().Laden(ordner);
    // The model asks whether cooling is offered through the binding state.
    binding::SetzeKuehlGebunden(modul().IstGebunden());
}

bool IKuehl::IstGeladen() {
    return modul().IstGebunden();
}

void IKuehl::Leeren() {
    modul().Leeren();
    binding::SetzeKuehlGebunden(false);
}

void IKuehl::InitKuehlAnlage(const CVRMString& name) {
    PruefeGebunden(u"IKuehl::InitKuehlAnlage");
    // The name alone, without a separator: the module takes the whole text.
    binding::RufeModul(modul().Eintrag(1), kCodeInitAnlage, name, kSchnittstellenFehler);
}

void IKuehl::SaveDaten(const CVRMString& name) {
    PruefeGebunden(u"IKuehl::SaveDaten()");
    auto& provider = CVRMdatenProvider::get();
    provider.save(provider.getWerte(name), true);
}

void IKuehl::reset(const CVRMString& name) {
    PruefeGebunden(u"IKuehl::reset()");
    CVRMdatenProvider::get().resetWerte(name);
    SaveDaten(name);
}

float IKuehl::GetNullWert(int, const CVRMString&) {
    return 0.0f;
}
