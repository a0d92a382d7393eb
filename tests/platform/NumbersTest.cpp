#include "platform/numbers/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/text/Text.h"

namespace {

using platform::parseDouble;
using platform::parseInt32;
using platform::parseUInt32;

constexpr double kMax = std::numeric_limits<double>::max();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr uint32_t kUIntMax = std::numeric_limits<uint32_t>::max();

TEST(Numbers, ParseDoubleTakesTheLongestValidPrefix) {
    const std::u16string longMantissa = u"1" + std::u16string(330, u'0') + u"e-5";  // 1e325
    const struct {
        std::u16string text;
        double want;
    } cases[] = {
        {u"12.5kWh", 12.5},  {u" \t\n-3.25", -3.25}, {u"+.5", 0.5},    {u"-.5e1x", -5.0},
        {u"2E3", 2000.0},    {u"1e", 1.0},           {u"1e+", 1.0},    {u"7.", 7.0},
        {u"1,5", 1.0},  // the decimal point is always "."
        {u"", 0.0},          {u"abc", 0.0},          {u".", 0.0},      {u"-", 0.0},
        {u"inf", 0.0},       {u"nan", 0.0},          {u"0x10", 0.0},  // no hex, no specials
        {u"1e999", kMax},    {u"-1e999", -kMax},     {u"1e-999", 0.0}, {longMantissa, kMax},
        {u"1e-310", 1e-310},  // subnormal, still a number
    };
    for (const auto& c : cases) EXPECT_EQ(parseDouble(c.text), c.want) << platform::toUtf8(c.text);
}

// A stored number is taken only when it is one: the texts parseDouble turns into 0 or the
// largest double give none, every other text its prefix as parseDouble reads it.
TEST(Numbers, ParseFiniteDoubleRefusesWhatIsNoFiniteNumber) {
    for (const std::u16string text : {u"", u"abc", u".", u"-", u"nan", u"NaN", u"inf", u"-inf",
                                      u"infinity", u"1e999", u"-1e999", u"e5"})
        EXPECT_EQ(platform::parseFiniteDouble(text), std::nullopt) << platform::toUtf8(text);
    for (const std::u16string text : {u"12.5kWh", u" -150", u"-1e30", u"0", u"1e-999", u"7."})
        EXPECT_EQ(platform::parseFiniteDouble(text), parseDouble(text)) << platform::toUtf8(text);
}

TEST(Numbers, ParseIntegersClamp) {
    const struct {
        std::u16string_view text;
        int32_t signedWant;
        uint32_t unsignedWant;
    } cases[] = {
        {u"42abc", 42, 42},
        {u"  -17", -17, 4294967279u},  // strtoul negates: 2^32 - 17
        {u"+5", 5, 5},
        {u"12.9", 12, 12},
        {u"x", 0, 0},
        {u"- 5", 0, 0},
        {u"2147483648", kIntMax, 2147483648u},
        {u"-2147483649", kIntMin, 2147483647u},  // 2^32 - 2147483649
        {u"4294967296", kIntMax, kUIntMax},
        {u"-4294967296", kIntMin, kUIntMax},
        {u"99999999999999999999999", kIntMax, kUIntMax},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseInt32(c.text), c.signedWant) << platform::toUtf8(c.text);
        EXPECT_EQ(parseUInt32(c.text), c.unsignedWant) << platform::toUtf8(c.text);
    }
}

TEST(Numbers, CheckedConversionOfComputedValues) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(platform::toInt32(nan), 0);
    EXPECT_EQ(platform::toInt32(2.9), 2);
    EXPECT_EQ(platform::toInt32(-2.9), -2);
    EXPECT_EQ(platform::toInt32(1e10), kIntMax);
    EXPECT_EQ(platform::toInt32(-inf), kIntMin);
    EXPECT_EQ(platform::toUInt32(nan), 0u);
    EXPECT_EQ(platform::toUInt32(-1.5), 0u);
    EXPECT_EQ(platform::toUInt32(4294967295.9), kUIntMax);
    EXPECT_EQ(platform::toUInt32(inf), kUIntMax);
    EXPECT_EQ(platform::toInt64(1e19), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(platform::toInt64(-1e19), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(platform::toInt64(-3e9), -3000000000);
}

}  // namespace
