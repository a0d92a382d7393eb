#pragma once
// The second page of a heat source (template 153): the brine (antifreeze, concentration and
// the fluid values that follow from them), the collector tubes (diameters, material,
// covering, flow) and, on the first source's page only, the operating mode of the heating
// system with its bivalence temperature and second energy source. It shows the amount of
// concentrate, computes the minimum flow on request and warns when the flow stays below
// what the heat pump maker recommends.
#include <QComboBox>

#include "app/doc/QuellenEingaben.h"
#include "controls/small/EnablerDisabler.h"
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/WQ2PageLogik.h"

class CWQuelle2;

class CWQ2Page : public CEingabeSeite, public CQuellenEingaben {
  public:
    static constexpr int kIDD = 153;
    static constexpr int kIdFrostschutz = 1116, kIdKonzentration = 1117, kIdSpezWaerme = 1118,
                         kIdDichte = 1119, kIdFluidLeit = 1120, kIdViskos = 1121,
                         kIdKonzMenge = 1160, kIdInnen = 1110, kIdAussen = 1111,
                         kIdMaterial = 1112, kIdMatLeit = 1113, kIdUmhuellung = 1114,
                         kIdUmhDurchm = 1115, kIdVolStrom = 1312, kIdBerechne = 1317,
                         kIdReynolds = 2213, kIdTextReynolds = 2212, kIdArt = 1088,
                         kIdModus = 1073, kIdTextModus = 1327, kIdBivTemp = 1181,
                         kIdTextBivTemp = 1328, kIdZweiterET = 1074, kIdTextZweiterET = 1265,
                         kIdKosten = 1267, kIdTextVolStrom = 1676;
    static constexpr int kGrSole = 1151, kGrKollektor = 1316, kGrWP = 1951;

    explicit CWQ2Page(bool erste, int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kWQ2; }
    int IstErsteWQuelle() override { return m_erste ? 1 : 0; }
    IDatenConsumer* GetKomponente() override;
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    void UpdatePageDaten(int arg) override;
    void UpdatePageDaten2(int hint) override;
    void OnOptionsChanged(int optionId) override;
    bool onSetActive() override;
    void onOK() override;

    // The current entries for the design test (the controls read first).
    unsigned GetEingabeU(TKelvoDatenID id) override;
    int GetEingabeI(TKelvoDatenID id) override;
    float GetEingabeF(TKelvoDatenID id) override;

    // Members of the data exchange.
    int m_art = -1, m_modus = -1, m_zweiterET = -1, m_bivTemp = 0, m_berechne = 0;
    float m_dichte = 1000.0f, m_spezWaerme = 3.0f, m_viskos = 1.0f, m_matLeit = 0.1f,
          m_fluidLeit = 0.1f, m_konzentration = 0.0f, m_innen = 0.0f, m_aussen = 0.0f,
          m_umhDurchm = 0.0f, m_volStrom = 0.0f;
    unsigned m_konzMenge = 0, m_reynolds = 0;
    CVRMString m_frostschutz, m_material, m_umhuellung;

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
    CVRMString SatzName() const override { return m_quelle.getName(); }
    bool Befehl(int id) override;

  private:
    bool DesignModus() const;
    bool Direkt() const;
    CWQuelle2* Quelle() const;
    QComboBox* Box(int id) const;
    SSoleFelder Sole() const;
    void FuelleZweiterET();
    void UpdateSpezMasze();
    void UpdateSoleWerte();
    void UpdateKonzentratMenge();
    void BerechneMinVolStrom();
    void CheckVolStromAbsorber();
    void ZeigeReynolds();
    void ZeigeModus();

    void OnKillfocusSole();
    void OnFrostschutz();
    void OnMaterial();
    void OnModus();
    void OnBerechne();

    bool m_erste;
    CVRMwerteListe m_quelle, m_andere;
    CEnablerDisabler m_sole;
    int m_gespeicherterET = -1;
    SSoleFelder m_soleVorher;
};
