#pragma once
// The program's access to the cooling module: bound at start when its file is there; the
// document initialises a project's cooling plant through it. The plant's values live in
// the value store, so saving and resetting them does not call the module.
#include <filesystem>

#include "core/value/VRMString.h"
#include "platform/modules/Module.h"

class IKuehl {
  public:
    IKuehl() = delete;

    // Binds "vrmkuehl.dll" from the folder (the program folder unless a test names one).
    static void load(const std::filesystem::path& ordner = platform::programDir());
    // All three entry points bound.
    static bool IstGeladen();
    static void Leeren();

    // Code 63 with the plant's name. Unbound: error 3786; failing: error 3785.
    static void InitKuehlAnlage(const CVRMString& name);
    // The plant's cached values written to the database and flushed.
    static void SaveDaten(const CVRMString& name);
    // The plant's cached values back to their loaded values, then saved.
    static void reset(const CVRMString& name);
    // Always 0: no cooling load enters the heating evaluation.
    static float GetNullWert(int art, const CVRMString& anlage);
};
