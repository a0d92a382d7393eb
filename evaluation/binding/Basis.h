#pragma once
// The program's access to the country library Varmregio: bound once at start, then asked
// for the country list. An unbound library is no failure at start; it is reported when a
// caller asks for data.
#include <cstdint>
#include <filesystem>

#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "platform/modules/Module.h"

class IBasis {
  public:
    IBasis() = delete;

    // Binds "Varmregio.dll" from the folder (the program folder unless a test names one).
    static void Init(const std::filesystem::path& ordner = platform::programDir());
    static bool IstGeladen();
    // Unbinds, as a failed binding does.
    static void Leeren();

    // Fills `liste` with the tokens of the library's answer to `code` (1172: the countries).
    // Unbound: error 3743; a failing call: error 5705 with the library's message as place.
    static void GetBasisDaten(uint32_t code, CVRMStringArray& liste);

    // Splits the first token off `text`: 1 with the token, 0 when none is left.
    static int SplitWert(CVRMString& text, CVRMString& token);
};
