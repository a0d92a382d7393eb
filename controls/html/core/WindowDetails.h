#pragma once
// The HTML table the tooltip shows in its window-details mode: the window under the
// cursor, its owner and the cursor position.
//
//   html::WindowFacts w{u"QLineEdit", u"", 0x1234, 1001, 0x50010080, {10, 10, 110, 30}, true};
//   std::u16string text = html::windowDetailsText(w, std::nullopt, {12, 40});
#include <cstdint>
#include <optional>
#include <string>

namespace html {

struct WindowFacts {
    std::u16string className;
    std::u16string title;
    std::uint32_t handle = 0;
    int controlId = 0;
    std::uint32_t style = 0;
    int left = 0, top = 0, right = 0, bottom = 0;  // on the screen
    bool hasTooltip = false;
};

struct OwnerFacts {
    std::u16string className;
    std::u16string title;
    std::uint32_t handle = 0;
};

// A value as a cell shows it: longer than 25 characters cut to 21 and " ...", every "<"
// made "?" so that a value never opens a tag.
std::u16string detailsValue(std::u16string value);

// `owner` empty: "N/A" for its class name and title.
std::u16string windowDetailsText(const WindowFacts& window, const std::optional<OwnerFacts>& owner,
                                 int cursorX, int cursorY);

}  // namespace html
