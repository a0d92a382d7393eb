#pragma once
// The rules of the house page that need no window: the checks of a save, the heat load
// taken from the heating-load dialog, and the start of the external calculation program.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Heating kinds of the page: underfloor, radiators, wall.
struct SHeizarten {
    std::array<int, 3> an{};          // check boxes, 1 ticked
    std::array<unsigned, 3> deckung{};  // degree of supply, percent
};
// The degrees of supply of the ticked kinds add up to exactly 100 (else text 3164).
bool DeckungVollstaendig(const SHeizarten& arten);

// The flow temperature against the return and the heat pump: 0 when it passes, else the
// text to raise: 3120 when the return is not at least 3 K (2.9) below the flow, 3121 when
// the flow lies above the heat pump's maximum flow temperature `maxVorlaufWP` (a whole
// number) by more than half a degree. Without a maximum the heat pump is not asked.
unsigned PruefeVorlauf(float vorlauf, float ruecklauf, std::optional<int> maxVorlaufWP);

// The heat load of the heating-load dialog as the page takes it: one decimal.
float HeizlastEineStelle(float heizlast);
// Internal and solar gains of country 13: the heat load x 2000 h x 0.25, cut to a whole
// number (never below 0).
unsigned GewinnAusHeizlast(float heizlast);

// The external program of option "VezivoVero": the path as the option holds it, blanks
// and one pair of quotes around it removed.
std::filesystem::path ProgrammPfad(std::u16string_view option);
// Why the program cannot be started, as the text of the failure: 3160 its folder is
// missing, 3159 the file is missing, 3158 it is no file the system can run; 0 when it can
// be started.
unsigned ProgrammFehler(const std::filesystem::path& programm);
