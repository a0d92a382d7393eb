// The binding steps: a module that is missing, too old, without version, without its
// ordinal, or refusing the first call stays unbound after at most one box; a sound one is
// bound and its version kept.
#include <gtest/gtest.h>

#include "platform/errors/UserException.h"
#include "tests/evaluation/binding/BindungFixture.h"

namespace {

using bindingtest::Fall;

class LadenTest : public bindingtest::BindungFixture {};

CVRMString Datei(const char* fall, const char* name) {
    return CVRMString::fromUtf8((Fall(fall) / name).string());
}

TEST_F(LadenTest, EveryFailureOfTheCountryLibraryLeavesItUnboundAfterOneBox) {
    const struct {
        const char* fall;
        std::u16string box;  // empty: no box at all
    } faelle[] = {
        {"fehlt", u""},
        {"alt", u"Version 4.2.0.0 or higher of file\r\n" + Datei("alt", "Varmregio.so") +
                    u" required!"},
        {"ohneversion",
         u"Error when determining file version\n(" + Datei("ohneversion", "Varmregio.so") + u")"},
        {"ohneordinal", u"Exception"},
        {"erstaufrufnull", u"Error in base module"},
    };
    for (const auto& f : faelle) {
        boxes.shown.clear();
        IBasis::Init(Fall(f.fall));
        EXPECT_FALSE(IBasis::IstGeladen()) << f.fall;
        if (f.box.empty())
            EXPECT_TRUE(boxes.shown.empty()) << f.fall;
        else
            EXPECT_EQ(EinzigeBox(), f.box) << f.fall;

        // Unbound, the wrapper says so and sends nothing.
        boxes.shown.clear();
        CVRMStringArray liste{u"vorher"};
        EXPECT_THROW(IBasis::GetBasisDaten(1172, liste), platform::UserException);
        EXPECT_EQ(EinzigeBox(), u"Base module not initialized\n(IBasis::GetBasisDaten-2)");
        EXPECT_EQ(liste, CVRMStringArray{u"vorher"});
    }
}

TEST_F(LadenTest, TheCoolingModuleTellsAnOldVersionAsTheDetailOfAnError) {
    IKuehl::load(Fall("alt"));
    EXPECT_FALSE(IKuehl::IstGeladen());
    EXPECT_EQ(EinzigeBox(), u"Exception\n(Version 1.0.0.0 or higher of file\r\n" +
                                Datei("alt", "vrmkuehl.so") + u" required!)");
}

TEST_F(LadenTest, TheEarthAirModuleRefusingTheFirstCallStaysUnbound) {
    IErdluft::load(Fall("erstaufrufnull"));
    EXPECT_FALSE(IErdluft::IstGeladen());
    EXPECT_EQ(EinzigeBox(), u"Error in interface of module 'Air preheating'");
}

TEST_F(LadenTest, SoundModulesAreBoundWithoutABox) {
    IErdluft::load(Fall("aussen"));
    IKuehl::load(Fall("aussen"));
    IBasis::Init(VARM_PROGRAM_DIR);
    EXPECT_TRUE(IErdluft::IstGeladen());
    EXPECT_TRUE(IKuehl::IstGeladen());
    EXPECT_TRUE(IBasis::IstGeladen());
    EXPECT_EQ(IErdluft::GetVersion(), u"4.2.8.0");
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
