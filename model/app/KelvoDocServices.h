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
    virtual void GetDimWerte(int auswahl, float dimTemp, int flag1, int flag2, int anzahlWP,
                             float& quellTemp, float& auslegTemp, float& leistungProWP, int modus,
                             CWQuelle2* quelle) = 0;
    virtual void BroadcastDimDaten(const SDimDaten& daten) = 0;
    virtual void SaveKomponenten() = 0;
    virtual void BerechneProjekt(CKelvoErgebnisse* ergebnisse, int& flag, uint16_t wort,
                                 int modus) = 0;
    virtual void SetProjektDaten4(TKelvoDatenID id, float wert, int speichern) = 0;
    // Stores a copy of `value` under `id` in the document's value list.
    virtual void SetWert(TKelvoDatenID id, const CVRMwert& value) = 0;
    virtual void ErstelleReport(int a, int b, int c) = 0;
};
