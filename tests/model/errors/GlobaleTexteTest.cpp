#include "model/errors/GlobaleTexte.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

class GlobaleTexteTest : public modeltest::BoxFixture {
  protected:
    GlobaleTexteTest() {
        text(3168, u"Produkt");
        text(3303, u"Global variables not initialized!");
        text(3310, u"<without location>");
        text(5218, u"<calculated from climate>");
        text(3609, u"Dublin (IRL)");
        text(3621, u"(bib)");
        text(3228, u"StandardS_(IRL)");
        text(5703, u"copper");
        text(5704, u"PE");
        text(5693, u"--");
        text(3804, u"-");
    }
};

TEST_F(GlobaleTexteTest, LoadsPlainAndLibraryNames) {
    InitGlobaleTexte();
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(GetOhneOrtText(), u"<without location>");
    EXPECT_EQ(GetAusKlimaText(), u"<calculated from climate>");
    EXPECT_EQ(GetAusKlimaText2(), u"<calculated from climate>");
    EXPECT_EQ(GetStdKlimaortName(), u"Dublin (IRL) (bib)");
    EXPECT_EQ(GetStdBodenName(), u"StandardS_(IRL)_(bib)");
    EXPECT_EQ(GetStdRohrMaterialKupfer(), u"copper_(bib)");
    EXPECT_EQ(GetStdRohrMaterial(), u"PE_(bib)");
    EXPECT_EQ(GetKeinWertText(), u"-");
}

TEST_F(GlobaleTexteTest, AFailingLoadReportsAndLeavesTheRestEmpty) {
    text(5703, u"");
    EXPECT_THROW(InitGlobaleTexte(), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Global variables not initialized!");
    EXPECT_EQ(GetStdBodenName(), u"StandardS_(IRL)_(bib)");
    EXPECT_EQ(GetStdRohrMaterialKupfer(), u"");
    EXPECT_EQ(GetStdRohrMaterial(), u"");
    EXPECT_EQ(GetKeinWertText(), u"");
}

TEST_F(GlobaleTexteTest, ALocationIsChosenUnlessEmptyOrTheMarker) {
    InitGlobaleTexte();
    const std::pair<std::u16string, bool> faelle[] = {
        {u"", false},
        {u"<without location>", false},
        {u"<Without location>", true},  // compared exactly
        {u"Dublin (IRL) (bib)", true},
    };
    for (const auto& [name, gewaehlt] : faelle)
        EXPECT_EQ(IstOrtGewaehlt(name), gewaehlt) << CVRMString(name).toUtf8();
    CVRMString ort(u"Wien");
    SetKeinOrt(ort);
    EXPECT_FALSE(IstOrtGewaehlt(ort));
}

}  // namespace
