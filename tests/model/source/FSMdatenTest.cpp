#include "model/source/FSMdaten.h"

#include <gtest/gtest.h>

#include "core/text/ResManager.h"
#include "tests/support/Sprachmodul.h"

namespace {

class FSMdatenTest : public ::testing::Test {
  protected:
    // The family marker is the shipped text 3812 "Monoethylenglycol".
    FSMdatenTest() { testsupport::LadeSprache(); }
    ~FSMdatenTest() override { CResManager::freeLangRes(); }

    const CVRMString eg{u"Monoethylenglycol 30%"};
    const CVRMString pg{u"Propylenglycol"};
};

struct Eigenschaften {
    const char* fall;
    bool ethylen;
    unsigned c;
    float t;
    float dichte, waerme, viskos, leit;
};

TEST_F(FSMdatenTest, PropertiesAtHandCheckedPoints) {
    const Eigenschaften faelle[] = {
        // EG c=30 T=0: 1051.3 + 0; 4.18 - 0.014*30 = 3.76 (+0.004*0); 3.4 - 4.5 + 1.8*3 = 4.3;
        // 0.57 - 0.12 = 0.45
        {"EG 30% 0C", true, 30, 0.0f, 1051.3f, 3.76f, 4.3f, 0.45f},
        // EG c=31 T=0: 1051.3 + 1.7 = 1053.0; 4.66 - 0.93 = 3.73;
        // 3.4 - 4.65 + (0.04 + 1.8)*3.1 = 4.454; 0.57 - 0.124 = 0.446
        {"EG 31% 0C", true, 31, 0.0f, 1053.0f, 3.73f, 4.454f, 0.446f},
        // other c=25 T=0: 1036.3 - 6 = 1030.3; 4.37 - 0.5 = 3.87;
        // 4.8 - 9.75 + (-0.5 + 4.7)*2.5 = 5.55; 0.5 - 0.1 = 0.4
        {"PG 25% 0C", false, 25, 0.0f, 1030.3f, 3.87f, 5.55f, 0.4f},
        // other c=5 T=10: 1036.3 - 3.3333 - 30 = 1002.9667; c' = 10: 4.37 - 0.2 + 10*10*0.0001
        // = 4.18; c < 15: 1.6 - 0.3 = 1.3; below 10 % the EG formula: 0.57 - 0.02 + 0.014 = 0.564
        {"PG 5% 10C", false, 5, 10.0f, 1002.96667f, 4.18f, 1.3f, 0.564f},
        // water c=0 T=10, EG: 1051.3 - 3.3333 - 51 = 996.9667; 4.18 (no temperature term
        // below 10 %); 1.6 - 0.3 = 1.3; 0.57 + 0.014 = 0.584
        {"EG 0% 10C", true, 0, 10.0f, 996.96667f, 4.18f, 1.3f, 0.584f},
        // EG c=10 T=-5: temperature term starts at 10 %: 4.18 - 0.14 - 0.02 = 4.02;
        // 1051.3 + 1.6667 - 34 = 1018.9667; 1.6 + 0.15 = 1.75; 0.57 - 0.04 - 0.007 = 0.523
        {"EG 10% -5C", true, 10, -5.0f, 1018.96667f, 4.02f, 1.75f, 0.523f},
        // PG c=30 T=-5: 1036.3 + 1.6667 = 1037.9667; 4.37 - 0.6 - 0.015 = 3.755;
        // 4.8 - 11.7 + 4.7*3 + 1.5 = 8.7; 0.5 - 0.12 - 0.0125 = 0.3675
        {"PG 30% -5C", false, 30, -5.0f, 1037.96667f, 3.755f, 8.7f, 0.3675f},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        const CVRMString& name = f.ethylen ? eg : pg;
        EXPECT_NEAR(CFSMdaten::getDichte(name, f.c, f.t), f.dichte, 1e-3);
        EXPECT_NEAR(CFSMdaten::getSpezWaerme(name, f.c, f.t), f.waerme, 1e-5);
        EXPECT_NEAR(CFSMdaten::getKinViskos(name, f.c, f.t), f.viskos, 1e-5);
        EXPECT_NEAR(CFSMdaten::getWaermeleit(name, f.c, f.t), f.leit, 1e-6);
    }
}

TEST_F(FSMdatenTest, SpecificHeatStepsAtThirtyPercent) {
    // 4.18 - 0.014*30 = 3.76 against 4.66 - 0.03*31 = 3.73: a step of 0.016 beyond the slope
    // of 0.014 the lower formula would have given (3.746).
    const float bei30 = CFSMdaten::getSpezWaerme(eg, 30, 0.0f);
    const float bei31 = CFSMdaten::getSpezWaerme(eg, 31, 0.0f);
    EXPECT_NEAR(bei30 - bei31, 0.03f, 1e-5);
}

TEST_F(FSMdatenTest, FamilyByCaseSensitiveSubstring) {
    const std::pair<const char16_t*, bool> namen[] = {
        {u"Monoethylenglycol", false}, {u"Tyfocor Monoethylenglycol 25", false},
        {u"monoethylenglycol", true},  {u"MONOETHYLENGLYCOL", true},
        {u"Propylenglycol", true},     {u"", true},
    };
    for (const auto& [name, anders] : namen) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        EXPECT_EQ(CFSMdaten::IstNichtEthylenglykol(name), anders);
    }
    // The lower-case name takes the other family's density: 1036.3 at 30 %, 0 °C.
    EXPECT_NEAR(CFSMdaten::getDichte(u"monoethylenglycol", 30, 0.0f), 1036.3f, 1e-3);
}

TEST_F(FSMdatenTest, ViscosityNeverThinnerThanWaterWhereTheFitsCollapse) {
    struct Fall {
        const char* fall;
        bool ethylen;
        unsigned c;
        float t;
        float viskos;
    };
    const Fall faelle[] = {
        // PG 20 % at 20 °C: fit 4.8 - 7.8 + 3.7*2 - 4 = 0.4, water 1.6 - 0.6 = 1.0
        {"PG 20% 20C warm", false, 20, 20.0f, 1.0f},
        // PG 25 % at 26 °C: fit 5.55 - 6.5 = -0.95, water 1.6 - 0.78 = 0.82
        {"PG 25% 26C negative fit", false, 25, 26.0f, 0.82f},
        // EG 60 % at 80 °C: fit 12.4 - 20.8 = -8.4, water 1.6 - 2.4 = -0.8: the floor 0.3
        {"EG 60% 80C", true, 60, 80.0f, 0.3f},
        // water at 50 °C: 1.6 - 1.5 = 0.1, below the floor
        {"water 50C", true, 0, 50.0f, 0.3f},
        // where the fits hold they stand: PG 25 % at 10 °C 5.55 - 2.5 = 3.05,
        // EG 30 % at 10 °C 4.3 - 1.3 = 3.0, water at 43 °C 1.6 - 1.29 = 0.31
        {"PG 25% 10C cold", false, 25, 10.0f, 3.05f},
        {"EG 30% 10C cold", true, 30, 10.0f, 3.0f},
        {"water 43C", false, 0, 43.0f, 0.31f},
    };
    for (const Fall& f : faelle) {
        EXPECT_NEAR(CFSMdaten::getKinViskos(f.ethylen ? eg : pg, f.c, f.t), f.viskos, 1e-5)
            << f.fall;
    }
    // Over the whole range a mixture is at least as thick as water and never below the floor.
    for (unsigned c = 0; c <= 60; c += 5) {
        for (float t = -20.0f; t <= 80.0f; t += 2.0f) {
            for (const CVRMString* name : {&eg, &pg}) {
                const float nu = CFSMdaten::getKinViskos(*name, c, t);
                EXPECT_GE(nu, CFSMdaten::getKinViskos(*name, 0, t)) << c << " " << t;
                EXPECT_GE(nu, CFSMdaten::kMinKinViskos) << c << " " << t;
            }
        }
    }
}

TEST_F(FSMdatenTest, AnEmptyMarkerTextMarksNoName) {
    CResManager::setEntry(3812, u"");
    EXPECT_TRUE(CFSMdaten::IstNichtEthylenglykol(eg));
}

}  // namespace
