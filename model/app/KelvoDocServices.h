#pragma once
// What the model and the evaluation ask of the active project document: its components,
// its design mode, and the few document operations the calculations call.
#include <cstdint>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"

class CHaus2;
class CKelvoErgebnisse;
class CKombiWQuelle2;
class CProjekt2;
class CVRMwert;
class CWPumpe2;
class CWQuelle2;

// The heat source's part of a design, in the dimensioning page's order; the document
// passes it on unchanged to the combined heat source.
struct SDimQuellWerte {
    unsigned sondenLaenge = 0;  // m, one probe
    int anzahl = 0;             // probes or circuits
    float aussen = 0.0f;        // outer tube diameter, mm
    float flaeche = 0.0f;       // collector area, m²
    float rohrLaenge = 0.0f;    // collector tube length, m
    int betrWeise = 0;          // the document's operating mode
    int dimPunktTemp = 0;       // °C
    float weiterer = 0.0f;
    int sondenart = 0;
};

// The design that the dimensioning hands to the document.
struct SDimDaten {
    CVRMString wpName;
    int anzahl = 1;
    int variante = 0;
    int modus = 0;
    float dimPunkt = 0.0f;
    float tiefsterPunkt = 0.0f;
    float bivalenzTemp = 0.0f;
    int klassenIndex = -1;
    // The first heat source's kind (0 to 6) and its design; `speichern` writes the records.
    int quellArt = 0;
    SDimQuellWerte quelle;
    int speichern = 1;
};

// What the first heat source is sized for: the chosen catalogue heat pump, its number of
// units and the design's operating mode (the document's numbering), design point and probe
// form.
struct SQuellBemessung {
    CVRMString wpName;
    int anzahl = 1;
    int betrWeise = 0;
    int dimPunktTemp = 0;
    int sondenart = 0;
};

// What the design values are asked for (GetDimWerte).
struct SDimAnfrage {
    // The first heat source's kind (value 246), whatever the caller's operating mode: the
    // design source temperature follows it (CDimensionierung::GetDimQuellenTemp).
    int quellenArt = 0;
    float dimTemp = 0.0f;  // the dimensioning-point (outdoor) temperature, °C
    // The first source runs in a parallel mode (0, 2, 5, 6, 7, 8) or an alternative mode
    // (3, 4): either one takes the bivalent form of the design source temperature.
    bool parallelBetrieb = false;
    bool alternativBetrieb = false;
    int anzahlWP = 1;           // the design capacity is shared among this many heat pumps
    bool ohneLeistung = false;  // only the design temperature: capacity and source temp. 0
    CWQuelle2* quelle = nullptr;
};

// The project's design values at the dimensioning-point temperature.
struct SDimWerte {
    float quellTemp = 0.0f;      // design source temperature, °C
    float auslegTemp = 0.0f;     // design flow temperature, °C
    float leistungProWP = 0.0f;  // design heating capacity per heat pump, kW
};

// What the project calculation answers.
struct SProjektRechnung {
    // The project passed its checks and was calculated; false after a failed check, a
    // refusal of the user or an error.
    bool berechnet = false;
    // The heat-source design tests passed.
    bool ausreichend = true;
};

class IKelvoDocServices {
  public:
    virtual ~IKelvoDocServices() = default;

    virtual CProjekt2* GetProjekt() = 0;
    virtual CHaus2* GetHaus() = 0;
    virtual CWPumpe2* GetWPumpe() = 0;
    virtual CKombiWQuelle2* GetKombiWQuelle() = 0;
    // Non-zero while a dimensioning of heat pump and heat source runs.
    virtual int GetDimModus() = 0;
    // Whether the project may be changed; with `meldung` a refusal is shown to the user.
    virtual bool IstProjektAenderbar(bool meldung) = 0;
    // Non-zero: the first heat source of the combined source, zero: the second.
    virtual CWQuelle2* GetWQuelle(int erste) = 0;

    // The project heat pump's capacity of `kind` (0 source, 1 heating, 2 electric) at the
    // two temperatures, all units, no spread correction.
    virtual void WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) = 0;
    virtual void MonatlicherWWbedarf(float& kWh) = 0;
    virtual SDimWerte GetDimWerte(const SDimAnfrage& anfrage) = 0;
    virtual void BroadcastDimDaten(const SDimDaten& daten) = 0;
    // The first heat source's size for the design: probe length and count, or collector
    // area and tube length, from the heat pump's extraction at its rating point and the
    // source's yearly energy. Kinds without a size keep what the source holds.
    virtual SDimQuellWerte BemesseErsteQuelle(const SQuellBemessung& bemessung) = 0;
    virtual void SaveKomponenten() = 0;
    // Checks and calculates the project into `ergebnisse` (none: the document's own).
    // `frageSeiten` is handed to the test for data pages with unconfirmed changes; `still`
    // keeps every message box closed and skips the design part.
    virtual SProjektRechnung BerechneProjekt(CKelvoErgebnisse* ergebnisse, bool frageSeiten,
                                             bool still) = 0;
    virtual void SetProjektDaten4(TKelvoDatenID id, float wert, int speichern) = 0;
    // Stores a copy of `value` under `id` in the document's value list.
    virtual void SetWert(TKelvoDatenID id, const CVRMwert& value) = 0;
    // Creates and shows the report through the report module, with the template and the
    // values handed over before. `frageSeiten` as for BerechneProjekt; `unbenutzt` is passed
    // by the report command and read by nobody; `drucken` sends the report to the report
    // folder instead of the temporary folder.
    virtual void ErstelleReport(bool frageSeiten, int unbenutzt, bool drucken) = 0;
};
