// The project document: opening a project by name, its components and what the model and
// the calculations ask of it.
#include "app/doc/KelvoDoc.h"

#include <algorithm>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoView.h"
#include "app/shell/WarteFenster.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwert.h"
#include "evaluation/binding/Kuehl.h"
#include "evaluation/binding/Solar.h"
#include "evaluation/dim/DimWerte.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/numbers/Numbers.h"

namespace {
constexpr unsigned kProjektNichtInitialisiert = 3297;  // "Could not initialize project '%s'!"
constexpr unsigned kKeineErgebnisse = 3122;            // "Could not compute results"
}  // namespace

CKelvoDoc::CKelvoDoc() : m_sheet(std::make_unique<CKVSDatenSheet>()), m_warten(ErzeugeDlgWait()) {
    m_sheet->SetDokument(this);
}

CKelvoDoc::~CKelvoDoc() {
    // The pages go before the sheet that holds them.
    try {
        DeleteDatenPages(*m_sheet);
    } catch (const platform::UserException&) {
    }
}

void CKelvoDoc::OnOpenDocument(const CVRMString& name, bool neu) {
    if (name.empty()) ThrowFehler(0, nullptr, 0);
    m_name = name;
    m_sheet->SetDokument(this);
    const auto ablehnen = [&name] {
        CVRMString text;
        text.Format(kProjektNichtInitialisiert, name);
        ThrowFehlerText(text, nullptr);
    };
    // A listed user project without its record (its section could not be read) would be
    // filled from the defaults, and the first save would write those over the user's values.
    // A library project is never written.
    if (!neu && !IGlobal::IstBiboName(name) && !HatProjektRecord(name)) ablehnen();
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    try {
        store.fill(m_projekt, name);
    } catch (const platform::UserException&) {
    }
    if (!m_projekt.IstGueltig()) ablehnen();
    FuelleKomponenten();
    UpdateSolarAnlage(hinweis::kAlles, 1);
    if (HatEineSeite()) ThrowFehler(0, nullptr, 0);
    UpdateProjektBearbeiten(hinweis::kAlles);
}

void CKelvoDoc::FuelleKomponenten() {
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    const CVRMString wpumpe = ProjektText(ID_WPumpe);
    if (!wpumpe.empty()) {
        store.fill(m_wpumpe, wpumpe);
        m_wpumpe.SetAnzahl(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal());
    }
    const CVRMString quelle = ProjektText(ID_WQuelle);
    if (HatWQuelleDaten(quelle)) store.fill(m_kombiQuelle, quelle);
    const CVRMString haus = ProjektText(ID_Haus);
    if (!haus.empty()) store.fill(m_haus, haus);
    ErsterQuelleKlimaort();
    const CVRMString solar = ProjektText(ID_Solar);
    if (!solar.empty() && ISolar::IstGeladen()) ISolar::InitSolarAnlage(solar);
    const CVRMString kuehl = ProjektText(ID_Kuehl);
    if (!kuehl.empty() && IKuehl::IstGeladen()) IKuehl::InitKuehlAnlage(kuehl);
    const CVRMString tarif = ProjektText(ID_Tarif);
    if (!tarif.empty()) store.fill(m_tarif, tarif);
}

bool CKelvoDoc::HatProjektRecord(const CVRMString& name) {
    for (int bibo : {0, 1}) {
        CVRMStringArray werte;
        try {
            IGlobal::GetValuesFromSection(name, werte, bibo);
        } catch (const platform::UserException&) {
        }
        if (!werte.empty()) return true;
    }
    return false;
}

// A heat-source record that names neither a kind nor its sources (the new, still empty one
// of a new project) holds no source yet: the project then has none, without an error.
bool CKelvoDoc::HatWQuelleDaten(const CVRMString& name) {
    if (name.empty()) return false;
    if (CVRMdatenProvider::get().istWertVorhanden(name, ID_QuellMediumIdx)) return true;
    for (TKelvoDatenID id : {ID_KQuelle1, ID_KQuelle2}) {
        CVRMString quelle;
        IGlobal::ReadIniString(name, CVRMwerteListe::getKey(id), quelle, CVRMString());
        if (!quelle.empty()) return true;
    }
    return false;
}

// The first source takes the house's climate location; a project without a first source
// or without a house has nothing to take it from.
void CKelvoDoc::ErsterQuelleKlimaort() {
    CWQuelle2* erste = m_kombiQuelle.IstGueltig() ? m_kombiQuelle.GetErsteWQuelle() : nullptr;
    if (!erste || !m_haus.IstInitialisiert()) return;
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    erste->GetWert(ID_WQuelleOrt) = CVRMdatenProvider2::Get().GetKlimaortName(ort);
}

void CKelvoDoc::AddView(IKelvoView* view) {
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CKelvoDoc::RemoveView(IKelvoView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CKelvoDoc::UpdateAllViews(IKelvoView* sender, int hint, void* objekt) {
    // A view may close itself in its update: walk a copy.
    const std::vector<IKelvoView*> views = m_views;
    for (IKelvoView* view : views)
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint, objekt);
}

QWidget* CKelvoDoc::ErstesViewFenster() const {
    return m_viewFenster;
}

CWQuelle2* CKelvoDoc::GetWQuelle(int erste) {
    // A project without source data yet (a new one) has no source to give; asking the
    // combination would report an error.
    const int anzahl = m_kombiQuelle.GetAnzahlWQuellen();
    if (anzahl < (erste ? 1 : 2)) return nullptr;
    return erste ? m_kombiQuelle.GetErsteWQuelle() : m_kombiQuelle.GetZweiteWQuelle();
}

void CKelvoDoc::WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) {
    try {
        m_wpumpe.GetLeistungAnzahl(kind, quellTemp, vorlaufTemp, wert);
    } catch (const std::exception&) {
        ThrowFehler(kKeineErgebnisse, u"KelvoDoc::WPLeistungOhneKorr");
    }
}

void CKelvoDoc::MonatlicherWWbedarf(float& kWh) {
    kWh = m_haus.GetWWbedarfProMonat();
}

SDimWerte CKelvoDoc::GetDimWerte(const SDimAnfrage& anfrage) {
    CWQuelle2* quelle = anfrage.quelle ? anfrage.quelle : GetWQuelle(1);
    if (!quelle) ThrowFehler(textid::kDatenFehlen, u"CKelvoDoc::GetDimWerte");
    const bool vorgabe = anfrage.parallelBetrieb || anfrage.alternativBetrieb;
    return BerechneDimWerte(LeseDimWerteEingabe(m_haus, m_tarif, *quelle, anfrage.quellenArt,
                                                static_cast<int>(anfrage.dimTemp), vorgabe,
                                                anfrage.anzahlWP, anfrage.ohneLeistung));
}

void CKelvoDoc::SaveKomponenten() {
    // A library project and library records are never written into the user's database.
    if (!m_projekt.IstAenderbar(false)) return;
    const auto eigener = [](const CVRMString& name) { return !name.empty() && !IGlobal::IstBiboName(name); };
    if (m_kombiQuelle.IstGueltig() && eigener(m_kombiQuelle.getConsumerName())) m_kombiQuelle.SaveDaten();
    // A project without a solar plant or cooling has none to save; that is no error.
    const CVRMString solar = ProjektText(ID_Solar);
    const bool mitSolar = eigener(solar) && ISolar::IstGeladen();
    if (mitSolar) ISolar::SaveDaten(solar);
    const CVRMString kuehl = ProjektText(ID_Kuehl);
    const bool mitKuehl = eigener(kuehl) && IKuehl::IstGeladen();
    if (mitKuehl) IKuehl::SaveDaten(kuehl);
    m_projekt.Speichern();
    // The components are taken up again as saved. The document's setter knows only the heat
    // pump and the tariff; the plants are set up again through their own interfaces.
    for (TKelvoDatenID id : {ID_WPumpe, ID_Tarif}) SetProjektDaten(id, ProjektText(id), 0);
    if (mitSolar) ISolar::InitSolarAnlage(solar);
    if (mitKuehl) IKuehl::InitKuehlAnlage(kuehl);
}

void CKelvoDoc::ResetKomponenten() {
    std::vector<CVRMString> namen = {m_name, ProjektText(ID_Haus), ProjektText(ID_WPumpe),
                                     ProjektText(ID_WQuelle), ProjektText(ID_Tarif),
                                     ProjektText(ID_Solar)};
    for (int erste : {1, 0})
        if (CWQuelle2* quelle = GetWQuelle(erste)) namen.push_back(quelle->getConsumerName());
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    try {
        for (const CVRMString& name : namen) {
            if (name.empty()) continue;
            for (const auto& [id, wert] : store.getWerte(name))
                if (wert) wert->reset();
        }
        FuelleKomponenten();
    } catch (const platform::UserException&) {
    }
}

void CKelvoDoc::SetWert(TKelvoDatenID id, const CVRMwert& value) {
    m_werte.SetAt(id, std::make_shared<CVRMwert>(value));
}

void CKelvoDoc::SetWarteDialog(std::unique_ptr<IDlgWait> dialog) {
    m_warten = std::move(dialog);
}
