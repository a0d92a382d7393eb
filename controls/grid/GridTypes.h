#pragma once
// The small value types the grid and its owners pass around: cell ids and ranges, the
// item record, the state and mask bits, the notification codes and the geometry the
// grid computes with. No window system is needed for any of them.
#include <cstdint>

#include "controls/grid/GridFont.h"
#include "core/value/VRMString.h"

// A cell by row and column; (-1, -1) is no cell.
struct CCellID {
    int row = -1;
    int col = -1;
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID&) const = default;
};

// An inclusive block of cells.
struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;
    bool InRange(int row, int col) const {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool operator==(const CCellRange&) const = default;
};

namespace grid {

// Pixel geometry in the grid's client coordinates. A cell rectangle is inclusive: its
// right and bottom are the last pixels of the cell.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// Colours are 0x00bbggrr; this marker means "use the grid's colour".
using Colour = uint32_t;
inline constexpr Colour kDefaultColour = 0xFF000000;

// Cell state bits.
inline constexpr unsigned kStateFocused = 1;
inline constexpr unsigned kStateSelected = 2;
inline constexpr unsigned kStateMarked = 4;
inline constexpr unsigned kStateReadOnly = 8;
inline constexpr unsigned kStateModified = 32;

// Mask bits of the item record.
inline constexpr unsigned kMaskText = 1;
inline constexpr unsigned kMaskImage = 2;
inline constexpr unsigned kMaskData = 4;
inline constexpr unsigned kMaskState = 8;
inline constexpr unsigned kMaskBkColour = 16;
inline constexpr unsigned kMaskFgColour = 32;
inline constexpr unsigned kMaskFormat = 64;
inline constexpr unsigned kMaskFont = 128;

// Cell text format bits the grid itself looks at (the rest go to text drawing).
inline constexpr unsigned kFormatCentre = 1;
inline constexpr unsigned kFormatRight = 2;

// Codes of the notifications to the owner.
inline constexpr int kNotifySelChanging = -100;
inline constexpr int kNotifySelChanged = -101;
inline constexpr int kNotifyBeginEdit = -175;
inline constexpr int kNotifyEndEdit = -176;

// Grid-line modes.
inline constexpr int kLinesNone = 0;
inline constexpr int kLinesHorizontal = 1;
inline constexpr int kLinesVertical = 2;
inline constexpr int kLinesBoth = 3;

// The mouse state machine.
enum class MouseMode {
    None = 0,
    SelectAll = 1,
    SelectColumns = 2,
    SelectRows = 3,
    SelectCells = 4,
    OverRowDivider = 6,
    SizingRow = 7,
    OverColumnDivider = 8,
    SizingColumn = 9,
    PrepareEdit = 10,
};

enum class Cursor { Arrow, SizeNS, SizeWE };

// Key codes in the window system's numbering. They are key codes, never characters: a
// typed "!" arrives as a character and must not be read as Page Up.
namespace key {
inline constexpr unsigned kBack = 8;
inline constexpr unsigned kTab = 9;
inline constexpr unsigned kReturn = 13;
inline constexpr unsigned kEscape = 27;
inline constexpr unsigned kPageUp = 33;
inline constexpr unsigned kPageDown = 34;
inline constexpr unsigned kEnd = 35;
inline constexpr unsigned kHome = 36;
inline constexpr unsigned kLeft = 37;
inline constexpr unsigned kUp = 38;
inline constexpr unsigned kRight = 39;
inline constexpr unsigned kDown = 40;
inline constexpr unsigned kDelete = 46;
inline constexpr unsigned kA = 65;
inline bool IsNavigation(unsigned k) {
    return k >= kPageUp && k <= kDown;
}
}  // namespace key

// Modifier keys held.
inline constexpr unsigned kShift = 1;
inline constexpr unsigned kCtrl = 2;

// Scroll requests of the two scroll bars.
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom };

// What opened an in-place editor: the mouse, a navigation key that ended the editor before,
// or a typed character. Keeping keys and characters apart is what lets a typed space or
// "(" reach the editor instead of being taken for a navigation key.
struct EditTrigger {
    enum class Kind { Mouse, Key, Char };
    Kind kind = Kind::Mouse;
    char32_t code = 0;
    static EditTrigger Mouse() { return {Kind::Mouse, 1}; }
    static EditTrigger Key(unsigned k) { return {Kind::Key, k}; }
    static EditTrigger Char(char32_t c) { return {Kind::Char, c}; }
    bool operator==(const EditTrigger&) const = default;
};

// Alignment of an in-place editor.
enum class EditAlign { Left, Centre, Right };

// The control id of the in-place editor.
inline constexpr int kInPlaceEditId = 8;
// The auto-scroll timer.
inline constexpr unsigned kAutoScrollTimer = 513;

}  // namespace grid

// The item record of `GetItem`: the fields whose mask bit is set are filled.
struct GV_ITEM {
    int row = 0;
    int col = 0;
    unsigned mask = 0;
    unsigned state = 0;
    unsigned nFormat = 0;
    CVRMString szText;
    int iImage = -1;
    grid::Colour crBkClr = grid::kDefaultColour;
    grid::Colour crFgClr = grid::kDefaultColour;
    uint32_t lParam = 0;
    grid::Font lfFont;
};
