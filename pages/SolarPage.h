#pragma once
// The solar page (template 186): the project's solar thermal plant. Its design data
// (collector area and angles, buffer, solar pump) and the on/off switch are saved with the
// page; month by month the order in which the plant's gains go to hot water, heating and
// the ground is edited in a grid (Change, the grid's context menu, Save or Cancel), and the
// program can compute the gains by that order or choose, month by month, the best of four
// fixed orders. The order arrays and the switch live in the house record, the design data
// in the plant's record, the pump power in the project record.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/records/SolareGewinne.h"
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"
#include "pages/SolarPageLogik.h"

class CAuswertDaten;
class CGridCtrl;
class CHaus2;
class CKelvoErgebnisse;
class CSonnenDlg;

class CSolarPage : public CEingabeSeite {
  public:
    static constexpr int kIDD = 186;
    static constexpr int kIdFlaeche = 1419, kIdNeigung = 1420, kIdAusrichtung = 1421,
                         kIdPumpe = 1455, kIdPuffer = 1502, kIdPufferUe = 1503;
    static constexpr int kIdBenutzt = 1431, kIdGewinne = 1432, kIdPlatz = 1433;
    static constexpr int kIdAendern = 1961, kIdOrderSpeichern = 1962, kIdOrderAbbrechen = 1960;
    static constexpr int kIdBerechnen = 1517, kIdOptimieren = 1493;
    static constexpr int kIdHinweisAendern = 1480, kIdHinweisBenutzt = 1544;
    static constexpr int kIdGrid = 2001, kMenu = 202;
    // The context-menu commands: no feed, hot water, heating, the ground.
    static constexpr int kIdZiel[4] = {32808, 32805, 32806, 32807};

    CSolarPage(CHaus2& haus, int modus);
    ~CSolarPage() override;

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kSolar; }
    void LoadKomponente(const CVRMString& anlage, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    void UpdatePageDaten(int hint) override;
    void OnOptionsChanged(int optionId) override;
    void EnableControls() override;

    bool IstReihenfolgeModus() const { return m_reihenfolgeModus; }
    const solarseite::Reihenfolgen& Wohin() const { return m_wohin; }
    CGridCtrl* Grid() const { return m_grid; }
    const CVRMString& Anlage() const { return m_anlage; }

    // Members of the data exchange.
    float m_flaeche = 0.0f;
    unsigned m_neigung = 0;
    int m_ausrichtung = 0;
    unsigned m_puffer = 0, m_pufferUe = 0, m_pumpe = 0;
    int m_benutzt = 0;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> ErklaerTexte() const override { return {kIdHinweisAendern, kIdHinweisBenutzt}; }
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool PruefeEingaben() override;
    bool DarfSpeichern() override;
    void UebernimmWerte() override;
    std::vector<SSpeicherListe> Listen() override { return {}; }
    void NachSpeichern() override;
    CVRMString SatzName() const override { return m_anlage; }
    bool Befehl(int id) override;

  private:
    void ErzeugeGrid();
    void FuelleGrid();
    void ZeigeZelle(int monat, int rang);
    void LeseFarben();
    void Freigabe();
    bool Geschuetzt() const;
    // The house or the plant is a library record the user database would drop (told).
    bool WirdVerworfen() const;
    void LadeReihenfolgen();

    void OnBenutzt();
    void OnGewinne();
    void StarteReihenfolge();
    void SpeichereReihenfolge();
    void BeendeReihenfolge();
    void SetzeZiel(unsigned ziel);
    std::vector<std::u16string> FeldTexte();
    int ModifiedNachReihenfolge();
    void OnBerechnen();
    void OnOptimieren();
    bool Vorbedingungen();
    // The preconditions, then the question whether the feeds may be overwritten.
    bool SollUeberschreiben();
    // One feed-in by the orders, at most twice while the evaluation raised the ground
    // gains' temperatures; true when it did.
    bool Einspeisung(const solarseite::Reihenfolgen& orders, CSolareGewinne& heizung,
                     CSolareGewinne& warmwasser, CSolareGewinne& erdreich,
                     CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                     std::array<float, 12>& monate);
    void Optimiere(bool& erhoeht);

    CHaus2* m_haus;
    // Held as the page always held it; no control of the page opens it.
    std::unique_ptr<CSonnenDlg> m_sonnenDlg;
    CVRMString m_anlage;
    CVRMwerteListe m_werte;
    CGridCtrl* m_grid = nullptr;
    solarseite::Reihenfolgen m_wohin;
    bool m_reihenfolgeModus = false;
    int m_geaendertVorher = 0;
    std::vector<std::u16string> m_felderVorher;  // the plant's fields as the order edit found them
    int m_pufferGeaendert = 0;
    int32_t m_farbeWawa = 0, m_farbeHeiz = 0, m_farbeErde = 0, m_hintergrund = 0xFFFFFF;
};

// Registers the page for the project's data sheet (page kind 9).
void RegistriereSolarPage();
