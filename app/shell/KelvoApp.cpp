// The application object's life and the services that pages, dialogs and the model ask for.
#include "app/shell/KelvoApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocTemplate.h"
#include "app/frame/MainFrame.h"
#include "app/shell/DocKommando.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/SplashThread.h"
#include "app/shell/SplashWnd.h"
#include "app/shell/StartDateien.h"
#include "app/shell/WarteFenster.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwert.h"
#include "evaluation/binding/Report.h"
#include "model/app/OptionIds.h"
#include "model/data/VRMcompManager.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/ExceptionBarrier.h"
#include "platform/ui/SingleInstance.h"

namespace {

constexpr unsigned kKeinProjekt = 3091;           // "No current project"
constexpr unsigned kUnbehandelterFehler = 3155;   // "Unhandled error! Please restart Varmion!"
constexpr unsigned kMeldungNummer = 3156;         // "Message: %u"
constexpr unsigned kNameVergeben = 3277;          // "Name '%s'\nis already used or not allowed!"
constexpr unsigned kStandardW = 3610;
constexpr unsigned kStandardG = 3611;
constexpr unsigned kStandardS = 3228;
constexpr unsigned kAusKlima = 5218;              // "<calculated from climate>"
constexpr unsigned kTempOrdnerErsatz = 3681;      // "c:"
constexpr unsigned kHilfeNichtGeoeffnet = 7351;   // "The help could not be opened ...\n%s"

CKelvoApp* g_app = nullptr;

}  // namespace

CKelvoApp& GetKelvoAppObjekt() {
    if (!g_app) ThrowFehler(0, nullptr, 0);
    return *g_app;
}

CKelvoApp* FindeKelvoAppObjekt() {
    return g_app;
}

CKelvoApp::CKelvoApp() : m_docKommandoQuelle(&DocKommandoDesSystems) {
    CResManager::init();
    m_vorherigeApp = RegisterKelvoApp(this);
    // Each project document gets the program's wait window.
    RegistriereDlgWait(FensterFabrik().warten);
    g_app = this;
    m_vorherigeWoerter = ui::setWordSource(&m_woerter);
    m_vorherigerFehlerHandler =
        ui::setWindowErrorHandler([this](std::exception_ptr fehler, ui::Msg message) {
            ProcessWndProcException(fehler, static_cast<unsigned>(message));
        });
}

CKelvoApp::~CKelvoApp() {
    ui::setWindowErrorHandler(m_vorherigerFehlerHandler);
    RegistriereDlgWait({});
    CSplashThread::Beenden(m_splash, nullptr);
    SchliesseDokumenteUndStammdaten();
    m_mainFrame.reset();
    // A start that failed after the resource module was loaded never reached ExitInstance.
    GibResModulFrei();
    if (g_app == this) g_app = nullptr;
    RegisterKelvoApp(m_vorherigeApp);
    ui::setWordSource(m_vorherigeWoerter);
}

void CKelvoApp::SchliesseDokumenteUndStammdaten() {
    // The documents go with their frames, before the value store they were filled from.
    m_vorlage.reset();
    if (m_stammSheet) {
        try {
            DeleteDatenPages(*m_stammSheet);
        } catch (const platform::UserException&) {
        }
        if (m_mainFrame) m_mainFrame->SetStammdatenSheet(nullptr);
        m_stammSheet.reset();
        m_stammFenster = false;
    }
}

int CKelvoApp::ExitInstance() {
    SchliesseDokumenteUndStammdaten();
    CVRMdatenProvider::remove();
    CVRMdatenProvider2::Get();
    CVRMdatenProvider2::Release();
    CResManager::freeRes();
    if (m_fensterklasse) {
        m_instanz.reset();
        m_fensterklasse = 0;
    }
    m_mainFrame.reset();
    GibResModulFrei();
    return 0;
}

void CKelvoApp::GibResModulFrei() {
    if (!m_resModul) return;
    if (platform::currentResourceModule() == m_resModul) platform::setCurrentResourceModule(nullptr);
    platform::freeModule(m_resModul);
    m_resModul = nullptr;
}

void CKelvoApp::ProcessWndProcException(std::exception_ptr fehler, unsigned message) {
    ShowFremdenFehler(fehler);
    // Creation and painting take the windowing layer's default handling: the creation
    // fails, the window is not painted again; the error itself is reported once, above.
    if (message == static_cast<unsigned>(ui::Msg::Create) ||
        message == static_cast<unsigned>(ui::Msg::Paint))
        return;
    CVRMString detail;
    detail.Format(kMeldungNummer, message);
    ShowFehlerText(CResManager::getLangText(kUnbehandelterFehler), std::u16string_view(detail));
}

platform::Window* CKelvoApp::GetMainWnd() {
    return m_mainFrame.get();
}

CSplashWnd* CKelvoApp::GetSplash() const {
    return m_splash ? m_splash->Fenster() : nullptr;
}

const CVRMString& CKelvoApp::GetAktDatenbank() const {
    return m_biboSchalter == 1 ? m_biboPfad : m_datenPfad;
}

IKelvoDocServices* CKelvoApp::GetAktDokument(bool quiet) {
    return GetAktivesKelvoDoc(quiet);
}

CKelvoDoc* CKelvoApp::GetAktivesKelvoDoc(bool quiet) {
    CKelvoDoc* dokument = nullptr;
    try {
        if (m_mainFrame) dokument = dynamic_cast<CKelvoDoc*>(m_mainFrame->GetAktivesDokument());
    } catch (const platform::UserException&) {
    }
    if (!dokument && !quiet) ThrowFehler(kKeinProjekt, nullptr, 0);
    return dokument;
}

int CKelvoApp::IstProjektOffen() {
    return GetAktivesKelvoDoc(true) ? 1 : 0;
}

void CKelvoApp::PostQuitMessage() {
    m_beendenAngefordert = true;
    // Leaves the loop as the quit message does: no window is asked to close first.
    QCoreApplication::exit(0);
}

CVRMString CKelvoApp::GetAktProjektName() {
    CKelvoDoc* dokument = GetAktivesKelvoDoc(true);
    return dokument ? dokument->Projekt().getConsumerName() : CVRMString();
}

namespace {
bool inEuro(COptionsManager& optionen) {
    int32_t wert = 0;
    optionen.GetLongWert(OPT_GELD_IN_EURO, wert);
    return wert == 1;
}
}  // namespace

unsigned CKelvoApp::GetWaehrungText() {
    return inEuro(m_optionsManager) ? 3460 : 3461;
}
unsigned CKelvoApp::GetCentProKWhText() {
    return inEuro(m_optionsManager) ? 3088 : 3089;
}
unsigned CKelvoApp::GetWaehrungProJahrText() {
    return inEuro(m_optionsManager) ? 3458 : 3459;
}

void CKelvoApp::ShowHilfeThema(const CVRMString& topic) {
    if (topic.empty()) ThrowFehler(0, nullptr, 0);
    const std::filesystem::path hilfe(m_hilfeDatei.toUtf8());
    if (ui::HelpViewer::showTopic(hilfe, topic)) return;
    // Without a browser the user can still open the page by hand: say where it lies.
    CVRMString text;
    text.Format(kHilfeNichtGeoeffnet,
                CVRMString::fromUtf8(ui::HelpViewer::pageOf(hilfe, topic).string()));
    KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONINFORMATION);
}

void CKelvoApp::WinHelp() {
    ShowHilfeThema(CVRMString(u"index"));
}

void CKelvoApp::SetDocKommandoQuelle(std::function<CVRMString()> quelle) {
    m_docKommandoQuelle = std::move(quelle);
}

CVRMString CKelvoApp::GetDocKommando() const {
    return m_docKommandoQuelle ? m_docKommandoQuelle() : CVRMString();
}

CVRMString CKelvoApp::GetDocProgramm() const {
    return ProgrammAusKommando(GetDocKommando());
}

void CKelvoApp::GetListe(CVRMStringArray& names, int flag) {
    CVRMdatenProvider::get().getListe(names, LISTE_WPUMPEN, flag != 0);
}

void CKelvoApp::GetListe2(CVRMStringArray& names, int flag) {
    CVRMdatenProvider::get().getListe(names, LISTE_TARIFE, flag != 0);
}

namespace {

// The last entry of a list as shown; false for an empty list.
bool letzterEintrag(TKelvoListID liste, CVRMString& name) {
    name.clear();
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, liste, true, nullptr, true);
    if (namen.empty()) return false;
    if (namen.back().empty()) ThrowFehler(0, nullptr, 0);
    name = namen.back();
    return true;
}

bool inListe(TKelvoListID liste, const CVRMString& name) {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, liste, true);
    return NameEnthalten(namen, name);
}

bool gleichOhneFall(const CVRMString& a, const CVRMString& b) {
    return KVScompareNoCase(a, b) == 0;
}

CVRMString standardName(unsigned textId) {
    return CResManager::getLangText(textId) + u"_" + CResManager::getLangText(textid::kBiboMarke);
}

}  // namespace

int CKelvoApp::GetDefFSMittel(CVRMString& name) {
    return letzterEintrag(LISTE_FROSTSCHUTZMITTEL, name) ? 1 : 0;
}

int CKelvoApp::GetDefAbsUmhuell(CVRMString& name) {
    return letzterEintrag(LISTE_UMHUELLUNGEN_ABS, name) ? 1 : 0;
}

int CKelvoApp::GetDefAbsMaterial(CVRMString& name) {
    try {
        name = GetStdRohrMaterial();
        if (name.empty()) ThrowFehler(0, nullptr, 0);
    } catch (const platform::UserException&) {
    }
    return name.empty() ? 0 : 1;
}

int CKelvoApp::AddUniqueString(int listId, const CVRMString& name) {
    static constexpr int kArtVonListe[17] = {7, 0, 5, 3, 1, -1, -1, -1, 4, 2, 8, 6, 9, 10, 11, 12, 13};
    bool abgelehnt = false;
    try {
        switch (listId) {
            case 0: case 1: case 3: case 4: case 9: case 10: case 12: case 13: case 15: case 16: {
                static constexpr TKelvoListID kAlle[] = {
                    LISTE_PROJEKTE, LISTE_SOLARANLAGEN, LISTE_KUEHLANLAGEN, LISTE_ABLUFTANLAGEN,
                    LISTE_HAEUSER, LISTE_TARIFE, LISTE_WPUMPEN, LISTE_WQUELLEN, LISTE_BODENARTEN,
                    LISTE_UMHUELLUNGEN_ABS, LISTE_MATERIALIEN_ABS, LISTE_FROSTSCHUTZMITTEL};
                abgelehnt = (IGlobal::IstBiboName(name) && m_biboSchalter == 0) ||
                            name.find(u"_(1)") != CVRMString::npos ||
                            name.find(u"_(2)") != CVRMString::npos;
                for (TKelvoListID liste : kAlle)
                    if (!abgelehnt && inListe(liste, name)) abgelehnt = true;
                break;
            }
            case 8:
                abgelehnt = gleichOhneFall(name, standardName(kStandardG)) ||
                            gleichOhneFall(name, CResManager::getLangText(kAusKlima)) ||
                            inListe(LISTE_BODENORTE, name);
                break;
            case 2:
                abgelehnt = inListe(LISTE_KLIMAORTE, name);
                break;
            case 11:
                abgelehnt = gleichOhneFall(name, standardName(kStandardW)) ||
                            gleichOhneFall(name, CResManager::getLangText(kAusKlima)) ||
                            inListe(LISTE_WETTERORTE, name);
                break;
            case 14:
                abgelehnt = gleichOhneFall(name, standardName(kStandardS)) ||
                            inListe(LISTE_SONNENORTE, name);
                break;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CKelvoApp::AddUniqueString");
        }
    } catch (const platform::UserException&) {
        return 0;
    }
    if (abgelehnt) {
        CVRMString text;
        text.Format(kNameVergeben, name);
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        return 0;
    }
    return CVRMcompManager::add(kArtVonListe[listId], name) ? 1 : 0;
}

void CKelvoApp::ResetAuswertungen() {
    for (CKelvoDoc* dokument : Dokumente()) dokument->ResetAuswertung();
}

void CKelvoApp::SetWert(TKelvoDatenID id, const CVRMwert& value) {
    m_werte.SetAt(id, std::make_shared<CVRMwert>(value));
}

void CKelvoApp::GetReportDir(CVRMString& path) {
    m_optionsManager.GetStringWert(OPT_REPORT_DIR, path);
}

void CKelvoApp::StarteReport(const CVRMString& text) {
    if (!IReport::IstGeladen()) return;
    CVRMString vorlagen, berichte, standard;
    int32_t speichern = 0;
    m_optionsManager.GetStringWert(OPT_VORLAGEN_DIR, vorlagen);
    m_optionsManager.GetStringWert(OPT_REPORT_DIR, berichte);
    m_optionsManager.GetStringWert(OPT_STD_ERG_REPORT, standard);
    m_optionsManager.GetLongWert(OPT_SAVE_REPORT, speichern);
    if (!standard.empty() && !IstAbsoluterPfad(standard)) standard = vorlagen + u"/" + standard;
    if (speichern == 0) {
        const QString temp = QDir::tempPath();
        berichte = temp.isEmpty() || temp.size() > 260
                       ? CResManager::getLangText(kTempOrdnerErsatz)
                       : CVRMString(temp.toStdU16String());
    }
    IReport::SetDaten(154, vorlagen);
    IReport::SetDaten(155, berichte);
    IReport::SetDaten(152, standard);
    IReport::SetDaten(157, static_cast<int>(speichern));
    IReport::SetDaten(156, text.empty() ? CVRMString(u"reports") : text);
    if (!m_warten) m_warten = ErzeugeDlgWait();
    if (m_warten) m_warten->Create(1, m_mainFrame.get());
}

bool CKelvoApp::ShowNameDlg(const CVRMString& prompt, int kind, platform::Window* owner,
                            CVRMString& name) {
    // The component kind is the dialog's slash switch: heat pumps (kind 1) keep the "/" of
    // type names such as "10/12".
    QWidget* eltern = nullptr;
    if (auto* fenster = dynamic_cast<ui::Window*>(owner)) eltern = fenster->widget();
    // Without an owner, the prompt belongs to the window the user asked from (a dialog, a
    // data sheet), so that this window is on top again when the prompt closes.
    if (!eltern) eltern = QApplication::activeModalWidget();
    if (!eltern) eltern = QApplication::activeWindow();
    if (!eltern) eltern = m_mainFrame.get();
    const auto& namensDialog = FensterFabrik().namensDialog;
    return namensDialog && namensDialog(prompt, static_cast<uint32_t>(kind), eltern, name);
}

std::unique_ptr<IDlgProgress> CKelvoApp::CreateDlgProgress(platform::Window* parent,
                                                           unsigned titleTextId) {
    QWidget* eltern = nullptr;
    if (auto* fenster = dynamic_cast<ui::Window*>(parent)) eltern = fenster->widget();
    const auto& fortschritt = FensterFabrik().fortschritt;
    if (!fortschritt) return nullptr;
    return fortschritt(eltern, CResManager::getLangText(titleTextId));
}
