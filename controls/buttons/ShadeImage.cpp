#include "controls/buttons/ShadeImage.h"

#include <algorithm>

namespace buttons {
namespace {

int channel(std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

void buildPalette(CCeXDib& dib, const ShadeColours& c) {
    const auto mix = [](std::uint32_t from, std::uint32_t to, int i, int shift) {
        return (channel(from, shift) * (128 - i) + channel(to, shift) * i) / 128;
    };
    for (int i = 0; i <= 128; ++i)
        dib.SetPaletteIndex(i, mix(c.shadow, c.face, i, 0), mix(c.shadow, c.face, i, 8),
                            mix(c.shadow, c.face, i, 16));
    for (int i = 1; i <= 128; ++i)
        dib.SetPaletteIndex(127 + i, mix(c.face, c.highlight, i, 0),
                            mix(c.face, c.highlight, i, 8), mix(c.face, c.highlight, i, 16));
}

// Divisors that the formulas take from the image size are at least 1, so that small
// buttons draw instead of dividing by zero.
int atLeast1(int v) { return std::max(1, v); }

class Painter {
  public:
    Painter(CCeXDib& dib, int g, platform::Random15& random)
        : w_(dib.GetWidth()), h_(dib.GetHeight()), g_(g), dib_(dib), random_(random) {}

    // rand() / (32767 / 2g) - g; no noise without granularity.
    int noise() {
        if (g_ == 0) return 0;
        return random_.next() / atLeast1(platform::Random15::kMax / (2 * g_)) - g_;
    }
    // y counts from the bottom row.
    std::uint8_t& at(int x, int y) { return dib_.GetBits()[y * dib_.GetLineWidth() + x]; }
    void set(int x, int y, int value) { at(x, y) = static_cast<std::uint8_t>(value & 0xFF); }
    template <class F>
    void each(F f) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) f(x, y);
    }

    int w_, h_, g_;

  private:
    CCeXDib& dib_;
    platform::Random15& random_;
};

int cubeTerm(int t) { return t * t * t / 128 / 128; }

void paintRoundedBar(Painter& p) {
    const int w = p.w_, h = p.h_, g = p.g_;
    p.each([&](int x, int y) {
        const int t = y * 255 / h - 127;
        p.set(x, y, 128 + (cubeTerm(t) * ((64 - g) * 2)) / 128 + p.noise());
    });
    const int s = atLeast1(std::min(16, w / 6));
    const int h2 = h / 2, w2 = w / 2;
    const int rowDivisor = atLeast1(h * h / 4);
    p.each([&](int x, int y) {
        const int e = (s * (y - h2) * (y - h2)) / rowDivisor - s + w2;
        const int u = x - w2;
        if (e < u) p.set(x, y, 128 * (w - x) / s + g);
        if (e + u < 0) p.set(x, y, (255 - g) - ((128 * x / s) % 256));
        p.set(x, y, p.at(x, y) + p.noise());
    });
}

void paintMetal(Painter& p, CCeXDib& dib, platform::Random15& random) {
    const int w = p.w_, h = p.h_, g = p.g_;
    constexpr int kStreaks = 200;
    constexpr int kLevelDivisor = 819;  // 32767 / 819 = 40 levels
    dib.Clear(0);
    const auto draw = [&](int from) { return random.next() / atLeast1(platform::Random15::kMax / from); };
    for (int i = 0; i < kStreaks; ++i) {
        const int x0 = draw(w), y0 = draw(h), n = draw(std::min(w, h));
        const int level = random.next() / kLevelDivisor;
        for (int k = 0; k < n / 2; ++k) {
            // These coordinates count rows from the top; SetPixelIndex ignores the outside.
            if (x0 - k > 0 && y0 + k < h) dib.SetPixelIndex(x0 - k, y0 + k, static_cast<std::uint8_t>(level));
            if (x0 + k < w && y0 - k > 0) dib.SetPixelIndex(w - x0 + k, y0 - k, static_cast<std::uint8_t>(level));
        }
    }
    const int d2 = (255 - 2 * g - 40) / 2;
    p.each([&](int x, int y) {
        const int n = g == 0 ? 0 : random.next() / atLeast1(platform::Random15::kMax / (2 * g));
        p.set(x, y, p.at(x, y) + (d2 * (w - x)) / w + y * d2 / h + n);
    });
}

void paintPixels(const ShadeSettings& s, Painter& p, CCeXDib& dib, platform::Random15& random) {
    const int w = p.w_, h = p.h_, g = p.g_;
    const int d = 255 - 2 * g;
    switch (s.kind) {
    case kShadeDiagonal:
        p.each([&](int x, int y) { p.set(x, y, g + (d / 2) * (w - x) / w + y * (d / 2) / h + p.noise()); });
        break;
    case kShadeVertical:
        p.each([&](int x, int y) { p.set(x, y, g + y * d / h + p.noise()); });
        break;
    case kShadeHorizontal:
        p.each([&](int x, int y) { p.set(x, y, g + d * (w - x) / w + p.noise()); });
        break;
    case kShadeVerticalBump:
        p.each([&](int x, int y) {
            p.set(x, y, 128 + (cubeTerm(y * 255 / h - 127) * (128 - g)) / 128 + p.noise());
        });
        break;
    case kShadeHorizontalBump:
        p.each([&](int x, int y) {
            p.set(x, y, 128 + (cubeTerm((w - x) * 255 / w - 127) * (128 - g)) / 128 + p.noise());
        });
        break;
    case kShadeCushion:
        p.each([&](int x, int y) {
            const int sum = cubeTerm(y * 255 / h - 127) + cubeTerm((w - x) * 255 / w - 127);
            const int v = std::max(g, std::min(sum * (128 - g) / 128 + 128, 255 - g));
            p.set(x, y, v + p.noise());
        });
        break;
    case kShadeRoundedBar:
        paintRoundedBar(p);
        break;
    case kShadeMetal:
        paintMetal(p, dib, random);
        break;
    default:
        p.each([&](int x, int y) { p.set(x, y, 128 + p.noise()); });
        break;
    }
}

}  // namespace

void makeShade(const ShadeSettings& settings, int width, int height, const ShadeColours& colours,
               platform::Random15& random, CCeXDib& normal, CCeXDib& hover) {
    normal.Free();
    hover.Free();
    if (width <= 0 || height <= 0) return;
    if (!normal.Create(width, height, 8)) return;
    buildPalette(normal, colours);
    normal.BlendPalette(settings.colour, settings.colouring);
    const int g = std::clamp(settings.granularity, 0, 255);
    Painter painter(normal, g, random);
    paintPixels(settings, painter, normal, random);
    hover.Clone(normal);
    hover.BlendPalette(colours.highlight, settings.highlight);
}

}  // namespace buttons
