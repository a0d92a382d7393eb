#pragma once
// The decisions of the in-place editor that need no window: how it opens for what started
// it, which keys end it and with which last key, what a typed character becomes, and how
// far it widens for its text.
#include <optional>

#include "controls/grid/GridTypes.h"

namespace grid {

struct EditOpening {
    bool selectAll = false;        // otherwise the caret goes after the text
    std::optional<char32_t> feed;  // a character typed into the editor at once
    bool exitOnArrows = true;      // arrow and page keys end the edit
};
EditOpening OpeningFor(EditTrigger trigger);

// A key down in the editor: the last key it ends with, or nothing when the editor keeps it.
std::optional<unsigned> EndingKeyDown(unsigned keyCode, bool exitOnArrows, bool ctrlHeld);

struct EditChar {
    enum class Action { Type, End, Restore };
    Action action = Action::Type;
    char32_t typed = 0;    // for Type: what goes into the text
    unsigned lastKey = 0;  // for End and Restore
    bool operator==(const EditChar&) const = default;
};
EditChar OnEditChar(char32_t ch);

// The right edge of an editor whose text (with two spaces) measures `textWidth`: wider only,
// never past the grid's client right edge.
int WidenedRight(int left, int right, int textWidth, int gridClientRight);

}  // namespace grid
