#pragma once
// Language-text ids that many files report or show, each under one name; the comment
// gives its text in the English language table. An id that only one file uses stays a
// constant of that file.

namespace textid {

// Error texts.
inline constexpr unsigned kNichtInitialisiert = 3101;  // "Object not initialized"
inline constexpr unsigned kDatenFehlen = 3105;         // "Required data missing or data wrong"
inline constexpr unsigned kKeineErgebnisse = 3122;     // "Could not compute results"
inline constexpr unsigned kFalscheKonstante = 3162;    // "Switch constant wrong"
inline constexpr unsigned kTestNichtMoeglich = 3113;   // "Test could not be done"
inline constexpr unsigned kKeinDimModus = 3219;        // "Program not in design mode!"
inline constexpr unsigned kFehlerGlobal = 3501;        // "Unknown error in module 'VRM-Global'"
inline constexpr unsigned kDatenbankDefekt = 4298;     // "Content of database corrupted"

// What a calculation of the house misses among its locations.
inline constexpr unsigned kKeinKlimaort =
    3380;  // "No building location selected on building data page"
inline constexpr unsigned kKeinWetterort =
    3381;  // "No weather data selected on building data page"
// "The building data are without a location with associated monthly hours of sunshine."
inline constexpr unsigned kKeinSonnenort = 3697;

// Location names: the defaults of the options and the texts the locations are compared with.
inline constexpr unsigned kOhneOrt = 3310;            // "<without location>"
inline constexpr unsigned kAusKlimaBerechnet = 5218;  // "<calculated from climate>"
inline constexpr unsigned kStandardKlimaort = 3609;   // "Dublin (IRL)"
inline constexpr unsigned kStandardSonnenort = 3228;  // "StandardS_(IRL)"

// Component kinds.
inline constexpr unsigned kWaermepumpe = 3140;   // "Heat pump"
inline constexpr unsigned kWaermequelle = 3141;  // "Heat source"

// The antifreeze the library names first and the mark of its name.
inline constexpr unsigned kEthylenglykol = 3812;  // "Monoethylenglycol"

// Hot-water service by the house's "WWmitWP".
inline constexpr unsigned kWawaKeine = 4976;       // "No hot water service"
inline constexpr unsigned kWawaMitWP = 4983;       // "Hot water with heat pump"
inline constexpr unsigned kWawaElektrisch = 4985;  // "Hot water with electricity"
inline constexpr unsigned kWawaZweiterWE = 5053;   // "Hot water with 2nd heat source"
inline constexpr unsigned kChartFehler = 3429;         // "Error when showing chart"

// The product name, the caption of every message box.
inline constexpr unsigned kProduktCaption = 3168;  // "Varmion"
// The program's title line.
inline constexpr unsigned kProgrammTitel = 3548;  // "Calculation and Optimization of Heat Pump Systems"

// The marker in the names of library entries.
inline constexpr unsigned kBiboMarke = 3621;  // "(bib)"

// The own heating of the operating-cost comparison when the user names none.
inline constexpr unsigned kHolzheizung = 5352;  // "Wood heating"

// Number formats.
inline constexpr unsigned kFormatFloat0 = 3353;  // "%.0f"
inline constexpr unsigned kFormatFloat1 = 3354;  // "%.1f"
inline constexpr unsigned kFormatFloat2 = 3355;  // "%.2f"
inline constexpr unsigned kFormatF = 3357;       // "%f"
inline constexpr unsigned kFormatI = 3358;       // "%i"
inline constexpr unsigned kFormatU = 3359;       // "%u"
inline constexpr unsigned kFormatLu = 3367;      // "%lu"
inline constexpr unsigned kFormatLi = 3368;      // "%li"
inline constexpr unsigned kFormatKlammer = 5354;  // "(%s)"

}  // namespace textid
