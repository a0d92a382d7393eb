#pragma once
// The cells' font description and the drawing layer's, field for field.
#include "controls/grid/GridFont.h"
#include "platform/ui/Font.h"

namespace grid {

inline ui::FontSpec ToFontSpec(const Font& f) {
    ui::FontSpec spec;
    spec.height = f.height;
    spec.width = f.width;
    spec.escapement = f.escapement;
    spec.orientation = f.orientation;
    spec.weight = f.weight;
    spec.italic = f.italic;
    spec.underline = f.underline;
    spec.strikeOut = f.strikeOut;
    spec.charSet = static_cast<std::uint8_t>(f.charSet);
    spec.face = f.faceName;
    return spec;
}

inline Font FromFontSpec(const ui::FontSpec& spec) {
    Font f;
    f.height = spec.height;
    f.width = spec.width;
    f.escapement = spec.escapement;
    f.orientation = spec.orientation;
    f.weight = spec.weight;
    f.italic = spec.italic;
    f.underline = spec.underline;
    f.strikeOut = spec.strikeOut;
    f.charSet = spec.charSet;
    f.faceName = spec.face;
    return f;
}

}  // namespace grid
