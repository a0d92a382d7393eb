#pragma once
// What every input page that edits component records does the same way: opening, the one
// change handler, the save sequence, leaving with unsaved changes, the protection of
// library entries and the embedded (wizard) mode. A page derives from CEingabeSeite and
// fills in the steps; it never writes its own save sequence.
//
//   class CHausPage : public CEingabeSeite {
//     public:
//       CHausPage(int eingebettet)
//           : CEingabeSeite({130, 3148, 3163, komponente::kHaus, u"datenhaus"}, eingebettet) {}
//       void FillPageDaten(int reload) override;        // lists -> members -> ZeigeWerte()
//     protected:
//       void InitSeite() override;                      // FillPageDaten, what to show or hide
//       // Members <-> controls; a refused entry throws, the pattern keeps the flag.
//       void Austausch(ui::DataExchange& dx) override { dx.floating(1000, m_heizlast, 0, 10000); }
//       std::vector<SDlgText> Texte() const override { return {{1442, 4618, true}, ...}; }
//       std::vector<int> Aenderungen() const override { return {1000, 1002, 1004, ...}; }
//       bool PruefeEingaben() override;                 // the page's own checks (messages)
//       bool DarfSpeichern() override {                 // library rule (default CheckBiboName)
//           return DarfKomponenteAendern(0, m_haus.getName());
//       }
//       void UebernimmWerte() override;                 // members -> lists
//       std::vector<SSpeicherListe> Listen() override { return {{&m_haus, u"Haus-Daten HausPage", 1}}; }
//       CVRMString SatzName() const override { return m_haus.getName(); }
//       bool Befehl(int id) override;                   // the page's own buttons
//       void NachSpeichern() override;                  // after a save, before it is reported
//   };
//   RegistriereDatenSeite(CKVSDatenSheetProtokoll::kHaus, [](const SSeitenWunsch& w) {
//       return std::unique_ptr<CKVSDatenPage>(std::make_unique<CHausPage>(w.wizard));
//   });
//
// Opening (onInitPage): refused while the program is closing or a long calculation runs
// (the sheet then stays where it is, and the page opens on its next activation);
// explanation labels get their colours, the page initialises (InitSeite: FillPageDaten,
// what to show), EnableControls, Save and Close are shown with Help (not when embedded),
// and every text comes from the language table (Texte(), plus Save 4378, Close 3717 and
// Help 5178). The edits and check boxes of Aenderungen() then mark the page modified when
// the user changes them (typed text, a click; never a value the page sets itself).
//
// Save (button 1, the Yes of the leave question, the wizard's steps): SaveModifiedData
// runs nothing when unmodified; else reads the controls (a refused entry: FALSE, the page
// keeps the entries), the page's checks, the library rule (a library record that the user
// database cannot hold: 3094), marks every evaluation stale, takes the members into the
// lists, traces them, writes them unless embedded, clears the modified flag and reports the
// record to the sheet (KomponenteGeaendert). Everything the page writes on the way reaches
// the user database file in one write, or nothing does. A reported error on the way leaves
// the page modified and answers FALSE.
//
// Close (button 2): every page of the sheet is asked whether it may be left (Cancel stays,
// No restores the stored values, Yes saves); then the sheet hides.
#include <string>
#include <vector>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheetProtokoll.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"
#include "dialogs/DlgTexte.h"
#include "platform/ui/Colour.h"

class CKelvoDoc;
class CVRMwerteListe;

class CEingabeSeite : public CKVSDatenPage {
  public:
    // Buttons every input page carries.
    static constexpr int kIdSpeichern = 1, kIdSchliessen = 2, kIdHilfe = 57670;
    // Explanation texts: this colour on that background.
    static constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
    static constexpr ui::ColourRef kErklaerGrund = ui::rgb(223, 233, 244);

    struct SSeitenArt {
        int templateId;
        unsigned titelTextId;  // the page's title, also the caption of its question
        unsigned frageTextId;  // "Save changed ... data?"
        int komponente;        // what KomponenteGeaendert reports (Hinweise.h)
        const char16_t* hilfeThema;
    };
    // A list the save sequence writes: traced with its caption (none: not traced), written
    // with `flush`.
    struct SSpeicherListe {
        const CVRMwerteListe* liste;
        const char16_t* traceTitel;
        int flush;
    };

    CEingabeSeite(const SSeitenArt& art, int eingebettet);

    bool IstEingebettet() const { return IstWizard(); }
    bool AustauschFehlgeschlagen() const { return m_austauschFehler != 0; }

    // The one change handler: once the window exists, the page is modified and its
    // controls follow.
    void Geaendert();

    // The save sequence (see above). Pages fill its steps.
    int SaveModifiedData() final;
    // Button 1 saves; the button follows the modified flag. Pages call it from theirs.
    void EnableControls() override;
    void onOK() override;
    // Button 2; the house page discards the document's unsaved component changes first.
    virtual void OnSchliessen();

    // Embedded: writes the lists of the last save that took entries over, once.
    void SchreibeUebernommene() override;

    void GetDefaultName(CVRMString& name) override;
    void GetPageText(CVRMString& text) override;
    std::u16string HilfeThema() const override { return m_art.hilfeThema; }
    bool onSetActive() override;
    bool onKillActive() override;

  protected:
    // Opening: the page's own part (FillPageDaten, what is shown for the component's kind);
    // the pattern then enables, shows the buttons and sets the texts.
    virtual void InitSeite() = 0;
    // Every label, group and button text of the page (Save, Close and Help come from the
    // pattern).
    virtual std::vector<SDlgText> Texte() const = 0;
    // Labels drawn as explanations.
    virtual std::vector<int> ErklaerTexte() const { return {}; }
    // Edits whose typing and check boxes whose click mark the page modified.
    virtual std::vector<int> Aenderungen() const = 0;
    // Members <-> controls. A refused entry raises the user exception; the pattern keeps
    // it in the exchange-failed flag.
    virtual void Austausch(ui::DataExchange& dx) = 0;
    // The page's checks before anything is written: false after the page's message.
    virtual bool PruefeEingaben() { return true; }
    // Whether the record may be written: by default a library entry may not (4328).
    virtual bool DarfSpeichern();
    // Members into the lists by data id.
    virtual void UebernimmWerte() = 0;
    // The lists to trace and (not embedded) to write, in order.
    virtual std::vector<SSpeicherListe> Listen() = 0;
    // After the modified flag is cleared, before the change is reported.
    virtual void NachSpeichern() {}
    // The record whose change is reported.
    virtual CVRMString SatzName() const = 0;
    // The page's own buttons and check boxes with handlers; true when handled.
    virtual bool Befehl(int /*id*/) { return false; }

    // The document of the sheet; a sheet without a project document is a program error.
    CKelvoDoc& Dokument() const;
    // The library rule of a component of kind `art` (0 house, 2 heat source, 9 solar
    // plant, ...) in the page's own project: a library project refuses first (4295), then a
    // library component (5368). True when the record may be written.
    bool DarfKomponenteAendern(int art, const CVRMString& name) const;
    // Members to controls, when the window exists.
    void ZeigeWerte();
    // Controls to members; false when an entry was refused (message shown).
    bool LeseWerte();
    // A value the page's save gives the project's solar plant (from UebernimmWerte): written
    // with the page's records; embedded, only taken over into memory (a cancelled design
    // takes it back with the project's components) and written with the design.
    void SetzeSolarWert(const CVRMString& anlage, TKelvoDatenID id, const CVRMVariant& wert);

    void onInitPage() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    void doDataExchange(ui::DataExchange& dx) final;

  private:
    // The pattern's part of opening; once, also when the opening was refused at first.
    void Einrichten();
    bool Speichere();
    void VerbindeAenderungen();
    void FaerbeErklaerungen();

    SSeitenArt m_art;
    int m_austauschFehler = 0;
    bool m_eingerichtet = false;
    // Embedded: entries taken over that the wizard's Finish has still to write.
    bool m_uebernommen = false;
    struct SSolarWert {
        CVRMString anlage;
        TKelvoDatenID id;
        CVRMVariant wert;
    };
    std::vector<SSolarWert> m_solarWerte;
};
