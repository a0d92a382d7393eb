#include "controls/buttons/CeXDib.h"

#include <algorithm>
#include <cstring>

namespace {

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}
int paletteEntries(int bitCount) {
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}
// Generated faces are button-sized; anything larger is a caller's mistake.
constexpr int kMaxSide = 1 << 14;

}  // namespace

std::uint8_t* CCeXDib::Create(int width, int height, int bitCount) {
    Free();
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return nullptr;
    width_ = width;
    height_ = height;
    bitCount_ = bitCount;
    lineWidth_ = ((width * bitCount + 31) / 32) * 4;
    entries_ = paletteEntries(bitCount);
    const int imageSize = lineWidth_ * height;
    block_.assign(kHeaderSize + GetPaletteSize() + imageSize, 0);
    std::uint8_t* h = block_.data();
    put32(h, kHeaderSize);
    put32(h + 4, static_cast<std::uint32_t>(width));
    put32(h + 8, static_cast<std::uint32_t>(height));
    put16(h + 12, 1);
    put16(h + 14, static_cast<std::uint16_t>(bitCount));
    put32(h + 20, static_cast<std::uint32_t>(imageSize));
    return block_.data();
}

void CCeXDib::Free() {
    block_.clear();
    width_ = height_ = bitCount_ = lineWidth_ = entries_ = 0;
}

std::uint8_t* CCeXDib::GetBits() {
    return block_.empty() ? nullptr : block_.data() + kHeaderSize + GetPaletteSize();
}
const std::uint8_t* CCeXDib::GetBits() const {
    return block_.empty() ? nullptr : block_.data() + kHeaderSize + GetPaletteSize();
}

void CCeXDib::Clone(const CCeXDib& other) {
    if (&other == this) return;
    if (!other.IsValid()) {
        Free();
        return;
    }
    Create(other.width_, other.height_, other.bitCount_);
    block_ = other.block_;
}

void CCeXDib::SetPaletteIndex(int index, int red, int green, int blue) {
    if (block_.empty() || index < 0 || index >= entries_) return;
    std::uint8_t* e = palette() + 4 * index;
    e[0] = static_cast<std::uint8_t>(blue);
    e[1] = static_cast<std::uint8_t>(green);
    e[2] = static_cast<std::uint8_t>(red);
    e[3] = 0;
}

void CCeXDib::BlendPalette(std::uint32_t colour, int percent) {
    if (block_.empty()) return;
    percent = std::clamp(percent, 0, 100);
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    const auto mix = [percent](int c, int towards) {
        return static_cast<std::uint8_t>((c * (100 - percent) + towards * percent) / 100);
    };
    for (int i = 0; i < entries_; ++i) {
        std::uint8_t* e = palette() + 4 * i;
        e[0] = mix(e[0], b);
        e[1] = mix(e[1], g);
        e[2] = mix(e[2], r);
    }
}

void CCeXDib::Clear(std::uint8_t value) {
    if (std::uint8_t* bits = GetBits()) std::memset(bits, value, lineWidth_ * height_);
}

void CCeXDib::SetPixelIndex(int x, int y, std::uint8_t index) {
    if (block_.empty() || entries_ == 0 || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* row = GetBits() + (height_ - y - 1) * lineWidth_;
    switch (bitCount_) {
    case 8:
        row[x] = index;
        break;
    case 4: {
        std::uint8_t& b = row[x / 2];
        const int shift = (x % 2 == 0) ? 4 : 0;
        b = static_cast<std::uint8_t>((b & ~(0x0F << shift)) | ((index & 0x0F) << shift));
        break;
    }
    case 1: {
        std::uint8_t& b = row[x / 8];
        const int bit = 7 - x % 8;
        b = static_cast<std::uint8_t>(index ? (b | (1 << bit)) : (b & ~(1 << bit)));
        break;
    }
    }
}

std::uint32_t CCeXDib::PaletteColour(int index) const {
    if (block_.empty() || index < 0 || index >= entries_) return 0;
    const std::uint8_t* e = palette() + 4 * index;
    return static_cast<std::uint32_t>(e[2]) | (static_cast<std::uint32_t>(e[1]) << 8) |
           (static_cast<std::uint32_t>(e[0]) << 16);
}

std::uint8_t CCeXDib::GetPixelIndex(int x, int y) const {
    if (bitCount_ != 8 || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return GetBits()[(height_ - y - 1) * lineWidth_ + x];
}
