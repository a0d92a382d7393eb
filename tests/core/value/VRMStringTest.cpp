#include "core/value/VRMString.h"

#include <gtest/gtest.h>

#include "core/text/ResManager.h"
#include "platform/resources/Resources.h"
#include "tests/core/text/TextFixture.h"

namespace {

using testsupport::RecordingWindow;
using VRMStringTest = testsupport::TextTest;

TEST_F(VRMStringTest, LoadStringTurnsBackslashSequencesIntoControls) {
    const struct {
        std::u16string_view entry;
        std::u16string_view want;
    } cases[] = {
        {u"a\\nb", u"a\r\nb"},      {u"a\\tb\\n", u"a\tb\r\n"},
        {u"\\\\n", u"\\\r\n"},       // the second backslash pairs with the n
        {u"\\x\\", u"\\x\\"},        // other sequences and a last backslash stay
        {u"C:\\Temp", u"C:\\Temp"},  // capital T is no tab
    };
    for (const auto& c : cases) {
        CResManager::setEntry(3000, CVRMString(c.entry));
        CVRMString text;
        EXPECT_TRUE(text.LoadStringW(3000));
        EXPECT_EQ(text, c.want);
    }
}

TEST_F(VRMStringTest, MissingIdReadsMsgAndCounts) {
    CVRMString text;
    EXPECT_TRUE(text.LoadStringW(4711));
    EXPECT_EQ(text, u"Msg: 4711");
}

TEST_F(VRMStringTest, EmptyTextTakesTheFallbackWhenThereIsOne) {
    CResManager::setEntry(3001, u"");
    CVRMString text(u"old");
    EXPECT_FALSE(text.LoadStringW(3001));
    EXPECT_EQ(text, u"");
    EXPECT_FALSE(text.LoadStringW(3001, nullptr));
    EXPECT_TRUE(text.LoadStringW(3001, u"fallback"));
    EXPECT_EQ(text, u"fallback");
    EXPECT_EQ(CVRMString(3001u, u"fb"), u"fb");
    CResManager::setEntry(3002, u"Haus");
    EXPECT_EQ(CVRMString(3002u, u"fb"), u"Haus");
}

TEST_F(VRMStringTest, FormatByTextIdUsesTheLoadedText) {
    CResManager::setEntry(3003, u"%i kWh\\n%s");
    CVRMString text;
    text.Format(3003u, 5, u"Ende");
    EXPECT_EQ(text, u"5 kWh\r\nEnde");

    // A translation whose conversions do not fit its arguments prints them as written.
    CResManager::setEntry(3004, u"%s: %d %f");
    text.Format(3004u, 5);
    EXPECT_EQ(text, u"%s: %d %f");
}

TEST_F(VRMStringTest, FrameworkStringWithoutResourceModuleLeavesTheText) {
    const platform::ModuleHandle previous = platform::currentResourceModule();
    platform::setCurrentResourceModule(nullptr);
    CVRMString text(u"unchanged");
    EXPECT_FALSE(text.LoadStringMFC(3168));
    EXPECT_EQ(text, u"unchanged");
    platform::setCurrentResourceModule(previous);
}

TEST_F(VRMStringTest, AppendTextIdOnlyWhenNotEmpty) {
    CResManager::setEntry(3005, u"");
    CResManager::setEntry(3006, u" kW");
    CVRMString text(u"5");
    text += 3005u;
    text += 3006u;
    EXPECT_EQ(text, u"5 kW");
}

TEST_F(VRMStringTest, ConstructionAndAssignment) {
    EXPECT_EQ(CVRMString(u'-', 3), u"---");
    EXPECT_EQ(CVRMString(u'-', -2), u"");
    CVRMString latin;
    latin =
        "Gr\xFC\xDF"
        "e";  // 8-bit text: each byte is the character of that code
    EXPECT_EQ(latin, u"Grüße");
    latin = static_cast<const char*>(nullptr);
    EXPECT_EQ(latin, u"");
    EXPECT_EQ(CVRMString(u"a") + u"b" + CVRMString(u"c"), u"abc");
}

TEST_F(VRMStringTest, SetItemText) {
    CResManager::setEntry(3007, u"Leistung");
    CResManager::setEntry(3008, u"");
    RecordingWindow dialog;
    CVRMString::setItemText(&dialog, 1, 3007u, false);
    CVRMString::setItemText(&dialog, 2, 3007u, true);
    CVRMString::setItemText(&dialog, 3, 3008u, true);
    CVRMString::setItemText(&dialog, 4, static_cast<const char16_t*>(nullptr), false);
    CVRMString::setItemText(&dialog, 5, u"", false);  // a given empty text stays empty
    CVRMString::setItemText(&dialog, 6, u"kW", true);
    EXPECT_EQ(dialog.items, (std::map<unsigned, std::u16string>{{1, u"Leistung"},
                                                                {2, u" Leistung "},
                                                                {3, u" unknown "},
                                                                {4, u"unknown"},
                                                                {5, u""},
                                                                {6, u" kW "}}));

    RecordingWindow closed;
    closed.alive = false;
    CVRMString::setItemText(&closed, 1, 3007u, false);
    CVRMString::setItemText(&closed, 1, u"x", false);
    EXPECT_TRUE(closed.items.empty());
    CVRMString::setItemText(nullptr, 1, 3007u, false);
    CVRMString::setItemText(nullptr, 1, u"x", false);
}

}  // namespace
