#pragma once
// The tariff page (template 140): one electricity tariff: the day and night tariffs with
// their daily windows and prices, the blocking hours in each, the weekend rule, the prices
// of heating elements and circulation pumps, and (through the months dialog) the months of
// the day tariff. In the master-data sheet it writes the record itself and choosing
// another tariff only shows it; embedded in a project's sheet choosing a tariff makes it
// the project's tariff and the record is left to the document.
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/TarifPruefung.h"

class CTarifPage : public CEingabeSeite {
  public:
    static constexpr int kIDD = 140;
    static constexpr int kIdTag = 1057, kIdNacht = 1058;
    static constexpr int kIdVon1 = 1043, kIdBis1 = 1046, kIdVon2 = 1044, kIdBis2 = 1050;
    static constexpr int kIdSpinVon1 = 1045, kIdSpinBis1 = 1047, kIdSpinVon2 = 1049, kIdSpinBis2 = 1051;
    static constexpr int kIdPreis1 = 1048, kIdPreis2 = 1052;
    static constexpr int kIdSperr1 = 1680, kIdSperr2 = 1681;
    static constexpr int kIdWochenende = 1169, kIdWochenendeFrei = 1150;
    // Heating elements (monoenergetic, reheating of hot water, defrosting) and circulation
    // pumps: "same as heat pump" radio, own-price radio, own-price edit.
    static constexpr int kIdGleich[4] = {1351, 1349, 1341, 1211};
    static constexpr int kIdEigen[4] = {1350, 1348, 1340, 1234};
    static constexpr int kIdPreisEigen[4] = {1103, 1104, 1059, 1159};
    static constexpr int kIdMonate = 1260, kIdAuswahl = 1105;
    static constexpr int kIdEinheit[6] = {1258, 1259, 1384, 1390, 1391, 1392};

    explicit CTarifPage(int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kTarif; }
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    int SelectKomponente(const CVRMString& name, int ask) override;
    // Finds or adds the name in the tariff box, selects it and shows that tariff.
    void SelectByName(const CVRMString& name);
    // 1: a new tariff of the user's database, named by the user, shown for editing.
    void Notify(int arg) override;
    void OnOptionsChanged(int optionId) override;
    void GetPageText(CVRMString& text) override;
    bool onSetActive() override;

    const CVRMString& TarifName() const { return m_name; }

    // Members of the data exchange.
    int m_tag = 0, m_nacht = 0;
    unsigned m_von1 = 0, m_bis1 = 0, m_von2 = 0, m_bis2 = 0;
    float m_sperr1 = 0.0f, m_sperr2 = 0.0f;
    float m_preis1 = 0.0f, m_preis2 = 0.0f;
    float m_preisEigen[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    int m_wochenende = -1;
    int m_wahl[4] = {-1, -1, -1, -1};  // 0 same as heat pump, 1 own price

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool PruefeEingaben() override;
    bool DarfSpeichern() override { return true; }  // asked in PruefeEingaben, first
    void UebernimmWerte() override;
    std::vector<SSpeicherListe> Listen() override { return {{&m_liste, u"Tarif-Daten TarifPage", 1}}; }
    CVRMString SatzName() const override { return m_name; }
    bool Befehl(int id) override;

  private:
    bool Aenderbar() { return CheckBiboName(m_name, 1) != 0; }
    bool Frage(unsigned textId, unsigned captionId);
    STarifZeiten Zeiten() const;
    void Freigabe();
    void ZeigeEinheiten();
    void FuelleAuswahl();
    void ZeigeAuswahl();
    void OnTarifHaken();
    void OnPreisWahl();
    void OnTarifWechsel();
    // In the design wizard: entries taken over for the tariff the page leaves join the
    // design's write, so that Finish writes them and Cancel takes them back.
    void GibVerlassenenTarifMit();
    void OnMonate();

    CVRMwerteListe m_liste;
    CVRMString m_name;
};

// Registers the page for the master-data sheet and the project's sheet (page kind 2).
void RegistriereTarifPage();
