#pragma once
// The solar library's side of the token protocol: parameters taken by number from the in
// text, tokens split off one by one, and the result list built token by token. A missing
// parameter is the library's own error: a box naming the parameter, then the user
// exception.
#include <cstdint>
#include <string_view>

#include "core/value/VRMString.h"

namespace solar {

void GetParamZahl(const CVRMString& text, int n, uint32_t& wert);
void GetParamString(const CVRMString& text, int n, CVRMString& wert);

// False, with the text unchanged, when no separator is left.
bool SplitErstesToken(CVRMString& text, CVRMString& token);
bool SplitErsteZahl(CVRMString& text, uint32_t& wert);

void AddZahlToken(uint32_t n, CVRMString& text);
void AddStringToken(std::u16string_view s, CVRMString& text);
void AddFloatToken(float x, CVRMString& text, std::u16string_view format);

}  // namespace solar
