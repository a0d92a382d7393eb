#include "controls/html/core/NoiseFill.h"

#include <algorithm>

#include "controls/buttons/CeXDib.h"
#include "platform/random15/Random15.h"

namespace html {

namespace {

constexpr int kRandMax = platform::Random15::kMax;

// A random value 0..limit-ish: rand() / (32767 / limit), the divisor at least 1.
int randomUpTo(platform::Random15& rng, int limit) {
    return rng.next() / std::max(1, kRandMax / std::max(1, limit));
}

struct Noise {
    platform::Random15 rng{1};
    int g = 0;
    // From -g to about +g.
    int next() { return randomUpTo(rng, 2 * g) - g; }
};

// The cubic ramp: t runs from -127 to about +128 over the length, the value is
// t^3 / 128 / 128 scaled by scale / 128.
int cubic(int pos, int length, int scale) {
    const int t = 255 * pos / std::max(1, length) - 127;
    return t * t * t / 128 / 128 * scale / 128;
}

void put(CCeXDib& dib, int x, int y, int value) {
    dib.SetPixelIndex(x, y, static_cast<std::uint8_t>(value & 0xFF));
}

int channelMix(std::uint32_t a, int wa, std::uint32_t b, int wb, int shift) {
    return (static_cast<int>((a >> shift) & 0xFF) * wa + static_cast<int>((b >> shift) & 0xFF) * wb) / 128;
}

void setEntry(CCeXDib& dib, int index, std::uint32_t a, int wa, std::uint32_t b, int wb) {
    dib.SetPaletteIndex(index, channelMix(a, wa, b, wb, 0), channelMix(a, wa, b, wb, 8),
                        channelMix(a, wa, b, wb, 16));
}

// Kind 14's curved border: columns beyond a parabola-shaped bound on either side take a
// steep ramp, which gives the rounded edge of a hard bump.
void curvedBorder(CCeXDib& dib, int w, int h, int g) {
    const int d = std::min(w / 6, 16);
    const int step = std::max(1, d);
    const int quarterSquare = std::max(1, h * h / 4);
    for (int r = 0; r < h; ++r) {
        const int fromMiddle = r - h / 2;
        const int bound = d * fromMiddle * fromMiddle / quarterSquare - d + w / 2;
        for (int c = 0; c < w; ++c) {
            const int u = c - w / 2;
            if (u > bound)
                put(dib, c, r, 128 * (w - c) / step + g);
            else if (u + bound < 0)
                put(dib, c, r, (255 - g) - 128 * c / step);
        }
    }
}

void metalStrokes(CCeXDib& dib, Noise& noise, int w, int h) {
    dib.Clear(0);
    for (int i = 0; i < 200; ++i) {
        const int x = randomUpTo(noise.rng, w);
        const int y = randomUpTo(noise.rng, h);
        const int length = randomUpTo(noise.rng, std::min(w, h));
        const int index = noise.rng.next() / 819;
        for (int k = 0; k < length; ++k) put(dib, x + k, y + k, index);  // outside: ignored
    }
    const int a = (215 - 2 * noise.g) / 2;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const int ramp = a * (w - c) / w + a * r / h;
            put(dib, c, r, dib.GetPixelIndex(c, r) + ramp + randomUpTo(noise.rng, 2 * noise.g));
        }
}

int pixelValue(int kind, Noise& noise, int c, int r, int w, int h) {
    const int g = noise.g;
    switch (kind) {
        case 7:
            return 128 + noise.next();
        case 8: {
            const int a = (255 - 2 * g) / 2;
            return g + a * (w - c) / w + a * r / h + noise.next();
        }
        case 9:
            return g + (255 - 2 * g) * r / h + noise.next();
        case 10:
            return 255 - g - (255 - 2 * g) * c / w + noise.next();
        case 11:
            return 128 + cubic(r, h, 128 - g) + noise.next();
        case 12:
            return 128 - cubic(c, w, 128 - g) + noise.next();
        case 13: {
            const int v = 128 - cubic(c, w, 128 - g) + cubic(r, h, 128 - g);
            return std::min(std::max(v, g), 255 - g) + noise.next();
        }
        case 14:
            return 128 + cubic(r, h, 2 * (64 - g)) + noise.next();
        default:
            return 0;
    }
}

}  // namespace

void setNoisePalette(CCeXDib& dib, std::uint32_t colour1, std::uint32_t colour2, std::uint32_t colour3) {
    for (int i = 0; i <= 128; ++i) setEntry(dib, i, colour3, 128 - i, colour2, i);
    for (int i = 1; i <= 128; ++i) setEntry(dib, 127 + i, colour2, 128 - i, colour1, i);
}

bool drawNoise(CCeXDib& dib, int kind, int width, int height, std::uint32_t colour1,
               std::uint32_t colour2, std::uint32_t colour3, int granularity) {
    dib.Free();
    if (width <= 0 || height <= 0 || kind < kFirstNoiseKind || kind > kLastNoiseKind) return false;
    if (!dib.Create(width, height, 8)) return false;
    setNoisePalette(dib, colour1, colour2, colour3);
    Noise noise;
    noise.g = std::clamp(granularity, 0, 255);
    if (kind == 15) {
        metalStrokes(dib, noise, width, height);
        return true;
    }
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) put(dib, c, r, pixelValue(kind, noise, c, r, width, height));
    if (kind == 14) {
        curvedBorder(dib, width, height, noise.g);
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c) put(dib, c, r, dib.GetPixelIndex(c, r) + noise.next());
    }
    return true;
}

}  // namespace html
