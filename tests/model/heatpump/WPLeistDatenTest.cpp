// One performance record: its text form in both directions, validity and the two COPs.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "model/heatpump/WPLeistDaten.h"

namespace {

using Felder = std::array<float, CWPLeistDaten::kFelder>;

const vrmcore::SZahlOrt kOrt{u"WP", u"LeistDaten1"};

Felder FelderVon(const CWPLeistDaten& d) {
    return {d.quellTemp, d.heiz35,  d.heiz2,    d.elektro35, d.elektro2,
            d.quelle35,  d.quelle2, d.vorlauf2, d.maxVorlauf};
}

CWPLeistDaten AusFeldern(const Felder& f) {
    return CWPLeistDaten(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]);
}

TEST(WPLeistDaten, TextGivesUpToNineHashTerminatedNumbers) {
    struct Fall {
        const char16_t* text;
        Felder felder;
    };
    const Fall faelle[] = {
        {u"-5#6#5#1.5#2.1#4.5#2.9#55#58#", {-5, 6, 5, 1.5f, 2.1f, 4.5f, 2.9f, 55, 58}},
        {u"-5#6.00#", {-5, 6, 0, 0, 0, 0, 0, 0, 0}},
        {u"7", {}},                                               // no "#": nothing read
        {u"1#2#3", {1, 2, 0, 0, 0, 0, 0, 0, 0}},                  // a last number needs its "#"
        {u"1#2#3#4#5#6#7#8#9#10#", {1, 2, 3, 4, 5, 6, 7, 8, 9}},  // a tenth is ignored
        {u"#2.5# 3 #", {0, 2.5f, 3, 0, 0, 0, 0, 0, 0}},           // blank 0, blanks around
        {u"", {}},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(FelderVon(CWPLeistDaten(fall.text, kOrt)), fall.felder)
            << CVRMString(fall.text).toUtf8();
}

TEST(WPLeistDaten, FormatWritesSourceWithoutDecimalsAndReadsBack) {
    const CWPLeistDaten satz(-7.4f, 6.126f, 5.5f, 1.5f, 2.0f, 4.626f, 3.5f, 55.0f, 60.0f);
    EXPECT_EQ(satz.Format(), u"-7#6.13#5.50#1.50#2.00#4.63#3.50#55.00#60.00#");
    const CWPLeistDaten gelesen(satz.Format(), kOrt);
    EXPECT_EQ(gelesen.Format(), satz.Format());
    EXPECT_EQ(gelesen.quellTemp, -7.0f);
}

TEST(WPLeistDaten, FormatWritesNonNumbersAsZero) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    const CWPLeistDaten satz(nan, 6.0f, inf, 1.5f, -inf, 4.5f, 3.5f, 55.0f, nan);
    EXPECT_EQ(satz.Format(), u"0#6.00#0.00#1.50#0.00#4.50#3.50#55.00#0.00#");
}

TEST(WPLeistDaten, ValidOnlyWhenEveryFieldButTheSourceExceedsAHundredth) {
    const Felder gut = {-30, 6, 5, 1.5f, 2.1f, 4.5f, 2.9f, 55, 58};
    EXPECT_TRUE(AusFeldern(gut).IstGueltig());  // a negative source temperature is fine
    for (size_t i = 1; i < gut.size(); ++i) {
        Felder f = gut;
        f[i] = 0.01f;
        EXPECT_FALSE(AusFeldern(f).IstGueltig()) << "field " << i + 1;
        f[i] = 0.011f;
        EXPECT_TRUE(AusFeldern(f).IstGueltig()) << "field " << i + 1;
    }
}

TEST(WPLeistDaten, CopIsZeroWhenThePowerIsAtMostAHundredth) {
    const CWPLeistDaten satz(0, 6, 5, 1.5f, 2, 4.5f, 3, 55, 58);
    EXPECT_FLOAT_EQ(satz.GetCOP35(), 4.0f);  // 6 / 1.5
    EXPECT_FLOAT_EQ(satz.GetCOP2(), 2.5f);   // 5 / 2
    const CWPLeistDaten ohneStrom(0, 6, 5, 0.01f, 0, 4.5f, 3, 55, 58);
    EXPECT_EQ(ohneStrom.GetCOP35(), 0.0f);
    EXPECT_EQ(ohneStrom.GetCOP2(), 0.0f);
}

}  // namespace
