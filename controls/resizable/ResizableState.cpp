#include "controls/resizable/ResizableState.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace resizable {

std::u16string formatPlacement(const WindowPlacement& p) {
    const int numbers[] = {p.rect.left, p.rect.top, p.rect.right, p.rect.bottom,
                           p.showCommand, p.flags};
    std::u16string out;
    for (int n : numbers) {
        if (!out.empty()) out += u',';
        for (char c : std::to_string(n)) out += static_cast<char16_t>(c);
    }
    return out;
}

std::optional<WindowPlacement> parsePlacement(std::u16string_view text) {
    std::vector<int> numbers;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t comma = std::min(text.find(u',', at), text.size());
        std::string field;
        for (char16_t c : text.substr(at, comma - at)) {
            if (c > 0x7F) return std::nullopt;
            if (c != u' ') field += static_cast<char>(c);
        }
        int value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size())
            return std::nullopt;
        numbers.push_back(value);
        at = comma + 1;
    }
    if (numbers.size() != 6) return std::nullopt;
    return WindowPlacement{{numbers[0], numbers[1], numbers[2], numbers[3]}, numbers[4],
                           numbers[5]};
}

Box keepOnScreen(const Box& rect, const Box& screen) {
    const int left = std::clamp(rect.left, 0, std::max(0, screen.width() - kOnScreenMargin));
    const int top = std::clamp(rect.top, 0, std::max(0, screen.height() - kOnScreenMargin));
    return {left, top, left + rect.width(), top + rect.height()};
}

Box fitInto(const Box& rect, const Box& area) {
    const int width = std::clamp(rect.width(), 0, std::max(0, area.width()));
    const int height = std::clamp(rect.height(), 0, std::max(0, area.height()));
    const int left = std::clamp(rect.left, area.left, area.right - width);
    const int top = std::clamp(rect.top, area.top, area.bottom - height);
    return {left, top, left + width, top + height};
}

void CResizableState::SaveWindowRect(Profile& profile, const PlacedWindow& window,
                                     const std::u16string& section, bool rectOnly) {
    WindowPlacement p = rectOnly ? WindowPlacement{window.windowRect(), kShowNormal, 0}
                                 : window.placement();
    p.rect = keepOnScreen(p.rect, window.screenRect());
    profile.writeString(section, kPlacementEntry, formatPlacement(p));
}

bool CResizableState::LoadWindowRect(Profile& profile, PlacedWindow& window,
                                     const std::u16string& section, bool rectOnly) {
    const auto text = profile.readString(section, kPlacementEntry);
    if (!text || text->empty()) return false;
    auto p = parsePlacement(*text);
    if (!p) return false;
    // The screens may have changed since (another monitor, another resolution): a window
    // with only a corner in sight could not even be grabbed, so it comes back whole.
    p->rect = fitInto(p->rect, window.workArea(p->rect));
    if (rectOnly) window.moveTo(p->rect);
    else window.applyPlacement(*p);
    return true;
}

}  // namespace resizable
