#pragma once
// The plant expenditure factor without a window: the primary energy the heat-pump plant
// needs (heating, hot water, their losses, control, distribution and buffer tank) over the
// useful heat, from the plant details the user sets and the figures of the document's
// preparation run; and the plant details as the project stores them.
#include <cstdint>

#include "core/value/VRMString.h"

class CProjekt2;

// The figures handed to the dialog.
struct SAufwandszahlEingabe {
    float flaeche = 0.0f;     // A, usable floor area, m²
    int wwModus = 0;          // house value 188: 2 hot water without the heat pump
    float heizWaerme = 0.0f;  // Qh, heat for heating of the year, kWh
    float heizZahl = 0.0f;    // seasonal performance factor of the heating
    float wwZahl = 0.0f;      // seasonal performance factor of the hot water
    float wwVerluste = 0.0f;  // Qwl, hot-water storage and circulation losses, kWh/year
    float weitere = 0.0f;     // Wa, further electric energy of the year, kWh
    bool mitSolar = false;
    float vorlauf = 0.0f;     // °C, design flow temperature
    float ruecklauf = 0.0f;   // °C, design return temperature
    int medium = 0;           // the heat pump's medium (held, not used)
};

// The plant details the user sets; -1 for a choice not made.
struct SAnlagenDetails {
    int aufstellung = -1;        // 0 outside, 1 inside the heated envelope (471)
    int verteilung = -1;         // heat distribution (472), stored equal to the placement
    int wwBereitung = -1;        // hot water without heat pump: 0 storage tank, 1 flow heater (473)
    unsigned solarPumpe = 0;     // W (474)
    int regelung = -1;           // kind of heating control 0..3 (507)
    unsigned pufferVolumen = 0;  // litres (508)
    float bereitschaft = 0.0f;   // kWh/day, the buffer's stand-by loss (509)
};

class CDlgAufwandszahlLogik {
  public:
    enum : int {  // control ids, not text ids
        kIdLabelFlaeche = 1738, kIdFlaeche = 1521, kIdGruppeAufstellung = 1739,
        kIdAussen = 1531, kIdInnen = 1532, kIdGruppeVerteilung = 1740, kIdVerteilungAussen = 1533,
        kIdVerteilungInnen = 1534, kIdGruppeWW = 1538, kIdSpeicher = 1535, kIdDurchlauf = 1536,
        kIdGruppeSolar = 1539, kIdLabelSolarPumpe = 1540, kIdSolarPumpe = 1537,
        kIdGruppePuffer = 2228, kIdLabelRegelung = 1742, kIdRegelung = 2217,
        kIdLabelVolumen = 1743, kIdVolumen = 2243, kIdLabelBereitschaft = 1736,
        kIdBereitschaft = 2246, kIdBerechnen = 1528, kIdHinweis = 1734, kIdLabelFaktor = 1741,
        kIdFaktor = 1526, kIdAktualisieren = 1527, kIdReport = 2326, kIdHilfe = 57670,
    };

    // The plant expenditure factor; 0 when the energy is below 0.1 kWh. `peFaktor` is the
    // primary-energy factor of electricity (option 1296).
    static float Aufwandszahl(const SAufwandszahlEingabe& e, const SAnlagenDetails& d,
                              float peFaktor);
    // The factor as the dialog shows it ("%.2f"); a plant without useful heat shows none.
    static CVRMString AufwandszahlText(const SAufwandszahlEingabe& e, const SAnlagenDetails& d,
                                       float peFaktor);
    // The buffer's stand-by loss for a volume in litres, rounded to a whole kWh/day.
    static float Bereitschaftsverlust(unsigned volumen);

    // The details as the project holds them.
    static SAnlagenDetails Lese(CProjekt2& projekt);
    // Stores the details: the distribution as the placement, the database written once.
    static void Speichere(CProjekt2& projekt, const SAnlagenDetails& d);
    // The hot-water choice the dialog starts with: without losses in mode 2 the flow heater.
    static int WWBereitungAnfang(const SAufwandszahlEingabe& e, int gespeichert);
};
