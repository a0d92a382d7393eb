#pragma once
// The library's three exports as functions over an application object: the checks of
// their arguments, the call, the answer. Whatever goes wrong ends in result 0 (with a
// message in out for the dispatcher, a cleared value for the value read); nothing escapes
// to the program.
//
// Signatures of the entry points by ordinal, as the program binds them:
//   1 DoSolarFunktion: vrmtoken::EntryPoint (code, in, out)
//   2 GetSolarenWert:  int (platform::VARIANT* name, TKelvoDatenID id, CVRMVariant* wert)
//   3 SetSolarenWert:  int (platform::VARIANT* name, TKelvoDatenID id,
//                           const CVRMVariant* wert, int flush)
// `name` is a token list whose first token names the plant (the collector for ids 43-45).
#include <cstdint>

#include "core/value/DatenId.h"
#include "core/value/VRMVariant.h"
#include "platform/variant/Variant.h"

class CVRMsolarApp;

namespace solar {

using GetSolarenWertFn = int (*)(platform::VARIANT* name, TKelvoDatenID id, CVRMVariant* wert);
using SetSolarenWertFn = int (*)(platform::VARIANT* name, TKelvoDatenID id, const CVRMVariant* wert,
                                 int flush);

int DoSolarFunktion(CVRMsolarApp& app, uint32_t code, const platform::VARIANT* in,
                    platform::VARIANT* out);
int GetSolarenWert(CVRMsolarApp& app, platform::VARIANT* name, TKelvoDatenID id, CVRMVariant* wert);
int SetSolarenWert(CVRMsolarApp& app, platform::VARIANT* name, TKelvoDatenID id,
                   const CVRMVariant* wert, int flush);

}  // namespace solar
