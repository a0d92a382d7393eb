#pragma once
// The noise fills of the drawing manager (effect kinds 7 to 15): a 256-colour palette
// between three colours and one palette index per pixel, written into a palette bitmap.
//
//   CCeXDib scratch;
//   html::drawNoise(scratch, 15, 120, 40, c1, c2, c3, 10);   // "metal", then scratch.Draw(dc, x, y)
//
// The random numbers come from a 15-bit generator seeded afresh for every fill, so the
// same rectangle looks the same on every repaint. Every division by a size or a derived
// step uses a divisor of at least 1: empty, 1- and 2-pixel areas draw without fault.
#include <cstdint>

class CCeXDib;

namespace html {

constexpr int kFirstNoiseKind = 7;
constexpr int kLastNoiseKind = 15;

// Fills the palette from colour3 (index 0) over colour2 (128) to colour1 (255).
void setNoisePalette(CCeXDib& dib, std::uint32_t colour1, std::uint32_t colour2, std::uint32_t colour3);

// Makes `dib` an 8-bit image of width x height with the noise of `kind` (7..15) at the
// granularity (0..255, clamped). Answers false, leaving `dib` empty, for an empty size or
// another kind.
bool drawNoise(CCeXDib& dib, int kind, int width, int height, std::uint32_t colour1,
               std::uint32_t colour2, std::uint32_t colour3, int granularity);

}  // namespace html
