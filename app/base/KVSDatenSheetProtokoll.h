#pragma once
// What a sheet of input pages does with its pages, without a window system: closing only
// when every page may be left, finding a page by its kind, handing updates to every page,
// the title and the way changed components reach the document or the application.
#include "core/value/VRMString.h"

class CKVSDatenPageProtokoll;

// What the sheet asks of the project document it belongs to.
class IDatenSheetDokument {
  public:
    virtual ~IDatenSheetDokument() = default;
    virtual CVRMString GetProjektName() = 0;
    virtual void KomponenteGeaendert(int kind, const CVRMString& key) = 0;
    // The share of the heat demand that the solar plant covers.
    virtual float GetSolarAnteil() = 0;
};

// Where a sheet without a document (the application's master data) reports a changed
// component.
class IKomponentenEmpfaenger {
  public:
    virtual ~IKomponentenEmpfaenger() = default;
    virtual void KomponenteGeaendert(int kind, const CVRMString& key) = 0;
};

class CKVSDatenSheetProtokoll {
  public:
    // The page kinds a sheet knows; others are refused.
    enum PageKind {
        kHaus = 0, kWW = 1, kTarif = 2, kWP2 = 3, kWQ1 = 4, kWQ2 = 5,
        kProjekt = 8, kSolar = 9, kWP1 = 10,
    };

    CKVSDatenSheetProtokoll() = default;
    virtual ~CKVSDatenSheetProtokoll();
    CKVSDatenSheetProtokoll(const CKVSDatenSheetProtokoll&) = delete;
    CKVSDatenSheetProtokoll& operator=(const CKVSDatenSheetProtokoll&) = delete;

    void SetDokument(IDatenSheetDokument* dokument) { m_dokument = dokument; }
    IDatenSheetDokument& GetDokument() const;
    bool HatDokument() const { return m_dokument != nullptr; }
    void SetAnwendung(IKomponentenEmpfaenger* anwendung) { m_anwendung = anwendung; }

    // 1 when the sheet may close (it is hidden then); else the first page that must stay
    // becomes the active one.
    int CanCloseAllPages();
    void KomponenteGeaendert(int kind, const CVRMString& key);
    // The page of the kind selects the heat pump `name`; its answer, 0 after an error.
    int ChangeWPumpe(int pageId, const CVRMString& name);
    void UpdatePageDaten2(int hint);
    void UpdatePageDaten(int arg);
    void OptionsChanged(int optionId);
    int AnyPageModified();
    // The first page of the kind that is not `ausser`, or null (also after an error).
    CKVSDatenPageProtokoll* GetPageByID(int id, const CKVSDatenPageProtokoll* ausser = nullptr);
    void SetActivePageByID(int id);
    void SetCaptionFromPage(const CVRMString& text);
    void RecalcTarifVerteilung(int pageId);
    // The Help button and F1: the active page's help.
    void HilfeZurAktivenSeite();

    // What the window does for the protocol.
    virtual int AnzahlSeiten() const = 0;
    // The data page at `index`, or null when the page there is none.
    virtual CKVSDatenPageProtokoll* DatenSeite(int index) const = 0;
    virtual int AktiverIndex() const = 0;
    virtual bool Aktiviere(int index) = 0;
    virtual void Verberge() = 0;
    virtual void SetzeTitel(const CVRMString& titel) = 0;

  protected:
    // Links a page to this sheet (AddDatenPage of the window class does the rest).
    void Verbinde(CKVSDatenPageProtokoll* page);
    int IndexVon(const CKVSDatenPageProtokoll* page) const;

  private:
    CKVSDatenPageProtokoll& SeiteAn(int index) const;
    CKVSDatenPageProtokoll* SucheSeite(int id, const CKVSDatenPageProtokoll* ausser);

    IDatenSheetDokument* m_dokument = nullptr;
    IKomponentenEmpfaenger* m_anwendung = nullptr;
};
