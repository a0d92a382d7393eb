#pragma once
// The little the layers below the user interface need of a window: whether it still
// exists and setting the text of one of its items. The user interface implements it.
#include <string_view>

namespace platform {

class Window {
  public:
    virtual ~Window() = default;
    virtual bool exists() const = 0;
    // Returns false when the window has no item of that id.
    virtual bool setItemText(unsigned itemId, std::u16string_view text) = 0;
};

}  // namespace platform
