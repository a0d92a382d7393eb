#pragma once
// The language modules the build ships, and their tables loaded as the program loads them
// at start-up: tests that need texts read the real ones rather than making up their own.
#include <string>
#include <vector>

namespace testsupport {

struct SprachModul {
    std::string datei;  // file name in the program folder
    unsigned tabelle;   // id of its "LNG" resource
};

// Every shipped language module, in the order the build adds them.
std::vector<SprachModul> AusgelieferteSprachModule();
// The English module.
SprachModul EnglischesModul();

// Clears the language table and fills it from the module's table; the current resource
// module is left as it was. False (with a test failure) when the module or its table is
// missing.
bool LadeSprache(const SprachModul& modul = EnglischesModul());

}  // namespace testsupport
