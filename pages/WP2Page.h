#pragma once
// The heat-pump data page of the master-data sheet (template 142): the heat pump's kind
// (source medium), the flow through the source, the minimum outdoor temperature of air
// units, the pump powers, the intermediate heat exchanger of water/water units, what the
// performance data of air units include, and the performance table, which the user edits
// in a mode of its own ("Edit table", "Save table", "Cancel edit") and which is written
// by "Save table" alone.
#include <optional>
#include <string>

#include "controls/grid/GridTypes.h"
#include "controls/small/EnablerDisabler.h"
#include "model/heatpump/WPDatenArray.h"
#include "pages/WPSeite.h"
#include "pages/WPTabelleLogik.h"

class CGridCtrl;

class CWP2Page : public CWPSeite {
  public:
    static constexpr int kIDD = 142;
    static constexpr int kIdArt = 1093, kIdTextFluss = 1335, kIdFluss = 1163, kIdTextMinLuft = 1337,
                         kIdMinLuft = 1216, kIdTextMaxVorlauf = 2041, kIdMaxVorlauf = 1102,
                         kIdTextPumpe = 1230, kIdLeistungSP = 1096, kIdTextUP = 2042,
                         kIdLeistungUP = 1097, kIdTextZKWT = 2199, kIdZKWTverlust = 1071,
                         kIdTextZKWTpumpe = 2200, kIdZKWTpumpe = 1072, kIdAVE = 2233, kIdVSE = 2235,
                         kIdTabellenRahmen = 1347, kIdTabelle = 2002, kIdTabelleBearbeiten = 1064,
                         kIdTabelleSpeichern = 1066, kIdBearbeitenAbbrechen = 1067;
    // The grid's header rows and the first data row.
    static constexpr int kErsteDatenZeile = wptabelle::kKopfZeilen;

    CWP2Page();
    ~CWP2Page() override;

    void FillPageDaten(int reload) override;
    int SaveModifiedData() override;
    int IsDatenModified() override;
    void OnOptionsChanged(int optionId) override;
    bool onSetActive() override;

    // The grid of the performance table (none before the page opens).
    CGridCtrl* Tabelle() const { return m_tabelle; }
    const CWPDatenArray& Saetze() const { return m_saetze; }
    bool TabelleBearbeitet() const override;

    // Members of the data exchange.
    int m_kind = -1;
    float m_fluss = 0.0f;
    int m_minLuft = 0;
    unsigned m_maxVorlauf = 20, m_leistungSP = 0, m_leistungUP = 0, m_zkwtVerlust = 0, m_zkwtPumpe = 0;
    int m_ave = 0, m_vse = 0;
    float m_mdv = 0.0f;
    std::u16string m_textFluss, m_textPumpe;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> ErklaerTexte() const override { return {}; }
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool Befehl(int id) override;
    void LadeZusatz() override;
    void NachVerwerfen() override { BearbeitenAbbrechen(); }

  private:
    void ErzeugeTabelle();
    // Held records -> cells; the coefficients of performance follow.
    void FillTabelle();
    void LeereDatenZellen();
    // Labels, groups and the rating row by the kind; the table-edit group by the edit state.
    void ArtAnzeige();
    void FaerbeNennZeile();
    void ZeigeBearbeitung();
    void LeseFarben();

    void KindGewaehlt();
    void TabelleBearbeiten();
    void TabelleSpeichern();
    void BearbeitenAbbrechen();

    CWPDatenArray m_saetze{wptabelle::kDatenZeilen};
    CGridCtrl* m_tabelle = nullptr;
    CEnablerDisabler m_wwGruppe, m_luftGruppe, m_tabellenGruppe;
    // Cell colours as the grid keeps them (0x00bbggrr).
    grid::Colour m_farbeGrund = ui::rgb(255, 255, 255).value, m_farbeNenn = ui::rgb(0, 255, 0).value;
};
