#pragma once
// The languages the program starts in: for each Windows primary language number the
// resource module, the language file, the language table's id, the country code, the
// character set of button texts and the two texts shown before a language table exists.
#include <cstdint>
#include <string_view>

struct SSprachZeile {
    int primaer;  // Windows primary language number; -1: the row of every other number
    std::u16string_view resModul;
    std::u16string_view sprachDatei;
    unsigned tabellenId;
    int landCode;
    uint8_t zeichensatz;  // 0 default, 204 Cyrillic, 238 Central European
    std::u16string_view nichtGefunden;
    std::u16string_view fehler;
};

// The row of the primary language; every other number, 0 included, takes the last row.
const SSprachZeile& SucheSprachZeile(int primaer);
// The country code of the row for the sub-language (German and English know regions).
int LandCodeFuer(const SSprachZeile& zeile, int subSprache);

// The failure text before a language was chosen, and the German one.
inline constexpr std::u16string_view kStartFehlerText = u"Varmion kann nicht initialisiert werden";
