#include "regio/BasisSchnittstelle.h"

#include "core/text/TokenListe.h"
#include "platform/errors/UserException.h"
#include "regio/BasisApp.h"

namespace regio {

namespace {

constexpr unsigned kUnbekannterFehler = 5706;  // "Unknown error at function no. %li in base module !"
constexpr unsigned kNullArgument = 5709;       // "NULL Arg in Base interface"
constexpr unsigned kKeinText = 5710;           // "No BSTR Arg in Base interface"

[[noreturn]] void Abbruch(unsigned textId) {
    ZeigeBox(CVRMString(textId, nullptr));
    throw platform::UserException();
}

int Aufruf(CVRMbasisApp& app, uint32_t code, const platform::VARIANT* in, platform::VARIANT* out) {
    if (!in || !out) Abbruch(kNullArgument);
    if (!vrmtoken::IstText(in) || !vrmtoken::IstText(out)) Abbruch(kKeinText);
    CVRMString result;
    const int ok = app.GetInfo(code, vrmtoken::TextVon(*in), result);
    const bool kopiert = vrmtoken::SetzeText(out, result) == platform::S_OK;
    return ok && kopiert ? 1 : 0;
}

}  // namespace

int BasisSchnittstelle(CVRMbasisApp& app, uint32_t code, const platform::VARIANT* in,
                       platform::VARIANT* out) {
    try {
        return Aufruf(app, code, in, out);
    } catch (...) {
        // Out is written only when it is there; what it held is freed first.
        try {
            if (out) {
                CVRMString meldung;
                meldung.Format(kUnbekannterFehler, static_cast<int32_t>(code));
                vrmtoken::SetzeText(out, meldung);
            }
        } catch (...) {
        }
        return 0;
    }
}

}  // namespace regio
