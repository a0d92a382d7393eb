#pragma once
// Stand-in for the automation variant and its counted string. Run-time libraries hand
// token lists across the module boundary in VT_BSTR variants, so these stay plain data:
// a C-layout struct and strings owned by this library's allocator (the callee fills an
// out variant with VariantCopy, the caller frees it with VariantClear).
#include <cstdint>
#include <string_view>

namespace platform {

using VARTYPE = uint16_t;
using HRESULT = int32_t;
using VARIANT_BOOL = int16_t;
// A counted UTF-16 string: the pointer addresses the first character; the four bytes
// before it hold the byte length; a NUL follows the last character.
using BSTR = char16_t*;

// The variant types this system uses, with the values the automation layer gives them.
constexpr VARTYPE VT_EMPTY = 0, VT_NULL = 1, VT_I4 = 3, VT_R4 = 4, VT_BSTR = 8, VT_BOOL = 11,
                  VT_UI1 = 17, VT_UI2 = 18, VT_UI4 = 19, VT_INT = 22, VT_UINT = 23,
                  VT_BYREF = 0x4000;
constexpr VARIANT_BOOL VARIANT_TRUE = -1, VARIANT_FALSE = 0;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);

struct VARIANT {
    VARTYPE vt;
    uint16_t wReserved1, wReserved2, wReserved3;
    union {
        int32_t lVal;          // VT_I4
        uint8_t bVal;          // VT_UI1
        float fltVal;          // VT_R4
        VARIANT_BOOL boolVal;  // VT_BOOL
        BSTR bstrVal;          // VT_BSTR
        uint16_t uiVal;        // VT_UI2
        uint32_t ulVal;        // VT_UI4
        int32_t intVal;        // VT_INT
        uint32_t uintVal;      // VT_UINT
        uint8_t* pbVal;        // VT_BYREF | VT_UI1
        void* byref;
    };
};

// A new string of the characters up to the first NUL; null gives null.
BSTR SysAllocString(const char16_t* text);
// A new string of `length` characters taken from `text` (zeros when `text` is null).
// Null when the length cannot be represented or memory runs out.
BSTR SysAllocStringLen(const char16_t* text, uint32_t length);
// Frees a string of SysAllocString*; null is allowed.
void SysFreeString(BSTR text);
// Number of characters; 0 for null.
uint32_t SysStringLen(BSTR text);
// The characters of a string as a view; empty for null.
std::u16string_view SysStringView(BSTR text);

// Empties a variant without freeing what it held (for fresh, uninitialised ones).
void VariantInit(VARIANT* v);
// Frees what the variant owns (its string) and empties it.
HRESULT VariantClear(VARIANT* v);
// Clears `dest`, then copies `src` into it; a string is copied, not shared.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);

}  // namespace platform
