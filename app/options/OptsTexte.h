#pragma once
// Language texts that more than one option page shows.

namespace optstext {

inline constexpr unsigned kTitel = 3463;  // "Program options"
// "You cannot cancel this action!\nAre you sure to reset the values?"
inline constexpr unsigned kZuruecksetzenFrage = 3093;
// The filter of the program choosers: programs, then all files.
inline constexpr unsigned kProgrammFilter = 3170;

}  // namespace optstext
