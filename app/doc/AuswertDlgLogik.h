#pragma once
// The evaluation dialog without its window: from the yearly record of an evaluated
// project it works out the seasonal performance factors (with the list of auxiliary
// consumers they include), the name of the second heat generator and the yearly running
// costs split by heat producers and by heat consumers, and it makes every text the dialog
// shows. The project document uses the factor and the generator's name too (expenditure
// factor), so both are static and need no dialog.
//
// Energies of the record below zero count as zero: a damaged or odd record never turns
// into a negative cost or a wrapped whole number.
#include <array>
#include <cstdint>
#include <map>

#include "core/value/VRMString.h"
#include "model/data/KostenRechnung.h"
#include "model/results/AuswertDaten.h"
#include "model/tariff/Tarif2.h"

// What one seasonal performance factor counts (GetHilfsenergieText).
struct SHilfsenergieAnfrage {
    bool mitAllen = false;          // the source pump or fan (and its share) counts
    bool mitUmwaelzpumpen = false;  // the heating and hot-water circulation pumps count
    int betriebsweise = 1;          // operating mode of the heat source, 0..8
    bool solarHeizung = false;      // the solar plant feeds the heating in some month
    bool solarWarmwasser = false;   // ... the hot water
    bool solarErdreich = false;     // ... the heat pump or the ground
    bool regenerativ = false;       // the solar heat stays in (the regenerative factor)
    float regelEnergie = 0.0f;      // control unit, kWh/year
    int wwModus = 0;                // house value 188
    float solarPumpenEnergie = 0.0f;
    int medium = 0;                 // heat-pump value 373
    bool heizung = true;            // the factor of the heating
    bool warmwasser = true;         // the factor of the hot water
};

// The running costs of a year, whole currency units.
struct SBetriebskosten {
    int32_t tarif1 = 0;         // the heat pump's electricity on tariff 1 (with the pumps' part)
    int32_t tarif2 = 0;         // ... on tariff 2
    int32_t zweiterWE = 0;      // second heat generator (heating and hot water)
    int32_t heizung = 0;
    int32_t warmwasser = 0;
    int32_t abtauen = 0;
    int32_t umwaelzpumpen = 0;
    int32_t summe = 0;
    int32_t waermepumpe = 0;    // as shown: both tariffs less the pumps, plus defrosting
};

// What the document hands the dialog.
struct SAuswertDlgDaten {
    CAuswertDaten daten;
    VergleichsPreise vergleichsPreise{};  // heat pump, oil, gas, own, night storage, direct
    bool mitSolar = false;
    unsigned anteilTarif1 = 0;  // percent (project value 452)
    unsigned anteilTarif2 = 0;  // percent (project value 453)
    STarifPreise preise;
    int medium = 0;             // heat-pump value 373
    bool ohneQuellenPumpe = false;
    int betriebsweise = 1;      // heat-source value 268
    int zweiterET = 0;          // heat-source value 281
    unsigned solarPumpe = 0;    // project value 474, W
    int wwModus = 0;            // house value 188
    CVRMString projektName;
};

// What the dialog takes from the program around it.
struct SAuswertUmgebung {
    // The active house's solar destinations (only when it has a solar plant).
    bool solarHeizung = false, solarWarmwasser = false, solarErdreich = false;
    float regelEnergie = 0.0f;   // the document's control-unit energy, kWh/year
    CVRMString eigeneHeizung;    // option 1255
    unsigned waehrungProJahr = 3458;  // text "EUR / year" or "SFr / year"
    bool vdiSichtbar = false;    // the program's country code is 0
    bool reportGebunden = false;
};

class CAuswertDlgLogik {
  public:
    // Control ids of the dialog (template 157).
    enum : int {
        kIdGruppeKosten = 1255, kIdPumpenText = 1435, kIdGruppeErzeuger = 1744,
        kIdLabelWP = 1745, kIdKostenWP = 1198, kIdLabelZweiter = 1436, kIdKostenZweiter = 1378,
        kIdLabelUmw = 1750, kIdKostenUmw = 1153, kIdGruppeVerbraucher = 1746,
        kIdLabelHeiz = 1747, kIdKostenHeiz = 1379, kIdLabelWW = 1748, kIdKostenWW = 1380,
        kIdLabelAbtau = 1749, kIdKostenAbtau = 1381, kIdGruenSumme = 1393, kIdLabelSumme = 1394,
        kIdKostenSumme = 1204, kIdGruppeLaufzeit = 1751, kIdLabelLaufHeiz = 1752,
        kIdLaufHeiz = 1142, kIdLabelLaufWW = 1753, kIdLaufWW = 1130, kIdGruppeQuelle = 1754,
        kIdLabelQuelleHeiz = 1755, kIdQuelleHeiz = 1144, kIdLabelQuelleWW = 1756,
        kIdQuelleWW = 1189, kIdGruppeStrom = 1757, kIdLabelStromHeiz = 1758, kIdStromHeiz = 1146,
        kIdLabelStromWW = 1759, kIdStromWW = 1147, kIdLabelQuellPumpe = 1231,
        kIdQuellPumpe = 1148, kIdLabelUmwStrom = 1760, kIdUmwStrom = 1149,
        kIdLabelAbtauStrom = 1761, kIdAbtauStrom = 1152, kIdLuefterText = 2443,
        kIdGruppeZweiter = 1437, kIdLabelZweiterHeiz = 1762, kIdZweiterHeiz = 1182,
        kIdLabelZweiterWW = 1763, kIdZweiterWW = 1195, kIdGruppeSolar = 1764,
        kIdLabelSolarHeiz = 1765, kIdSolarHeiz = 1084, kIdLabelSolarWW = 1766,
        kIdSolarWW = 1085, kIdLabelSolarErde = 1767, kIdSolarErde = 1086, kIdGruenJaz = 1395,
        kIdLabelJaz = 1396, kIdJaz = 1232, kIdAbtauHinweis = 1565, kIdRahmenReg = 1398,
        kIdLabelReg = 1399, kIdReg = 1233, kIdMitAllen = 1236, kIdReport = 32856,
        kIdVDI4650 = 2269, kIdHilfe = 57670,
    };

    // One seasonal performance factor of the record: heat over the electricity the
    // request counts; `liste` receives the auxiliary consumers counted, joined by ", ".
    static float GetHilfsenergieText(const CAuswertDaten& r, const SHilfsenergieAnfrage& a,
                                     CVRMString& liste);
    // The second heat generator's name for an operating mode (0..8; another is text 3162),
    // hot-water mode and second-generator kind; `eigeneHeizung` names kind 4.
    static CVRMString getNameZwErzeuger(int betriebsweise, int wwModus, int zweiterET,
                                        const CVRMString& eigeneHeizung);
    // The running costs of the year; `solarPumpenEnergie` in kWh.
    static SBetriebskosten BerechneBetriebskosten(const SAuswertDlgDaten& d,
                                                  float solarPumpenEnergie);

    // A medium outside 0..4 or an operating mode outside 0..8 is text 3162.
    CAuswertDlgLogik(SAuswertDlgDaten daten, SAuswertUmgebung umgebung);

    // The factors, the check box's label and the costs with or without all auxiliary
    // energies (the check box).
    void BerechneErgebnisse(bool mitAllenHilfsenergien);

    bool MitAllenHilfsenergien() const { return m_mitAllen; }
    float Jaz() const { return m_jaz; }
    float RegFaktor() const { return m_regFaktor; }
    const SBetriebskosten& Kosten() const { return m_kosten; }
    const CVRMString& NameZweiterET() const { return m_nameZweiterET; }
    CVRMString Titel() const;

    // What each control shows (labels and values) and whether it is visible.
    const std::map<int, CVRMString>& Texte() const { return m_texte; }
    bool IstSichtbar(int id) const;
    bool ReportAktiv() const { return m_umgebung.reportGebunden; }

  private:
    void SetzeFesteTexte();
    void SetzeWerte();
    void SetzeKosten();
    void Setze(int id, const CVRMString& text) { m_texte[id] = text; }

    SAuswertDlgDaten m_daten;
    SAuswertUmgebung m_umgebung;
    bool m_mitAllen = false;
    float m_jaz = 0.0f;
    float m_regFaktor = 0.0f;
    SBetriebskosten m_kosten;
    CVRMString m_nameZweiterET;
    unsigned m_quellLabel = 0;
    std::map<int, CVRMString> m_texte;
    std::map<int, bool> m_sichtbar;
};
