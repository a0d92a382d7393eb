#pragma once
// The program's access to the earth-air heat-exchanger module: bound at start when its
// file is there, then asked for the ground absorber an air heat pump needs. The module is
// not part of this system; without it every call reports the default error.
#include <array>
#include <cstdint>
#include <filesystem>

#include "core/value/VRMString.h"
#include "platform/modules/Module.h"

class CAuswertDaten;

class IErdluft {
  public:
    IErdluft() = delete;

    // Binds "vrmerdluft.dll" from the folder (the program folder unless a test names one).
    static void load(const std::filesystem::path& ordner = platform::programDir());
    static bool IstGeladen();
    static void Leeren();
    // The module's version for the modules dialog; "?" until one was found.
    static const CVRMString& GetVersion();

    // Code 3: the year's heat delivered for heating and hot water (evaluation fields 7 and
    // 8), "%.0f"; the recommended collector length [m] back.
    static uint32_t GetErdluftDaten3(const CAuswertDaten& jahr);
    // Codes 4, 5 and 6 without input; another code is error 3162.
    static void GetErdluftDaten(int32_t code, uint32_t& wert);
    // Code 7: x, the twelve a, the twelve b, each "%.1f"; twelve floats back.
    static void GetErdluftDaten7(float x, const std::array<float, 12>& a,
                                 const std::array<float, 12>& b, std::array<float, 12>& ergebnis);
};
