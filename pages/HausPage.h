#pragma once
// The house page (template 130): the building record of a project: the design heat load
// (with an estimate from the yearly heat demand, the heating-load dialog and an external
// calculation program), internal and solar gains, the maximum flow and return
// temperatures, the heating kinds with their degrees of supply and exponents, the climate
// location with its design outdoor and heating limit temperatures, the indoor design and
// the minimum return temperature. Saving also gives the heat source the location's ground
// temperatures and the solar plant the flow temperature, and lets the project page
// recompute its tariff shares.
#include <memory>
#include <optional>
#include <string>

#include "controls/small/EnablerDisabler.h"
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/HausPageLogik.h"

class CHaus2;

class CHausPage : public CEingabeSeite {
  public:
    static constexpr int kIDD = 130;
    static constexpr int kIdHeizlast = 1000, kIdJahresBedarf = 1654, kIdSchaetzen = 1655,
                         kIdRegeln = 1001, kIdExtern = 5304;  // not a text id
    static constexpr int kIdGewinnIntern = 1094, kIdGewinnSolar = 1095;
    static constexpr int kIdVorlauf = 1002, kIdRuecklauf = 1003;
    static constexpr int kIdArt[3] = {1004, 1005, 1006}, kIdDeckung[3] = {1007, 1008, 1009},
                         kIdExponent[3] = {1036, 1037, 1038};
    static constexpr int kIdKlimaort = 1010, kIdNAT = 1011, kIdGrenzTemp = 1035;
    static constexpr int kIdRaumTemp = 1042, kIdMRU = 1108, kIdTextMRU = 1932;

    explicit CHausPage(int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kHaus; }
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    void UpdatePageDaten(int arg) override;
    void OnSchliessen() override;
    bool onSetActive() override;

    // Members of the data exchange.
    float m_heizlast = 0.0f, m_jahresBedarf = 0.0f;
    unsigned m_gewinnIntern = 0, m_gewinnSolar = 0;
    float m_vorlauf = 20.0f, m_ruecklauf = 20.0f;
    SHeizarten m_arten;
    float m_exponent[3] = {0.0f, 0.0f, 0.0f};
    CVRMString m_klimaort;
    float m_nat = 0.0f;
    unsigned m_grenzTemp = 0, m_raumTemp = 20, m_mru = 0;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool PruefeEingaben() override;
    bool DarfSpeichern() override;
    void UebernimmWerte() override;
    std::vector<SSpeicherListe> Listen() override;
    void NachSpeichern() override;
    CVRMString SatzName() const override { return m_haus.getName(); }
    bool Befehl(int id) override;

  private:
    // The flow temperature against the return and the heat pump (3120, 3121 raised).
    void CheckVorlaufTemp();
    // The heat pump's maximum flow temperature at the design point, when it is asked.
    std::optional<int> MaxVorlaufWP();
    bool Beschaeftigt() const;
    // The members into a list of the house.
    void SchreibeWerte(CVRMwerteListe& liste) const;
    // A house of the page's current entries (after the controls were read).
    std::unique_ptr<CHaus2> HausDerEingaben() const;
    void SchreibeSolaranlage();
    static bool DarfSchreiben(const CVRMString& satz);
    void ZeigeZahl(int id, float wert);
    void ZeigeKlimaort();

    void OnSchaetzen();
    void OnRegeln();
    void OnKlimaort();
    void OnExtern();

    CVRMwerteListe m_haus, m_quelle;
    CEnablerDisabler m_heizlastGruppe;
    // The flow temperature last saved, rounded.
    int m_letzterVorlauf = 20;
};

// Registers the page for the project's data sheet (page kind 0).
void RegistriereHausPage();
