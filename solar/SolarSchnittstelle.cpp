#include "solar/SolarSchnittstelle.h"

#include "core/text/ErrorReport.h"
#include "core/text/TokenListe.h"
#include "solar/SolarApp.h"

namespace solar {

namespace {

constexpr unsigned kNullArgument = 3498;  // "NULL Arg in Solar interface"
constexpr unsigned kKeinText = 3499;      // "No BSTR Arg in Solar interface"
constexpr unsigned kUnbekannterFehler =
    4317;  // "Unknown error at function no. %li in solar module"

int Aufruf(CVRMsolarApp& app, int32_t code, const platform::VARIANT* in, platform::VARIANT* out) {
    if (!in || !out) vrmcore::ReportError(kNullArgument, u"DoSolarFunktion");
    if (!vrmtoken::IstText(in) || !vrmtoken::IstText(out))
        vrmcore::ReportError(kKeinText, u"DoSolarFunktion");
    CVRMString result;
    const int ok = app.DoSolarFunktion(code, vrmtoken::TextVon(*in), result);
    const bool kopiert = vrmtoken::SetzeText(out, result) == platform::S_OK;
    return ok && kopiert ? 1 : 0;
}

// The checks of the two value exports; `ort` is "GetSolarenWert" or "SetSolarenWert".
template <class Wert>
void PruefeWertArgumente(const platform::VARIANT* name, Wert* wert, const char16_t* p1,
                         const char16_t* ort, const char16_t* p3) {
    if (!name) vrmcore::ReportError(kNullArgument, p1);
    if (!vrmtoken::IstText(name)) vrmcore::ReportError(kKeinText, ort);
    if (!wert) vrmcore::ReportError(kNullArgument, p3);
}

}  // namespace

int DoSolarFunktion(CVRMsolarApp& app, uint32_t code, const platform::VARIANT* in,
                    platform::VARIANT* out) {
    // The program's code is a C long: numbers above 2^31 read as negative.
    const auto langCode = static_cast<int32_t>(code);
    try {
        return Aufruf(app, langCode, in, out);
    } catch (...) {
        try {
            if (out) {
                CVRMString meldung;
                meldung.Format(kUnbekannterFehler, langCode);
                vrmtoken::SetzeText(out, meldung);
            }
        } catch (...) {
        }
        return 0;
    }
}

int GetSolarenWert(CVRMsolarApp& app, platform::VARIANT* name, TKelvoDatenID id,
                   CVRMVariant* wert) {
    try {
        PruefeWertArgumente(name, wert, u"GetSolarenWert(P1)", u"GetSolarenWert",
                            u"GetSolarenWert(P3)");
        return app.GetSolarenWert(vrmtoken::TextVon(*name), id, *wert);
    } catch (...) {
        if (wert) wert->Clear();
        return 0;
    }
}

int SetSolarenWert(CVRMsolarApp& app, platform::VARIANT* name, TKelvoDatenID id,
                   const CVRMVariant* wert, int flush) {
    try {
        PruefeWertArgumente(name, wert, u"SetSolarenWert(P1)", u"SetSolarenWert",
                            u"SetSolarenWert(P3)");
        return app.SetSolarenWert(vrmtoken::TextVon(*name), id, *wert, flush);
    } catch (...) {
        return 0;
    }
}

}  // namespace solar
