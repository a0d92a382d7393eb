#pragma once
// The library's one export as a function over an application object: the checks of the
// two variants, the dispatcher, the answer copied into out. Whatever goes wrong ends in
// result 0 with a message in out; nothing escapes to the program.
#include <cstdint>

#include "platform/variant/Variant.h"

class CVRMbasisApp;

namespace regio {

int BasisSchnittstelle(CVRMbasisApp& app, uint32_t code, const platform::VARIANT* in,
                       platform::VARIANT* out);

}  // namespace regio
