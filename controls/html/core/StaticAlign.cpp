#include "controls/html/core/StaticAlign.h"

#include <algorithm>

namespace html {

BlockRect alignBlock(const BlockRect& client, int width, int height, unsigned alignFlags,
                     unsigned style) {
    const int clientW = std::max(0, client.right - client.left);
    const int clientH = std::max(0, client.bottom - client.top);
    width = std::clamp(width, 0, clientW);
    height = std::clamp(height, 0, clientH);

    unsigned h = alignFlags & align::HMask;
    if (h == 0) {
        const unsigned kind = style & 0xF;
        h = kind == staticStyle::Right ? align::Right
            : kind == staticStyle::Centre ? align::HCentre
                                          : align::Left;
    }
    unsigned v = alignFlags & align::VMask;
    if (v == 0) v = (style & staticStyle::CentreImage) ? align::VCentre : align::Top;

    const int x = h == align::Right ? client.right - width
                  : h == align::HCentre ? client.left + (clientW - width) / 2
                                        : client.left;
    const int y = v == align::Bottom ? client.bottom - height
                  : v == align::VCentre ? client.top + (clientH - height) / 2
                                        : client.top;
    return {x, y, x + width, y + height};
}

}  // namespace html
