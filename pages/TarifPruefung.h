#pragma once
// The checks of a tariff's daily windows and blocking hours before it is saved, without a
// window: which questions the page asks and whether the windows make up a whole day.
struct STarifZeiten {
    bool tag = false, nacht = false;  // day tariff (1) and night tariff (2) in use
    unsigned von1 = 0, bis1 = 0, von2 = 0, bis2 = 0;
    float sperr1 = 0.0f, sperr2 = 0.0f;  // blocking hours during each tariff
};

// More than this many blocking hours a day in all are asked about.
inline constexpr float kSperrzeitFrage = 6.0f;
// A window shorter than this many hours is asked about.
inline constexpr unsigned kKurzerTarif = 8;

// Hours of a window from `von` to `bis` that does not pass midnight; 24 for the whole day.
unsigned TarifDauer(unsigned von, unsigned bis);
bool SperrzeitenFragen(const STarifZeiten& z);
// A window in use that ends later the same day and is short. One past midnight is not asked.
bool TarifKurzFragen(bool benutzt, unsigned von, unsigned bis);
// The windows in use make up exactly one day: with both, the night window runs from the
// end of the day window to its start; with one alone, it starts and ends at the same hour.
bool GanzerTag(const STarifZeiten& z);
