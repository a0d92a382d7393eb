#pragma once
// What every input page promises its sheet, without a window system: the page's data
// operations (filled in by each page), the unsaved-changes question, the protection of
// library entries and the tab title. CKVSDatenPage binds it to a window.
#include <cstdint>

#include "core/value/VRMString.h"

class CKVSDatenSheetProtokoll;
class IDatenConsumer;

class CKVSDatenPageProtokoll {
  public:
    CKVSDatenPageProtokoll(int wizard, unsigned titelTextId);
    virtual ~CKVSDatenPageProtokoll();
    CKVSDatenPageProtokoll(const CKVSDatenPageProtokoll&) = delete;
    CKVSDatenPageProtokoll& operator=(const CKVSDatenPageProtokoll&) = delete;

    // Values -> controls; `reload` non-zero re-reads them from the component.
    virtual void FillPageDaten(int reload) = 0;
    // Enables the controls by edit mode.
    virtual void EnableControls() = 0;
    // Controls -> values -> database; non-zero when saved.
    virtual int SaveModifiedData() = 0;
    // 1: the page may be left, 0: it must stay. With changes the user is asked to save,
    // discard or stay; a wizard page that is not to ask keeps its changes silently.
    virtual int CancelModifiedData(int ask);
    virtual int SelectKomponente(const CVRMString& name, int ask);
    // Shows the component `name` when the master-data sheet opens for it; pages with a list
    // of components find or add the name there. The base selects it.
    virtual void SelectByName(const CVRMString& name) { SelectKomponente(name, 0); }
    virtual IDatenConsumer* GetKomponente();
    // Only heat-source pages answer (1 first source, 0 second); any other page is wrong here.
    virtual int IstErsteWQuelle();
    virtual void GetDefaultName(CVRMString& name);
    virtual void GetPageText(CVRMString& text);
    virtual void Notify(int arg);
    virtual void RecalcTarifVerteilung(float solarAnteil);
    virtual void OnOptionsChanged(int optionId);
    virtual void UpdatePageDaten2(int hint);
    virtual void UpdatePageDaten(int arg);
    virtual int IsDatenModified();
    // 1 when the entry of this name may be changed; a library entry may not, and unless
    // `quiet` the user is told so.
    virtual int CheckBiboName(const CVRMString& name, int quiet);
    virtual int PruefeDaten();
    virtual void SetPageTitle(const CVRMString& name);
    virtual void OnHelp();
    virtual void HideOkCancel(int extraId);
    virtual void ShowOkCancel(int extraId);

    // The page's kind in the sheet's page ids (0 house ... 10 first heat pump), -1 for a
    // page without one. The concrete input pages answer theirs.
    virtual int GetPageKind() const { return -1; }
    // Loads the page for the component record `key` of the project `projekt`; the heat-source
    // pages of a combined source also get the key of the second source. The input pages
    // answer it; the base has nothing to load.
    virtual void LoadKomponente(const CVRMString& /*key*/, const CVRMString& /*projekt*/,
                                const CVRMString& /*zweiterKey*/) {}
    // A new entry name for the page's lists (the first heat-source page takes new names).
    virtual void AddListenEintrag(const CVRMString& /*name*/) {}
    // In the wizard a page's save only takes its entries over; the wizard's Finish writes
    // what its pages took over. Pages that write nothing have nothing to do.
    virtual void SchreibeUebernommene() {}

    CKVSDatenSheetProtokoll& GetDatenSheet() const;
    CKVSDatenSheetProtokoll* Sheet() const { return m_sheet; }
    // The page's Cancel action: the sheet closes when every page may be left.
    void SchliesseDatenSheet();
    void KomponenteGeaendert(int kind, const CVRMString& key);

    bool IstWizard() const { return m_wizard != 0; }
    unsigned TitelTextId() const { return m_titelTextId; }

  protected:
    // What the window does for the protocol.
    virtual bool HatFenster() const = 0;
    // Sets the tab title; `sofort`: the sheet's tab shows it at once.
    virtual void SetzeTitel(const CVRMString& titel, bool sofort) = 0;
    // Shows (5) or hides (0) the control of the id.
    virtual void ZeigeElement(int controlId, int showState) = 0;

  public:
    int m_modified = 0;
    int m_reserviert = 0;
    int m_wizard;
    unsigned m_frageTextId = 0;
    unsigned m_frageCaptionId = 0;
    unsigned m_titelTextId;
    int m_flag = 1;

  private:
    friend class CKVSDatenSheetProtokoll;
    CKVSDatenSheetProtokoll* m_sheet = nullptr;
};
