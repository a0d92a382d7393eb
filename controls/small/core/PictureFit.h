#pragma once
// Where the picture control draws its picture, and which image type a name gives,
// without a window.
#include <filesystem>
#include <string_view>

namespace small {

// Image type codes as the picture loader knows them; 0 none.
enum class BildTyp { Keiner = 0, Bmp = 1, Gif = 2, Jpeg = 3, Png = 4, Icon = 5 };

// The type of a resource type name ("PNG", "JPG", "GIF", "BMP", "ICO"; exact).
BildTyp typVonName(std::u16string_view name);
// The type of a file by the final suffix of its file name, any case; a name that is only
// a suffix (".png") or has none gives Keiner.
BildTyp typVonPfad(const std::filesystem::path& pfad);

struct BildRechteck {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const BildRechteck&, const BildRechteck&) = default;
};
// A larger picture shrunk with its aspect kept, a smaller one at its own size, centred in
// a client of W x H; with `groesseBehalten` the whole client.
BildRechteck bildRechteck(int w, int h, int W, int H, bool groesseBehalten);

}  // namespace small
