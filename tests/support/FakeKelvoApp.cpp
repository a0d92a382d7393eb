#include "tests/support/FakeKelvoApp.h"

#include "model/errors/Fehler.h"

namespace testsupport {

namespace {

class FakeDlgProgress : public IDlgProgress {
  public:
    FakeDlgProgress(std::shared_ptr<FakeProgressLog> log, int abbruchBeiPump)
        : log_(std::move(log)), abbruchBeiPump_(abbruchBeiPump) {}
    ~FakeDlgProgress() override { log_->geschlossen = true; }

    void SetRange(int lower, int upper) override {
        log_->lower = lower;
        log_->upper = upper;
    }
    void StepIt() override { ++log_->schritte; }
    bool PumpMessages() override {
        ++log_->pumpAufrufe;
        if (abbruchBeiPump_ > 0 && log_->pumpAufrufe >= abbruchBeiPump_) abgebrochen_ = true;
        return abgebrochen_;
    }
    void Close() override { log_->geschlossen = true; }

  private:
    std::shared_ptr<FakeProgressLog> log_;
    int abbruchBeiPump_;
    bool abgebrochen_ = false;
};

}  // namespace

bool FakeKelvoDoc::IstProjektAenderbar(bool meldung) {
    aenderbarAnfragen.push_back(meldung);
    return projektAenderbar;
}

void FakeKelvoDoc::WPLeistungOhneKorr(int kind, float, float, float& wert) {
    if (kind < 0 || kind > 2) ThrowFehler(3122, u"KelvoDoc::WPLeistungOhneKorr");
    wert = wpLeistung[kind];
}

SDimWerte FakeKelvoDoc::GetDimWerte(const SDimAnfrage& anfrage) {
    dimAnfragen.push_back(anfrage);
    return dimWerte;
}

SProjektRechnung FakeKelvoDoc::BerechneProjekt(CKelvoErgebnisse*, bool, bool) {
    ++berechneAufrufe;
    return rechnung;
}

void FakeKelvoDoc::SetProjektDaten4(TKelvoDatenID id, float wert, int) {
    projektDaten4.emplace_back(id, wert);
}

void FakeKelvoDoc::SetWert(TKelvoDatenID id, const CVRMwert&) {
    gesetzteWerte.push_back(id);
}

void FakeKelvoDoc::ErstelleReport(bool, int, bool) {
    ++reportAufrufe;
}

FakeKelvoApp::FakeKelvoApp() : previous_(RegisterKelvoApp(this)) {}

FakeKelvoApp::~FakeKelvoApp() {
    RegisterKelvoApp(previous_);
}

IKelvoDocServices* FakeKelvoApp::GetAktDokument(bool quiet) {
    if (!dokument && !quiet) ThrowFehler(3091, nullptr, 0);
    return dokument;
}

void FakeKelvoApp::GetListe(CVRMStringArray& names, int flag) {
    listeFlags.push_back(flag);
    names = wpListe;
}

void FakeKelvoApp::GetListe2(CVRMStringArray& names, int flag) {
    liste2Flags.push_back(flag);
    names = tarifListe;
}

int FakeKelvoApp::AddUniqueString(int listId, const CVRMString& name) {
    addUniqueAufrufe.emplace_back(listId, name);
    return addUniqueAntwort;
}

void FakeKelvoApp::SetWert(TKelvoDatenID id, const CVRMwert&) {
    gesetzteWerte.push_back(id);
}

IKelvoOptionen& FakeKelvoApp::GetOptionsManager() {
    if (optionsFehler) std::rethrow_exception(optionsFehler);
    if (!optionsManager) ThrowFehler(0, nullptr, 0);
    return *optionsManager;
}

bool FakeKelvoApp::ShowNameDlg(const CVRMString& prompt, int kind, platform::Window* owner,
                               CVRMString& name) {
    namePrompts.push_back({prompt, kind, owner});
    if (nameAntworten.empty()) return false;
    std::optional<CVRMString> antwort = nameAntworten.front();
    nameAntworten.pop_front();
    if (!antwort) return false;
    name = *antwort;
    return true;
}

std::unique_ptr<IDlgProgress> FakeKelvoApp::CreateDlgProgress(platform::Window* parent,
                                                              unsigned titleTextId) {
    auto log = std::make_shared<FakeProgressLog>();
    log->titelId = titleTextId;
    log->parent = parent;
    progressDialoge.push_back(log);
    return std::make_unique<FakeDlgProgress>(log, abbruchBeiPump);
}

int FakeKelvoApp::answerName(const CVRMString& answer, CVRMString& name) {
    if (answer.IsEmpty()) return 0;
    name = answer;
    return 1;
}

}  // namespace testsupport
