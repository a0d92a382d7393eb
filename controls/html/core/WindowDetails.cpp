#include "controls/html/core/WindowDetails.h"

#include <algorithm>

#include "platform/format/Format.h"

namespace html {

namespace {

std::u16string row(std::u16string_view label, std::u16string value) {
    return platform::format(
        u"<tr><td width=70 bgcolor=buttonface>%s</td><td width=130 bgcolor=window>%s</td></tr>",
        std::u16string(label), detailsValue(std::move(value)));
}

std::u16string hex(std::uint32_t v) { return platform::format(u"0x%08X", v); }
std::u16string number(int v) { return platform::format(u"%d", v); }

}  // namespace

std::u16string detailsValue(std::u16string value) {
    if (value.size() > 25) value = value.substr(0, 21) + u" ...";
    std::replace(value.begin(), value.end(), u'<', u'?');
    return value;
}

std::u16string windowDetailsText(const WindowFacts& w, const std::optional<OwnerFacts>& owner,
                                 int cursorX, int cursorY) {
    std::u16string text = u"<table>";
    text += u"<tr><td><font color=darkblue>Window</font><table border=1>";
    text += row(u"Class name", w.className);
    text += row(u"Title", w.title);
    text += row(u"Handle", hex(w.handle));
    text += row(u"Control ID", number(w.controlId));
    text += row(u"Styles", hex(w.style));
    text += row(u"RECT", platform::format(u"(%d, %d)-(%d, %d)", w.left, w.top, w.right, w.bottom));
    text += row(u"Width", number(w.right - w.left));
    text += row(u"Height", number(w.bottom - w.top));
    text += row(u"Has Tooltip", w.hasTooltip ? u"Yes" : u"No");
    text += u"</table></td>";
    text += u"<td><font color=darkblue>Window Owner</font><table border=1>";
    text += row(u"Class name", owner ? owner->className : u"N/A");
    text += row(u"Title", owner ? owner->title : u"N/A");
    text += row(u"Handle", hex(owner ? owner->handle : 0));
    text += u"</table>";
    text += u"<br><font color=darkblue>Mouse Cursor</font><table border=1>";
    text += row(u"X", number(cursorX));
    text += row(u"Y", number(cursorY));
    text += u"</table></td></tr></table>";
    return text;
}

}  // namespace html
