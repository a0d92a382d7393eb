#pragma once
// The first page of a heat source (template 147): the kind of source, the size of the
// probe field or collector, the layered ground under it with its moisture and orientation,
// the ground-water temperature of a water source and whether the user gives the monthly
// source temperatures. It shows the Reynolds number of the brine flow and starts the
// design test together with the source's second page (CWQ2Page).
#include <QComboBox>

#include "app/doc/QuellenEingaben.h"
#include "controls/small/EnablerDisabler.h"
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/WQ1PageLogik.h"

class CWQuelle2;

class CWQ1Page : public CEingabeSeite, public CQuellenEingaben {
  public:
    static constexpr int kIDD = 147;
    static constexpr int kIdArt = 1088, kIdAnzahl = 1125, kIdTextAnzahl = 1123, kIdReihe = 1439,
                         kIdTextReihe = 1440, kIdLaenge = 1092, kIdTextLaenge = 1128,
                         kIdFlaeche = 1091, kIdTextFlaeche = 1251, kIdAbstand = 1090,
                         kIdReynolds = 2210, kIdTextReynolds = 2211, kIdTesten = 1139;
    static constexpr int kIdTiefe[4] = {1209, 1205, 1197, 1220};
    static constexpr int kIdBoden[4] = {5342, 5343, 5345, 5347};
    static constexpr int kIdBodenwerte = 1672, kIdRichtung = 1122, kIdFeuchte = 1191,
                         kIdTextRichtung = 1304, kIdTextFeuchte = 1305;
    static constexpr int kIdWasserTemp = 1215, kIdZwischenWT = 1755, kIdLuftVorw = 1336,
                         kIdErdluft = 1401, kIdUserTemps = 1199, kIdTemperaturen = 1217;
    static constexpr int kIdGruppeQuelle = 1408, kIdGruppeLuft = 1406;

    // `erste`: the page of the project's first heat source, else of its second.
    explicit CWQ1Page(bool erste, int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kWQ1; }
    int IstErsteWQuelle() override { return m_erste ? 1 : 0; }
    IDatenConsumer* GetKomponente() override;
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    void UpdatePageDaten(int arg) override;
    void AddListenEintrag(const CVRMString& name) override;
    int PruefeDaten() override;
    bool onSetActive() override;
    void onOK() override;

    // The current entries for the design test (the controls read first); another id is
    // error 3162.
    unsigned GetEingabeU(TKelvoDatenID id) override;
    int GetEingabeI(TKelvoDatenID id) override;
    float GetEingabeF(TKelvoDatenID id) override;
    // A ground value (247, 249, 250) of the layered ground as the page holds it now.
    float GetBodenwert(TKelvoDatenID id);
    const CVRMString& SatzNameQuelle() const { return m_quelle.getName(); }

    // Members of the data exchange.
    int m_art = -1, m_richtung = -1, m_feuchte = -1;
    unsigned m_wasserTemp = 5, m_flaeche = 0, m_laenge = 0, m_anzahl = 0, m_reihe = 1;
    float m_abstand = 0.0f;
    int m_luftVorw = 0, m_userTemps = 0, m_zwischenWT = 0;
    unsigned m_reynolds = 0;
    SSchichten m_schichten{{1, 2, 3, 4}, {}};

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
    void FuelleBodenListen();
    void FuelleReihen();
    void WaehleBoeden();
    void SetzeSchichtenZurueck();
    // Layer `schicht`'s soil as its list shows it (empty while the list is off).
    void LeseBoden(int schicht);
    void UpdateSpezMasze();
    void UpdateBodenschichten();
    void UpdateLuftGruppe();
    void ZeigeReynolds();
    bool PruefeSchichtung();

    void OnSelchangeMedium();
    void OnSelchangeSchicht();
    void OnKillfocusAnzahl();
    void OnSelchangeReihe();
    void OnUserTemps();
    void OnTemperaturen();
    void OnLuftvorwaermung();
    void OnErdluft();
    void OnBodenwerte();
    void OnAuslegungPruefen();

    bool m_erste;
    CVRMwerteListe m_quelle;
    CEnablerDisabler m_erdreich, m_sonde, m_kollektor, m_lage, m_wasser, m_luft, m_weitere;
};

// Registers the two heat-source pages for the project's data sheet (page kinds 4 and 5).
void RegistriereQuellenSeiten();
