#include "controls/html/core/PixelEffects.h"

#include <algorithm>

namespace html {

namespace {

int channel(std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

std::uint32_t withChannels(std::uint32_t keepHigh, int c0, int c1, int c2) {
    return (keepHigh & 0xFF000000u) | (static_cast<std::uint32_t>(c2 & 0xFF) << 16) |
           (static_cast<std::uint32_t>(c1 & 0xFF) << 8) | static_cast<std::uint32_t>(c0 & 0xFF);
}

// Applies f to each of the three low channels.
template <typename F>
std::uint32_t perChannel(std::uint32_t c, F f) {
    return withChannels(c, f(channel(c, 0)), f(channel(c, 8)), f(channel(c, 16)));
}

// a x wa + b x wb per channel over `total`, exact integer truncation; a's high byte.
std::uint32_t mixWeighted(std::uint32_t a, int wa, std::uint32_t b, int wb, int total) {
    auto one = [&](int shift) { return (channel(a, shift) * wa + channel(b, shift) * wb) / total; };
    return withChannels(a, one(0), one(8), one(16));
}

}  // namespace

Pixels32::Pixels32(int w, int h, std::uint32_t fill)
    : width(std::max(0, w)), height(std::max(0, h)),
      words(static_cast<std::size_t>(width) * height, fill) {}

std::uint32_t greyScale(std::uint32_t c) {
    // Pixel order: red in bits 16..23, blue in bits 0..7.
    const int r = channel(c, 16), g = channel(c, 8), b = channel(c, 0);
    const int grey = static_cast<int>(0.299 * r + 0.587 * g + 0.114 * b);
    return withChannels(c, grey, grey, grey);
}

std::uint32_t darken(std::uint32_t c, double f) {
    if (f < 0.0 || f >= 1.0) return c;
    return perChannel(c, [f](int v) { return static_cast<int>(v * f); });
}

std::uint32_t lighten(std::uint32_t c, double f) {
    if (f <= 0.0 || f > 1.0) return c;
    return perChannel(c, [f](int v) { return std::min(255, static_cast<int>(v * (1.0 + f))); });
}

std::uint32_t invert(std::uint32_t c) { return c ^ 0x00FFFFFFu; }

std::uint32_t mix(std::uint32_t a, double pa, std::uint32_t b, double pb) {
    auto one = [&](int shift) {
        return std::clamp(static_cast<int>(channel(a, shift) * pa + channel(b, shift) * pb), 0, 255);
    };
    return withChannels(a, one(0), one(8), one(16));
}

EffectResult makeEffectCopy(const Pixels32& source, std::uint32_t flags, bool useTransparent,
                            std::uint32_t transparentColour, std::uint32_t fillColour,
                            bool alphaZeroTransparent) {
    EffectResult result;
    result.image = source;
    const std::uint32_t key = colourToPixel(transparentColour);
    const std::uint32_t fill = colourToPixel(fillColour);
    for (std::uint32_t& px : result.image.words) {
        const std::uint32_t alpha = px & 0xFF000000u;
        if (alpha != 0) result.hadAlpha = true;
        const bool transparent = (useTransparent && (px & 0xFFFFFF) == key) ||
                                 (alphaZeroTransparent && alpha == 0);
        if (transparent) {
            px = 0;
        } else {
            if (flags & effect::Grey) px = greyScale(px);
            if (flags & effect::Darken) px = darken(px, 0.75);
            if (flags & effect::Lighten) px = lighten(px, 0.25);
            if (flags & effect::Fill) px = alpha | fill;
        }
        if (flags & effect::Invert) px = invert(px);
    }
    return result;
}

void blendPixels(Pixels32& dest, const Pixels32& src, int percent) {
    if (dest.width != src.width || dest.height != src.height || percent <= 0) return;
    if (percent >= 100) {
        dest.words = src.words;
        return;
    }
    for (std::size_t i = 0; i < dest.words.size(); ++i)
        dest.words[i] = mixWeighted(dest.words[i], 100 - percent, src.words[i], percent, 100);
}

void alphaPixels(Pixels32& dest, const Pixels32& src) {
    if (dest.width != src.width || dest.height != src.height) return;
    for (std::size_t i = 0; i < dest.words.size(); ++i) {
        const int alpha = static_cast<int>(src.words[i] >> 24);
        dest.words[i] = mixWeighted(dest.words[i], 255 - alpha, src.words[i], alpha, 255);
    }
}

std::vector<double> boxFilter(int width, int height, const std::vector<std::uint8_t>& bytes,
                              int blurX, int blurY) {
    const int w = std::max(0, width), h = std::max(0, height);
    const int bx = std::max(1, blurX), by = std::max(1, blurY);
    std::vector<double> out(static_cast<std::size_t>(w) * h, 1.0);
    if (w == 0 || h == 0 || bytes.size() < static_cast<std::size_t>(w) * h * 4) return out;
    auto value = [&](int x, int y) -> long {
        if (x < 0 || y < 0 || x >= w || y >= h) return 255;
        return bytes[(static_cast<std::size_t>(y) * w + x) * 4];
    };
    // Running sums along the rows, then along the columns of those sums.
    const int leftX = bx / 2, rightX = bx - 1 - bx / 2;
    const int upY = by / 2, downY = by - 1 - by / 2;
    std::vector<long> rows(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        long sum = 0;
        for (int x = -leftX; x <= rightX; ++x) sum += value(x, y);
        for (int x = 0; x < w; ++x) {
            rows[static_cast<std::size_t>(y) * w + x] = sum;
            sum += value(x + rightX + 1, y) - value(x - leftX, y);
        }
    }
    auto rowSum = [&](int x, int y) -> long {
        if (y < 0 || y >= h) return 255L * bx;  // a row outside is all 255
        return rows[static_cast<std::size_t>(y) * w + x];
    };
    const double divisor = static_cast<double>(bx) * by * 255.0;
    for (int x = 0; x < w; ++x) {
        long sum = 0;
        for (int y = -upY; y <= downY; ++y) sum += rowSum(x, y);
        for (int y = 0; y < h; ++y) {
            out[static_cast<std::size_t>(y) * w + x] = static_cast<double>(sum) / divisor;
            sum += rowSum(x, y + downY + 1) - rowSum(x, y - upY);
        }
    }
    return out;
}

Pixels32 stretched(const Pixels32& source, int width, int height) {
    Pixels32 out(width, height);
    if (source.empty() || out.empty()) return out;
    if (source.width == out.width && source.height == out.height) return source;
    for (int y = 0; y < out.height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * source.height / out.height);
        for (int x = 0; x < out.width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * source.width / out.width);
            out.at(x, y) = source.at(sx, sy);
        }
    }
    return out;
}

void applyShadow(Pixels32& dest, const Pixels32& mask, bool blurred, int blurX, int blurY) {
    if (dest.width != mask.width || dest.height != mask.height || dest.empty()) return;
    if (!blurred) {
        for (std::size_t i = 0; i < dest.words.size(); ++i) {
            const int f = static_cast<int>(mask.words[i] & 0xFF);  // darken by f / 255
            dest.words[i] = mixWeighted(dest.words[i], f, 0, 0, 255);
        }
        return;
    }
    const int bx = std::max(1, blurX % 2 == 0 ? blurX + 1 : blurX);
    const int by = std::max(1, blurY % 2 == 0 ? blurY + 1 : blurY);
    // The mask shrunk by the blur sizes and centred on white, so that the blur fades out
    // inside the area instead of being cut at its edge.
    Pixels32 centred(dest.width, dest.height, 0xFFFFFFFFu);
    const Pixels32 small = stretched(mask, dest.width - bx, dest.height - by);
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x) centred.at(x + bx / 2, y + by / 2) = small.at(x, y);
    std::vector<std::uint8_t> bytes(centred.words.size() * 4);
    for (std::size_t i = 0; i < centred.words.size(); ++i) {
        const std::uint32_t w = centred.words[i];
        for (int k = 0; k < 4; ++k) bytes[i * 4 + k] = static_cast<std::uint8_t>((w >> (8 * k)) & 0xFF);
    }
    const std::vector<double> factors = boxFilter(dest.width, dest.height, bytes, bx, by);
    for (std::size_t i = 0; i < dest.words.size(); ++i)
        dest.words[i] = darken(dest.words[i], factors[i]);
}

std::vector<GradientBand> gradientBands(int start, int length, std::uint32_t from, std::uint32_t to) {
    std::vector<GradientBand> bands;
    if (length <= 0) return bands;
    constexpr int kBands = 64;
    for (int i = 0; i < kBands; ++i) {
        const int begin = start + static_cast<int>(static_cast<long long>(i) * length / kBands);
        const int end = start + static_cast<int>(static_cast<long long>(i + 1) * length / kBands);
        if (end <= begin) continue;
        auto step = [&](int shift) {
            const int a = channel(from, shift), b = channel(to, shift);
            return a + (b - a) * i / kBands;
        };
        bands.push_back({begin, end, withChannels(0, step(0), step(8), step(16))});
    }
    return bands;
}

}  // namespace html
