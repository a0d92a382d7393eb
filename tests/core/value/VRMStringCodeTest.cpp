#include <gtest/gtest.h>

#include "core/value/VRMString.h"
#include "platform/text/Text.h"

namespace {

// The key of the routine, read back through EnCode itself: equal units are not moved by
// the swaps, so each unit of a coded run of 'A's is 'A' plus its position's shift.
std::u16string shiftsOf(size_t n) {
    const CVRMString coded = CVRMString::EnCode(CVRMString(u'A', static_cast<int>(n)));
    std::u16string shifts;
    for (char16_t c : coded) shifts.push_back(static_cast<char16_t>(c - u'A'));
    return shifts;
}

TEST(VRMStringCode, KeyIsEightShiftsFromOneToNine) {
    const std::u16string shifts = shiftsOf(16);
    for (size_t j = 0; j < shifts.size(); ++j) {
        EXPECT_GE(shifts[j], 1) << j;
        EXPECT_LE(shifts[j], 9) << j;
        EXPECT_EQ(shifts[j], shifts[j % 8]) << j;  // the sequence repeats after eight
    }
}

TEST(VRMStringCode, OneCharacterIsOnlyShiftedByTheFirstValue) {
    const char16_t first = shiftsOf(1)[0];
    EXPECT_EQ(CVRMString::EnCode(u"x"), std::u16string(1, static_cast<char16_t>(u'x' + first)));
    // The shift wraps around in 16 bits.
    EXPECT_EQ(CVRMString::EnCode(u"\uFFFF")[0], static_cast<char16_t>(first - 1));
}

TEST(VRMStringCode, SwapsWithinBlocksOfSix) {
    // Positions b<->b+4 (five or more left), b+1<->b+2 (three or more), b+3<->b+5 (six).
    const struct {
        std::u16string_view plain;
        std::u16string_view swapped;
    } cases[] = {
        {u"AB", u"AB"},       {u"ABC", u"ACB"},       {u"ABCD", u"ACBD"},
        {u"ABCDE", u"ECBDA"}, {u"ABCDEF", u"ECBFAD"}, {u"ABCDEFGHIJKLM", u"ECBFADKIHLGJM"},
    };
    for (const auto& c : cases) {
        const std::u16string shifts = shiftsOf(c.plain.size());
        std::u16string want(c.swapped);
        for (size_t j = 0; j < want.size(); ++j)
            want[j] = static_cast<char16_t>(want[j] + shifts[j]);
        EXPECT_EQ(CVRMString::EnCode(CVRMString(c.plain)), want) << platform::toUtf8(c.plain);
    }
}

TEST(VRMStringCode, DeCodeRestoresEveryLength) {
    using namespace std::string_literals;
    const std::u16string source = u"\uFFFF\u00e4\0#0.5#12.25#\uFFFE-7#9"s;
    for (size_t n : {0, 1, 2, 5, 6, 7, 13}) {
        const CVRMString plain(std::u16string_view(source).substr(0, n));
        const CVRMString coded = CVRMString::EnCode(plain);
        EXPECT_EQ(coded.size(), n);
        if (n > 0) {
            EXPECT_NE(coded, plain);
        }
        EXPECT_EQ(CVRMString::DeCode(coded), plain) << n;
    }
}

}  // namespace
