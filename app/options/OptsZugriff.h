#pragma once
// Short reads of one option for the option pages.
#include <cstdint>

#include "app/options/OptionsManager.h"
#include "core/value/VRMString.h"

namespace opts {

inline CVRMString Text(const COptionsManager& optionen, uint32_t id) {
    CVRMString wert;
    optionen.GetStringWert(id, wert);
    return wert;
}

inline int32_t Zahl(const COptionsManager& optionen, uint32_t id) {
    int32_t wert = 0;
    return optionen.GetLongWert(id, wert);
}

// A switch as a check box shows it: any stored value but 0 is on.
inline int Schalter(const COptionsManager& optionen, uint32_t id) {
    return Zahl(optionen, id) != 0 ? 1 : 0;
}

inline float Komma(const COptionsManager& optionen, uint32_t id) {
    float wert = 0.0f;
    return optionen.GetFloatWert(id, wert);
}

}  // namespace opts
