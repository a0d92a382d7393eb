// Kind, COPs, test-bench difference and power taken from a catalogue heat pump.
#include "app/options/OptionsManager.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/app/OptionIds.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using namespace VDI4650;

class VDI4650RechnerWP : public testsupport::ValueStoreFixture {
  protected:
    VDI4650RechnerWP() {
        optionen.AddLongOption(OPT_WARN_QTEMP1, u"WarnQTemp1", 0, 0);
        app.optionsManager = &optionen;
    }
    void SetUp() override {
        // Records: source T # heating 35, second # electric 35, second # source side 35,
        // second # second flow T # maximum flow T.
        loadDatabases(
            {
                u"[WP-Sole]",
                u"MedienTyp=0",
                u"TempDiffVerfluess=5.4",
                u"LeistungSP=250",
                u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#55#58#",
                u"LeistDaten1=0#9#8#2#2.4#7#5.6#55#60#",
                u"[WP-Luft]",
                u"MedienTyp=1",
                u"TempDiffVerfluess=12",
                u"LeistDaten0=-7#7#6.2#2.5#2.6#4.5#3.6#55#55#",
                u"LeistDaten1=2#9#8#2.25#2.8#6.75#5.2#55#58#",
                u"LeistDaten2=7#11#9.8#2.3#3#8.7#6.8#55#60#",
                u"[WP-Abluft]",
                u"MedienTyp=4",
                u"LeistDaten0=15#6#5#1.5#2.1#4.5#2.9#55#58#",
                u"LeistDaten1=20#8#7#1.6#2.2#6.4#4.8#55#62#",
            },
            {u"[BiboInfo]", u"Version=1.00"});
    }
    COptionsManager optionen;
    testsupport::FakeKelvoApp app;
};

TEST_F(VDI4650RechnerWP, BrineHeatPumpGivesKindCopDifferenceAndPower) {
    CVDI4650Rechner r(true, nullptr);
    r.art = kLuftWasser;
    r.wpName = u"WP-Sole";
    r.anzahl = 2;
    ASSERT_TRUE(r.GetCOPsVonWP());
    EXPECT_EQ(r.art, kSoleWasser);
    EXPECT_EQ(r.pumpenLeistung, 250);
    EXPECT_FLOAT_EQ(r.cop2, 4.5f);  // 9 / 2 at B0/W35
    EXPECT_FLOAT_EQ(r.cop1, 3.0f);  // not a brine test point: kept
    EXPECT_FLOAT_EQ(r.cop3, 5.0f);
    EXPECT_FLOAT_EQ(r.pruef, 5.0f);      // 5.4 to a whole kelvin
    EXPECT_FLOAT_EQ(r.leistung, 18.0f);  // 9 kW at B0/W35, two units
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(VDI4650RechnerWP, AirHeatPumpKeepsWhatItsRecordsDoNotHold) {
    testsupport::FakeKelvoDoc doc;
    CVDI4650Rechner r(true, &doc);
    r.wpName = u"WP-Luft";
    r.pumpenLeistung = 123;
    ASSERT_TRUE(r.GetCOPsVonWP());
    EXPECT_EQ(r.art, kLuftWasser);
    EXPECT_EQ(r.pumpenLeistung, 123);  // with a project the project's value stays
    EXPECT_FLOAT_EQ(r.cop1, 2.8f);     // 7 / 2.5 at A-7
    EXPECT_FLOAT_EQ(r.cop2, 4.0f);     // 9 / 2.25 at A2
    EXPECT_FLOAT_EQ(r.cop3, 5.0f);     // no record at A10: kept
    EXPECT_FLOAT_EQ(r.pruef, 10.0f);   // 12 K is outside 3..10
    EXPECT_FLOAT_EQ(r.leistung, 9.0f);
}

TEST_F(VDI4650RechnerWP, HeatPumpsTheCalculatorCannotRateAreRefused) {
    CVDI4650Rechner r(true, nullptr);
    r.wpName = u"WP-Abluft";
    EXPECT_FALSE(r.GetCOPsVonWP());
    EXPECT_EQ(r.art, kSoleWasser);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, errorBox(3162, u"CVDI4650Rechner::GetCOPsVonWP"));

    r.wpName = u"WP-Unbekannt";
    EXPECT_FALSE(r.GetCOPsVonWP());
    r.wpName.clear();
    EXPECT_TRUE(r.GetCOPsVonWP());
}

}  // namespace
