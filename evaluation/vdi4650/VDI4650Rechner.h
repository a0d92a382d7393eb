#pragma once
// The VDI 4650 calculator without its window: the inputs of the calculator dialog, their
// normalisation when a project hands them over, the source-pump factor, the values taken
// from a catalogue heat pump, the range checks with their messages and the calculation of
// the three seasonal performance factors. The dialog window (`CDlgVDI4650`) owns one,
// shows its fields and calls it from its handlers; its two child dialogs read it.
#include <array>

#include "core/value/VRMString.h"
#include "evaluation/vdi4650/VDI4650.h"

class IKelvoDocServices;

// What a calculation yields; all 0 until one succeeds.
struct SVDI4650Ergebnisse {
    float kHeizung = 0.0f;     // table 1 with the operating difference
    float kWarmwasser = 0.0f;  // table 1 with the hot-water difference
    float tabelle2 = 0.0f, tabelle3 = 0.0f, tabelle5 = 0.0f, tabelle6 = 0.0f;
    float tabelle7 = 0.0f, tabelle8 = 0.0f;
    float w1 = 0.0f, w2 = 0.0f, w3 = 0.0f;  // table 4
    float betaHeizung = 0.0f, betaWarmwasser = 0.0f, betaAnlage = 0.0f;
};

// The inputs as the project hands them over (`CVDI4650Rechner::SetDaten`).
struct SVDI4650Projektdaten {
    float cop1 = 0.0f, cop2 = 0.0f, cop3 = 0.0f;
    float pruef = 0.0f, betrieb = 0.0f;
    float tQuelle = 0.0f, tVorlauf = 0.0f;
    float heizgrenze = 0.0f;
    int art = VDI4650::kSoleWasser;
    bool zwischenWT = false;
    int betriebsweise = VDI4650::kMonovalent;
    int warmwasser = VDI4650::kKeinWarmwasser;
    float tNorm = 0.0f;
    float leistung = 0.0f;
    float tBiv = 0.0f;
    CVRMString wpName;
    unsigned anzahl = 1;
    float warmwasserWP = 0.0f;
    int prozentHeizung = 0;
    int pumpenLeistung = 0;
    float leistungAuslegung = 0.0f;
};

class CVDI4650Rechner {
  public:
    // listenModus: the heat pump is picked from the databases; doc: the project the
    // calculator was opened from, none for the stand-alone calculator.
    CVDI4650Rechner(bool listenModus, IKelvoDocServices* doc);

    // Takes the project's values, rounded and moved into the tables, and computes F_P.
    void SetDaten(const SVDI4650Projektdaten& d);
    // The range checks; each failed one shows its message. False when any refuses.
    bool PruefeEingaben() const;
    // The checks, then the three factors; false (results 0) when the checks refused.
    bool Berechne();
    // Kind, COPs, test-bench difference and power from the heat pump named in `wpName`;
    // false when it could not be loaded.
    bool GetCOPsVonWP();

    // Source-pump factor.
    void BerechneQuellenpumpenFaktor();
    float GetEmpfohlenerPumpenFaktor() const;
    float GetBerechneterPumpenFaktor() const;  // -1 for air/water and direct evaporation

    int GetBetriebsweise() const { return betriebsweise; }
    void SetBetriebsweise(int wert) { betriebsweise = wert; }
    // What the dialog does when the user picks another kind or operating mode.
    void WechsleWPArt(int neueArt);
    void WechsleBetriebsweise(int neueBetriebsweise);
    // "Close": F_P (510) and the hot-water test temperature (512) into the project.
    void SpeichereInProjekt();
    void LoescheErgebnisse() { ergebnisse = {}; }

    float GetBivalenzTemp() const { return static_cast<float>(2 - bivalenzIndex); }
    // The nine in-range flags of the correction-factor dialog, one per factor row:
    // tables 1 to 8 and the source-pump factor.
    std::array<bool, 9> GetBereichsFlags() const;

    IKelvoDocServices* GetDokument() const { return m_doc; }
    bool IstListenModus() const { return m_listenModus; }
    // The source temperature the tables are read at: water less 3 K behind an
    // intermediate heat exchanger.
    float GetWirksameQuellenTemp() const;

    // Fields of the dialog.
    CVRMString kunde;
    CVRMString wpName;
    CVRMString wpFreitext;
    int warmwasser = VDI4650::kKeinWarmwasser;
    int prozentHeizung = 82;
    int art = VDI4650::kSoleWasser;
    float leistung = 6.0f;
    bool zwischenWT = false;
    int betriebsweise = VDI4650::kMonovalent;
    float cop1 = 3.0f, cop2 = 4.0f, cop3 = 5.0f, cop4 = 4.0f;
    float pruef = 10.0f;
    float betrieb = 10.0f;
    float tQuelle = 0.0f;
    float tVorlauf = 40.0f;
    float tWarmwasser = 50.0f;
    int pumpenLeistung = 350;
    bool vorplanung = true;
    int bivalenzIndex = 2;
    int heizgrenze = 15;
    int tNorm = -12;
    unsigned anzahl = 1;
    float leistungAuslegung = 6.0f;
    float warmwasserWPFaktor = 0.0f;
    float fp = 1.075f;
    SVDI4650Ergebnisse ergebnisse;

  private:
    bool m_listenModus;
    IKelvoDocServices* m_doc;
};

// The design-temperature class of table 4: -16, -14, -12 or -10.
int GetNormTempKlasse(int tNorm);
// The heating limit of table 4: 10, 12 or 15.
int GetHeizgrenzeKlasse(int heizgrenze);
