#pragma once
// A child window that tells the resizable layout itself whether it may be clipped and
// whether it needs repainting after a move, instead of the rules by window class.
#include <optional>

#include "controls/resizable/LayoutMath.h"

namespace resizable {

class ResizeSupport {
  public:
    virtual ~ResizeSupport() = default;
    // Fills the properties; false when the child does not take part after all.
    virtual bool resizeProperties(ResizeProperties& properties) const = 0;
    // Nothing when the child leaves the question to the class rules.
    virtual std::optional<bool> likesClipping() const { return std::nullopt; }
    virtual std::optional<bool> needsRefresh(const Box& /*oldRect*/, const Box& /*newRect*/) const {
        return std::nullopt;
    }
};

}  // namespace resizable
