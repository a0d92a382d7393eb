#pragma once
// The language texts some records depend on: the fluid correlations tell ethylene glycol
// by the name of language text 3812, so the generator loads the English language table
// as the program loads it from its resource module.
#include <filesystem>

namespace libgen {

// Replaces the language table by the repository table `datei` (UTF-8 "id##text" lines).
// Throws std::runtime_error for a file that cannot be read or converted.
void LadeSprachtabelle(const std::filesystem::path& datei);

}  // namespace libgen
