#include "model/data/ZahlenReihe.h"

#include <limits>

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

using Monate = std::array<float, 12>;

TEST(ZahlenReihe, ReadsNumbersBeforeEachSeparator) {
    struct Fall {
        std::u16string text;
        std::vector<double> zahlen;
    };
    const Fall faelle[] = {
        {u"", {}},
        {u"1#2#", {1, 2}},
        {u"1#2#3", {1, 2}},               // the last number has no "#": not read
        {u"1.5#abc#7kWh#", {1.5, 0, 7}},  // garbage gives its leading number, else 0
        {u"#  -2.25#", {0, -2.25}},       // empty entry 0, leading blanks skipped
        {u"4,5#", {4}},                   // C locale: the comma ends the number
        {u"1#2#3#4#", {1, 2, 3}},         // at most three wanted
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(ZerlegeZahlenReihe(fall.text, u"#", 3), fall.zahlen)
            << CVRMString(fall.text).toUtf8();
    EXPECT_TRUE(ZerlegeZahlenReihe(u"1#2#", u"", 3).empty());
}

TEST(ZahlenReihe, StringToFloatsFillsTwelveMonths) {
    Monate werte;
    werte.fill(9.0f);
    StringToFloats(u"1;2;3", u";", werte);
    EXPECT_EQ(werte, (Monate{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    StringToFloats(u"1#2#3#4#5#6#7#8#9#10#11#12#13#", u"#", werte);
    EXPECT_EQ(werte, (Monate{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

    // A number beyond the float range stays finite.
    StringToFloats(u"1e300#-1e300#", u"#", werte);
    EXPECT_EQ(werte[0], std::numeric_limits<float>::max());
    EXPECT_EQ(werte[1], -std::numeric_limits<float>::max());
}

class FloatsToStringTest : public modeltest::BoxFixture {};

TEST_F(FloatsToStringTest, WritesEachValueWithTheSeparatorBehind) {
    const Monate werte{1.25f, -0.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12};
    CVRMString text(u"alt");
    FloatsToString(werte, u"#", text, 2);
    EXPECT_EQ(text, u"1.25#-0.50#0.00#0.00#0.00#0.00#0.00#0.00#0.00#0.00#0.00#12.00#");
    FloatsToString(werte, u"#", text, 1);
    EXPECT_EQ(text.substr(0, 10), u"1.2#-0.5#0");  // "%.1f" of 1.25 rounds to even
    FloatsToString(werte, u"#", text, 0);
    EXPECT_EQ(text, u"1#-0#0#0#0#0#0#0#0#0#0#12#");

    Monate zurueck;
    FloatsToString(werte, u"#", text, 2);
    StringToFloats(text, u"#", zurueck);
    EXPECT_EQ(zurueck, werte);
}

TEST_F(FloatsToStringTest, NonNumbersAreWrittenAsZero) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    const Monate werte{nan, inf, -inf, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    CVRMString text;
    FloatsToString(werte, u"#", text, 1);
    EXPECT_EQ(text, u"0.0#0.0#0.0#2.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#0.0#");
}

TEST_F(FloatsToStringTest, OtherDecimalsAreSwitchError) {
    CVRMString text(u"alt");
    EXPECT_THROW(FloatsToString(Monate{}, u"#", text, 3), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Switch constant wrong\n(FloatsToString)");
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
