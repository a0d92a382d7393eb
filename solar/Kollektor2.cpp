#include "solar/Kollektor2.h"

#include <exception>

#include "core/db/Interpolation.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "solar/VRMdatenProvider3.h"

namespace {

constexpr unsigned kKeineErtragsdaten = 3526;  // "Data for solar collector output missing"
constexpr unsigned kZuWenigErtraege = 3527;    // "Not enough data for solar collector yield"
constexpr unsigned kOhneName = 3582;           // "Solar collector without a name"
constexpr unsigned kKeineErtraege = 3583;      // "No output values for solar collector!"

}  // namespace

void CKollektor2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_DatenKNeigung, ID_DatenKAusrichtung, ID_KollektorTyp});
}

void CKollektor2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) vrmcore::ReportError(textid::kDatenFehlen, u"CKollektor2::init(1)");
    try {
        m_werte = werte;
        LoadErtraege();
        CheckErtraege();
    } catch (const std::exception&) {
        vrmcore::ReportError(textid::kNichtInitialisiert, werte.getName());
    }
}

CVRMString CKollektor2::StdKollektorName() {
    CVRMString name(kStdKollektorText, nullptr);
    name += u"_";
    name += textid::kBiboMarke;
    return name;
}

void CKollektor2::LoadErtraege() {
    try {
        ReadErtraege();
    } catch (const platform::UserException&) {
        // The box has told why; the collector keeps its name and values and works with the
        // standard collector's yields.
        const CVRMString stdName = StdKollektorName();
        m_ertraege.clear();
        if (!CVRMdatenProvider3::get().HatKollektorErtrag(stdName))
            vrmcore::ReportError(kKeineErtraege, stdName);
        LiesErtraege(stdName);
    }
}

void CKollektor2::ReadErtraege() {
    const CVRMString& name = m_werte.getName();
    if (name.empty()) vrmcore::ReportError(textid::kDatenFehlen, u"CKollektor2::ReadErtraege");
    m_ertraege.clear();
    if (!CVRMdatenProvider3::get().HatKollektorErtrag(name))
        vrmcore::ReportError(kKeineErtraege, name);
    LiesErtraege(name);
    CheckErtraege();
}

void CKollektor2::LiesErtraege(const CVRMString& name) {
    auto& provider = CVRMdatenProvider3::get();
    unsigned short key = 0;
    CKollektorErtrag::Ertraege werte{};
    for (unsigned short n = 0; n < CVRMdatenProvider3::kMaxErtraege; ++n) {
        // An invalid record ends the reading like a missing one: those before it stay.
        if (!provider.ReadKollektorErtrag(name, n, key, werte) ||
            !CKollektorErtrag::IstGueltig(key, werte))
            break;
        m_ertraege.push_back(std::make_unique<CKollektorErtrag>(key, werte));
    }
}

void CKollektor2::CheckErtraege() const {
    const CVRMString& name = m_werte.getName();
    if (name.empty()) vrmcore::ReportError(kOhneName, std::u16string_view());
    if (m_ertraege.empty()) vrmcore::ReportError(kKeineErtragsdaten, name);
    if (m_ertraege.size() < 2) vrmcore::ReportError(kZuWenigErtraege, name);
}

float CKollektor2::Stadtfaktor() const {
    const CVRMString& name = m_werte.getName();
    const bool warschau = name.Find(u"Warszawa") >= 0 || name.Find(u"Warschau") >= 0;
    return warschau ? kFaktorWarschau : 1.0f;
}

bool CKollektor2::GetErtragsDaten(unsigned short index, unsigned short& key,
                                  CKollektorErtrag::Ertraege& werte) const {
    if (index >= m_ertraege.size()) return false;
    const CKollektorErtrag& satz = *m_ertraege[index];
    key = satz.GetKey();
    const float faktor = Stadtfaktor();
    for (unsigned short m = 0; m < CKollektorErtrag::kMonate; ++m)
        werte[m] = satz.GetKollektorErtrag(m) * faktor;
    return true;
}

// The two searches bracket k for records stored in ascending order of their keys; a key
// outside all of them takes the first two or the last two for a straight line.
float CKollektor2::GetErtrag(unsigned short k, unsigned short m) const {
    if (m >= CKollektorErtrag::kMonate)
        vrmcore::ReportError(textid::kDatenFehlen, u"CKollektor2::GetErtrag");
    if (k == 0) return 0.0f;
    CheckErtraege();
    const size_t anzahl = m_ertraege.size();
    const CKollektorErtrag* unten = nullptr;
    const CKollektorErtrag* oben = nullptr;
    for (size_t i = anzahl; i-- > 0;)
        if (m_ertraege[i]->GetKey() <= k) {
            unten = m_ertraege[i].get();
            break;
        }
    if (!unten) {
        unten = m_ertraege[0].get();
        oben = m_ertraege[1].get();
    } else {
        for (const auto& satz : m_ertraege)
            if (satz->GetKey() >= k) {
                oben = satz.get();
                break;
            }
        if (!oben) {
            unten = m_ertraege[anzahl - 2].get();
            oben = m_ertraege[anzahl - 1].get();
        }
    }
    const float y = InterpoliereLinear(unten->GetKey(), oben->GetKey(), k,
                                       unten->GetKollektorErtrag(m), oben->GetKollektorErtrag(m));
    return y * Stadtfaktor();
}

void CKollektor2::SetWert(TKelvoDatenID id, const CVRMVariant& wert, int flush) {
    CVRMwert& ziel = m_werte.get(id);
    ziel = wert;
    CVRMdatenProvider::get().save(m_werte.getName(), id, ziel, flush != 0);
}
