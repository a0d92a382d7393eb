#pragma once
// The font description every cell carries: what a logical font holds. The drawing side
// turns it into a real font; the grid's data only copies it around.
#include <string>

namespace grid {

struct Font {
    int height = 0;  // negative: character height in pixels; positive: cell height
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    std::u16string faceName;
    bool operator==(const Font&) const = default;
};

}  // namespace grid
