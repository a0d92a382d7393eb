#pragma once
// The solar-gains dialog's reading of an edited grid: twelve months of texts become a gain
// record, every month entered; temperatures below 1 °C and gains below 0 are raised to
// those limits, and the caller is told which limit was hit.
#include <array>
#include <string>

#include "core/records/SolareGewinne.h"

namespace solargewinne {

inline constexpr float kMindestTemp = 1.0f;
// The feed temperatures the dialog shows [°C]: a target of up to 90 °C plus the exchanger
// loss stays well inside; below 0 there is nothing to feed.
inline constexpr int kVorlaufMin = 0, kVorlaufMax = 150;

// A stored temperature as shown: cut to whole degrees, kept within kVorlaufMin..kVorlaufMax
// (a value that is no number is kVorlaufMin).
int Vorlauf(float temperatur);
// The feed temperature after the exchanger loss changed from `alt` to `neu` K: the
// temperature follows the loss, kept within kVorlaufMin..kVorlaufMax.
int VorlaufNachVerlust(int temperatur, unsigned alt, unsigned neu);

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
