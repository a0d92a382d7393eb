#pragma once
// The design values of a project at a dimensioning-point temperature: the source
// temperature the heat pump is designed at, the temperature it must deliver and the
// capacity each heat pump must have. The document asks this service; it works on plain
// numbers, read from the project's components by `LeseDimWerteEingabe`.
#include <optional>

#include "model/app/KelvoDocServices.h"  // SDimWerte

class CHaus2;
class CTarif2;
class CWQuelle2;

struct SDimWerteEingabe {
    // The house at the dimensioning point.
    float heizLast = 0.0f;     // heating demand at the point (kW)
    float vorlaufTemp = 0.0f;  // the flow temperature at that demand (°C)
    float wwTag = 0.0f;        // a day's hot-water demand (kWh)
    unsigned wwSollTemp = 0;   // hot-water target temperature (°C)
    int wwModus = 0;           // 1: the heat pump makes the hot water
    float sperrStunden = 0.0f; // the tariff's blocking hours a day
    int anzahlWP = 1;
    bool ohneLeistung = false;  // the mode without a design capacity: capacity and source 0
    // The heat source.
    int quellArt = 0;
    bool vorgabeNutzen = false;  // the source temperature follows the dimensioning point
    int dimPunktTemp = 0;
    float normAussenTemp = 0.0f;
    unsigned wasserTemp = 0;
    bool erdluft = false;
    bool zwischenTauscher = false;
    unsigned raumTemp = 0;
    // The lowest of the source's own monthly temperatures when they are in use.
    std::optional<float> userQuellTempMin;
};


// The two flags of a design request by the heat source's operating mode (0..8, as the
// source stores it): the modes that run the heat pump beside a second heater (0, 2, 5, 6,
// 7, 8) and the ones that hand over to it (3, 4). Either takes the design source
// temperature at the dimensioning point; the monovalent mode 1 sets neither.
bool IstParallelBetrieb(int modus);
bool IstAlternativBetrieb(int modus);

// A count of heat pumps below 1 is refused (text 3105).
SDimWerte BerechneDimWerte(const SDimWerteEingabe& e);

// The figures of house, tariff and first heat source at the dimensioning point `t`.
SDimWerteEingabe LeseDimWerteEingabe(CHaus2& haus, CTarif2& tarif, CWQuelle2& quelle,
                                     int quellArt, int t, bool vorgabeNutzen, int anzahlWP,
                                     bool ohneLeistung);
