#pragma once
// Straight line through two points, evaluated at x (also outside the two points).
// When the two x are closer than 0.1 the first y is the answer if the two y are within
// 0.1 of each other; otherwise a notice (text 3296) is shown and 0 returned.
//
// Inline: the yearly evaluation draws every capacity of the heat pump through it.
#include <cmath>

// The answer for two x closer than 0.1.
float InterpoliereOhneAbstand(float y1, float y2);

inline float InterpoliereLinear(float x1, float x2, float x, float y1, float y2) {
    constexpr float kMinDifference = 0.1f;
    if (std::fabs(x2 - x1) >= kMinDifference) {
        const float slope = (y2 - y1) / (x2 - x1);
        return (y1 - slope * x1) + slope * x;
    }
    return InterpoliereOhneAbstand(y1, y2);
}
