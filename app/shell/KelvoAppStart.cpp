// Start-up of the application object, step by step in the order the program comes up.
#include <QApplication>
#include <QThread>
#include <QWidget>
#include <chrono>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/SplashThread.h"
#include "app/shell/SplashWnd.h"
#include "app/shell/SprachTabelle.h"
#include "app/shell/StartDateien.h"
#include "core/db/Global.h"
#include "core/db/VersionText.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Erdluft.h"
#include "evaluation/binding/Kuehl.h"
#include "evaluation/binding/Report.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/resources/Resources.h"
#include "platform/ui/SingleInstance.h"

namespace {

constexpr unsigned kKeineSprache = 5222;          // "No language resource loaded!"
constexpr unsigned kVersionUnbekannt = 3308;      // "Error when determining file version"
constexpr unsigned kVersionZuAlt = 3272;          // "Version %s or higher of file\n%s required!"
constexpr unsigned kBiboDateiName = 3616;         // "varmionDeng.bib"
constexpr unsigned kDatenDateiName = 3594;        // "varmionDeng.dat"
constexpr unsigned kProfilDateiName = 3551;       // "varmionEng.ini"
constexpr unsigned kHilfeDateiName = 3657;        // "varmionEn.chm"
constexpr unsigned kKlasseNichtRegistriert = 3580;  // "Window class not registered !"
constexpr unsigned kKeineDatenbank = 3414;        // "No user database given!"
constexpr unsigned kKeineBiboDatei = 3415;        // "No database file given!"
constexpr int kMindestVersionResModul = 42080;

// Held by the copy that works with the program folder's databases.
constexpr char kSperrDatei[] = "varmion.lock";
// How long a copy waits for another that holds the folder but cannot be reached yet.
constexpr std::chrono::seconds kWarteAufStartendeKopie{10};

// The text shown when the table cannot give it: nothing else can be read then.
constexpr std::u16string_view kKeineSpracheText = u"No language resource loaded!";

const CVRMString kSektion = u"config";
const CVRMString kPrimaer = u"lang_pri";
const CVRMString kSub = u"lang_sub";

// Every box of start-up hides the splash first: a box never opens beneath it.
class CSplashVorBoxen : public platform::MessageBoxPresenter {
  public:
    explicit CSplashVorBoxen(const std::unique_ptr<CSplashThread>& splash)
        : m_splash(splash), m_vorher(platform::setMessageBoxPresenter(this)) {}
    ~CSplashVorBoxen() override { platform::setMessageBoxPresenter(m_vorher); }
    CSplashVorBoxen(const CSplashVorBoxen&) = delete;
    CSplashVorBoxen& operator=(const CSplashVorBoxen&) = delete;

    int present(const platform::MessageBoxRequest& request) override {
        CSplashThread::ZeigeFenster(m_splash, 0);
        return m_vorher ? m_vorher->present(request) : m_stderr.present(request);
    }

  private:
    const std::unique_ptr<CSplashThread>& m_splash;
    platform::MessageBoxPresenter* m_vorher;
    platform::StderrPresenter m_stderr;
};

}  // namespace

bool CKelvoApp::InitInstance(const SStartUmgebung& umgebung) {
    m_splash.reset();
    m_fehlerText = CVRMString(kStartFehlerText);
    m_instanzSchluessel = umgebung.instanzSchluessel;
    const CSplashVorBoxen boxen(m_splash);
    try {
        // A second copy hands over to the first and ends without a word.
        if (!IstErsteKopie(umgebung.programmDatei.parent_path())) {
            m_instanz.reset();
            return false;
        }
        m_programmDatei = umgebung.programmDatei;
        m_programmOrdner = ProgrammOrdnerAus(CVRMString::fromUtf8(umgebung.programmDatei.string()));
        LeseKonfiguration();
        LeseKommandozeile(umgebung.argumente);
        ErmittleSprache();
        LadeResModul();
        CSplashThread::Starten(m_splash, [] { return std::make_unique<CMySplashWnd>(); });
        LadeSprachtexte();
        if (!m_schalter.bk.empty()) CResManager::setEntry(textid::kBiboMarke, m_schalter.bk);
        PruefeResModulVersion();
        SetzeDateinamen();
        RegistriereFensterklasse();
        CSplashThread::Pumpe();
        InitGlobaleTexte();
        ErzeugeDokumentVorlage();
        ErzeugeHauptfenster();
        if (!m_mainFrame) {
            CSplashThread::Beenden(m_splash, nullptr);
            return false;
        }
        InitialisiereKern();
        LadeZuletztGeoeffnete();
        CSplashThread::Pumpe();
        if (!CheckStammdaten(true)) throw platform::UserException();
        BindeLaufzeitModule();
        CSplashThread::Pumpe();
        m_optionsManager.SetUmgebung(m_programmOrdner, [this] { return GetDocKommando(); });
        m_optionsManager.LoadOptions();
        LadeStartKomponenten();
        ZeigeHauptfenster();
        m_initialisiert = 1;
        if (m_schalter.conf) {
            CSplashThread::Beenden(m_splash, m_mainFrame.get());
            OpenOptionen(0);
        }
        CSplashThread::Beenden(m_splash, m_mainFrame.get());
        return true;
    } catch (const platform::UserException&) {
        Fehlerausgang();
    } catch (const std::exception&) {
        Fehlerausgang();
    }
    return false;
}

void CKelvoApp::Fehlerausgang() {
    CSplashThread::Beenden(m_splash, nullptr);
    KVSMessageBoxCaptionID(m_fehlerText, textid::kProduktCaption, platform::mb::ICONERROR);
    m_mainFrame.reset();
    m_instanz.reset();
}

void CKelvoApp::BrichStillAb(const CVRMString& text) {
    CSplashThread::ZeigeFenster(m_splash, 0);
    QThread::msleep(100);
    KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONERROR);
    throw platform::UserException();
}

// Connects first, so that a running copy comes to the front; then takes the program
// folder's lock. A copy that holds the lock but answers nobody yet is still starting: it
// is asked again until it answers or lets go, so that only one copy ever works with the
// folder's user database. A socket name that nobody answers on is taken over.
bool CKelvoApp::IstErsteKopie(const std::filesystem::path& ordner) {
    m_instanz = std::make_unique<ui::SingleInstance>(m_instanzSchluessel);
    const auto bis = std::chrono::steady_clock::now() + kWarteAufStartendeKopie;
    while (!m_instanz->aktiviereLaufende()) {
        if (m_instanz->sperre(ordner / kSperrDatei)) {
            if (m_instanz->lausche([this] { AktiviereFenster(); },
                                   [this](std::string_view zeile) {
                                       if (m_mainFrame) m_mainFrame->ClientNachricht(zeile);
                                   }))
                return true;
            // Failing to listen is reported once the language speaks (step of the window
            // class), unless another copy began to answer in the meantime.
            return !m_instanz->aktiviereLaufende();
        }
        if (std::chrono::steady_clock::now() >= bis) return false;
        QThread::msleep(50);
    }
    return false;
}

void CKelvoApp::LeseKonfiguration() {
    const CKonfigDatei konfig(m_programmOrdner);
    konfig.LegeAnWennFehlt();
    m_primaer = konfig.Lese(kPrimaer);
    m_sub = konfig.Lese(kSub);
}

void CKelvoApp::LeseKommandozeile(const std::vector<std::u16string>& argumente) {
    CKVSCommandLine kommandozeile(m_schalter);
    kommandozeile.ParseCommandLine(argumente);
    // Values of 2^31 and above count as not given.
    if (static_cast<int32_t>(m_schalter.pl) > 0) m_primaer = static_cast<int32_t>(m_schalter.pl);
    if (static_cast<int32_t>(m_schalter.sl) > 0) m_sub = static_cast<int32_t>(m_schalter.sl);
}

void CKelvoApp::ErmittleSprache() {
    if (m_primaer == 0) {
        const int sprache = SpracheDerResModule(m_programmOrdner);
        m_primaer = sprache & 0x3FF;
        m_sub = (sprache >> 10) & 0x3F;
        const CKonfigDatei konfig(m_programmOrdner);
        konfig.Schreibe(kPrimaer, m_primaer);
        konfig.Schreibe(kSub, m_sub);
    } else if (m_sub == 0) {
        m_sub = 1;
    }
    const SSprachZeile& zeile = SucheSprachZeile(m_primaer);
    m_resName = CVRMString(zeile.resModul);
    m_sprachDatei = CVRMString(zeile.sprachDatei);
    m_tabellenId = zeile.tabellenId;
    m_landCode = LandCodeFuer(zeile, m_sub);
    m_zeichensatz = zeile.zeichensatz;
    m_nichtGefundenText = CVRMString(zeile.nichtGefunden);
    m_fehlerText = CVRMString(zeile.fehler);
    // The character set of button texts is handed to the buttons once they exist.
}

void CKelvoApp::LadeResModul() {
    for (int versuch = 0; versuch < 2; ++versuch) {
        m_resPfad = m_programmOrdner + m_resName;
        m_resModul = platform::loadModule(std::filesystem::path(m_resPfad.toUtf8()));
        if (m_resModul) break;
        if (versuch == 0) {
            // Detect again from the modules actually present, and keep what was found.
            m_primaer = 0;
            m_sub = 0;
            ErmittleSprache();
        }
    }
    if (!m_resModul) {
        CSplashThread::ZeigeFenster(m_splash, 0);
        ShowFehlerText(m_nichtGefundenText, m_resPfad);
        throw platform::UserException();
    }
    platform::setCurrentResourceModule(m_resModul);
}

void CKelvoApp::LadeSprachtexte() {
    CResManager::setLang(m_tabellenId);
    // A module without its table leaves the table empty: that counts as no table.
    if (CResManager::isEmpty()) {
        CResManager::freeLangRes();
        CResManager::setLang(m_sprachDatei);
    }
    if (CResManager::isEmpty() || !CResManager::hasLang()) {
        CResManager::init();
        CSplashThread::ZeigeFenster(m_splash, 0);
        QThread::msleep(100);
        KVSMessageBoxCaptionID(CVRMString(kKeineSpracheText), textid::kProduktCaption,
                               platform::mb::ICONERROR);
        throw platform::UserException();
    }
}

void CKelvoApp::PruefeResModulVersion() {
    const int version = IGlobal::GetDateiVersionsInfo(m_resPfad);
    if (version == 0) {
        CSplashThread::ZeigeFenster(m_splash, 0);
        QThread::msleep(100);
        ShowFehler(kVersionUnbekannt, std::u16string_view(m_resPfad));
        throw platform::UserException();
    }
    if (version < kMindestVersionResModul) {
        CVRMString text;
        text.Format(kVersionZuAlt, getVersionString(kMindestVersionResModul), m_resPfad);
        BrichStillAb(text);
    }
}

void CKelvoApp::SetzeDateinamen() {
    m_biboDateiName = CResManager::getLangText(kBiboDateiName);
    m_datenDateiName = CResManager::getLangText(kDatenDateiName);
    m_profilDatei = m_programmOrdner + CResManager::getLangText(kProfilDateiName);
    m_hilfeDatei = m_programmOrdner + CResManager::getLangText(kHilfeDateiName);
}

void CKelvoApp::RegistriereFensterklasse() {
    // The socket of the single instance stands in for the window class by which a later
    // copy finds this one; it listens from the first step on.
    if (!m_instanz || !m_instanz->lauscht())
        BrichStillAb(CResManager::getLangText(kKlasseNichtRegistriert));
    m_fensterklasse = 1;
}

// A later copy's request: the main window to the front, or during start-up its box.
void CKelvoApp::AktiviereFenster() {
    if (m_mainFrame && m_mainFrame->isMinimized()) m_mainFrame->showNormal();
    QWidget* vorn = QApplication::activeModalWidget();
    if (!vorn) vorn = m_mainFrame.get();
    if (!vorn) return;
    vorn->raise();
    vorn->activateWindow();
}

void CKelvoApp::ErzeugeHauptfenster() {
    m_profil = std::make_unique<resizable::IniProfile>(m_profilDatei);
    auto frame = std::make_unique<CMainFrame>(m_profil.get());
    frame->SetReportAntwort([this](long w, long l) { ReportAntwort(w, l); });
    RegistriereAppBefehle(m_appBefehle);
    frame->SetAppBefehle(&m_appBefehle);
    if (!frame->LoadFrame()) return;
    m_mainFrame = std::move(frame);
}

void CKelvoApp::InitialisiereKern() {
    if (!m_mainFrame) ThrowFehler(0, nullptr, 0);
    if (!IGlobal::InitInterface(0, m_mainFrame.get())) throw platform::UserException();
    m_datenPfad = m_programmOrdner + m_datenDateiName;
    if (m_datenDateiName.empty()) ThrowFehler(kKeineDatenbank, u"ProgInit");
    IGlobal::SetDatenDatei(m_datenPfad);
    IGlobal::SetDatenDir(ProgrammOrdnerAus(m_datenPfad));
    m_biboPfad = m_programmOrdner + m_biboDateiName;
    if (m_biboDateiName.empty()) ThrowFehler(kKeineBiboDatei, u"ProgInit");
    IGlobal::SetBiboDatei(m_biboPfad, m_biboSchalter);
}

void CKelvoApp::BindeLaufzeitModule() {
    const std::filesystem::path ordner(m_programmOrdner.toUtf8());
    IBasis::Init(ordner);
    IErdluft::load(ordner);
    ISolar::Laden(ordner);
    IKuehl::load(ordner);
    if (!m_mainFrame) ThrowFehler(0, nullptr, 0);
    IReport::Laden();
}

void CKelvoApp::LadeStartKomponenten() {
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    CVRMStringArray namen;
    store.getListe(namen, LISTE_WPUMPEN, true, nullptr, true);
    if (!namen.empty()) {
        store.fill(m_startWPumpe, namen.front());
        if (!m_startWPumpe.IstGueltig()) ThrowFehler(0, nullptr, 0);
    }
    namen.clear();
    store.getListe(namen, LISTE_TARIFE, true, nullptr, true);
    if (!namen.empty()) {
        store.fill(m_startTarif, namen.front());
        if (!m_startTarif.IstGueltig()) ThrowFehler(0, nullptr, 0);
    }
    if (m_wp2Seite || m_wp1Seite || m_tarifSeite) ThrowFehler(0, nullptr, 0);
    GetStammdatenSheet().SetDokument(nullptr);
    UpdateStammBearbeiten(hinweis::kAlles);
    // A page whose maker exists must stand now for its valid start component.
    const auto fehlt = [](CKVSDatenPage* seite, int kind) { return !seite && HatDatenSeite(kind); };
    if (m_startWPumpe.IstGueltig() &&
        (fehlt(m_wp2Seite, CKVSDatenSheetProtokoll::kWP2) || fehlt(m_wp1Seite, CKVSDatenSheetProtokoll::kWP1)))
        ThrowFehler(0, nullptr, 0);
    if (m_startTarif.IstGueltig() && fehlt(m_tarifSeite, CKVSDatenSheetProtokoll::kTarif))
        ThrowFehler(0, nullptr, 0);
}

void CKelvoApp::ZeigeHauptfenster() {
    m_mainFrame->Zentriere();
    m_mainFrame->ActivateFrame();
    CSplashThread::Pumpe();
}

bool CKelvoApp::CheckStammdaten(bool meldungen) {
    struct Pruefung {
        TKelvoListID liste;
        unsigned textId;
    };
    static constexpr Pruefung kPruefungen[] = {
        {LISTE_PROJEKTE, 3278},        {LISTE_FROSTSCHUTZMITTEL, 3279},
        {LISTE_MATERIALIEN_ABS, 3280}, {LISTE_TARIFE, 3534},
        {LISTE_WPUMPEN, 3562},         {LISTE_HAEUSER, 3563},
        {LISTE_WQUELLEN, 3564},        {LISTE_KLIMAORTE, 3565},
        {LISTE_SONNENORTE, 3699},
    };
    bool ok = true;
    try {
        for (const auto& p : kPruefungen) {
            CVRMStringArray namen;
            CVRMdatenProvider::get().getListe(namen, p.liste, true, nullptr, true);
            if (!namen.empty()) continue;
            ok = false;
            if (!meldungen) return false;
            CSplashThread::ZeigeFenster(m_splash, 0);
            KVSMessageBoxID(p.textId, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        }
    } catch (const platform::UserException&) {
        return false;
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
        return false;
    }
    return ok;
}
