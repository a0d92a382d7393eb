#pragma once
// The program's access to the solar library Varmsun: bound once at start when its file is
// there, then asked for the monthly gains of a plant and the yields of its collector. The
// plant's own values live in the shared value store and are read and written there; the
// library hears only of a changed collector name. Unbound, every call reports 3487 and the
// program goes on without solar.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "core/value/VRMVariant.h"
#include "core/value/VRMwert.h"
#include "platform/modules/Module.h"
#include "platform/variant/Variant.h"

class CSolareGewinne;

// One yield record of a collector: the mean collector temperature it holds for and the
// monthly yields in kWh/m², January to December.
struct SKollektorErtrag {
    uint16_t key = 0;
    std::array<float, 12> ertraege{};
};

class ISolar {
  public:
    ISolar() = delete;

    // Ordinals 2 and 3: one value of a plant (or of a collector, ids 43 to 45) by name,
    // the name as the first token of a token list.
    using GetWertEintrag = int (*)(platform::VARIANT* name, TKelvoDatenID id, CVRMVariant* wert);
    using SetWertEintrag = int (*)(platform::VARIANT* name, TKelvoDatenID id,
                                   const CVRMVariant* wert, int flush);

    // Binds "Varmsun.dll" from the folder (the program folder unless a test names one) and
    // hands the house its two calls of the library.
    static void Laden(const std::filesystem::path& ordner = platform::programDir());
    // All three entry points bound.
    static bool IstGeladen();
    static void Leeren();
    // The library's version for the modules dialog; "?" until one was found.
    static const CVRMString& GetVersion();

    // Code 14: the library takes the plant (filled anew when it knows it).
    static void InitSolarAnlage(const CVRMString& name);
    // Code 49: the library checks the collector's yield records.
    static void InitKollektor(const CVRMString& name);
    // Codes 15 and 16: the gains of kind 1 (hot water), 2 (heating) or 3 (ground), per m².
    static void GetSolareGewinne(const CVRMString& name, unsigned short art,
                                 CSolareGewinne& gewinne);
    static void SetSolareGewinne(const CVRMString& name, unsigned short art,
                                 const CSolareGewinne& gewinne);
    // Code 32: the plant's collector yields at the mean temperature `key`, each month
    // entered with `key` as its temperature.
    static void GetKollektorErtraege(const CVRMString& name, uint32_t key,
                                     CSolareGewinne& ertraege);
    // Code 39: every yield record of a collector. The records are replaced only when the
    // whole answer was read.
    static void GetKollektorErtraege(const CVRMString& name,
                                     std::vector<SKollektorErtrag>& records);
    // Code 40: the collector's records as texts (key and 12 yields, each followed by "#").
    static void SetKollektorErtraege(const CVRMString& name, const CVRMStringArray& records);

    // A stored value of the plant from the value store, read from the database the first
    // time any caller asks for it.
    static CVRMwert& get(const CVRMString& name, TKelvoDatenID id, bool quiet = false);
    // Sets and saves the value; a new collector name (id 38) is also told the library.
    static void set(const CVRMString& name, TKelvoDatenID id, const CVRMVariant& wert, int flush);
    // The plant's cached values written and flushed.
    static void SaveDaten(const CVRMString& name);
    // The plant's cached values back to their loaded values, then saved.
    static void reset(const CVRMString& name);

    // The exchanger's loss in K for gains of kind 1, 2 or 3 (ids 24, 26, 28).
    static unsigned GetTauscherVerluste(const CVRMString& name, unsigned short art);
    // The temperature at which the plant feeds the ground in the month: the one entered
    // with the month's ground gain, else the exchanger loss of id 28.
    static unsigned GetErdEinspeiseTemp(const CVRMString& name, unsigned short monat);
};
