#pragma once
// The project page (template 174): the values of a project that belong to no component:
// the customer's address (kept in the house record), how the heat pump's running time
// splits between day and night tariff, the defrosting energy of an air heat pump, pump
// powers and running times, the temperature differences at evaporator and condenser and
// the heat pump's control unit. The document builds it into the project's data sheet.
#include <string>

#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/ProjektPageLogik.h"

class CProjektPage : public CEingabeSeite {
  public:
    static constexpr int kIDD = 174;
    // Controls.
    static constexpr int kIdName = 1222, kIdStrasse = 1223, kIdOrt = 1224;
    static constexpr int kIdBerechneAnteile = 1221, kIdTag = 1055, kIdNacht = 1056;
    static constexpr int kIdAbtauen = 1152, kIdBerechneAbtauen = 1724;
    static constexpr int kIdLaufzeitHUP = 1326, kIdLeistungSP = 1096, kIdLeistungHUP = 1097;
    static constexpr int kIdDiffVerdampf = 1126, kIdDiffVerfluess = 1127, kIdZwischen = 2445;
    static constexpr int kIdLeistHUPk = 1162, kIdLaufHUPk = 1158, kIdRleist = 1143, kIdRlauf = 2238;
    static constexpr int kIdTextQuellpumpe = 1923, kIdTextVentilator = 1932;

    explicit CProjektPage(int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kProjekt; }
    // The document names the project on creation and on hints 60, 19, 20 and 22: the page
    // takes the project's lists anew, unless it holds unsaved changes.
    void SetPageTitle(const CVRMString& name) override;
    void UpdateFromDokument(const CVRMString& projekt);
    void FillPageDaten(int reload) override;
    void EnableControls() override;
    // The solar-gain share (negative: the document's) sets the shares when the page
    // computes them.
    void RecalcTarifVerteilung(float solarAnteil) override;
    // A page with unsaved entries keeps them; after a change of heat pump it asks about
    // them first. Otherwise it shows the record anew.
    void UpdatePageDaten2(int hint) override;
    bool onSetActive() override;

    // Members of the data exchange.
    std::u16string m_name, m_strasse, m_ort;
    STarifAnteile m_anteile;
    int m_berechneAnteile = 0;
    std::u16string m_abtauen;
    unsigned m_laufzeitHUP = 0, m_leistungSP = 0, m_leistungHUP = 0;
    float m_diffVerdampf = 0.0f, m_diffVerfluess = 0.0f;
    unsigned m_zwischenVerluste = 0;
    int m_berechneAbtauen = 0;
    unsigned m_leistHUPk = 0, m_laufHUPk = 0, m_rleist = 0;
    int m_rlauf = 0;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> ErklaerTexte() const override;
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool PruefeEingaben() override;
    bool DarfSpeichern() override;
    void UebernimmWerte() override;
    std::vector<SSpeicherListe> Listen() override;
    void NachSpeichern() override;
    CVRMString SatzName() const override { return m_projekt.getName(); }
    bool Befehl(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The heat pump's medium, 0 without a valid heat pump.
    int Medium() const;
    bool HatTarif(TKelvoDatenID id) const;
    // Shares by the tariff, their edits, and the source-pump label by the medium.
    void TarifFreigabe();
    // The defrosting controls and the fan notice by the heat pump.
    void MediumFreigabe();
    // The day share computed from the solar-gain share, when the page computes it.
    void TagesAnteil(float solarAnteil);
    // The computed shares into the project record, written at once; never for a project
    // the user may not change.
    void SchreibeAnteile();
    void AbtauenVerlassen();
    void OnBerechneAnteile();
    void OnBerechneAbtauen();

    // The values the heat pump gives the project, as the page loaded them.
    struct SWPWerte {
        float diffVerdampf = 0.0f, diffVerfluess = 0.0f;
        unsigned zwischenVerluste = 0, leistungSP = 0, leistungHUP = 0, leistHUPk = 0, laufHUPk = 0;
    };
    SWPWerte WPWerte() const;

    CVRMwerteListe m_projekt, m_haus, m_tarif, m_quelle;
    SWPWerte m_wpGeladen;
};

// Registers the page for the project's data sheet (page kind 8).
void RegistriereProjektPage();
