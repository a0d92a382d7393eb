// The reversible scrambling of stored texts (heat-pump performance records).
#include <array>
#include <cstddef>
#include <utility>

#include "core/value/VRMString.h"

namespace {

// The key of the routine: added to the unit at position j is kShift[j % 8].
// Changing it makes every stored record unreadable.
constexpr std::array<char16_t, 8> kShift = {3, 7, 1, 8, 2, 9, 4, 6};

// Swaps within blocks of six; each swap is its own inverse, so this serves both ways.
void swapBlocks(std::u16string& text) {
    const size_t n = text.size();
    for (size_t b = 0; b < n; b += 6) {
        const size_t r = n - b;
        if (r >= 5) std::swap(text[b], text[b + 4]);
        if (r >= 3) std::swap(text[b + 1], text[b + 2]);
        if (r >= 6) std::swap(text[b + 3], text[b + 5]);
    }
}

void shift(std::u16string& text, int direction) {
    for (size_t j = 0; j < text.size(); ++j)
        text[j] = static_cast<char16_t>(text[j] + direction * kShift[j % kShift.size()]);
}

}  // namespace

CVRMString CVRMString::EnCode(const CVRMString& text) {
    CVRMString code(text);
    swapBlocks(code);
    shift(code, +1);
    return code;
}

CVRMString CVRMString::DeCode(const CVRMString& text) {
    CVRMString plain(text);
    shift(plain, -1);
    swapBlocks(plain);
    return plain;
}
