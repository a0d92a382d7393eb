#pragma once
// What the two heat-pump pages of the master-data sheet share: the loaded heat pump's value
// list; the heat-pump list (1100) that each page carries and that switches both pages
// together; library protection of every edit; the question before a switch; and, when the
// sheet was opened from the project window, following the active project's heat pump.
//
// A switch on one page lets the other page switch first (ChangeWPumpe); when either keeps
// its unsaved changes, both lists show the old heat pump again.
#include <string>
#include <vector>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheetProtokoll.h"
#include "core/value/VRMwerteListe.h"
#include "dialogs/DlgTexte.h"

namespace ui {
class DataExchange;
}

class CWPSeite : public CKVSDatenPage {
  public:
    static constexpr int kIdSpeichern = 1, kIdSchliessen = 2, kIdHilfe = 57670;
    static constexpr int kIdListe = 1100;

    struct SArt {
        int templateId;
        unsigned titelTextId;
        int seitenId;       // this page's id in the sheet
        int andereSeite;    // the other heat-pump page's id
        const char16_t* hilfeThema;
        const char16_t* traceTitel;
    };

    explicit CWPSeite(const SArt& art);

    int GetPageKind() const override { return m_art.seitenId; }
    std::u16string HilfeThema() const override { return m_art.hilfeThema; }
    void GetDefaultName(CVRMString& name) override;
    // "Master data - <selected heat pump>".
    void GetPageText(CVRMString& text) override;
    int SelectKomponente(const CVRMString& name, int add) override;
    int CancelModifiedData(int ask) override;
    void SelectByName(const CVRMString& name) override;
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void EnableControls() override;
    bool onSetActive() override;
    bool onKillActive() override;
    // Master data > New heat pump (arg 1): a heat pump of the user's own, named by the user,
    // made from the one shown and opened on both pages.
    void Notify(int arg) override;

    // Adds a name to the heat-pump list when it is missing (kept sorted).
    void AddWPumpe(const CVRMString& name);

    // The loaded heat pump (the record the page edits) and the name the list shows.
    CVRMString Geladen() const { return m_werte.getName(); }
    const std::u16string& Auswahl() const { return m_auswahl; }
    const CVRMwerteListe& Werte() const { return m_werte; }

  protected:
    // The page's own part of opening (after the list is filled): what to show or hide.
    virtual void InitSeite() = 0;
    virtual std::vector<SDlgText> Texte() const = 0;
    virtual std::vector<int> ErklaerTexte() const = 0;
    // Edits whose typing and check boxes whose click are edits of the heat pump.
    virtual std::vector<int> Aenderungen() const = 0;
    // Members <-> controls; a refused entry raises the user exception.
    virtual void Austausch(ui::DataExchange& dx) = 0;
    virtual bool Befehl(int /*id*/) { return false; }
    // While true, the heat pump is not switched and the list stays disabled.
    virtual bool TabelleBearbeitet() const { return false; }
    // After LoadKomponente took the value list, before FillPageDaten.
    virtual void LadeZusatz() {}
    // After the user's changes were thrown away (the answer No).
    virtual void NachVerwerfen() {}
    // After an accepted edit of control `id`.
    virtual void NachAenderung(int /*id*/) {}

    // The value `id` of the loaded heat pump; an id its record lacks is entered with its
    // default, so that an incomplete record still shows and saves.
    CVRMwert& Wert(TKelvoDatenID id);
    // The library rule for the loaded heat pump (message 4328 unless `still`).
    bool DarfAendern(bool still = false) { return CheckBiboName(Geladen(), still ? 1 : 0) != 0; }
    // Members to controls (window only); controls to members, false when an entry was
    // refused (its message shown).
    void ZeigeWerte();
    bool LeseWerte();
    // Controls to members without the range checks, so that the user's entries survive a
    // reload of the controls; only a save checks the ranges.
    bool LeseEingaben();
    // False while the controls are read without range checks.
    bool PruefeBereiche() const { return m_bereichePruefen; }
    // The speichern steps both pages share after their own checks: stale results, trace,
    // write, modified flag, report. False (after 3094) for a library heat pump the database
    // cannot keep: nothing written, the page stays modified. A write taken back (now or at
    // the end of the user action) leaves the page modified and the record at its stored
    // values.
    bool SchreibeUndMelde();

    void onInitPage() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    void doDataExchange(ui::DataExchange& dx) final;

    CVRMwerteListe m_werte;
    std::u16string m_auswahl;
    int m_austauschFehler = 0;

  private:
    bool m_bereichePruefen = true;
    // The record's values that the page set and no write kept go back to the stored ones:
    // the record is shared with the value store, and projects compute with it.
    void NimmUngespeicherteZurueck();
    void Einrichten();
    void FuelleListe();
    void Geaendert(int id);
    // The user chose another heat pump in the list.
    void WPumpeGewaehlt();

    SArt m_art;
    bool m_eingerichtet = false;
};
