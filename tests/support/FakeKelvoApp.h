#pragma once
// The application and its active document as the model sees them, for tests: answers are
// set in public members, calls are recorded. Constructing a FakeKelvoApp registers it for
// its lifetime.
#include <deque>
#include <exception>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"

namespace testsupport {

class FakeKelvoDoc : public IKelvoDocServices {
  public:
    CProjekt2* GetProjekt() override { return projekt; }
    CHaus2* GetHaus() override { return haus; }
    CWPumpe2* GetWPumpe() override { return wpumpe; }
    CKombiWQuelle2* GetKombiWQuelle() override { return kombiQuelle; }
    int GetDimModus() override { return dimModus; }
    bool IstProjektAenderbar(bool meldung) override;
    CWQuelle2* GetWQuelle(int erste) override { return erste ? quelle1 : quelle2; }
    void WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) override;
    void MonatlicherWWbedarf(float& kWh) override { kWh = wwBedarf; }
    SDimWerte GetDimWerte(const SDimAnfrage& anfrage) override;
    void BroadcastDimDaten(const SDimDaten& daten) override { dimDaten.push_back(daten); }
    SDimQuellWerte BemesseErsteQuelle(const SQuellBemessung& b) override {
        bemessungen.push_back(b);
        return quellGroesse;
    }
    void SaveKomponenten() override { ++saveKomponentenAufrufe; }
    SProjektRechnung BerechneProjekt(CKelvoErgebnisse* ergebnisse, bool frageSeiten,
                                     bool still) override;
    void SetProjektDaten4(TKelvoDatenID id, float wert, int speichern) override;
    void SetWert(TKelvoDatenID id, const CVRMwert& value) override;
    void ErstelleReport(bool frageSeiten, int unbenutzt, bool drucken) override;

    // Answers.
    CProjekt2* projekt = nullptr;
    CHaus2* haus = nullptr;
    CWPumpe2* wpumpe = nullptr;
    CKombiWQuelle2* kombiQuelle = nullptr;
    CWQuelle2* quelle1 = nullptr;
    CWQuelle2* quelle2 = nullptr;
    int dimModus = 0;
    bool projektAenderbar = true;
    float wpLeistung[3] = {0.0f, 0.0f, 0.0f};  // by kind 0, 1, 2
    float wwBedarf = 0.0f;
    SDimWerte dimWerte;
    SDimQuellWerte quellGroesse;
    SProjektRechnung rechnung{true, true};

    // Calls.
    std::vector<bool> aenderbarAnfragen;  // the `meldung` flag of each call
    std::vector<SDimDaten> dimDaten;
    std::vector<SQuellBemessung> bemessungen;
    int saveKomponentenAufrufe = 0;
    int berechneAufrufe = 0;
    std::vector<std::pair<TKelvoDatenID, float>> projektDaten4;
    std::vector<TKelvoDatenID> gesetzteWerte;
    std::vector<SDimAnfrage> dimAnfragen;
    int reportAufrufe = 0;
};

// What one progress dialog saw.
struct FakeProgressLog {
    unsigned titelId = 0;
    platform::Window* parent = nullptr;
    int lower = 0, upper = 0;
    int schritte = 0;
    int pumpAufrufe = 0;
    bool geschlossen = false;
};

class FakeKelvoApp : public IKelvoAppServices {
  public:
    FakeKelvoApp();
    ~FakeKelvoApp() override;
    FakeKelvoApp(const FakeKelvoApp&) = delete;
    FakeKelvoApp& operator=(const FakeKelvoApp&) = delete;

    platform::Window* GetMainWnd() override { return mainWnd; }
    bool GetConfSchalter() override { return confSchalter; }
    IKelvoDocServices* GetAktDokument(bool quiet) override;
    int GetLandCode() override { return landCode; }
    void GetListe(CVRMStringArray& names, int flag) override;
    void GetListe2(CVRMStringArray& names, int flag) override;
    int AddUniqueString(int listId, const CVRMString& name) override;
    int GetDefFSMittel(CVRMString& name) override { return answerName(defFSMittel, name); }
    int GetDefAbsMaterial(CVRMString& name) override { return answerName(defAbsMaterial, name); }
    int GetDefAbsUmhuell(CVRMString& name) override { return answerName(defAbsUmhuell, name); }
    void ResetAuswertungen() override { ++resetAuswertungenAufrufe; }
    void ShowHilfeThema(const CVRMString& topic) override { hilfeThemen.push_back(topic); }
    void SetWert(TKelvoDatenID id, const CVRMwert& value) override;
    void GetReportDir(CVRMString& path) override { path = reportDir; }
    IKelvoOptionen& GetOptionsManager() override;
    bool ShowNameDlg(const CVRMString& prompt, int kind, platform::Window* owner,
                     CVRMString& name) override;
    std::unique_ptr<IDlgProgress> CreateDlgProgress(platform::Window* parent,
                                                    unsigned titleTextId) override;

    // Answers.
    platform::Window* mainWnd = nullptr;
    bool confSchalter = false;
    IKelvoDocServices* dokument = nullptr;  // none: text 3091 unless quiet
    int landCode = 0;
    CVRMStringArray wpListe, tarifListe;
    int addUniqueAntwort = 1;
    CVRMString defFSMittel, defAbsMaterial, defAbsUmhuell;  // empty: answer 0
    CVRMString reportDir;
    IKelvoOptionen* optionsManager = nullptr;  // none: the generic error
    // Set: asking for the options manager throws it (a failure that is not a user exception).
    std::exception_ptr optionsFehler;
    // One answer per name prompt in order: a name for OK, nullopt for cancel; none left:
    // cancel.
    std::deque<std::optional<CVRMString>> nameAntworten;
    // PumpMessages reports cancel from this call on (counted from 1); 0: never.
    int abbruchBeiPump = 0;

    // Calls.
    struct NamePrompt {
        CVRMString prompt;
        int kind;
        platform::Window* owner;
    };
    std::vector<NamePrompt> namePrompts;
    std::vector<std::pair<int, CVRMString>> addUniqueAufrufe;
    std::vector<int> listeFlags, liste2Flags;
    int resetAuswertungenAufrufe = 0;
    std::vector<CVRMString> hilfeThemen;
    std::vector<TKelvoDatenID> gesetzteWerte;
    std::vector<std::shared_ptr<FakeProgressLog>> progressDialoge;

  private:
    static int answerName(const CVRMString& answer, CVRMString& name);
    IKelvoAppServices* previous_;
};

}  // namespace testsupport
