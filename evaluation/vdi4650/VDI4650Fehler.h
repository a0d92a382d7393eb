#pragma once
// The two ways the VDI 4650 functions give up: a lookup out of its range (no text, the
// generic internal error) and a switch value they do not know (text 3162).
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace VDI4650 {

[[noreturn]] inline void ScheitereOhneText() {
    ThrowFehler(0, u"");
}

// 3162 "Switch constant wrong" with the place.
[[noreturn]] inline void ScheitereSchalter(const char16_t* ort) {
    ThrowFehler(textid::kFalscheKonstante, ort);
}

}  // namespace VDI4650
