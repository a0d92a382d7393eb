// The combined heat source: building its sources from the record, adding and removing the
// second, saving, the operating-mode predicates and the short text.
#include "model/source/KombiWQuelle2.h"

#include <exception>

#include "core/db/Global.h"
#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kNichtErweiterbar = 3346;  // "This heat source is not extendable."
constexpr unsigned kNummerFormat = 3360;      // "_(%i)"

// Operating modes 0..8 by predicate.
enum Praedikat { kMonoEnergetisch, kBiValent, kMonoValent, kParallel, kAlternativ, kRLanhebung };
constexpr bool kModi[9][6] = {
    // mono-en. bivalent mono-val. parallel altern. return-flow raising
    {true, false, false, true, false, false},   // 0
    {false, false, true, false, false, false},  // 1
    {false, true, false, true, false, false},   // 2
    {true, false, false, false, true, false},   // 3
    {false, true, false, false, true, false},   // 4
    {true, false, false, true, false, false},   // 5
    {false, true, false, true, false, false},   // 6
    {true, false, false, true, false, true},    // 7
    {false, true, false, true, false, true},    // 8
};

}  // namespace

void CKombiWQuelle2::GetDatenIDs(CWordArray& ids) {
    ids.insert(ids.end(), {ID_KQuelle1, ID_KQuelle2});
}

void CKombiWQuelle2::init(const CVRMwerteListe& werte) {
    if (werte.IsEmpty()) ThrowFehler(textid::kDatenFehlen, u"CKombiWQuelle2::init(1)");
    try {
        // Only the sources go: the links may be the very values of `werte`.
        m_quellen.clear();
        m_werte = werte;
        ErzeugeWQuellen();
        if (m_quellen.empty()) ThrowFehler(0, nullptr);
    } catch (const std::exception&) {
        ThrowFehler(textid::kNichtInitialisiert, werte.getName());
    }
}

void CKombiWQuelle2::reset() {
    m_quellen.clear();
    std::shared_ptr<CVRMwert> wert;
    for (TKelvoDatenID id : {ID_KQuelle1, ID_KQuelle2})
        if (m_werte.Lookup(id, wert) && wert) *wert = u"";
}

bool CKombiWQuelle2::IstGueltig() const {
    return !m_werte.getName().IsEmpty() && !m_werte.IsEmpty();
}

CVRMString CKombiWQuelle2::Nummer(int nummer) {
    CVRMString text;
    text.Format(kNummerFormat, nummer);
    return text;
}

void CKombiWQuelle2::FuegeEin(const CVRMString& name) {
    auto quelle = std::make_unique<CWQuelle2>();
    CVRMdatenProvider::get().fill(*quelle, name);
    m_quellen[name] = std::move(quelle);
}

void CKombiWQuelle2::ErzeugeWQuellen() {
    const CVRMString& name = m_werte.getName();
    m_einzelQuelle = CVRMdatenProvider::get().istWertVorhanden(name, ID_QuellMediumIdx) != 0;
    if (m_einzelQuelle) {
        FuegeEin(name);
        m_werte.get(ID_KQuelle1) = name;
        return;
    }
    for (TKelvoDatenID id : {ID_KQuelle1, ID_KQuelle2}) {
        const CVRMString quelle = m_werte.get(id).GetStringVal();
        if (!quelle.IsEmpty()) FuegeEin(quelle);
    }
}

CWQuelle2* CKombiWQuelle2::GetWQuelle(int nummer) {
    if (nummer != 1 && nummer != 2) ThrowFehler(0, nullptr);
    const CVRMString kennung = Nummer(nummer);
    for (const auto& [name, quelle] : m_quellen) {
        if (name.find(kennung) == std::u16string::npos) continue;
        if (!quelle) ThrowFehler(0, nullptr);
        return quelle.get();
    }
    return nullptr;
}

CWQuelle2* CKombiWQuelle2::GetErsteWQuelle() {
    if (m_quellen.empty())
        ThrowFehler(textid::kKeineErgebnisse, u"KombiWQuelle2::GetErsteWQuelle1");
    if (CWQuelle2* quelle = GetWQuelle(1)) return quelle;
    CWQuelle2* erste = m_quellen.begin()->second.get();
    if (!erste) ThrowFehler(textid::kKeineErgebnisse, u"KombiWQuelle2::GetErsteWQuelle2");
    return erste;
}

CWQuelle2* CKombiWQuelle2::GetZweiteWQuelle() {
    if (m_quellen.size() < 2)
        ThrowFehler(textid::kKeineErgebnisse, u"KombiWQuelle2::GetZweiteWQuelle1");
    if (m_einzelQuelle) ThrowFehler(textid::kKeineErgebnisse, u"KombiWQuelle2::GetZweiteWQuelle2");
    CWQuelle2* zweite = GetWQuelle(2);
    if (!zweite) ThrowFehler(textid::kKeineErgebnisse, u"KombiWQuelle2::GetZweiteWQuelle3");
    return zweite;
}

bool CKombiWQuelle2::IstZweiteWQuelleMoeglich() {
    if (m_einzelQuelle || m_quellen.size() >= 2) return false;
    if (m_quellen.empty()) return true;
    const int art = GetErsteWQuelle()->GetWert(ID_QuellMediumIdx).GetIntVal();
    return art == 0 || art == 1 || art == 5;
}

void CKombiWQuelle2::ErzeugeWQuellenName(int nummer, CVRMString& name, TKelvoDatenID& id) {
    if (nummer < 0 || nummer > 2 || (m_einzelQuelle && nummer == 2)) ThrowFehler(0, nullptr);
    if (m_einzelQuelle) {
        name = m_werte.getName();
        id = ID_KQuelle1;
        return;
    }
    if (nummer == 0) nummer = m_quellen.empty() ? 1 : 2;
    name = m_werte.getName() + Nummer(nummer);
    id = nummer == 1 ? ID_KQuelle1 : ID_KQuelle2;
}

CWQuelle2* CKombiWQuelle2::AddWQuelle() {
    if (!IstZweiteWQuelleMoeglich()) ThrowFehler(kNichtErweiterbar, m_werte.getName());
    CVRMString name;
    TKelvoDatenID id = ID_KQuelle1;
    ErzeugeWQuellenName(0, name, id);
    auto quelle = std::make_unique<CWQuelle2>();
    CVRMdatenProvider::get().fill(*quelle, name);
    m_werte.get(id) = name;
    CWQuelle2* neu = quelle.get();
    m_quellen[name] = std::move(quelle);
    SaveDaten();
    neu->Speichern(true);
    return neu;
}

void CKombiWQuelle2::LoescheZweiteWQuelle() {
    if (m_quellen.size() < 2) return;
    const CVRMString& kombi = m_werte.getName();
    const CVRMString name2 = kombi + Nummer(2);
    IGlobal::DeleteSection(name2, 0);
    // The link goes from the record on disk at once, or the source would come back with
    // the next load.
    IGlobal::DeleteValueInSection(kombi, name2, 0);
    CVRMwert& link = m_werte.get(ID_KQuelle2);
    link = u"";
    CVRMdatenProvider::get().save(kombi, ID_KQuelle2, link, true);
    const auto eintrag = m_quellen.find(name2);
    if (eintrag == m_quellen.end()) return;
    // The value store keeps the values of the record by name: a later second source starts
    // from the defaults, not from the removed one.
    if (eintrag->second) eintrag->second->VerwerfeWerte();
    m_quellen.erase(eintrag);
}

void CKombiWQuelle2::SaveDaten() {
    CVRMdatenProvider::get().save(m_werte, true);
    if (m_quellen.empty()) return;
    GetErsteWQuelle()->Speichern(true);
    if (m_quellen.size() > 1) GetZweiteWQuelle()->Speichern(true);
}

void CKombiWQuelle2::ResetWQuellen() {
    for (auto& [name, quelle] : m_quellen)
        if (quelle) quelle->Reset();
}

int CKombiWQuelle2::BetrWeise(const char16_t* ort) {
    if (!IstGueltig()) ThrowFehler(textid::kNichtInitialisiert, ort);
    return GetErsteWQuelle()->GetWert(ID_BetrWeiseIdx).GetIntVal();
}

int CKombiWQuelle2::GetDimPunktTemp() {
    if (!IstGueltig()) ThrowFehler(textid::kNichtInitialisiert, u"CKombiWQuelle2::GetDimPunktTemp");
    return GetErsteWQuelle()->GetWert(ID_DimPunktTemp).GetIntVal();
}

namespace {
bool Modus(int betrWeise, Praedikat praedikat) {
    return betrWeise >= 0 && betrWeise <= 8 && kModi[betrWeise][praedikat];
}
}  // namespace

bool CKombiWQuelle2::IstMonoEnergetisch() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstMonoEnergetisch"), kMonoEnergetisch);
}
bool CKombiWQuelle2::IstBiValent() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstBiValent"), kBiValent);
}
bool CKombiWQuelle2::IstMonoValent() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstMonoValent"), kMonoValent);
}
bool CKombiWQuelle2::IstMonoBiParallel() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstMonoBiParallel"), kParallel);
}
bool CKombiWQuelle2::IstMonoBiAlternativ() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstMonoBiAlternativ"), kAlternativ);
}
bool CKombiWQuelle2::IstMitRLanhebung() {
    return Modus(BetrWeise(u"CKombiWQuelle2::IstMitRLanhebung"), kRLanhebung);
}

CVRMString CKombiWQuelle2::GetKurzInfo() {
    if (m_quellen.empty()) return CVRMString();
    const int art = GetErsteWQuelle()->GetWert(ID_QuellMediumIdx).GetIntVal();
    if (art < 0 || art > 6) ThrowFehler(textid::kFalscheKonstante, u"CKombiWQuelle2::GetKurzInfo");
    CVRMString text;
    text.Format(3544u, CVRMString(getQuellArtIDS(art), nullptr));  // "%s"
    return text;
}
