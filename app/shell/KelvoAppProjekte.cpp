// Projects as the application opens them: by the project choice dialog, by name (the
// recent-file list), as a new project; an open project is brought forward instead of being
// opened twice.
#include <QMdiArea>

#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocTemplate.h"
#include "app/frame/ChildFrame.h"
#include "app/frame/MainFrame.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/KelvoApp.h"
#include "core/db/Lists.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Desktop.h"

namespace {

constexpr unsigned kKeinProjekt = 3278;        // "User database and program database are without any project!"
constexpr unsigned kProjektFehlt = 3275;       // "Project '%s' not found in\ndatabase '%s' !"
constexpr unsigned kNichtGeoeffnet = 3584;     // "Could not open project!"
constexpr int kArtProjekt = 7;
const std::u16string kZuletztSektion = u"Recent File List";

// The project name of a "path": what follows its last backslash.
CVRMString OhnePfad(const CVRMString& pfad) {
    const auto pos = pfad.find_last_of(u'\\');
    return pos == CVRMString::npos ? pfad : CVRMString(pfad.substr(pos + 1));
}

CVRMStringArray Projektliste() {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, LISTE_PROJEKTE, true, nullptr, true);
    return namen;
}

std::u16string ZuletztEintrag(std::size_t i) {
    return u"File" + QString::number(static_cast<int>(i + 1)).toStdU16String();
}

}  // namespace

void CKelvoApp::ErzeugeDokumentVorlage() {
    m_vorlage = std::make_unique<CKelvoDocTemplate>(FensterFabrik().projektAnsicht);
}

std::vector<CKelvoDoc*> CKelvoApp::Dokumente() const {
    return m_vorlage ? m_vorlage->Dokumente() : std::vector<CKelvoDoc*>{};
}

CKelvoDoc* CKelvoApp::AktiviereOffenesProjekt(const CVRMString& name) {
    for (CKelvoDoc* dokument : Dokumente()) {
        if (OhnePfad(dokument->GetPathName()) != name) continue;
        if (!dokument->Views().empty()) {
            CChildFrame* rahmen = m_vorlage->Rahmen(*dokument);
            if (!rahmen) ThrowFehler(0, nullptr, 0);
            if (QMdiArea* flaeche = rahmen->mdiArea()) flaeche->setActiveSubWindow(rahmen);
            rahmen->ActivateFrame();
        }
        return dokument;
    }
    return nullptr;
}

void CKelvoApp::OnFileOpen() {
    CVRMString name;
    {
        ui::WaitCursor warten;
        if (Projektliste().empty()) {
            KVSMessageBoxID(kKeinProjekt, textid::kProduktCaption, platform::mb::ICONINFORMATION);
            return;
        }
    }
    const auto& projektWahl = FensterFabrik().projektWahl;
    if (!projektWahl || !projektWahl(m_mainFrame.get(), name)) return;
    if (name.empty()) ThrowFehler(0, nullptr, 0);
    if (AktiviereOffenesProjekt(name)) return;
    if (!m_mainFrame) return;
    ui::WaitCursor warten;
    if (m_vorlage->OpenDocumentFile(name, *m_mainFrame->Arbeitsflaeche())) AddToRecentFileList(name);
}

CKelvoDoc* CKelvoApp::OpenDocumentFile(const CVRMString& pfad, bool neu) {
    ui::WaitCursor warten;
    if (!CheckStammdaten(false)) ThrowFehler(textid::kDatenbankDefekt, nullptr, 0);
    if (pfad.empty()) ThrowFehler(0, nullptr, 0);
    const CVRMString name = OhnePfad(pfad);
    if (name.empty()) ThrowFehler(0, nullptr, 0);
    const CVRMStringArray projekte = Projektliste();
    if (std::find(projekte.begin(), projekte.end(), name) == projekte.end()) {
        CVRMString text;
        text.Format(kProjektFehlt, name, GetAktDatenbank());
        ThrowFehlerText(text, nullptr);
    }
    if (CKelvoDoc* offen = AktiviereOffenesProjekt(name)) return offen;
    CKelvoDoc* dokument =
        m_mainFrame ? m_vorlage->OpenDocumentFile(name, *m_mainFrame->Arbeitsflaeche(), neu) : nullptr;
    if (!dokument) ThrowFehler(kNichtGeoeffnet, nullptr, 0);
    AddToRecentFileList(name);
    return dokument;
}

void CKelvoApp::OnFileNew() {
    // The name dialog asks; the name must be free in every list of components.
    CVRMString name;
    if (!AddNeuesObjekt(kArtProjekt, name)) return;
    CKelvoDoc* dokument = OpenDocumentFile(name, true);
    // The new record holds what the defaults gave it, written as a whole.
    if (dokument) dokument->Projekt().Speichern();
}

void CKelvoApp::AddToRecentFileList(const CVRMString& pfad) {
    const CVRMString name = OhnePfad(pfad);
    for (const CVRMString& eintrag : m_zuletzt)
        if (OhnePfad(eintrag) == name) return;
    m_zuletzt.insert(m_zuletzt.begin(), name);
    if (m_zuletzt.size() > kZuletztAnzahl) m_zuletzt.resize(kZuletztAnzahl);
    SchreibeZuletzt();
}

void CKelvoApp::OeffneZuletzt(std::size_t index) {
    if (index >= m_zuletzt.size()) return;
    try {
        OpenDocumentFile(m_zuletzt[index]);
    } catch (const platform::UserException&) {
        // Told already; the entry would fail the same way every time.
        m_zuletzt.erase(m_zuletzt.begin() + static_cast<std::ptrdiff_t>(index));
        SchreibeZuletzt();
    }
}

void CKelvoApp::SchreibeZuletzt() {
    if (!m_profil) return;
    // Slots beyond the list are emptied, which reading skips.
    for (std::size_t i = 0; i < kZuletztAnzahl; ++i) {
        const CVRMString eintrag = i < m_zuletzt.size() ? m_zuletzt[i] : CVRMString();
        m_profil->writeString(kZuletztSektion, ZuletztEintrag(i), eintrag);
    }
}

void CKelvoApp::LadeZuletztGeoeffnete() {
    m_zuletzt.clear();
    if (!m_profil) return;
    for (std::size_t i = 0; i < kZuletztAnzahl; ++i) {
        const auto eintrag = m_profil->readString(kZuletztSektion, ZuletztEintrag(i));
        if (eintrag && !eintrag->empty()) m_zuletzt.emplace_back(*eintrag);
    }
}

void CKelvoApp::KomponenteGeaendert(int kind, const CVRMString& name) {
    for (CKelvoDoc* dokument : Dokumente()) dokument->KomponenteGeaendert(kind, name);
}
