#pragma once
// The solar-gains dialog's reading of an edited grid: twelve months of texts become a gain
// record, every month entered; temperatures below 1 °C and gains below 0 are raised to
// those limits, and the caller is told which limit was hit.
#include <array>
#include <string>

#include "core/records/SolareGewinne.h"

namespace solargewinne {

inline constexpr float kMindestTemp = 1.0f;

struct SMonatsTexte {
    std::u16string temperatur;  // the ground grid's first column; unused for kinds 1 and 2
    std::u16string energie;
};

struct SGelesen {
    CSolareGewinne gewinne{1};
    bool tempAngehoben = false;
    bool energieAngehoben = false;
};

// A text that is no decimal number reads as 0.
float Zahl(const std::u16string& text);

// `art` 1 or 2 takes `temperatur` for every month, `art` 3 each month's own column.
SGelesen LeseGewinne(int art, float temperatur, const std::array<SMonatsTexte, 12>& monate);

// A stored record of kind 1 or 2 delivered at another feed temperature: every month with a
// record keeps its gain and takes the temperature; an empty month stays empty.
CSolareGewinne MitTemperatur(const CSolareGewinne& gespeichert, float temperatur);

}  // namespace solargewinne
