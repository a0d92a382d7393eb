#pragma once
// The generated faces of a shaded button: an 8-bit image over a palette running from the
// 3-D shadow colour through the button face to the 3-D highlight, and its lighter copy
// for hovering.
#include <cstdint>

#include "controls/buttons/CeXDib.h"
#include "platform/random15/Random15.h"

namespace buttons {

enum ShadeKind {
    kShadeNoise = 0,
    kShadeDiagonal = 1,
    kShadeVertical = 2,
    kShadeHorizontal = 3,
    kShadeVerticalBump = 4,
    kShadeHorizontalBump = 5,
    kShadeCushion = 6,
    kShadeRoundedBar = 7,
    kShadeMetal = 8,
};

// Colours 0x00bbggrr.
struct ShadeColours {
    std::uint32_t shadow = 0;
    std::uint32_t face = 0;
    std::uint32_t highlight = 0;
};

struct ShadeSettings {
    int kind = kShadeDiagonal;
    int granularity = 0;  // 0..255: noise amplitude
    int highlight = 0;    // percent towards the highlight colour for the hover image
    int colouring = 0;    // percent towards `colour` for both images
    std::uint32_t colour = 0;
};

// Fills `normal` and `hover` (width x height, 8 bits); an empty size leaves both empty.
void makeShade(const ShadeSettings& settings, int width, int height, const ShadeColours& colours,
               platform::Random15& random, CCeXDib& normal, CCeXDib& hover);

}  // namespace buttons
