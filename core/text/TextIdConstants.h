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

// The product name, the caption of every message box.
inline constexpr unsigned kProduktCaption = 3168;  // "Varmion"
// The program's title, the main window's caption.
inline constexpr unsigned kProgrammTitel = 3548;  // "Varmion"

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

}  // namespace textid
