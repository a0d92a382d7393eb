// The country library as the program asks it: the list of countries from the built
// library, and a failing code reported with the library's own message.
#include <gtest/gtest.h>

#include "platform/errors/UserException.h"
#include "tests/evaluation/binding/BindungFixture.h"

namespace {

class BasisTest : public bindingtest::BindungFixture {
  protected:
    void SetUp() override {
        BindungFixture::SetUp();
        IBasis::Init(VARM_PROGRAM_DIR);
        ASSERT_TRUE(IBasis::IstGeladen());
    }
};

TEST_F(BasisTest, TheCountryListHoldsTheThirteenCountriesInOrder) {
    CVRMStringArray liste{u"alt"};
    IBasis::GetBasisDaten(1172, liste);
    EXPECT_EQ(liste, (CVRMStringArray{u"1#Germany#D", u"2#Switzerland#CH", u"3#Austria#A",
                                      u"4#Estonia#EST", u"5#Latvia#LV", u"6#Lithuania#LT",
                                      u"7#Finland#FIN", u"8#Italy#I", u"9#Spain#E",
                                      u"15#Ireland#IRL", u"17#France#F", u"19#Sweden#S",
                                      u"23#Great Britain#GB"}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(BasisTest, AFailingCodeShowsTheLibrarysMessageAsDetailAndStaysBound) {
    CVRMStringArray liste{u"alt"};
    EXPECT_THROW(IBasis::GetBasisDaten(1173, liste), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Error in base module\n(Function no. 1173 unknown in base module !)");
    EXPECT_TRUE(liste.empty());
    EXPECT_TRUE(IBasis::IstGeladen());
}

// The answer "a§#§§#§rest" holds the token a and an empty token; the rest after the last
// separator is no token.
TEST_F(BasisTest, TheListTakesEveryTokenAndDropsTheRestAfterTheLastSeparator) {
    IBasis::Leeren();
    IBasis::Init(bindingtest::Fall("aussen"));
    ASSERT_TRUE(IBasis::IstGeladen());
    CVRMStringArray liste{u"alt"};
    IBasis::GetBasisDaten(1172, liste);
    EXPECT_EQ(liste, (CVRMStringArray{u"a", u""}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(BasisSplitWert, TakesOneTokenAtATime) {
    CVRMString text = u"a§#§b§#§c", token;
    EXPECT_EQ(IBasis::SplitWert(text, token), 1);
    EXPECT_EQ(token, u"a");
    EXPECT_EQ(IBasis::SplitWert(text, token), 1);
    EXPECT_EQ(IBasis::SplitWert(text, token), 0);
    EXPECT_EQ(token, u"b");
    EXPECT_EQ(text, u"c");
}

}  // namespace
