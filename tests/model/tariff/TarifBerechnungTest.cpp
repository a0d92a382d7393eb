#include "model/tariff/TarifBerechnung.h"

#include <cmath>

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

class TarifBerechnungTest : public modeltest::BoxFixture {};

TEST_F(TarifBerechnungTest, BlockingFactorWithAndWithoutWeeklyWeighting) {
    struct Fall {
        float stunden;
        bool ganzeWoche;
        float faktor;
    };
    const Fall faelle[] = {
        {0.0f, true, 1.0f},      // 24 / 24
        {0.0f, false, 1.0f},     // 1 * 0.714 + 0.286
        {12.0f, true, 2.0f},     // 24 / 12
        {12.0f, false, 1.714f},  // 2 * 0.714 + 0.286
        {6.0f, true, 24.0f / 18.0f}, {6.0f, false, 24.0f / 18.0f * 0.714f + 0.286f},  // 1.23800
    };
    const CTarifBerechnung berechnung;
    for (const Fall& f : faelle)
        EXPECT_NEAR(berechnung.GetSperrzeitFaktor(f.stunden, f.ganzeWoche), f.faktor, 1e-5)
            << f.stunden << " " << f.ganzeWoche;
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(TarifBerechnungTest, ADayBlockedWholeOrNoNumberIsAProgramError) {
    const CTarifBerechnung berechnung;
    for (float stunden : {24.0f, 30.0f, std::nanf("")}) {
        presenter.shown.clear();
        EXPECT_THROW(berechnung.GetSperrzeitFaktor(stunden, true), platform::UserException);
        EXPECT_EQ(einzigeBox().text, u"Exception");
    }
}

}  // namespace
