#include "regio/BasisApp.h"

#include <exception>

#include "core/text/ErrorReport.h"
#include "core/text/TokenListe.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "regio/Laenderliste.h"

namespace {

constexpr unsigned kNichtInitialisiert = 3743;  // "Base module not initialized"
constexpr unsigned kUnbekannteFunktion = 5707;  // "Function no. %li unknown in base module !"
constexpr unsigned kParameterFehler = 5708;     // "Error with parameter %li !\nbase module (%s)"

}  // namespace

namespace regio {

void ZeigeBox(const CVRMString& text) {
    vrmcore::MessageBox(text, CVRMString(u"Varmregio"), platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

}  // namespace regio

int CVRMbasisApp::GetInfo(uint32_t code, const CVRMString& param, CVRMString& result) {
    try {
        return Dispatch(code, param, result);
    } catch (const CVRMString& text) {
        result = text;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        regio::ZeigeBox(CVRMString::fromUtf8(e.what()));
    }
    return 0;
}

int CVRMbasisApp::Dispatch(uint32_t code, const CVRMString& param, CVRMString& result) {
    if (code != kCodeInit && !m_initialisiert) {
        result = CVRMString(kNichtInitialisiert, nullptr);
        return 0;
    }
    switch (code) {
    case kCodeInit: {
        uint64_t handle = 0;
        GetParamZahl(param, 1, handle);
        if (handle == 0) throw CVRMString(u"NULL - Parameter");
        m_resourceHandle = handle;
        m_initialisiert = 1;
        return 1;
    }
    case kCodeLaender:
        result.clear();
        for (const auto land : regio::kLaender) vrmtoken::AppendText(result, land);
        return 1;
    default:
        result.Format(kUnbekannteFunktion, static_cast<int32_t>(code));  // "%li", as C reads it
        return 0;
    }
}

void CVRMbasisApp::GetParamZahl(const CVRMString& text, int n, uint64_t& value) {
    const auto token = vrmtoken::GetToken(text, n);
    if (!token) {
        CVRMString meldung;
        meldung.Format(kParameterFehler, n, vrmtoken::RestNach(text, n));
        regio::ZeigeBox(meldung);
        throw platform::UserException();
    }
    value = vrmtoken::LeseHandle(*token);
}
