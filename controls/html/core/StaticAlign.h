#pragma once
// Where the HTML static control puts its drawn text block inside its client area.
//
//   html::BlockRect r = html::alignBlock({0, 0, 200, 40}, 120, 16, 0, html::staticStyle::Centre);
//
// The alignment flags: bits 1/2 horizontal (1 left, 2 right, 3 centre), bits 4/8 vertical
// (4 top, 8 bottom, 12 centre); a group of 0 takes its value from the static style.
namespace html {

namespace align {
constexpr unsigned Left = 1, Right = 2, HCentre = 3, HMask = 3;
constexpr unsigned Top = 4, Bottom = 8, VCentre = 12, VMask = 12;
}  // namespace align

// The static styles that choose an alignment (the values the desktop gives them).
namespace staticStyle {
constexpr unsigned Left = 0x0, Centre = 0x1, Right = 0x2, CentreImage = 0x200;
}

struct BlockRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const BlockRect&, const BlockRect&) = default;
};

// The block of width x height, first limited to the client's size.
BlockRect alignBlock(const BlockRect& client, int width, int height, unsigned alignFlags,
                     unsigned style);

}  // namespace html
