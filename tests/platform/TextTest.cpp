#include <gtest/gtest.h>

#include "platform/text/Text.h"

namespace {

TEST(Text, ConversionsRoundTrip) {
    const std::u16string text = u"Häuser \u20ac \U0001F600";
    EXPECT_EQ(platform::fromUtf8(platform::toUtf8(text)), text);
    EXPECT_EQ(platform::fromUtf16LE(platform::toUtf16LE(text)), text);
    EXPECT_EQ(platform::toLatin1(u"Ä\u20ac"), std::string("\xC4?"));
    EXPECT_EQ(platform::fromLatin1("\xC4"), u"Ä");
}

TEST(Text, MalformedInputIsReplacedNotLost) {
    EXPECT_EQ(platform::fromUtf8(std::string("a\xFF") + 'b'), u"a\uFFFDb");
    EXPECT_EQ(platform::fromUtf16LE(std::string("a\0b", 3)), u"a");  // odd last byte dropped
}

TEST(Text, AsciiUpperChangesOnlyLowerCaseLatinLetters) {
    // Bytes outside a-z stay, 8-bit ones included, whatever locale the process runs in.
    std::string text = "0x1f.ab-INF\xE4\xFF";
    platform::toAsciiUpper(text);
    EXPECT_EQ(text, "0X1F.AB-INF\xE4\xFF");
}

}  // namespace
