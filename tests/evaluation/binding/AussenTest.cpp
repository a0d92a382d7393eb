// The outside modules: earth-air and cooling against the modules standing for them, report
// and special probe never bound, and what every wrapper says while its module is unbound.
#include <gtest/gtest.h>

#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/EWTS.h"
#include "evaluation/binding/Report.h"
#include "model/app/KelvoBindungen.h"
#include "model/results/AuswertDaten.h"
#include "platform/errors/UserException.h"
#include "tests/core/value/DatenProviderTestConsumer.h"
#include "tests/evaluation/binding/BindungFixture.h"

namespace {

using bindingtest::Fall;

class AussenTest : public bindingtest::BindungFixture {
  protected:
    void Binde() {
        IErdluft::load(Fall("aussen"));
        IKuehl::load(Fall("aussen"));
        ASSERT_TRUE(IErdluft::IstGeladen());
        ASSERT_TRUE(IKuehl::IstGeladen());
    }
};

TEST_F(AussenTest, EarthAirAnswersItsCodes) {
    Binde();
    uint32_t wert = 0;
    IErdluft::GetErdluftDaten(5, wert);
    EXPECT_EQ(wert, 500u);  // the fixture answers code × 100

    // The length is asked with the year's heat delivered for heating and hot water; the
    // other fields of the record are not sent.
    CAuswertDaten jahr;
    jahr.Feld(AF_WPWaermeHeiz) = 11200.4f;
    jahr.Feld(AF_WPWaermeWW) = 2400.3f;
    jahr.Feld(AF_ZweiterWEHeiz) = 900.0f;
    jahr.Feld(AF_QuellEnergieHeiz) = 8000.0f;
    EXPECT_EQ(IErdluft::GetErdluftDaten3(jahr), 13601u);  // "%.0f" of 13600.7, echoed

    std::array<float, 12> a{}, b{}, ergebnis{};
    for (int i = 0; i < 12; ++i) {
        a[i] = static_cast<float>(i);
        b[i] = 0.25f;  // sent as "%.1f": "0.2" (round half to even of the exact 0.25)
    }
    IErdluft::GetErdluftDaten7(1.0f, a, b, ergebnis);
    for (int i = 0; i < 12; ++i) EXPECT_FLOAT_EQ(ergebnis[i], 0.8f + i) << i;  // 1 + i - 0.2
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AussenTest, EarthAirFailuresShowOneBoxAndKeepTheCallersValues) {
    Binde();
    uint32_t wert = 7;
    EXPECT_THROW(IErdluft::GetErdluftDaten(3, wert), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Switch constant wrong\n(IErdluft::GetErdluftDaten)");
    EXPECT_EQ(wert, 7u);

    std::array<float, 12> a{}, b{}, ergebnis{};
    ergebnis.fill(-1.0f);
    boxes.shown.clear();
    // A negative x makes the fixture answer eleven months only.
    EXPECT_THROW(IErdluft::GetErdluftDaten7(-1.0f, a, b, ergebnis), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Error with parameter 12 !\r\nmodule Erdluft ()");
    EXPECT_EQ(ergebnis[0], -1.0f);

    boxes.shown.clear();
    EXPECT_THROW(IErdluft::GetErdluftDaten7(999.0f, a, b, ergebnis), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Error in interface of module 'Air preheating'\n(x too large)");
    EXPECT_TRUE(IErdluft::IstGeladen());  // a failing call does not unbind
}

TEST_F(AussenTest, CoolingInitialisesPlantsAndResetsTheirValues) {
    Binde();
    IKuehl::InitKuehlAnlage(u"Kuehl1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_THROW(IKuehl::InitKuehlAnlage(u"unbekannt"), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Error in cooling interface\n(Unknown cooling plant)");

    TestConsumer anlage({ID_AdrName});
    CVRMdatenProvider::get().fill(anlage, u"Kuehl1");
    anlage.wert(ID_AdrName) = CVRMString(u"Huber");
    IKuehl::reset(u"Kuehl1");
    EXPECT_EQ(anlage.wert(ID_AdrName).GetStringVal(), u"Meier");
    EXPECT_TRUE(userSectionHolds(u"[Kuehl1]", u"adrname=Meier"));
    EXPECT_EQ(IKuehl::GetNullWert(1, u"Kuehl1"), 0.0f);
}

TEST_F(AussenTest, TheModelSeesWhetherCoolingIsBound) {
    Binde();
    EXPECT_TRUE(GetKelvoBindungen().IstKuehlGebunden());
    IKuehl::Leeren();
    EXPECT_FALSE(GetKelvoBindungen().IstKuehlGebunden());
    IKuehl::load(Fall("alt"));  // too old: a box, and still not offered
    EXPECT_FALSE(GetKelvoBindungen().IstKuehlGebunden());
}

TEST_F(AussenTest, UnboundWrappersReportTheirOwnTexts) {
    const struct {
        const char* name;
        void (*aufruf)();
        const char16_t* box;
    } faelle[] = {
        {"erdluft", [] { uint32_t v; IErdluft::GetErdluftDaten(4, v); }, u"Exception"},
        {"kuehl init", [] { IKuehl::InitKuehlAnlage(u"Kuehl1"); },
         u"Cooling interface not initialized\n(IKuehl::InitKuehlAnlage)"},
        {"kuehl save", [] { IKuehl::SaveDaten(u"Kuehl1"); },
         u"Cooling interface not initialized\n(IKuehl::SaveDaten())"},
        {"kuehl reset", [] { IKuehl::reset(u"Kuehl1"); },
         u"Cooling interface not initialized\n(IKuehl::reset())"},
        {"report ui", [] { IReport::SetDaten(164, 280u); },
         u"Interface 'Report' not initialized\n(IReport::SetDaten(ui))"},
        {"report i", [] { IReport::SetDaten(164, -1); },
         u"Interface 'Report' not initialized\n(IReport::SetDaten(i))"},
        {"report s", [] { IReport::SetDaten(164, CVRMString(u"x")); },
         u"Interface 'Report' not initialized\n(IReport::SetDaten(s))"},
        {"ewts", [] { EWTS::Aufruf1322(1.0f, 2.0f); }, u"Exception"},
        {"ewts last", [] { EWTS::Aufruf1337(1, 2, 3, 4, 5, 6, 7, 8, 9, 10); }, u"Exception"},
    };
    IReport::Laden();
    EXPECT_FALSE(IReport::IstGeladen());
    EXPECT_FALSE(EWTS::IstGeladen());
    for (const auto& f : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(f.aufruf(), platform::UserException) << f.name;
        EXPECT_EQ(EinzigeBox(), f.box) << f.name;
    }
}

}  // namespace
