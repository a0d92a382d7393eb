#include "model/data/ZahlenReihe.h"

#include <limits>
#include <utility>

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

using Monate = std::array<float, 12>;

const vrmcore::SZahlOrt kOrt{u"Ort", u"Reihe"};

TEST(ZahlenReihe, ReadsNumbersBeforeEachSeparator) {
    struct Fall {
        std::u16string text;
        std::vector<double> zahlen;
    };
    const Fall faelle[] = {
        {u"", {}},
        {u"1#2#", {1, 2}},
        {u"1#2#3", {1, 2}},           // the last number has no "#": not read
        {u"#  -2.25 #", {0, -2.25}},  // empty entry 0, blanks around a number skipped
        {u"1#2#3#4#", {1, 2, 3}},     // at most three wanted
        {u"1#2#3#abc#", {1, 2, 3}},   // what is not wanted is not read
        {u"4,5#", {4.5}},             // written under a locale with a decimal comma
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(ZerlegeZahlenReihe(fall.text, u"#", 3, kOrt), fall.zahlen)
            << CVRMString(fall.text).toUtf8();
    EXPECT_TRUE(ZerlegeZahlenReihe(u"1#2#", u"", 3, kOrt).empty());
}

class ZahlenReiheKaputt : public modeltest::BoxFixture {};

// An element that is not wholly a finite float names the record, key and element; it used
// to read as its leading number, as 0, or clamped to the float range.
TEST_F(ZahlenReiheKaputt, ADamagedElementIsReportedAndNothingIsRead) {
    const std::pair<const char16_t*, const char16_t*> faelle[] = {
        {u"1.5#abc#", u"abc"}, {u"7kWh#", u"7kWh"},     {u"4,5,0#", u"4,5,0"},
        {u"nan#", u"nan"},     {u"1#1e300#", u"1e300"}, {u"-1e39#", u"-1e39"}};
    for (const auto& [text, kaputt] : faelle) {
        SCOPED_TRACE(CVRMString(text).toUtf8());
        presenter.shown.clear();
        EXPECT_THROW(ZerlegeZahlenReihe(text, u"#", 3, kOrt), platform::UserException);
        EXPECT_EQ(einzigeBox().text,
                  u"Content of database corrupted\n(Ort: Reihe=" + std::u16string(kaputt) + u")");
        Monate werte;
        werte.fill(9.0f);
        EXPECT_THROW(StringToFloats(text, u"#", werte, kOrt), platform::UserException);
        EXPECT_EQ(werte, (Monate{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    }
}

TEST(ZahlenReihe, StringToFloatsFillsTwelveMonths) {
    Monate werte;
    werte.fill(9.0f);
    StringToFloats(u"1;2;3", u";", werte, kOrt);
    EXPECT_EQ(werte, (Monate{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    StringToFloats(u"1#2#3#4#5#6#7#8#9#10#11#12#13#", u"#", werte, kOrt);
    EXPECT_EQ(werte, (Monate{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
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
    StringToFloats(text, u"#", zurueck, kOrt);
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
