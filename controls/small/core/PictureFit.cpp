#include "controls/small/core/PictureFit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace small {

BildTyp typVonName(std::u16string_view name) {
    static constexpr std::array<std::pair<std::u16string_view, BildTyp>, 5> kNamen{{
        {u"PNG", BildTyp::Png}, {u"JPG", BildTyp::Jpeg}, {u"GIF", BildTyp::Gif},
        {u"BMP", BildTyp::Bmp}, {u"ICO", BildTyp::Icon}}};
    for (const auto& [n, typ] : kNamen)
        if (n == name) return typ;
    return BildTyp::Keiner;
}

BildTyp typVonPfad(const std::filesystem::path& pfad) {
    // A dot file such as ".png" has no extension, which is what we want.
    std::string endung = pfad.filename().extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static constexpr std::array<std::pair<std::string_view, BildTyp>, 5> kEndungen{{
        {".png", BildTyp::Png}, {".jpg", BildTyp::Jpeg}, {".gif", BildTyp::Gif},
        {".bmp", BildTyp::Bmp}, {".ico", BildTyp::Icon}}};
    for (const auto& [e, typ] : kEndungen)
        if (e == endung) return typ;
    return BildTyp::Keiner;
}

BildRechteck bildRechteck(int w, int h, int W, int H, bool groesseBehalten) {
    if (groesseBehalten || w <= 0 || h <= 0) return {0, 0, W, H};
    const double s = std::min(static_cast<double>(H) / h, static_cast<double>(W) / w);
    int breite = w, hoehe = h;
    if (s < 1) {
        breite = static_cast<int>(w * s) - 1;
        hoehe = static_cast<int>(h * s) - 1;
    }
    const int top = (H - hoehe) / 2;
    const int left = (W - breite) / 2;
    return {left, top, left + breite, top + hoehe};
}

}  // namespace small
