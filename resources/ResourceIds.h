#pragma once
// Resource ids of the language resource modules. The build reads the numbers from this
// file too (resources/CMakeLists.txt), so a module and the program cannot disagree.

// Language tables (type "LNG"), one in each language's module.
inline constexpr unsigned IDR_LNG_DEU = 249;
inline constexpr unsigned IDR_LNG_ENG = 250;
inline constexpr unsigned IDR_LNG_ITA = 251;
inline constexpr unsigned IDR_LNG_SVK = 257;
inline constexpr unsigned IDR_LNG_UNG = 310;
inline constexpr unsigned IDR_LNG_POL = 321;
inline constexpr unsigned IDR_LNG_ESP = 322;
inline constexpr unsigned IDR_LNG_UKR = 323;
inline constexpr unsigned IDR_LNG_RUS = 332;
inline constexpr unsigned IDR_LNG_SLV = 338;

// Pictures (type "BITMAP").
inline constexpr unsigned IDB_SPLASH = 243;  // the start-up picture
inline constexpr unsigned IDB_HINTERGRUND = 230;  // the main window's background
// The main window's button-bar pictures are the bitmaps 219, 221 to 227 and 302 to 307.
inline constexpr unsigned IDB_ABOUT = 160;  // the about box's picture
inline constexpr unsigned IDB_STANDARD_LOGO = 5196;  // the user's logo until one is chosen

// The program icon (type "ICON", a PNG picture).
inline constexpr unsigned IDI_PROGRAMM = 128;

// The wait dialog's animation (type "AVI", a strip of square frames side by side).
inline constexpr unsigned IDR_AVI_WARTEN = 5019;
