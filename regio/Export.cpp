// The library's application object and its export by ordinal.
#include "platform/modules/Module.h"
#include "regio/BasisApp.h"
#include "regio/BasisSchnittstelle.h"

namespace {

CVRMbasisApp theApp;

int GetInfo(uint32_t code, const platform::VARIANT* in, platform::VARIANT* out) {
    return regio::BasisSchnittstelle(theApp, code, in, out);
}

}  // namespace

VARM_ORDINAL_TABLE({1, reinterpret_cast<void*>(&GetInfo)})
