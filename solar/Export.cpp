// The library's application object and its exports by ordinal. At unload the object lets
// go of the provider before its plants go.
#include "platform/modules/Module.h"
#include "solar/SolarApp.h"
#include "solar/SolarSchnittstelle.h"

namespace {

struct Bibliothek {
    CVRMsolarApp app;
    ~Bibliothek() { app.ExitInstance(); }
};

Bibliothek theApp;

int DoSolarFunktion(uint32_t code, const platform::VARIANT* in, platform::VARIANT* out) {
    return solar::DoSolarFunktion(theApp.app, code, in, out);
}

int GetSolarenWert(platform::VARIANT* name, TKelvoDatenID id, CVRMVariant* wert) {
    return solar::GetSolarenWert(theApp.app, name, id, wert);
}

int SetSolarenWert(platform::VARIANT* name, TKelvoDatenID id, const CVRMVariant* wert, int flush) {
    return solar::SetSolarenWert(theApp.app, name, id, wert, flush);
}

}  // namespace

VARM_ORDINAL_TABLE({1, reinterpret_cast<void*>(&DoSolarFunktion)},
                   {2, reinterpret_cast<void*>(&GetSolarenWert)},
                   {3, reinterpret_cast<void*>(&SetSolarenWert)})
