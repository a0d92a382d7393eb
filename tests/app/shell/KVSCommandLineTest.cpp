// The program's switches as the command line gives them: values taken by the switch that
// asks for them, a later switch replacing a pending one, flags matched exactly.
#include <gtest/gtest.h>

#include "app/shell/KVSCommandLine.h"

namespace {

struct Fall {
    const char* name;
    std::vector<std::u16string> args;
    uint32_t pl, sl;
    int conf;
    std::u16string bk;
};

class KommandozeileTest : public ::testing::TestWithParam<Fall> {};

TEST_P(KommandozeileTest, SetztDieWerte) {
    const Fall& f = GetParam();
    SKelvoSchalter s;
    CKVSCommandLine(s).ParseCommandLine(f.args);
    EXPECT_EQ(s.pl, f.pl);
    EXPECT_EQ(s.sl, f.sl);
    EXPECT_EQ(s.conf, f.conf);
    EXPECT_EQ(std::u16string(s.bk), f.bk);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KommandozeileTest,
    ::testing::Values(
        Fall{"PlUndSl", {u"-PL", u"9", u"-SL", u"6"}, 9, 6, 0, u""},
        // The second switch replaces the pending first.
        Fall{"SlErsetztOffenesPl", {u"-PL", u"-SL", u"6"}, 0, 6, 0, u""},
        // "conf" clears the pending PL, so the 9 goes nowhere.
        Fall{"ConfLoeschtOffenesPl", {u"-PL", u"-conf", u"9"}, 0, 0, 1, u""},
        Fall{"GrossgeschriebenIstKeinSchalter", {u"-CONF"}, 0, 0, 0, u""},
        Fall{"SchraegstrichIstSchalter", {u"/PL", u"10"}, 10, 0, 0, u""},
        Fall{"BkNimmtText", {u"-BK", u"(lib)"}, 0, 0, 0, u"(lib)"},
        Fall{"OhneZiffernNull", {u"-PL", u"abc"}, 0, 0, 0, u""},
        Fall{"FuehrendeZiffern", {u"-PL", u"16x"}, 16, 0, 0, u""},
        // A file named on the command line opens nothing and sets nothing.
        Fall{"DateinameIgnoriert", {u"projekt.vkp", u"9"}, 0, 0, 0, u""},
        // A word that is no switch leaves the pending PL pending.
        Fall{"UnbekannterSchalterLaesstOffen", {u"-PL", u"-xyz", u"7"}, 7, 0, 0, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kommandozeile, FlagsWirkenEinmal) {
    SKelvoSchalter s;
    CKVSCommandLine(s).ParseCommandLine({u"-tovrel", u"-heissgas", u"-604217", u"-DD", u"a",
                                         u"-BD", u"b", u"-CD", u"c"});
    EXPECT_EQ(s.tovrel, 1);
    EXPECT_EQ(s.heissgas, 1);
    EXPECT_EQ(s.diagnose, 1);
    EXPECT_EQ(std::u16string(s.dd), u"a");
    EXPECT_EQ(std::u16string(s.bd), u"b");
    EXPECT_EQ(std::u16string(s.cd), u"c");
}

}  // namespace
