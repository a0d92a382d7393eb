#include "platform/variant/Variant.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace platform {
namespace {

constexpr size_t kPrefix = sizeof(uint32_t);

// The allocation of a string starts at its length prefix.
char* blockOf(BSTR text) {
    return reinterpret_cast<char*>(text) - kPrefix;
}

}  // namespace

BSTR SysAllocString(const char16_t* text) {
    if (!text) return nullptr;
    const std::u16string_view view(text);
    if (view.size() > std::numeric_limits<uint32_t>::max()) return nullptr;
    return SysAllocStringLen(text, static_cast<uint32_t>(view.size()));
}

BSTR SysAllocStringLen(const char16_t* text, uint32_t length) {
    // The prefix counts bytes in 32 bits.
    if (length > (std::numeric_limits<uint32_t>::max() - kPrefix) / sizeof(char16_t) - 1)
        return nullptr;
    const uint32_t bytes = length * static_cast<uint32_t>(sizeof(char16_t));
    char* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(char16_t)));
    if (!block) return nullptr;
    std::memcpy(block, &bytes, kPrefix);
    auto* chars = reinterpret_cast<char16_t*>(block + kPrefix);
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = u'\0';
    return chars;
}

void SysFreeString(BSTR text) {
    if (text) std::free(blockOf(text));
}

uint32_t SysStringLen(BSTR text) {
    if (!text) return 0;
    uint32_t bytes = 0;
    std::memcpy(&bytes, blockOf(text), kPrefix);
    return bytes / static_cast<uint32_t>(sizeof(char16_t));
}

std::u16string_view SysStringView(BSTR text) {
    return text ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view();
}

void VariantInit(VARIANT* v) {
    if (!v) return;
    std::memset(v, 0, sizeof *v);
    v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_INVALIDARG;
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_INVALIDARG;
    if (dest == src) return S_OK;
    VARIANT copy = *src;
    if (src->vt == VT_BSTR && src->bstrVal) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!copy.bstrVal) return E_OUTOFMEMORY;
    }
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

}  // namespace platform
