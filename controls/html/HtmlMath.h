#pragma once
// Integer arithmetic of the HTML layout. Markup can ask for any size, so coordinates are
// kept within a bound that sums of many of them cannot carry past the int range.
#include <algorithm>
#include <cstdint>

namespace html {

inline constexpr int kMaxCoord = 1'000'000;

constexpr int clampCoord(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -kMaxCoord, kMaxCoord));
}

// a x b / c rounded half away from zero, as the desktop's MulDiv; c == 0 gives -1.
constexpr int mulDiv(long long a, long long b, long long c) {
    if (c == 0) return -1;
    const long long p = a * b;
    const long long half = (c < 0 ? -c : c) / 2;
    const long long q = ((p < 0) != (c < 0)) ? (p - half) / c : (p + half) / c;
    return clampCoord(q);
}

}  // namespace html
