#pragma once
// One open project. A project is not a file but a named record of the user or library
// database: opening the document fills the project record and, through its links, the
// house, heat pump, heat source and tariff. Every change of a project goes through the
// document (SetProjektDaten*, KomponenteGeaendert, WechsleWPumpe): it loads the newly
// linked component, writes the project record at once when asked, marks every evaluation
// stale, rebuilds the input pages of its data sheet and tells its views with an update
// hint (Hinweise.h).
//
// Pages and dialogs reach the active document through the application
// (`GetKelvoAppObjekt().GetAktivesKelvoDoc()`, or `GetKelvoApp().GetAktDokument(quiet)` as
// the model's `IKelvoDocServices`); a page of the data sheet reaches its own document
// through the sheet's document. A view registers with AddView and receives the hints in
// IKelvoView::OnUpdate.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/doc/ErgebnisDaten.h"
#include "core/value/VRMwerteListe.h"
#include "evaluation/AuswertManager.h"
#include "model/app/KelvoDocServices.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "platform/ui/Commands.h"

class CAuswertDaten;
struct SAuswertWerte;
struct SVDI4650Projektdaten;

class CKVSDatenPage;
class CKVSDatenSheet;
class IKelvoView;
class IDlgWait;
class QWidget;

struct SAuswertDlgDaten;

class CKelvoDoc : public IKelvoDocServices, public IDatenSheetDokument, public ui::CommandTarget {
  public:
    // Page kinds of OnEditDatenPage: the sheet's page ids, with 6 and 7 for the second
    // heat source's medium and absorber pages.
    enum SeitenArt {
        kHausSeite = 0, kWWSeite = 1, kWQ1Seite = 4, kWQ2Seite = 5, kWQ1Seite2 = 6,
        kWQ2Seite2 = 7, kProjektSeite = 8, kSolarSeite = 9,
    };

    CKelvoDoc();
    ~CKelvoDoc() override;
    CKelvoDoc(const CKelvoDoc&) = delete;
    CKelvoDoc& operator=(const CKelvoDoc&) = delete;

    // Opens the project `name`: a project that cannot be filled, or whose record is not in
    // the databases (unless it is `neu`, just created and still to be written), is reported
    // (3297) and raises the user exception; the document is then to be discarded.
    void OnOpenDocument(const CVRMString& name, bool neu = false);
    // The project's name (the document's "path").
    const CVRMString& GetPathName() const { return m_name; }
    CVRMString GetProjektName() override { return m_name; }

    // The components.
    CProjekt2& Projekt() { return m_projekt; }
    // A project value as text (the links and the notice).
    CVRMString ProjektText(TKelvoDatenID id) const {
        return const_cast<CProjekt2&>(m_projekt).GetWert(id, true).GetStringVal();
    }
    CHaus2& Haus() { return m_haus; }
    CWPumpe2& WPumpe() { return m_wpumpe; }
    CKombiWQuelle2& KombiWQuelle() { return m_kombiQuelle; }
    CTarif2& Tarif() { return m_tarif; }
    CAuswertManager& AuswertManager() { return m_auswertung; }
    // Non-zero while the heat pump is exchanged or the dimensioning wizard runs.
    int IstBeschaeftigt() const { return m_beschaeftigt; }
    void SetBeschaeftigt(int beschaeftigt) { m_beschaeftigt = beschaeftigt; }

    // Views.
    void AddView(IKelvoView* view);
    void RemoveView(IKelvoView* view);
    const std::vector<IKelvoView*>& Views() const { return m_views; }
    void UpdateAllViews(IKelvoView* sender, int hint, void* objekt = nullptr);
    // The window the document's own windows (data sheet, messages) belong to: the first
    // view's, else none.
    QWidget* ErstesViewFenster() const;
    void SetViewFenster(QWidget* fenster) { m_viewFenster = fenster; }

    // Edits (hints and saving as described above). Each answers 1 when done and 0 when
    // nothing was done or an error was reported. An empty name changes no link; the notice
    // (446) may be emptied.
    int SetProjektDaten(TKelvoDatenID id, const CVRMString& name, int speichern, int reserve = 0);
    int SetProjektDaten2(TKelvoDatenID id, unsigned wert, int speichern);
    int SetzeProjektDaten4(TKelvoDatenID id, float wert, int speichern);
    // A link whose component is in no list is cleared; the clearing is written only when
    // the project may be changed.
    void LoeseVerknuepfung(TKelvoDatenID id);
    // A page saved the component record `key` of `kind` (Hinweise.h).
    void KomponenteGeaendert(int kind, const CVRMString& key) override;
    // Exchanges the project's heat pump; false when it does not fit the heat source (4476).
    bool WechsleWPumpe(const CVRMString& name, unsigned anzahl);
    // Takes the heat pump over into the project; only while busy.
    void BroadcastWPDimDaten(const CVRMString& name, unsigned anzahl, int quellArt, int reserve,
                             int speichern);
    // 1 when a page of this project or of the master-data sheet holds unsaved changes;
    // otherwise, with `verbergen`, the sheets are hidden.
    int IsEditOpen(bool verbergen);
    // Marks this document's evaluation stale.
    void ResetAuswertung() { m_auswertung.ResetAusgewertet(); }
    // A new project's heat-source record is empty: the design gives it its first source (the
    // source's defaults, saved), whose kind the design then sets.
    void GibNeuemProjektErsteWQuelle();
    // Values of the project's records (its solar plant's too) changed but not saved go back
    // to what the database holds; the components are filled again.
    void ResetKomponenten();

    // The data sheet and its pages.
    CKVSDatenSheet& DatenSheet() { return *m_sheet; }
    bool HatSheetFenster() const { return m_sheetFenster; }
    void UpdateProjektBearbeiten(int hint);
    void UpdateSolarAnlage(int hint, int speichern);
    // Shows the data sheet with the page of `kind` (SeitenArt) active.
    void OnEditDatenPage(int kind);
    // Shows the data sheet as it is.
    void OnEditDaten();
    void RemoveDatenPage(CKVSDatenSheet& sheet, int index);
    void DeleteDatenPages(CKVSDatenSheet& sheet);
    // The page of a kind, or none (SeitenArt).
    CKVSDatenPage* GetSeite(int kind) const;
    bool HatEineSeite() const;
    // A new entry name for the first heat-source page's lists (hint 41).
    void AddWQ1ListenEintrag(const CVRMString& name);

    // IKelvoDocServices
    CProjekt2* GetProjekt() override { return &m_projekt; }
    CHaus2* GetHaus() override { return &m_haus; }
    CWPumpe2* GetWPumpe() override { return &m_wpumpe; }
    CKombiWQuelle2* GetKombiWQuelle() override { return &m_kombiQuelle; }
    int GetDimModus() override { return m_beschaeftigt; }
    bool IstProjektAenderbar(bool meldung) override { return m_projekt.IstAenderbar(meldung); }
    CWQuelle2* GetWQuelle(int erste) override;
    void WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) override;
    void MonatlicherWWbedarf(float& kWh) override;
    SDimWerte GetDimWerte(const SDimAnfrage& anfrage) override;
    void BroadcastDimDaten(const SDimDaten& daten) override;
    SDimQuellWerte BemesseErsteQuelle(const SQuellBemessung& bemessung) override;
    void SaveKomponenten() override;
    // BerechneProjekt below, then the evaluation into `ergebnisse` when given.
    SProjektRechnung BerechneProjekt(CKelvoErgebnisse* ergebnisse, bool frageSeiten,
                                     bool still) override;
    void SetProjektDaten4(TKelvoDatenID id, float wert, int speichern) override {
        SetzeProjektDaten4(id, wert, speichern);
    }
    void SetWert(TKelvoDatenID id, const CVRMwert& value) override;
    void ErstelleReport(bool frageSeiten, int unbenutzt, bool drucken) override;

    // IDatenSheetDokument: the solar-gain share of the heating (SolarenHeizanteil).
    float GetSolarAnteil() override { return SolarenHeizanteil(); }

    // The project calculation (KelvoDocRechnung.cpp). BerechneProjekt checks the project
    // and its design with the user's messages and answers 1 when the project can be
    // evaluated, 0 after a failed check, a refusal of the user or an error (reported);
    // `ausreichend` becomes 0 when a heat source is designed too small. `frageSeiten` asks
    // about data pages with unsaved changes; `still` (also while the wait window shows)
    // keeps the messages closed, except those of an incomplete or inconsistent project
    // while the wait window shows, and skips the design part. Every call leaves the
    // evaluation stale, so that the next one runs afresh.
    int BerechneProjekt(int& ausreichend, int frageSeiten, int still);
    // 1 when the flow in the collector of the first (or second) source is acceptable;
    // too slow shows 3288 and opens the source's page.
    int CheckReynoldsZahl(int ersteQuelle);
    // The design test of a heat source with the current entries of its two pages (each a
    // CQuellenEingaben); the result shows in the design-test dialog (KelvoDocAuslegungTest.cpp).
    void DoAuslegungTestWQ(CKVSDatenPage* medium, CKVSDatenPage* absorber);
    // Raises 3119 when the heat pump cannot reach the house's flow temperature.
    void CheckVorlaufTempWP();
    // Warns (3409) about a brine-pump wattage that direct evaporation ignores.
    void CheckSolepumpenLstg(int meldungen);
    // 1 when heat pump and heat sources fit; 0 after message 3126.
    int PruefeWPundWQ();
    // True when the year's running hours fit in the unblocked hours; else message 5690.
    bool PruefeLaufzeit(const CKelvoErgebnisse& ergebnisse);
    // The design values at the dimensioning-point temperature `t` for the first source's
    // operating mode; `ohneLeistung`: only the design flow temperature.
    SDimWerte GetDimWerte(float t, int anzahlWP = 1, bool ohneLeistung = false);
    using IKelvoDocServices::GetDimWerte;
    // The source temperature at the design point; 0 without heat pump, house and source.
    float GetDimQuellTemp();
    // The heat pump's source-side output (kW) at the design point and its yearly source
    // energy (kWh) for one heat source; with `mitGewinnen` the energy comes from the yearly
    // evaluation, less what the solar plant feeds into the ground.
    void KaelteLeistungen(float& e1, float& e2, CWPumpe2* wpumpe, float vorlauf, float ruecklauf,
                          float vorlaufDim, float tq, CWQuelle2& quelle, bool mitGewinnen,
                          const CVRMString& ort);
    // The house's mean heating demand of a month (kW); with `durchWP` the part the heat
    // pump covers at the source temperature `quellTemp`.
    float MomHeizbedarf(int monat, float quellTemp, bool durchWP);
    // The month's flow temperature with the tariff's blocking-time factor.
    float MomVorlaufTemp(int monat);
    // The share of solar heat in the heating, percent: house value 201 over itself plus the
    // year's heating demand; 0 when both are 0 or on error (3122 shown).
    float SolarenHeizanteil();
    // The computed defrosting energy of the year, rounded; 0 when the project cannot be
    // calculated.
    unsigned GetAuswertKennzahl();
    bool IstKonstanteVorlaufTemp();
    // The control unit's electricity of a year, kWh.
    float GetRleistEnergie();
    // The hot-water tank's reheating temperature, °C; 0 without house or heat pump.
    int GetWawaNachheizTemp();
    bool IstDirektverdampfer();

    // The evaluation and its results (KelvoDocAuswertung.cpp).
    // Evaluates the year unless that was done for the key, and copies the monthly results.
    void RunAuswertung(CKelvoErgebnisse& ergebnisse, uint16_t key, float wwEnergie);
    // Evaluates and sums the year into `record` and the monthly heat-pump electricity.
    void GetAuswertDaten(CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                         std::array<float, 12>& monatsSummen, uint16_t key, float wwEnergie);
    // The calculation with its messages, then GetAuswertDaten; 0 when the calculation
    // refused or an error was reported (3125).
    int GetJahresErgebnisse(CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                            std::array<float, 12>& monatsSummen, uint16_t key, float wwEnergie);
    // Whether the hot water has stand-by or circulation losses to work with; `meldung`
    // becomes the text to show (5641, 5642) or 0.
    bool CheckWarmwasserVerluste(unsigned& meldung);
    // The curves of the energy-coverage chart; false when they cannot be made.
    bool getEnergiedeckungDaten(SEnergiedeckung& daten);
    // The checks of the expenditure factor with their messages (a bivalent plant, no hot
    // water, no hot-water losses, then the project calculation); false ends the command.
    bool PruefeAufwandszahl();
    // The expenditure factor's inputs: the year with the project's values and once under
    // reference conditions. 0 (nothing computed) for a bivalent plant. The house values the
    // reference run changes are put back on every path.
    int BerechneAufwandszahl(SAufwandszahlDaten& daten, int medium);
    // The result commands whose windows come with the result charts: each runs the checks
    // and the calculation, then hands its data to `zeige`; an error is reported (3125).
    // The expenditure factor (32814): PruefeAufwandszahl, then BerechneAufwandszahl.
    void OnAufwandszahl(const std::function<void(const SAufwandszahlDaten&)>& zeige);
    // The energy coverage (40001), with the chart's title (6038 without solar gains, 6017).
    void OnEnergiedeckung(const std::function<void(const SEnergiedeckung&, unsigned titel)>& zeige);
    // Before the heat-source results (32852): the calculation and, for a field of 25 probes
    // or more, the note that they are taken not to influence each other. False ends it.
    bool PruefeQuellErgebnisse();
    // The yearly-results command: the calculation, then the evaluation dialog.
    void OnJahresErgebnisse();
    // The VDI 4650 calculator for this project (modus 0 or 1); `parent` may be none.
    void DoVDI4650(int modus, QWidget* parent);
    // The first source's own monthly temperatures are in use (value 267).
    bool HatUserQuellTemps();
    // The mean source temperature of the months `von` to `bis` (0..11, past December when
    // `bis` < `von`): the user's temperatures, else the evaluated brine temperatures (the
    // ground's with direct evaporation); `mitZuschlag` adds half the evaporator spread.
    float GetMittlereQuellTemp(bool mitZuschlag, int von, int bis);
    // The VDI 4650 short method covers the project's plant.
    bool IstVDI4650Moeglich();
    // The VDI 4650 inputs of the project; false (message shown) when a check refused.
    bool GetVDI4650Daten(SVDI4650Projektdaten& daten);

    // Closing (KelvoDocSchliessen.cpp). SaveModified answers 0 when a page with unsaved
    // changes keeps the project open; OnCloseDocument lets the pages and the sheet go.
    int SaveModified();
    void OnCloseDocument();

    // The second heat source of the combined source (KelvoDocZweiteQuelle.cpp).
    void OnAddWQuelle2();
    void OnDelWQuelle2();
    bool KannWQuelle2Hinzufuegen();
    bool KannWQuelle2Loeschen();

    // The report command (KelvoDocReport.cpp): the template by the project's sources, then
    // ErstelleReport.
    void OnReport();

    // The dimensioning wizard (KelvoDocDimensionierung.cpp).
    void DoDimensionierung();

    // The document's commands (KelvoDocBefehle.cpp): its data pages and the commands other
    // windows registered for a project.
    bool onCommand(int id) override;
    bool onUpdateCommand(int id, ui::CommandState& state) override;

    // The comparison sheet (KelvoDocKosten.cpp): with empty picture names shown modally,
    // opening on the operating costs (modus 1) or the economics (modus 2); otherwise built
    // hidden to write the chart of the operating costs (modus 1) or the economics (modus 2)
    // with `bild1` as the picture's base, its file name into `bild2`. 0 after an error
    // (3430) or a refused calculation.
    int InitWirtschaftPages(CVRMString& bild1, CVRMString& bild2, int modus);
    // The figures the operating-cost page takes (its values 1..23).
    std::array<uint32_t, 23> KostenVergleichsWerte();
    // The evaluation dialog's figures of the year `jahr` (also the cost comparison's).
    SAuswertDlgDaten AuswertDlgDaten(const CAuswertDaten& jahr);

    // The wait window the document shows while it prepares a report; none until one is
    // given (the application gives the program's wait dialog).
    void SetWarteDialog(std::unique_ptr<IDlgWait> dialog);
    IDlgWait* WarteDialog() const { return m_warten.get(); }
    // The wait window is there and shows.
    bool IstWarteFensterSichtbar() const;

  private:
    // BerechneProjekt's steps after its start (KelvoDocRechnung.cpp).
    class CMeldungen;
    int PruefeUndRechne(int& ausreichend, int frageSeiten, bool still, CMeldungen& meldungen);
    bool PruefeQuellenKombination(int t, bool still, CMeldungen& meldungen);
    void PruefeSolarEinspeiseTemp();
    void PruefeAuslegung(int& ausreichend, const SDimWerte& dim);
    bool TesteQuelle(CWQuelle2& quelle, float tq, float v, bool mitZusatz);
    void PruefeKuehlung();
    SAuswertWerte LeseAuswertWerte();
    // The VDI 4650 checks, in order; the first that fails is raised.
    void PruefeVDI4650(SVDI4650Projektdaten& d);
    // Project value 457 after a saved component of `kind`.
    void AktualisiereAbtauEnergie(int kind);
    void FuelleKomponenten();
    static bool HatWQuelleDaten(const CVRMString& name);
    // Whether the user database or the library holds a record of the project.
    static bool HatProjektRecord(const CVRMString& name);
    void ErsterQuelleKlimaort();
    // Page builders of UpdateProjektBearbeiten.
    void BaueSeiten(int hint);
    void InitSolarPage(int hint);
    void InitWQuelle1Pages(int hint);
    void InitWQuelle2Pages(int hint);
    // Creates the page of `wunsch` into `zeiger`, adds it to the data sheet; false when no
    // maker exists for the kind.
    bool ErzeugeSeite(CKVSDatenPage*& zeiger, int kind, bool ersteQuelle = true);
    void LadeSeite(CKVSDatenPage* seite, const CVRMString& key, const CVRMString& zweiterKey = {});
    void ErzeugeSheetFenster();
    CVRMString QuellenSchluessel(bool erste) const;
    CKVSDatenPage** SeitenZeiger(CKVSDatenPage* seite);
    void PruefeProjektAenderbar() const;

    CVRMString m_name;
    // The ten page pointers; each non-null one names a page the data sheet holds.
    CKVSDatenPage* m_projektSeite = nullptr;
    CKVSDatenPage* m_wq1Seite = nullptr;
    CKVSDatenPage* m_dimSeite = nullptr;
    CKVSDatenPage* m_hausSeite = nullptr;
    CKVSDatenPage* m_wwSeite = nullptr;
    CKVSDatenPage* m_wq2Seite = nullptr;
    CKVSDatenPage* m_wq1Seite2 = nullptr;
    CKVSDatenPage* m_wq2Seite2 = nullptr;
    CKVSDatenPage* m_solarSeite = nullptr;
    CKVSDatenPage* m_tarifSeite = nullptr;
    std::unique_ptr<CKVSDatenSheet> m_sheet;
    bool m_sheetFenster = false;
    CWPumpe2 m_wpumpe;
    CKombiWQuelle2 m_kombiQuelle;
    CHaus2 m_haus;
    CTarif2 m_tarif;
    CProjekt2 m_projekt;
    std::unique_ptr<IDlgWait> m_warten;
    CVRMwerteListe m_werte;
    CAuswertManager m_auswertung;
    int m_beschaeftigt = 0;
    // The project calculation runs: its own evaluations (the design test with solar,
    // exhaust-air or cooling gains) are thrown away at its end and warn of nothing; the
    // command's evaluation after it does, once.
    bool m_rechnetProjekt = false;
    std::vector<IKelvoView*> m_views;
    QWidget* m_viewFenster = nullptr;
};
