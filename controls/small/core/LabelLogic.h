#pragma once
// The label's drawing decisions without a window: gradient bands, the colour of the text
// in each flash phase, the text format of its style and the target a click opens.
// Colours are 0x00bbggrr words.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace small {

struct Band {
    int left = 0, right = 0;  // right excluded
    std::uint32_t farbe = 0;
};
// At most 100 bands (one per pixel when narrower), the last reaching the right edge; each
// component grows per band by (end - start) * 256 / n in 8.8 fixed point.
std::vector<Band> verlaufsBaender(int breite, std::uint32_t start, std::uint32_t ende);

enum class Blinken { Aus = 0, Text = 1, Hintergrund = 2 };
// The text colour of a paint: in the hidden phase of text flashing the colour of the
// background actually painted, so the text disappears into it.
std::uint32_t blinkTextFarbe(Blinken art, bool zustand, std::uint32_t textFarbe,
                             std::uint32_t gemalterHintergrund);

// The text layout a static control's style asks for.
enum class StaticStil { Links, Zentriert, Rechts, LinksOhneUmbruch, BildZentriert };
struct TextFormat {
    enum class Ausrichtung { Links, Mitte, Rechts } ausrichtung = Ausrichtung::Links;
    bool umbruch = true;
    bool tabs = false;
    bool vertikalMittig = false;  // on one line, centred vertically
};
TextFormat textFormat(StaticStil stil, const std::u16string& text);

enum class LinkArt { Keiner = 0, Web = 1, Mail = 2 };
// The target a click opens: a web link its address, or the text when the address is
// empty; a mail link "mailto:" and the text; none without a link.
std::optional<std::u16string> linkZiel(LinkArt art, const std::u16string& adresse,
                                       const std::u16string& text);

}  // namespace small
