#pragma once
// The one application object: brings the program up in its language with its databases
// and run-time libraries (InitInstance), answers what pages, dialogs and the model ask of
// the application (model/app), and takes it down again (ExitInstance).
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/options/OptionenUmgebung.h"
#include "app/options/OptionsManager.h"
#include "app/shell/AktionsVorgang.h"
#include "app/shell/BenutzerDaten.h"
#include "app/shell/KVSCommandLine.h"
#include "app/shell/KelvoAppBefehle.h"
#include "app/shell/PropertyManager.h"
#include "app/shell/SprachWoerter.h"
#include "app/shell/WarteFenster.h"
#include "controls/resizable/Profile.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwerteListe.h"
#include "model/app/KelvoAppServices.h"
#include "model/heatpump/WPumpe2.h"
#include "model/tariff/Tarif2.h"
#include "platform/modules/Module.h"

class CKelvoDoc;
class CKelvoDocTemplate;
class CKVSDatenPage;
class CKVSDatenSheet;
class CMainFrame;
class CSplashThread;
class CSplashWnd;
namespace ui {
class SingleInstance;
enum class Msg : unsigned;
}

// What start-up takes from its surroundings; tests give a program file in a folder of
// their own and a key of their own for the single-instance search.
struct SStartUmgebung {
    std::filesystem::path programmDatei;  // the running program
    std::vector<std::u16string> argumente;  // after the program name
    std::u16string instanzSchluessel = u"NORVANEWARE-Hauptfenster-Neu";
};

class CKelvoApp : public IKelvoAppServices, public IKomponentenEmpfaenger, public IOptionenUmgebung {
  public:
    CKelvoApp();
    ~CKelvoApp() override;
    CKelvoApp(const CKelvoApp&) = delete;
    CKelvoApp& operator=(const CKelvoApp&) = delete;

    // True when the program runs; false when it must end at once (every message shown).
    bool InitInstance(const SStartUmgebung& umgebung);
    int ExitInstance();
    // The last catcher of an error raised inside a window's handler: reports it, then
    // text 3155 with the message number; the program goes on. A failed creation or paint
    // only reports the error (the layer stops that window).
    void ProcessWndProcException(std::exception_ptr fehler, unsigned message);

    // Reads the nine lists the program cannot work without; an empty one shows its text
    // (all with `meldungen`, else stops at the first) and makes the answer false.
    bool CheckStammdaten(bool meldungen);

    // Accessors.
    platform::Window* GetMainWnd() override;
    CMainFrame* GetMainFrame() const { return m_mainFrame.get(); }
    COptionsManager& GetOptionsManager() override { return m_optionsManager; }
    CPropertyManager& GetPropertyManager() { return m_propertyManager; }
    CKelvoAppBefehle& GetAppBefehle() { return m_appBefehle; }
    // The application profile (window placements); none before the file names are known.
    resizable::Profile* GetProfil() const { return m_profil.get(); }
    // What other programs send for the report; nothing is done with it.
    void ReportAntwort(long, long) {}
    int GetLandCode() override { return m_landCode; }
    bool GetConfSchalter() override { return m_schalter.conf != 0; }
    int GetTovrelSchalter() const override { return m_schalter.tovrel; }
    int GetDiagnoseSchalter() const { return m_schalter.diagnose; }
    int GetBiboSchalter() const { return m_biboSchalter; }
    const SKelvoSchalter& GetSchalter() const { return m_schalter; }
    const CVRMString& GetAktDatenbank() const;
    // The user database and the library database, whichever is in use.
    const CVRMString& GetDatenPfad() const { return m_datenPfad; }
    const CVRMString& GetBiboPfad() const { return m_biboPfad; }
    // The running program's file.
    const std::filesystem::path& GetProgrammDatei() const { return m_programmDatei; }
    bool IstBiboCodiert() const { return true; }
    IKelvoDocServices* GetAktDokument(bool quiet) override;
    int IstProjektOffen();
    // Ends the message loop without closing the windows first (nothing is asked).
    void PostQuitMessage();
    bool IstBeendenAngefordert() const { return m_beendenAngefordert; }
    // The user's company data for the reports.
    CBenutzerDaten& GetBenutzerDaten() { return m_benutzerDaten; }
    CVRMString GetAktProjektName();
    unsigned GetWaehrungText() override;
    unsigned GetCentProKWhText() override;
    unsigned GetWaehrungProJahrText() override;
    int IstInitialisiert() const { return m_initialisiert; }
    int GetPrimaerSprache() const { return m_primaer; }
    int GetSubSprache() const { return m_sub; }
    uint8_t GetZeichensatz() const { return m_zeichensatz; }
    const CVRMString& GetProgrammOrdner() const { return m_programmOrdner; }
    const CVRMString& GetHilfeDatei() const { return m_hilfeDatei; }
    const CVRMString& GetProfilDatei() const { return m_profilDatei; }
    const CWPumpe2& GetStartWPumpe() const { return m_startWPumpe; }
    const CTarif2& GetStartTarif() const { return m_startTarif; }
    // The splash while start-up runs, or none.
    CSplashWnd* GetSplash() const;

    // Help.
    void ShowHilfeThema(const CVRMString& topic) override;
    void WinHelp();

    // The program registered for ".doc" files and its command.
    CVRMString GetDocKommando() const;
    CVRMString GetDocProgramm() const override;

    // The options sheet, opened on `startSeite` (the first page when there is no such
    // page). The options are saved when it ends with OK, and also after Cancel once a page
    // applied its values.
    void OpenOptionen(int startSeite);
    // Options changed: the open projects, the master-data pages, the control groups and
    // the main window follow them.
    void OptionenGeaendert(int hint) override;

    // Lists and component defaults.
    void GetListe(CVRMStringArray& names, int flag) override;
    void GetListe2(CVRMStringArray& names, int flag) override;
    int AddUniqueString(int listId, const CVRMString& name) override;
    int GetDefFSMittel(CVRMString& name) override;
    int GetDefAbsMaterial(CVRMString& name) override;
    int GetDefAbsUmhuell(CVRMString& name) override;

    void ResetAuswertungen() override;
    void SetWert(TKelvoDatenID id, const CVRMwert& value) override;
    const CVRMwerteListe& GetWerte() const { return m_werte; }
    void GetReportDir(CVRMString& path) override;
    void StarteReport(const CVRMString& text);

    bool ShowNameDlg(const CVRMString& prompt, int kind, platform::Window* owner,
                     CVRMString& name) override;
    std::unique_ptr<IDlgProgress> CreateDlgProgress(platform::Window* parent,
                                                    unsigned titleTextId) override;

    // Replaces how a command opened with the ".doc" files is found (tests).
    void SetDocKommandoQuelle(std::function<CVRMString()> quelle);

    // Projects (KelvoAppProjekte.cpp). The active project's document; none only when
    // `quiet` (else text 3091 and the user exception).
    CKelvoDoc* GetAktivesKelvoDoc(bool quiet);
    // File > Open project: the project choice dialog, then the chosen project.
    void OnFileOpen();
    // Opens the project `name` (a bare name; a path is cut after its last separator) or
    // brings its open window forward; none after a reported failure. Only a `neu` project
    // (just created) may still lack its record.
    CKelvoDoc* OpenDocumentFile(const CVRMString& name, bool neu = false);
    // File > New project: a name, the new project from the defaults, opened.
    void OnFileNew();
    void AddToRecentFileList(const CVRMString& pfad);
    // Opens entry `index` of the recent-project list; an entry that cannot be opened (its
    // project was deleted) leaves the list after its message.
    void OeffneZuletzt(std::size_t index);
    const std::vector<CVRMString>& GetRecentFileList() const { return m_zuletzt; }
    static constexpr std::size_t kZuletztAnzahl = 4;  // entries of the recent-project list
    // The open document of that bare name, its window brought forward; else none.
    CKelvoDoc* AktiviereOffenesProjekt(const CVRMString& name);
    // The open project documents in the order they were opened.
    std::vector<CKelvoDoc*> Dokumente() const;
    CKelvoDocTemplate* GetDocTemplate() const { return m_vorlage.get(); }
    // A component saved in the master-data sheet: every open document hears of it.
    void KomponenteGeaendert(int kind, const CVRMString& name) override;

    // The master-data sheet of heat pumps and tariffs (KelvoAppStammdaten.cpp).
    void BearbeiteWPumpe(int neu);
    void BearbeiteTarif(int neu);
    bool ZeigeStammdaten(int kind, int flag, const CVRMString& name);
    bool InitStammdatenPage(int kind, int flag, const CVRMString& name);
    void UpdateStammBearbeiten(int hint);
    void DeleteDatenPages(CKVSDatenSheet& sheet);
    bool StammdatenInBearbeitung(bool verbergen);
    // Before records are deleted under the master data: false while they hold unsaved
    // entries; otherwise they are hidden.
    bool GibStammdatenFrei();
    // After records were deleted: the master-data pages made afresh from the database, so
    // that none keeps showing (and later saves) a record that is gone.
    void LadeStammdatenNeu();
    bool PruefeStammdatenGespeichert();
    CKVSDatenSheet& GetStammdatenSheet();
    // The pages of the sheet: heat-pump data (3), heat-pump choice (10), tariff (2).
    CKVSDatenPage* GetStammSeite(int kind) const;

  private:
    // The steps of InitInstance, in order.
    bool IstErsteKopie(const std::filesystem::path& ordner);
    void LeseKonfiguration();
    void LeseKommandozeile(const std::vector<std::u16string>& argumente);
    void ErmittleSprache();
    void LadeResModul();
    void GibResModulFrei();
    void LadeSprachtexte();
    void PruefeResModulVersion();
    void SetzeDateinamen();
    void RegistriereFensterklasse();
    void ErzeugeHauptfenster();
    void InitialisiereKern();
    void BindeLaufzeitModule();
    void LadeStartKomponenten();
    void ErzeugeDokumentVorlage();
    void SchliesseDokumenteUndStammdaten();
    void LadeZuletztGeoeffnete();
    void SchreibeZuletzt();
    void ZeigeHauptfenster();

    // Hides the splash, waits a moment, shows the text and raises the user exception.
    [[noreturn]] void BrichStillAb(const CVRMString& text);
    void Fehlerausgang();
    void AktiviereFenster();

    // Shows and closes the splash; the splash handle owns it.
    std::unique_ptr<CSplashThread> m_splash;
    std::unique_ptr<ui::SingleInstance> m_instanz;

    int m_initialisiert = 0;
    int m_fensterklasse = 0;
    // Shown over the main window while a report is prepared.
    std::unique_ptr<IDlgWait> m_warten;
    CVRMwerteListe m_werte;
    CVRMString m_datenDateiName;
    CVRMString m_datenPfad;
    CVRMString m_biboPfad;
    CVRMString m_biboDateiName;
    int m_primaer = 0;
    int m_sub = 1;
    uint8_t m_zeichensatz = 0;
    CVRMString m_programmOrdner;
    std::filesystem::path m_programmDatei;
    bool m_beendenAngefordert = false;
    CBenutzerDaten m_benutzerDaten;
    CVRMString m_resPfad;
    platform::ModuleHandle m_resModul = nullptr;
    CVRMString m_profilDatei;
    CVRMString m_hilfeDatei;
    CWPumpe2 m_startWPumpe;
    CTarif2 m_startTarif;
    int m_landCode = 0;
    int m_biboSchalter = 0;
    COptionsManager m_optionsManager;
    CPropertyManager m_propertyManager;
    CKelvoAppBefehle m_appBefehle;
    SKelvoSchalter m_schalter;
    // Declared before the main frame: the frame writes its placement when it goes.
    std::unique_ptr<resizable::Profile> m_profil;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::function<CVRMString()> m_docKommandoQuelle;
    std::unique_ptr<CKelvoDocTemplate> m_vorlage;
    std::vector<CVRMString> m_zuletzt;
    std::unique_ptr<CKVSDatenSheet> m_stammSheet;
    CKVSDatenPage* m_wp2Seite = nullptr;
    CKVSDatenPage* m_wp1Seite = nullptr;
    CKVSDatenPage* m_tarifSeite = nullptr;
    bool m_stammFenster = false;

    // The language row's texts, once chosen.
    CVRMString m_nichtGefundenText;
    CVRMString m_fehlerText;
    CVRMString m_sprachDatei;
    unsigned m_tabellenId = 0;
    CVRMString m_resName;
    std::u16string m_instanzSchluessel;
    IKelvoAppServices* m_vorherigeApp = nullptr;
    // The windowing layer's words come from the language table from the start on.
    CSprachWoerter m_woerter;
    const ui::WordSource* m_vorherigeWoerter = nullptr;
    std::function<void(std::exception_ptr, ui::Msg)> m_vorherigerFehlerHandler;
    CAktionsVorgang m_aktionsVorgang;  // every user action one write of the user database
};

// The one application object.
CKelvoApp& GetKelvoAppObjekt();
// The one application object, or none.
CKelvoApp* FindeKelvoAppObjekt();
