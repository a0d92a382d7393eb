#pragma once
// Fonts described the way the stored data and the drawing code describe them (a logical
// font record): height < 0 is the em height in pixels, height > 0 the cell height
// (ascent + descent), 0 the default size; weight 0..1000 (0 = normal 400, 700 bold);
// escapement in tenths of a degree counter-clockwise, used by textOut for rotated text.
// Width and character set are kept as data only: Qt scales by height and is Unicode.
//
//   ui::FontSpec f = ui::messageFont();  f.weight = 700;
//   QFont q = ui::toQFont(f);            // or DrawContext::selectFont(f)
#include <QFont>
#include <cstdint>
#include <string>

namespace ui {

struct FontSpec {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;
    std::u16string face;  // empty: the default face
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The face used when a spec names none, and the em height of height 0.
inline constexpr char16_t kDefaultFace[] = u"Liberation Sans";
inline constexpr int kDefaultEmPixels = 12;

QFont toQFont(const FontSpec& spec);
FontSpec fromQFont(const QFont& font);
// The em pixel size `toQFont` gives a spec (cell heights converted by the face's ratio).
int emPixels(const FontSpec& spec);

// The font of message boxes and dialogs, and the stock GUI font.
FontSpec messageFont();
FontSpec defaultGuiFont();
// A font of `tenthsOfPoint` at the screen's 96 pixels per inch (negative height).
FontSpec pointFont(int tenthsOfPoint, std::u16string face);

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;  // height - em height
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};
TextMetrics textMetricsOf(const FontSpec& spec);

}  // namespace ui
