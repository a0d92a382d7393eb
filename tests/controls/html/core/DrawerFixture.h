#pragma once
// The drawer over a recording canvas: body text is 10 pt = 13 px high (ascent 10, descent 3)
// and 6 px per character.
#include <gtest/gtest.h>

#include "controls/html/PPHtmlDrawer.h"
#include "tests/controls/html/core/RecordingCanvas.h"

namespace htmltest {

class DrawerTest : public testing::Test {
  protected:
    html::Extent layout(std::u16string_view text) { return drawer.LayoutHtml(dc, text); }
    // Lays out, then paints into `box` (default: the measured size).
    html::Extent render(std::u16string_view text, html::Box box = {}) {
        const html::Extent size = layout(text);
        if (box == html::Box{}) box = {0, 0, size.cx, size.cy};
        drawer.PaintHtml(dc, box);
        return size;
    }
    const TextOut& drawn(std::u16string_view text) {
        const TextOut* out = dc.find(text);
        if (!out) {
            ADD_FAILURE() << "not drawn";
            static const TextOut none{};
            return none;
        }
        return *out;
    }

    RecordingCanvas dc;
    CPPHtmlDrawer drawer{greySystemColour};
};

}  // namespace htmltest
