#include "solar/SolarApp.h"

#include <algorithm>
#include <array>
#include <exception>
#include <limits>
#include <vector>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/text/TokenListe.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "solar/SolarParameter.h"
#include "solar/VRMdatenProvider3.h"

namespace {

constexpr unsigned kUnbekannteAnlage = 3477;    // "Unknown solar system"
constexpr unsigned kNichtInitialisiert = 3497;  // "Solar module not initialized !"
constexpr unsigned kGlobaleNichtInit = 3303;    // "Global variables not initialized!"
constexpr unsigned kUnbekannteFunktion = 4318;  // "Function no. %li unknown in solar module!"

constexpr std::array<uint32_t, 12> kMonatsStandard = {50,  65,  110, 160, 200, 225,
                                                      200, 185, 170, 110, 40,  45};

bool IstKollektorWert(TKelvoDatenID id) {
    return id == ID_KollektorTyp || id == ID_DatenKNeigung || id == ID_DatenKAusrichtung;
}

unsigned short Art(const CVRMString& param) {
    uint32_t art = 0;
    solar::GetParamZahl(param, 2, art);
    // Kinds beyond 16 bits are no kind either; the plant reports them as it does 4.
    return static_cast<unsigned short>(std::min<uint32_t>(art, 0xFFFF));
}

// A collector filled for one request and dropped.
class TempKollektor {
  public:
    explicit TempKollektor(const CVRMString& name) { CVRMdatenProvider::get().fill(k, name); }
    CKollektor2 k;
};

}  // namespace

namespace solar {

void ZeigeBox(const CVRMString& text) {
    vrmcore::MessageBox(text, CVRMString(u"Varmsun"), platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

}  // namespace solar

CVRMsolarApp::~CVRMsolarApp() = default;

void CVRMsolarApp::ExitInstance() {
    try {
        CVRMdatenProvider3::release();
    } catch (const std::exception&) {
        vrmcore::ShowErrorBox(0, u"CVRMsolarApp::ExitInstance() failed!");
    }
}

CSolarAnlage2* CVRMsolarApp::GetSolarAnlage(const CVRMString& name) {
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMsolarApp::GetSolarAnlage");
    const auto it = m_anlagen.find(name);
    return it == m_anlagen.end() ? nullptr : it->second.get();
}

CSolarAnlage2& CVRMsolarApp::Anlage(const CVRMString& param) {
    CVRMString name;
    solar::GetParamString(param, 1, name);
    CSolarAnlage2* anlage = GetSolarAnlage(name);
    if (!anlage) vrmcore::ReportError(kUnbekannteAnlage, name);
    return *anlage;
}

int CVRMsolarApp::DoSolarFunktion(int32_t code, const CVRMString& param, CVRMString& result) {
    if (code != kInit && !m_initialisiert) {
        result = CVRMString(kNichtInitialisiert, nullptr);
        return 0;
    }
    try {
        Dispatch(code, param, result);
        return 1;
    } catch (const CVRMString& text) {
        result = text;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        solar::ZeigeBox(CVRMString::fromUtf8(e.what()));
    }
    return 0;
}

void CVRMsolarApp::Dispatch(int32_t code, const CVRMString& param, CVRMString& result) {
    switch (code) {
        case kInit:
            Init(param);
            return;
        case kAnlagenListe:
        case kKollektorListe: {
            uint32_t flag = 0;
            solar::GetParamZahl(param, 1, flag);
            auto& provider = CVRMdatenProvider3::get();
            const int mitBibo =
                static_cast<int>(std::min<uint32_t>(flag, std::numeric_limits<int>::max()));
            result = code == kAnlagenListe ? provider.GetSolarAnlagen(mitBibo)
                                           : provider.GetKollektoren(mitBibo);
            return;
        }
        case kInitAnlage:
            InitSolarAnlage(param);
            return;
        case kGetGewinne:
            GetSolareGewinne(param, result);
            return;
        case kSetGewinne:
            SetSolareGewinne(param);
            return;
        case kReloadErtraege:
            Anlage(param).ReloadKollektorErtraege();
            return;
        case kGetKollektorErtraege:
            GetKollektorErtraege(param, result);
            return;
        case kStdMonatswerte:
            for (uint32_t wert : kMonatsStandard) solar::AddZahlToken(wert, result);
            return;
        case kGetErtragsDaten:
            GetKollektorErtragsDaten(param, result);
            return;
        case kWriteErtraege:
            WriteKollektorErtraege(param);
            return;
        case kSaveAnlageAs:
            // A copy that was not written is a failure; the box has said why.
            if (!SaveSolarAnlageAs(param)) throw platform::UserException();
            return;
        case kInitKollektor:
            InitKollektor(param);
            return;
        default: {
            CVRMString meldung;
            meldung.Format(kUnbekannteFunktion, code);
            throw meldung;
        }
    }
}

void CVRMsolarApp::Init(const CVRMString& param) {
    CVRMString token;
    solar::GetParamString(param, 1, token);
    const uint64_t handle = vrmtoken::LeseHandle(token);
    if (handle == 0) throw CVRMString(u"NULL - Parameter");
    m_resourceHandle = handle;
    CVRMString name;
    if (!name.LoadStringW(CKollektor2::kStdKollektorText))
        vrmcore::ReportError(kGlobaleNichtInit, std::u16string_view());
    m_stdKollektor = CKollektor2::StdKollektorName();
    m_initialisiert = 1;
}

void CVRMsolarApp::InitSolarAnlage(const CVRMString& param) {
    CVRMString name;
    solar::GetParamString(param, 1, name);
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMsolarApp::InitSolarAnlage");
    auto& anlage = m_anlagen[name];
    if (!anlage) anlage = std::make_unique<CSolarAnlage2>(m_stdKollektor);
    CVRMdatenProvider::get().fill(*anlage, name);
}

void CVRMsolarApp::GetSolareGewinne(const CVRMString& param, CVRMString& result) {
    const CSolarAnlage2& anlage = Anlage(param);
    const unsigned short art = Art(param);
    for (unsigned short monat = 0; monat < CSolareGewinne::kMonate; ++monat) {
        CVRMString text;
        anlage.GetSolarenGewinn(art, monat, text);
        solar::AddStringToken(text, result);
    }
}

// A month whose token is missing gets an empty text, which removes its gain: the table
// then holds what the program sent and nothing from before.
void CVRMsolarApp::SetSolareGewinne(const CVRMString& param) {
    CSolarAnlage2& anlage = Anlage(param);
    const unsigned short art = Art(param);
    CVRMString rest = param, token;
    solar::SplitErstesToken(rest, token);  // name
    solar::SplitErstesToken(rest, token);  // kind
    for (unsigned short monat = 0; monat < CSolareGewinne::kMonate; ++monat) {
        if (!solar::SplitErstesToken(rest, token)) token.clear();
        anlage.SetSolarenGewinn(art, monat, token);
    }
    anlage.SaveSolareGewinne(art);
}

void CVRMsolarApp::GetKollektorErtraege(const CVRMString& param, CVRMString& result) {
    const CSolarAnlage2& anlage = Anlage(param);
    uint32_t key = 0;
    solar::GetParamZahl(param, 2, key);
    const auto k = static_cast<unsigned short>(std::min<uint32_t>(key, 0xFFFF));
    for (unsigned short monat = 0; monat < CKollektorErtrag::kMonate; ++monat)
        solar::AddFloatToken(anlage.GetKollektorErtrag(k, monat), result, u"%.1f");
}

void CVRMsolarApp::GetKollektorErtragsDaten(const CVRMString& param, CVRMString& result) {
    CVRMString name;
    solar::GetParamString(param, 1, name);
    TempKollektor kollektor(name);
    unsigned short key = 0;
    CKollektorErtrag::Ertraege werte{};
    for (unsigned short i = 0; kollektor.k.GetErtragsDaten(i, key, werte); ++i) {
        solar::AddZahlToken(key, result);
        for (float y : werte) solar::AddFloatToken(y, result, u"%.1f");
    }
}

void CVRMsolarApp::WriteKollektorErtraege(const CVRMString& param) {
    CVRMString name;
    solar::GetParamString(param, 1, name);
    auto& provider = CVRMdatenProvider3::get();
    CVRMString rest = param, token;
    solar::SplitErstesToken(rest, token);  // name
    std::vector<CVRMString> saetze;
    while (solar::SplitErstesToken(rest, token)) saetze.push_back(token);
    // Too many records are refused before one is written: the collector keeps all of its
    // old ones, also in the database image that the next save writes.
    if (!saetze.empty())
        CVRMdatenProvider3::PruefeErtragsNummer(static_cast<unsigned>(saetze.size() - 1));
    for (unsigned short n = 0; n < CVRMdatenProvider3::kMaxErtraege; ++n)
        provider.WriteKollektorErtrag(name, n, n < saetze.size() ? saetze[n] : CVRMString(), 0);
    CVRMdatenProvider::get().persist();
    for (auto& [anlageName, anlage] : m_anlagen)
        if (anlage->GetKollektor().getConsumerName() == name) anlage->ReloadKollektorErtraege();
}

bool CVRMsolarApp::SaveSolarAnlageAs(const CVRMString& param) {
    CSolarAnlage2& anlage = Anlage(param);
    CVRMString neuerName;
    solar::GetParamString(param, 2, neuerName);
    return anlage.SaveAs(neuerName);
}

void CVRMsolarApp::InitKollektor(const CVRMString& param) {
    CVRMString name;
    solar::GetParamString(param, 1, name);
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CVRMsolarApp::InitKollektor");
    TempKollektor kollektor(name);
}

int CVRMsolarApp::GetSolarenWert(const CVRMString& text, TKelvoDatenID id, CVRMVariant& wert) {
    try {
        CVRMString name;
        solar::GetParamString(text, 1, name);
        if (IstKollektorWert(id)) {
            TempKollektor kollektor(name);
            wert.set(kollektor.k.GetWert(id));
        } else {
            CSolarAnlage2* anlage = GetSolarAnlage(name);
            if (!anlage) vrmcore::ReportError(kUnbekannteAnlage, name);
            wert.set(anlage->GetWert(id));
        }
        return 1;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        solar::ZeigeBox(CVRMString::fromUtf8(e.what()));
    }
    wert.Clear();
    return 0;
}

int CVRMsolarApp::SetSolarenWert(const CVRMString& text, TKelvoDatenID id, const CVRMVariant& wert,
                                 int flush) {
    try {
        CVRMString name;
        solar::GetParamString(text, 1, name);
        if (IstKollektorWert(id)) {
            TempKollektor kollektor(name);
            kollektor.k.SetWert(id, wert, flush);
        } else {
            CSolarAnlage2* anlage = GetSolarAnlage(name);
            if (!anlage) vrmcore::ReportError(kUnbekannteAnlage, name);
            anlage->SetWert(id, wert, flush);
        }
        return 1;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        solar::ZeigeBox(CVRMString::fromUtf8(e.what()));
    }
    return 0;
}
