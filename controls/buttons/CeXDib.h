#pragma once
// A small palette bitmap: header, colour table and pixel rows in one block, rows stored
// bottom-up and padded to 4 bytes, as device-independent bitmaps are laid out. Holds the
// generated faces of the shaded buttons.
//
//   CCeXDib dib;
//   dib.Create(100, 40, 8);
//   dib.SetPaletteIndex(0, 255, 0, 0);
//   dib.Clear(0);                      // every pixel red
//   dib.Draw(dc, 0, 0);                // in a paint hook
#include <cstdint>
#include <vector>

namespace ui {
class DrawContext;
}

class CCeXDib {
  public:
    static constexpr int kHeaderSize = 40;

    virtual ~CCeXDib() = default;

    // Frees what was held; the pixels are left undefined (zero here), the palette zero.
    // Null for a size or bit count that cannot be held.
    std::uint8_t* Create(int width, int height, int bitCount);
    void Free();
    int GetSize() const { return static_cast<int>(block_.size()); }
    int GetPaletteSize() const { return entries_ * 4; }
    std::uint8_t* GetBits();
    const std::uint8_t* GetBits() const;
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetBitCount() const { return bitCount_; }
    int GetLineWidth() const { return lineWidth_; }
    bool IsValid() const { return !block_.empty(); }

    void Clone(const CCeXDib& other);
    void SetPaletteIndex(int index, int red, int green, int blue);
    // Moves every palette entry towards the colour (0x00bbggrr) by a percentage.
    void BlendPalette(std::uint32_t colour, int percent);
    void Clear(std::uint8_t value);
    // y counts from the top row.
    void SetPixelIndex(int x, int y, std::uint8_t index);
    // The palette colour (0x00bbggrr) of a palette entry; 0 outside the table.
    std::uint32_t PaletteColour(int index) const;
    // The pixel value of an 8-bit image, y from the top; 0 outside.
    std::uint8_t GetPixelIndex(int x, int y) const;

    void Draw(ui::DrawContext& dc, int x, int y) const;

  private:
    std::uint8_t* palette() { return block_.data() + kHeaderSize; }
    const std::uint8_t* palette() const { return block_.data() + kHeaderSize; }

    std::vector<std::uint8_t> block_;
    int width_ = 0, height_ = 0, bitCount_ = 0, lineWidth_ = 0, entries_ = 0;
};
