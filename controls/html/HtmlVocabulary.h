#pragma once
// The vocabulary of the HTML drawer: colour names, character entities and tags. Each is
// an ordered table filled once and matched exactly and case-sensitively.
#include <map>
#include <string>

#include "controls/html/HtmlCanvas.h"

namespace html {

// The value of a system colour index 0..24 (the desktop's numbering).
using SystemColourSource = Colour (*)(int index);

// 140 named colours and 28 system colour names read from `system` once.
std::map<std::u16string, Colour> makeColourTable(SystemColourSource system);
// The number of names in the table before the system colours.
inline constexpr int kFixedColourNames = 140;

// Entity text to replacement; applied in ascending order of the entity text.
const std::map<std::u16string, std::u16string>& entityTable();

enum class Tag {
    Bold = 1, Italic, Underline, Strikeout, Font, Rule, Break, Tab, Left, Center, Right,
    Justify, Baseline, Top, VCenter, Bottom, Bitmap, Icon, ImageList, String, StyleSheetEntry,
    Span, Link
};
struct TagInfo {
    Tag tag;
    std::u16string canonical;  // empty for tags that stand alone
};
const std::map<std::u16string, TagInfo>& tagTable();

}  // namespace html
