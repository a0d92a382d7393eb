#pragma once
// The text protocol between the program and its run-time libraries: a token list is a
// text in which every token is followed by "§#§", the last one too. Both sides use these
// functions, so a list that one writes is read by the other the same way. Texts arrive
// from the other side of a module boundary: every reader here takes any text, a huge or
// damaged one included, and answers without reading outside it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/value/VRMString.h"
#include "platform/variant/Variant.h"

namespace vrmtoken {

// "%lu" of the number, then the separator.
void AppendZahl(CVRMString& liste, uint32_t zahl);
// The text as it stands, then the separator.
void AppendText(CVRMString& liste, std::u16string_view text);
// The number in the printf format the call names ("%.1f", ...), then the separator.
void AppendFloat(CVRMString& liste, std::u16string_view format, double zahl);

// Splits the first token off: true with the token and the rest left in `liste`; false
// when there is no separator, and then both stay as they were.
bool SplitWert(CVRMString& liste, CVRMString& token);
// Token n (counting from 1) of the list; nullopt when n is below 1 or the n-th token has
// no separator behind it.
std::optional<CVRMString> GetToken(std::u16string_view liste, int n);
// What is left of the list once n-1 tokens have been split off (the rest a failing
// GetToken could not read); the whole list for n below 2.
CVRMString RestNach(std::u16string_view liste, int n);

// Numbers in a token as the C library reads them in base 10: leading white space, the
// longest valid prefix, 0 when there is none (an empty token too); text after it is ignored.
uint32_t LeseZahl(std::u16string_view token);
double LeseFloat(std::u16string_view token);
// A module handle travels as the decimal text of its 64-bit address; digits beyond that
// range give 0, so that a damaged token never stands for some other handle.
CVRMString HandleText(const void* handle);
uint64_t LeseHandle(std::u16string_view token);

// The entry point of a run-time library: function code, in and out texts as VT_BSTR
// variants; non-zero is success.
using EntryPoint = int (*)(uint32_t code, const platform::VARIANT* in, platform::VARIANT* out);

struct Antwort {
    bool ok = false;  // the entry point answered non-zero and out still held a text
    CVRMString text;  // out's text: the result list, or the library's message on failure
};

// The caller's side of one call: in from `in`, out as an empty text, the call, out's text
// read, both variants cleared (also when the call throws). An out that the callee left
// holding something other than a text reads as an empty failure.
Antwort Rufe(EntryPoint entry, uint32_t code, std::u16string_view in);

// The callee's side. A variant that is a text (VT_BSTR; a null string reads as empty).
bool IstText(const platform::VARIANT* v);
CVRMString TextVon(const platform::VARIANT& v);
// Puts `text` into `out` with VariantCopy, which frees what out held; S_OK on success.
platform::HRESULT SetzeText(platform::VARIANT* out, std::u16string_view text);

}  // namespace vrmtoken
