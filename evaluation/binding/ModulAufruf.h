#pragma once
// What every wrapper of a bound module does around its call: the call itself with the
// binding's interface error on failure, and the reading of result tokens with the
// binding's parameter error when one is missing.
#include <cstdint>
#include <string_view>

#include "core/text/TokenListe.h"
#include "core/value/VRMString.h"

namespace binding {

// The answer list of a successful call. A failing one reports `schnittstellenFehler` with
// the module's message as place and throws.
CVRMString RufeModul(vrmtoken::EntryPoint eintrag, uint32_t code, std::u16string_view in,
                     unsigned schnittstellenFehler);

// Token n (from 1) of an answer as a whole number or a float (kept within the float
// range). A missing token shows the plain box of `parameterFehler` (formatted with n and
// the unread rest) and throws.
uint32_t ZahlToken(std::u16string_view antwort, int n, unsigned parameterFehler);
float FloatToken(std::u16string_view antwort, int n, unsigned parameterFehler);

}  // namespace binding
