#pragma once
// One cell of the grid: its text and the attributes it is drawn with.
#include <cstdint>

#include "controls/grid/GridTypes.h"

class CGridCell {
  public:
    unsigned state = 0;
    unsigned nFormat = 0;
    CVRMString szText;
    int iImage = -1;
    grid::Colour crBkClr = grid::kDefaultColour;
    grid::Colour crFgClr = grid::kDefaultColour;
    grid::Font lfFont;
    uint32_t lParam = 0;
};
