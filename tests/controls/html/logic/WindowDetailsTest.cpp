// The window-details table of the tooltip.
#include <gtest/gtest.h>

#include "controls/html/core/WindowDetails.h"

namespace {

// The part as bytes for the failure message (the parts are ASCII).
std::string ascii(const char16_t* part) {
    std::string out;
    for (; *part; ++part) out += static_cast<char>(*part);
    return out;
}

TEST(WindowDetails, ValuesAreCutAndCannotOpenTags) {
    EXPECT_EQ(html::detailsValue(u"short"), u"short");
    EXPECT_EQ(html::detailsValue(u"exactly twenty-five chars"), u"exactly twenty-five chars");
    // 26 characters: the first 21 and " ...".
    EXPECT_EQ(html::detailsValue(u"abcdefghijklmnopqrstuvwxyz"), u"abcdefghijklmnopqrstu ...");
    EXPECT_EQ(html::detailsValue(u"<b>x</b>"), u"?b>x?/b>");
}

TEST(WindowDetails, TheTableHoldsWindowOwnerAndCursor) {
    const html::WindowFacts w{u"QLineEdit", u"", 0xBEEF, 1001, 0x50010080, 10, 20, 110, 45, true};
    const std::u16string text = html::windowDetailsText(w, std::nullopt, 12, -3);
    EXPECT_TRUE(text.starts_with(u"<table><tr><td><font color=darkblue>Window</font><table border=1>"));
    EXPECT_TRUE(text.ends_with(u"</table></td></tr></table>"));
    for (const char16_t* part :
         {u"<tr><td width=70 bgcolor=buttonface>Class name</td><td width=130 bgcolor=window>QLineEdit</td></tr>",
          u">Handle</td><td width=130 bgcolor=window>0x0000BEEF<", u">Control ID</td><td width=130 bgcolor=window>1001<",
          u">Styles</td><td width=130 bgcolor=window>0x50010080<",
          u">RECT</td><td width=130 bgcolor=window>(10, 20)-(110, 45)<", u">Width</td><td width=130 bgcolor=window>100<",
          u">Height</td><td width=130 bgcolor=window>25<", u">Has Tooltip</td><td width=130 bgcolor=window>Yes<",
          u"Window Owner</font><table border=1><tr><td width=70 bgcolor=buttonface>Class name</td><td width=130 bgcolor=window>N/A<",
          u"<br><font color=darkblue>Mouse Cursor</font>", u">Y</td><td width=130 bgcolor=window>-3<"})
        EXPECT_NE(text.find(part), std::u16string::npos) << ascii(part);
}

}  // namespace
