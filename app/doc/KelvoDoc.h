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
#include <memory>
#include <vector>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "core/value/VRMwerteListe.h"
#include "evaluation/AuswertManager.h"
#include "model/app/KelvoDocServices.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "platform/ui/Commands.h"

class CKVSDatenPage;
class CKVSDatenSheet;
class IKelvoView;
class IDlgWait;
class QWidget;

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

    // Opens the project `name`: a project that cannot be filled is reported (3297) and
    // raises the user exception; the document is then to be discarded.
    void OnOpenDocument(const CVRMString& name);
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
    void SaveKomponenten() override;
    SProjektRechnung BerechneProjekt(CKelvoErgebnisse* ergebnisse, bool frageSeiten,
                                     bool still) override;
    void SetProjektDaten4(TKelvoDatenID id, float wert, int speichern) override {
        SetzeProjektDaten4(id, wert, speichern);
    }
    void SetWert(TKelvoDatenID id, const CVRMwert& value) override;
    void ErstelleReport(bool frageSeiten, int unbenutzt, bool drucken) override;

    // IDatenSheetDokument
    float GetSolarAnteil() override;

    // The document's commands (KelvoDocBefehle.cpp): its data pages and the commands other
    // windows registered for a project.
    bool onCommand(int id) override;
    bool onUpdateCommand(int id, ui::CommandState& state) override;

    // The wait window the document shows while it prepares a report; none until one is
    // given (the application gives the program's wait dialog).
    void SetWarteDialog(std::unique_ptr<IDlgWait> dialog);
    IDlgWait* WarteDialog() const { return m_warten.get(); }

  private:
    void FuelleKomponenten();
    static bool HatWQuelleDaten(const CVRMString& name);
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
    std::vector<IKelvoView*> m_views;
    QWidget* m_viewFenster = nullptr;
};
