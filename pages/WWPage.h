#pragma once
// The hot-water page (template 150): the hot-water service of the project's building: how
// the water is heated, the daily need, the tank (type, volume, target temperature), the
// cold-water and tank inlet temperatures, the exchanger losses and the performance factor
// of a tank heat pump. Its values belong to the house record. It opens the tank and
// circulation losses dialog (CWW2Page) and the sketches of the three tank types.
#include <array>
#include <optional>

#include "controls/small/EnablerDisabler.h"
#include "core/value/VRMVariant.h"
#include "core/value/VRMwerteListe.h"
#include "pages/EingabeSeite.h"

class CWWPage : public CEingabeSeite {
  public:
    static constexpr int kIDD = 150;
    static constexpr int kIdDienst = 2220, kIdTyp = 1138, kIdBedarf = 1013, kIdSoll = 1014,
                         kIdVolumen = 1015, kIdKalt = 1039, kIdVerluste = 1065, kIdEintritt = 1041,
                         kIdBWW = 1068, kIdTxEintritt = 1520, kIdTxBWW = 1522, kIdNachheiz = 1438,
                         kIdVerlusteDlg = 1701;
    static constexpr int kIdSkizze[3] = {1458, 1478, 1479};
    // Sketch windows and their pictures.
    static constexpr int kSkizzeVorlage[3] = {198, 199, 200};
    static constexpr unsigned kSkizzeBild[3] = {197, 193, 194};
    // Services: none, with the heat pump, electric, with the second heat source.
    enum { kKeinWW = 0, kMitWP = 1, kElektrisch = 2, kZweiteQuelle = 3 };
    // Tank type index of the tank heat pump; of the type heated from the tank inlet.
    enum { kTypEintritt = 2, kTypWWWP = 3 };

    explicit CWWPage(int eingebettet = 0);

    int GetPageKind() const override { return CKVSDatenSheetProtokoll::kWW; }
    void LoadKomponente(const CVRMString& key, const CVRMString& projekt,
                        const CVRMString& zweiterKey) override;
    void FillPageDaten(int reload) override;
    void UpdatePageDaten(int arg) override;
    void OnSchliessen() override;
    bool onSetActive() override;

    // Members of the data exchange.
    int m_dienst = -1, m_typ = -1;
    unsigned m_bedarf = 0, m_soll = 0, m_volumen = 0, m_kalt = 0, m_verluste = 0, m_eintritt = 0;
    float m_bww = 1.0f;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> ErklaerTexte() const override { return {1466, 1467, 1468, 1469}; }
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
    bool PruefeEingaben() override;
    bool DarfSpeichern() override;
    void UebernimmWerte() override;
    std::vector<SSpeicherListe> Listen() override { return {{&m_liste, u"Haus-Daten WawaPage", 1}}; }
    void NachSpeichern() override;
    CVRMString SatzName() const override { return m_name; }
    bool Befehl(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Beschaeftigt() const;
    // The operating mode of the source that makes the hot water (the second of a
    // combination, else the only one); none without a heat source.
    std::optional<int> Betriebsweise() const;
    void FreigabeNachDienst();
    void TypFolgen(bool leise);
    // The reheating temperature with the exchanger losses changed from `alt` to `neu`.
    void Nachheizung(int alt = 0, int neu = 0);
    void SchreibeSolaranlage();
    void OnDienst();
    void OnTyp();
    void OnVerluste();
    void OnSkizze(int typ);

    CVRMwerteListe m_liste;
    CVRMString m_name;
    unsigned m_sollGeladen = 0;
    CEnablerDisabler m_gruppe;
};

// Registers the page for the project's data sheet (page kind 1).
void RegistriereWWPage();
