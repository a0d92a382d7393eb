#pragma once
// The program's access to the report module. The module is not part of this system and
// has no loader: its entry points are never bound, and every call reports 3587.
#include <cstdint>

#include "core/value/VRMString.h"

class IReport {
  public:
    IReport() = delete;

    // Does nothing: there is no report module to bind.
    static void Laden();
    // All four entry points bound; never in this system.
    static bool IstGeladen();

    // Hands a value for the report under `key` (164: the number of the HTML template).
    static void SetDaten(uint32_t key, unsigned wert);
    static void SetDaten(uint32_t key, int wert);
    static void SetDaten(uint32_t key, const CVRMString& wert);
};
