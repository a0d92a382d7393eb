#include "evaluation/binding/Report.h"

#include <array>

#include "core/value/VRMVariant.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kNichtInitialisiert = 3587;    // "Interface 'Report' not initialized"
constexpr unsigned kSchnittstellenFehler = 3098;  // "Error in interface of module 'Report'"

// The third entry point takes a key and the value as a variant.
using Setzer = int (*)(uint32_t key, const platform::VARIANT* wert);

// Four entry points, none ever set.
std::array<void*, 4>& slots() {
    static std::array<void*, 4> eintraege{};
    return eintraege;
}

void Setze(uint32_t key, CVRMVariant wert, const char16_t* ort) {
    if (!IReport::IstGeladen()) ThrowFehler(kNichtInitialisiert, ort);
    const int ergebnis = reinterpret_cast<Setzer>(slots()[2])(key, &wert.variant());
    wert.Clear();
    if (!ergebnis) ThrowFehler(kSchnittstellenFehler, std::u16string_view());
}

}  // namespace

void IReport::Laden() {}

bool IReport::IstGeladen() {
    for (const void* slot : slots())
        if (!slot) return false;
    return true;
}

void IReport::SetDaten(uint32_t key, unsigned wert) {
    Setze(key, CVRMVariant(wert), u"IReport::SetDaten(ui)");
}

void IReport::SetDaten(uint32_t key, int wert) {
    Setze(key, CVRMVariant(wert), u"IReport::SetDaten(i)");
}

void IReport::SetDaten(uint32_t key, const CVRMString& wert) {
    Setze(key, CVRMVariant(wert), u"IReport::SetDaten(s)");
}
