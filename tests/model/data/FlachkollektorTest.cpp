#include "model/data/Flachkollektor.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

TEST(Flachkollektor, InnerDiameterByTheLastDigit) {
    // 32: q = int(32 / (0.8 + 3)) = 8, v = int((32 - 2*2.828)*10) = 263, digit 3: 26.5.
    // 40: q = int(40 / 3) = 13, v = int((40 - 2*3.606)*10) = 327, digit 7: 32.5.
    // 25: q = int(25 / 4.5) = 5, v = int((25 - 2*2.236)*10) = 205, digit 5: 20.5.
    // 20: q = int(20 / 5) = 4, v = int((20 - 4)*10) = 160, digit 0: 16.
    // 50: q = int(50 / 2) = 25, v = int((50 - 10)*10) = 400: 40.
    const std::pair<float, float> faelle[] = {
        {32, 26.5f}, {40, 32.5f}, {25, 20.5f}, {20, 16.0f}, {50, 40.0f}};
    for (const auto& [aussen, innen] : faelle) EXPECT_EQ(GetRohrInnenDurchmesser(aussen), innen);
}

TEST(Flachkollektor, LayingFactorByCountryFormulaOrDiameter) {
    EXPECT_FLOAT_EQ(GetVerlegeFaktor(32, false, u"N"), 0.9f);
    EXPECT_FLOAT_EQ(GetVerlegeFaktor(32, true, u"DK"), 1.3f);
    for (const char16_t* land : {u"EST", u"LT", u"LV", u"FIN"})
        EXPECT_FLOAT_EQ(GetVerlegeFaktor(32, false, land), 1.5f);
    EXPECT_FLOAT_EQ(GetVerlegeFaktor(32, true, u"D"), 1.12f);  // 32*0.025 + 0.32
    // Inner 26.5: 702.25 * 0.00072722044 + 0.005 = 0.515690.
    EXPECT_NEAR(GetVerlegeFaktor(32, false, u"D"), 0.515690, 1e-6);
    EXPECT_FLOAT_EQ(GetRohrlaengeFlachK(90, 32, false, u"N"), 100.0f);
}

TEST(Flachkollektor, CircuitsByOuterDiameterAndLength) {
    const std::tuple<float, float, int> faelle[] = {
        {32, 100, 1},  // 1.0 + 0.9
        {32, 101, 1},  // 1.01 + 0.9
        {32, 111, 2},  // 1.11 + 0.9
        {25, 100, 2},  // 100/75 + 0.9 = 2.23
        {40, 150, 1},  // 1.0 + 0.9
        {40, 166, 2},  // 1.107 + 0.9
    };
    for (const auto& [aussen, laenge, kreise] : faelle)
        EXPECT_EQ(BerechneKreisAnzahl(aussen, laenge), kreise) << aussen << " " << laenge;
}

class VerlegeFaktorTest : public modeltest::BoxFixture {};

TEST_F(VerlegeFaktorTest, ComparesAreaPerDivisorWithTheFactor) {
    // "N": 1.4 * 0.9 = 1.26.
    EXPECT_TRUE(IstVerlegeFaktorOK(100, 100, 32, false, u"N"));
    EXPECT_FALSE(IstVerlegeFaktorOK(130, 100, 32, false, u"N"));
    EXPECT_THROW(IstVerlegeFaktorOK(100, 0.5f, 32, false, u"N"), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Exception");
}

}  // namespace
