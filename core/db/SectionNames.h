#pragma once
// The names and texts that the databases, the value store and the module protocols share:
// list and location sections, number formats, folder placeholders and separators. Every
// place that writes or reads one of them takes it from here, so that a name stays the same
// in every file that stores or finds it.

namespace vrmdb {

// List sections, in the order of TKelvoListID (0 to 17): each names the records of a kind.
inline constexpr char16_t kSektionProjekte[] = u"Projekte";
inline constexpr char16_t kSektionHaeuser[] = u"Häuser";
inline constexpr char16_t kSektionKlimaorte[] = u"Klimaorte";
inline constexpr char16_t kSektionTarife[] = u"Tarife";
inline constexpr char16_t kSektionWPumpen[] = u"WPumpen";
inline constexpr char16_t kSektionUmhuellungenAbs[] = u"UmhuellungenAbs";
inline constexpr char16_t kSektionMaterialienAbs[] = u"MaterialienAbs";
inline constexpr char16_t kSektionFrostschutzMittel[] = u"FrostschutzMittel";
inline constexpr char16_t kSektionBodenorte[] = u"Bodenorte";
inline constexpr char16_t kSektionWQuellen[] = u"WQuellen";
inline constexpr char16_t kSektionBodenArten[] = u"BodenArten";
inline constexpr char16_t kSektionWetterorte[] = u"Wetterorte";
inline constexpr char16_t kSektionSolarAnlagen[] = u"SolarAnlagen";
inline constexpr char16_t kSektionSolarKollektoren[] = u"SolarKollektoren";
inline constexpr char16_t kSektionSonnenorte[] = u"Sonnenorte";
inline constexpr char16_t kSektionKuehlAnlagen[] = u"KuehlAnlagen";
inline constexpr char16_t kSektionAbluftAnlagen[] = u"AbluftAnlagen";
inline constexpr char16_t kSektionLaender[] = u"Laender";

// The record of the program options.
inline constexpr char16_t kSektionOptionen[] = u"Optionen";

// Location sections: the values of climate, weather, soil and sun locations, each stored
// under the location's name (with a suffix for the further values of a location).
inline constexpr char16_t kSektionKlimadaten[] = u"Klimadaten";
inline constexpr char16_t kSektionWetterdaten[] = u"Wetterdaten";
inline constexpr char16_t kSektionBodendaten[] = u"Bodendaten";
inline constexpr char16_t kSektionSonnendaten[] = u"Sonnendaten";

// Further sections of the databases.
inline constexpr char16_t kSektionBiboInfo[] = u"BiboInfo";  // the library database's version
inline constexpr char16_t kSektionWPManager[] = u"WPManager";

// Number formats of database values and protocol tokens.
inline constexpr char16_t kFormatLu[] = u"%lu";
inline constexpr char16_t kFormatFloat0[] = u"%.0f";
inline constexpr char16_t kFormatFloat1[] = u"%.1f";
inline constexpr char16_t kFormatFloat2[] = u"%.2f";

// Placeholders at the start of a stored folder or command, expanded when read.
inline constexpr char16_t kPlatzhalterDataDir[] = u"{DataDir}";  // the data folder
inline constexpr char16_t kPlatzhalterInstDir[] = u"{InstDir}";  // the report-template folder
inline constexpr char16_t kPlatzhalterDocApp[] = u"{DocApp}";    // the ".doc" command

// Separators: each token of a text token list is followed by kTokenTrenner; each number of
// a number series (performance records, monthly values, cost lists) by kZahlenTrenner.
inline constexpr char16_t kTokenTrenner[] = u"§#§";
inline constexpr char16_t kZahlenTrenner[] = u"#";

}  // namespace vrmdb
