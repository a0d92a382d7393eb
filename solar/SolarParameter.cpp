#include "solar/SolarParameter.h"

#include <optional>

#include "core/text/ErrorReport.h"
#include "core/text/TokenListe.h"

namespace solar {

namespace {

constexpr unsigned kParameterFehler = 4319;  // "Error with parameter %li !\nSolar module"

CVRMString Token(const CVRMString& text, int n) {
    std::optional<CVRMString> token = vrmtoken::GetToken(text, n);
    if (!token) {
        CVRMString meldung;
        meldung.Format(kParameterFehler, n);
        vrmcore::ReportError(0, meldung);
    }
    return *token;
}

}  // namespace

void GetParamZahl(const CVRMString& text, int n, uint32_t& wert) {
    wert = vrmtoken::LeseZahl(Token(text, n));
}

void GetParamString(const CVRMString& text, int n, CVRMString& wert) {
    wert = Token(text, n);
}

bool SplitErstesToken(CVRMString& text, CVRMString& token) {
    return vrmtoken::SplitWert(text, token);
}

bool SplitErsteZahl(CVRMString& text, uint32_t& wert) {
    CVRMString token;
    if (!vrmtoken::SplitWert(text, token)) return false;
    wert = vrmtoken::LeseZahl(token);
    return true;
}

void AddZahlToken(uint32_t n, CVRMString& text) {
    vrmtoken::AppendZahl(text, n);
}

void AddStringToken(std::u16string_view s, CVRMString& text) {
    vrmtoken::AppendText(text, s);
}

void AddFloatToken(float x, CVRMString& text, std::u16string_view format) {
    vrmtoken::AppendFloat(text, format, x);
}

}  // namespace solar
