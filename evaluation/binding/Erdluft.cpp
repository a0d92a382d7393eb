#include "evaluation/binding/Erdluft.h"

#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/text/TokenListe.h"
#include "evaluation/binding/ModulBindung.h"
#include "evaluation/binding/ModulAufruf.h"
#include "model/errors/Fehler.h"
#include "model/results/AuswertDaten.h"

namespace {

constexpr unsigned kSchnittstellenFehler = 3478;  // "Error in interface of module 'Air preheating'"
constexpr unsigned kParameterFehler = 4315;  // "Error with parameter %li !\nmodule Erdluft (%s)"

binding::CModulBindung& modul() {
    static binding::CModulBindung bindung({u"vrmerdluft.dll", 42080, 1, 2,
                                           binding::VersionsMeldung::Text, kSchnittstellenFehler});
    return bindung;
}

// The module's answer to `code`; an empty slot is the default error.
CVRMString Rufe(uint32_t code, const CVRMString& in) {
    if (!modul().IstGebunden()) ThrowFehler(0, std::u16string_view());
    return binding::RufeModul(modul().Eintrag(1), code, in, kSchnittstellenFehler);
}

}  // namespace

void IErdluft::load(const std::filesystem::path& ordner) {
    modul().Laden(ordner);
}

bool IErdluft::IstGeladen() {
    return modul().IstGebunden();
}

void IErdluft::Leeren() {
    modul().Leeren();
}

const CVRMString& IErdluft::GetVersion() {
    return modul().VersionsText();
}

uint32_t IErdluft::GetErdluftDaten3(const CAuswertDaten& jahr) {
    CVRMString in;
    vrmtoken::AppendFloat(in, vrmdb::kFormatFloat0,
                          double(jahr.Feld(AF_WPWaermeHeiz)) + double(jahr.Feld(AF_WPWaermeWW)));
    return binding::ZahlToken(Rufe(3, in), 1, kParameterFehler);
}

void IErdluft::GetErdluftDaten(int32_t code, uint32_t& wert) {
    if (code < 4 || code > 6) ThrowFehler(textid::kFalscheKonstante, u"IErdluft::GetErdluftDaten");
    wert = binding::ZahlToken(Rufe(static_cast<uint32_t>(code), u""), 1, kParameterFehler);
}

void IErdluft::GetErdluftDaten7(float x, const std::array<float, 12>& a,
                                const std::array<float, 12>& b, std::array<float, 12>& ergebnis) {
    CVRMString in;
    vrmtoken::AppendFloat(in, vrmdb::kFormatFloat1, x);
    for (float v : a) vrmtoken::AppendFloat(in, vrmdb::kFormatFloat1, v);
    for (float v : b) vrmtoken::AppendFloat(in, vrmdb::kFormatFloat1, v);
    const CVRMString antwort = Rufe(7, in);
    std::array<float, 12> gelesen{};
    for (int i = 0; i < 12; ++i)
        gelesen[static_cast<size_t>(i)] = binding::FloatToken(antwort, i + 1, kParameterFehler);
    ergebnis = gelesen;
}
