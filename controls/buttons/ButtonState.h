#pragma once
// What an owner-drawn button remembers and decides, without a window: colours, weight,
// check-box mode, pressed look, and where image and caption go.
#include <array>
#include <cstdint>
#include <string>

namespace buttons {

enum ButtonColour {
    kBackHover = 0,  // hovered or pressed
    kForeHover = 1,
    kBackNormal = 2,
    kForeNormal = 3,
    kBackFocus = 4,
    kForeFocus = 5,
    kColourCount = 6,
};

enum ButtonResult {
    kButtonOk = 0,
    kBitmapUnreadable = 1,
    kMaskFailed = 2,
    kBadColourIndex = 3,
    kBadPressedStyle = 6,
};

enum ImageAlign { kImageLeft = 0, kImageAbove = 1, kImageRight = 2 };

inline constexpr std::uint32_t kSystemBorderColours = 0xFFFFFF;
inline constexpr int kMaxUrlLength = 260;
inline constexpr int kImageMargin = 3;
inline constexpr int kNormalWeight = 400;

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};

// The button type bits a window had before it was made owner-drawn.
inline constexpr unsigned kTypeMask = 0x1F;
inline constexpr unsigned kTypeDefPushButton = 1;
inline constexpr unsigned kTypeCheckBit = 2;  // check boxes and their automatic kinds

class ButtonState {
  public:
    ButtonState(std::uint32_t faceColour, std::uint32_t textColour);

    // Remembers the window's type: a default push button sets the default flag, the check
    // box kinds set check-box mode.
    void subclass(unsigned style);
    unsigned typeBeforeSubclass() const { return type_; }
    bool isDefault() const { return default_; }
    void setDefault(bool d) { default_ = d; }
    bool checkBoxMode() const { return checkBox_; }

    int SetColor(int index, std::uint32_t colour);
    std::uint32_t colour(int index) const { return colours_[index]; }
    void SetDefaultColors(std::uint32_t faceColour, std::uint32_t textColour);
    int SetPressedStyle(int style);
    int pressedOffsetX() const { return offsetX_; }
    int pressedOffsetY() const { return offsetY_; }

    // Returns the old weight; the new one is limited to 0..1000.
    int SetFontWeight(int weight);
    int fontWeight() const { return weight_; }

    // Only in check-box mode; answers whether anything changed.
    bool SetCheck(int check);
    int GetCheck() const { return checked_ ? 1 : 0; }
    // A click: in check-box mode the check flips.
    bool click();

    void SetURL(std::u16string_view url);
    const std::u16string& url() const { return url_; }

    // The look of one drawing.
    struct ItemState {
        bool selected = false, focused = false, disabled = false;
    };
    bool pressed(const ItemState& item, bool menuShowing) const;
    // Background and text colours by state: hover/pressed, focused, normal.
    std::uint32_t background(bool hovered, bool pressed, bool focused) const;
    std::uint32_t text(bool hovered, bool pressed, bool focused) const;

    // Class-wide character set of button texts; returns the previous one.
    static std::uint8_t SetCharSet(std::uint8_t charSet);
    static std::uint8_t charSet();

  private:
    std::array<std::uint32_t, kColourCount> colours_{};
    unsigned type_ = 0;
    bool default_ = false, checkBox_ = false, checked_ = false;
    int offsetX_ = 1, offsetY_ = 1;
    int weight_ = kNormalWeight;
    std::u16string url_;
};

// Image and caption places in the client rectangle. `caption` starts as the client
// rectangle and is narrowed by the image when there is text.
struct ImagePlace {
    int x = 0, y = 0;
    Box caption;
};
ImagePlace placeImage(int align, bool hasText, const Box& client, int imageWidth, int imageHeight,
                      bool pressedOffset, int offsetX, int offsetY);

// Which of two images shows: 0 when hovered or pressed, else 1 when present.
int chooseImage(bool hovered, bool pressed, bool hasSecond);

// Pixel rules of the derived bitmaps (colours 0x00bbggrr).
std::uint32_t greyOf(std::uint32_t colour);
std::uint32_t darkerOf(std::uint32_t colour);

}  // namespace buttons
