#include "evaluation/binding/ModulAufruf.h"

#include <algorithm>
#include <limits>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace binding {

namespace {

CVRMString TokenOderAbbruch(std::u16string_view antwort, int n, unsigned parameterFehler) {
    if (auto token = vrmtoken::GetToken(antwort, n)) return *token;
    CVRMString meldung;
    meldung.Format(parameterFehler, n, vrmtoken::RestNach(antwort, n));
    KVSMessageBoxCaptionID(meldung, textid::kProduktCaption,
                           platform::mb::OK | platform::mb::ICONEXCLAMATION);
    throw platform::UserException();
}

}  // namespace

CVRMString RufeModul(vrmtoken::EntryPoint eintrag, uint32_t code, std::u16string_view in,
                     unsigned schnittstellenFehler) {
    auto antwort = vrmtoken::Rufe(eintrag, code, in);
    if (!antwort.ok) ThrowFehler(schnittstellenFehler, antwort.text);
    return antwort.text;
}

uint32_t ZahlToken(std::u16string_view antwort, int n, unsigned parameterFehler) {
    return vrmtoken::LeseZahl(TokenOderAbbruch(antwort, n, parameterFehler));
}

float FloatToken(std::u16string_view antwort, int n, unsigned parameterFehler) {
    constexpr double grenze = std::numeric_limits<float>::max();
    const double wert = vrmtoken::LeseFloat(TokenOderAbbruch(antwort, n, parameterFehler));
    return static_cast<float>(std::clamp(wert, -grenze, grenze));
}

}  // namespace binding
