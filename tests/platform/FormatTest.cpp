#include "platform/format/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/text/Text.h"

namespace {

using platform::format;

struct Case {
    std::u16string got;
    std::u16string_view want;
};

void expectAll(std::initializer_list<Case> cases) {
    int row = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(platform::toUtf8(c.got), platform::toUtf8(c.want)) << "row " << row;
        ++row;
    }
}

TEST(Format, Integers) {
    expectAll({
        {format(u"%d", 42), u"42"},
        {format(u"%5d|", 42), u"   42|"},
        {format(u"%-5d|", 42), u"42   |"},
        {format(u"%05d", -42), u"-0042"},
        {format(u"%+d % d", 42, 42), u"+42  42"},
        {format(u"%.3d|%8.3d|%08.3d", 7, -7, 7), u"007|    -007|     007"},  // precision beats 0
        {format(u"%.0d|", 0), u"|"},
        {format(u"%x %X %#x %#X %#o %o", 255, 255, 255, 255, 8, 8), u"ff FF 0xff 0XFF 010 10"},
        {format(u"%#x", 0), u"0"},
        {format(u"%i", std::numeric_limits<int32_t>::min()), u"-2147483648"},
        {format(u"%u", -1), u"4294967295"},   // as unsigned 32-bit
        {format(u"%d", 4294967295u), u"-1"},  // as signed 32-bit
        {format(u"%li %lu", -5L, 4294967295UL), u"-5 4294967295"},
        {format(u"%lld", int64_t{1} << 40), u"1099511627776"},
        {format(u"%hu", 70000), u"4464"},    // 70000 - 65536
        {format(u"%hd", 40000), u"-25536"},  // 40000 - 65536
        {format(u"%hhd", 300), u"44"},       // 300 - 256
        {format(u"%c%c", u'Ä', 65), u"ÄA"},
        {format(u"%*d|%-*d|%*d|", 5, 42, 4, 1, -4, 1), u"   42|1   |1   |"},  // -4: left
        {format(u"%d", true), u"1"},
    });
}

TEST(Format, Floats) {
    expectAll({
        {format(u"%f", 1.5), u"1.500000"},
        {format(u"%f", 1.5f), u"1.500000"},
        {format(u"%f", -0.0), u"-0.000000"},
        {format(u"%.0f %.0f", 2.5, 3.5), u"2 4"},  // exact halves round to even
        {format(u"%.2f", 1.005), u"1.00"},         // 1.005 is 1.00499999999999989...
        {format(u"%#.0f", 3.0), u"3."},
        {format(u"%10.3f|%-10.1f|", -1.5, 2.25), u"    -1.500|2.2       |"},  // 2.25 to even
        {format(u"%010.2f", -1.5), u"-000001.50"},
        {format(u"%+f % f", 0.0, 1.0), u"+0.000000  1.000000"},
        {format(u"%e %E %.2e", 1234.5, 1234.5, 0.0), u"1.234500e+03 1.234500E+03 0.00e+00"},
        {format(u"%g %g %g %g", 0.0001, 1e-5, 123456.0, 1234567.0),
         u"0.0001 1e-05 123456 1.23457e+06"},
        {format(u"%G %.0g %.3g", 1e-10, 25.0, 3.14159), u"1E-10 2e+01 3.14"},
        {format(u"%#g %#.3g %#g", 1.5, 10.0, 1e-5), u"1.50000 10.0 1.00000e-05"},
        {format(u"%.*f", 2, 1.5), u"1.50"},
    });
}

TEST(Format, HugeValuesAndFields) {
    // 1e300 has 301 integer digits, then the point and six decimals.
    EXPECT_EQ(format(u"%f", 1e300).size(), 301u + 1 + 6);
    // Fields from outside texts are capped at 4096 characters.
    EXPECT_EQ(format(u"%99999d", 1).size(), 4096u);
    EXPECT_EQ(format(u"%.99999f", 1.0).size(), 2u + 4096);
    EXPECT_EQ(format(u"%*d", 1 << 30, 1).size(), 4096u);
}

TEST(Format, TextsPointersAndPercent) {
    const std::u16string owned = u"Haus";
    expectAll({
        {format(u"%s|%5s|%-5s|%.2s", u"abc", u"abc", u"abc", u"abc"), u"abc|  abc|abc  |ab"},
        {format(u"(%s)", owned), u"(Haus)"},
        {format(u"%S %ls", u"x", u"y"), u"x y"},
        {format(u"%s", static_cast<const char16_t*>(nullptr)), u"(null)"},
        {format(u"%p", static_cast<const void*>(nullptr)), u"0000000000000000"},
        {format(u"100%%"), u"100%"},
    });
}

// Language texts are outside input: a conversion without a fitting argument stands as
// written, and nothing is read that was not passed.
TEST(Format, MismatchedOrMissingArgumentsPrintTheConversion) {
    expectAll({
        {format(u"%d", u"text"), u"%d"},
        {format(u"%s", 5), u"%s"},
        {format(u"%f", 5), u"%f"},  // an int is no float
        {format(u"%d", 1.5), u"%d"},
        {format(u"%p", 5), u"%p"},
        {format(u"%d %d", 1), u"1 %d"},
        {format(u"%5.2f"), u"%5.2f"},
        {format(u"%s and %d", 5, 7), u"%s and 7"},  // the wrong one is used up
        {format(u"%y %d", 1), u"%y 1"},             // unknown: nothing used
        {format(u"%n %d", 1), u"%n 1"},             // never writes through an argument
        {format(u"%*d"), u"%*d"},
        {format(u"%*d", u"w", 3), u"%*d"},
        {format(u"abc%"), u"abc%"},
        {format(u"abc%5"), u"abc%5"},
        {format(u"%-08.3l"), u"%-08.3l"},
    });
}

// Restores the process locale it found.
class LocaleGuard {
  public:
    LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }

  private:
    std::string saved_;
};

TEST(Format, IgnoresTheProcessLocale) {
    LocaleGuard guard;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
    EXPECT_EQ(format(u"%f", 1.5), u"1.500000");
    EXPECT_EQ(format(u"%.2e|%g|%G", 1234.5, 0.25, 1e-10), u"1.23e+03|0.25|1E-10");
}

}  // namespace
