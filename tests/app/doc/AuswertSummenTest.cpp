// The yearly record summed from monthly results: on a result whose every series is a
// distinct constant (series k holds k² in each month), each field shows which series it
// took; the fields from project and house values follow their switches.
#include "app/doc/AuswertSummen.h"

#include <gtest/gtest.h>

#include "platform/errors/UserException.h"
#include "tests/support/EnglischeTexte.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/RecordedBoxes.h"

namespace {

// Series k holds k² in every month: differences of neighbouring series stay distinct
// (9² - 11² = -40, 8² - 10² = -36), so a series taken one off shows in the field.
CKelvoErgebnisse Quadrate() {
    CKelvoErgebnisse e;
    for (int k = 1; k <= CKelvoErgebnisse::kReihen; ++k)
        e.Reihe(static_cast<TErgebnisReihe>(k)).fill(static_cast<float>(k * k));
    return e;
}

float S(int k) { return static_cast<float>(k * k); }

class AuswertSummenTest : public testing::Test {
  protected:
    AuswertSummenTest() { testsupport::LadeEnglischeTexte(); }
    testsupport::FakeKelvoApp app;
    testsupport::RecordedBoxes boxes;
};

TEST_F(AuswertSummenTest, JedesFeldNimmtSeineReihe) {
    SAuswertWerte w;
    w.quellPumpe = 150;  // W
    w.heizPumpe = 60;
    w.laufzeitHeizPumpe = 5000;
    w.solarGewinnAnteil = 80;
    CAuswertDaten r;
    std::array<float, 12> monate{};
    SummiereJahr(Quadrate(), w, r, monate);

    // Fields over 12 months; the heat of the heat pump for heating is a mean power times
    // 720 h. Tolerance: float sums of twelve equal terms, 1e-6 relative.
    struct Fall {
        TAuswertFeld feld;
        float erwartet;
    };
    const Fall faelle[] = {
        {AF_QuellEnergieHeiz, 12 * S(16)},
        {AF_QuellEnergieWW, 12 * S(12)},
        {AF_LaufzeitHeiz, 12 * S(17)},
        {AF_LaufzeitWW, 12 * S(13)},
        {AF_StromHeiz, 12 * S(18)},
        {AF_StromWW, 12 * S(10)},
        {AF_WPWaermeHeiz, 12 * S(15) * 720},
        {AF_WPWaermeWW, 12 * (S(9) - S(11))},
        {AF_ZweiterWEHeiz, 12 * (S(14) - S(15)) * 720},
        {AF_ZweiterWEWW, 12 * S(11)},
        // Running hours of both uses x 150 W, plus 80 h of solar feed-in x 150 W.
        {AF_StromQuellpumpe, 12 * (S(13) + S(17)) * 150 * 0.001f + 80 * 150 * 0.001f},
        {AF_StromHeizpumpe, 5000 * 60 * 0.001f},  // 300 kWh
        {AF_StromAbtauen, 0},
        {AF_Feld14, 0},
        {AF_StromZwkPumpe, 0},
        {AF_StromZirkPumpe, 0},
        {AF_Kuehlung, 0},
        {AF_Abluft, 0},
        {AF_SolarHeiz, 12 * S(20)},
        {AF_SolarWW, 12 * S(19)},
        {AF_SolarErdreich, 12 * (S(21) + S(22))},
        {AF_Summe23, 12 * S(23)},
        {AF_Summe24, 12 * S(24)},
        {AF_AbtauEnergie, (12 * S(15) * 720 + 12 * (S(9) - S(11))) * 0.06f},
        {AF_EinspeisungWP, 12 * S(25)},
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(r.Feld(f.feld), f.erwartet, 1e-6f * std::max(1.0f, std::abs(f.erwartet)))
            << "field " << f.feld;
    // Heat-pump electricity of heating (series 18) and hot water (series 10) each month.
    for (float m : monate) EXPECT_FLOAT_EQ(m, S(18) + S(10));
    EXPECT_FALSE(r.m_AbtauenInWPDaten);
    EXPECT_FALSE(r.m_LuefterInWPDaten);
}

TEST_F(AuswertSummenTest, FelderAusProjektwertenNachIhrenSchaltern) {
    const CKelvoErgebnisse e = Quadrate();
    const float laufzeit = 12 * (S(13) + S(17));  // fields 4 + 3
    const float abtauEnergie = (12 * S(15) * 720 + 12 * (S(9) - S(11))) * 0.06f;
    struct Fall {
        const char* name;
        SAuswertWerte w;
        TAuswertFeld feld;
        float erwartet;
    };
    SAuswertWerte zirk;
    zirk.zirkulation = true;
    zirk.zirkPumpe = 25;
    zirk.zirkLaufzeit = 4.0f;
    SAuswertWerte zwk;
    zwk.zwischenkreis = true;
    SAuswertWerte zwk80 = zwk;
    zwk80.zwkPumpe = 80.0f;
    SAuswertWerte luftWert;
    luftWert.luftWP = true;
    luftWert.stromAbtauen = 420;
    SAuswertWerte luftBerechnet = luftWert;
    luftBerechnet.abtauenBerechnen = true;
    SAuswertWerte sole;
    sole.stromAbtauen = 420;
    sole.abtauenBerechnen = true;
    const Fall faelle[] = {
        // 25 W x 4 h a day x 360 days.
        {"circulation", zirk, AF_StromZirkPumpe, 25 * 4.0f * 360 * 0.001f},
        {"no circulation", SAuswertWerte{}, AF_StromZirkPumpe, 0},
        // An intermediate-circuit pump without rating counts 50 W.
        {"intermediate 0 W", zwk, AF_StromZwkPumpe, laufzeit * 50 * 0.001f},
        {"intermediate 80 W", zwk80, AF_StromZwkPumpe, laufzeit * 80 * 0.001f},
        {"air, stored defrosting", luftWert, AF_StromAbtauen, 420},
        {"air, computed defrosting", luftBerechnet, AF_StromAbtauen, abtauEnergie},
        {"brine, no defrosting", sole, AF_StromAbtauen, 0},
    };
    for (const Fall& f : faelle) {
        CAuswertDaten r;
        std::array<float, 12> monate{};
        SummiereJahr(e, f.w, r, monate);
        EXPECT_NEAR(r.Feld(f.feld), f.erwartet, 1e-6f * std::max(1.0f, f.erwartet)) << f.name;
    }
    // The flags come only with a valid heat pump of a document that is not busy.
    SAuswertWerte flags;
    flags.abtauenInWPDaten = flags.luefterInWPDaten = true;
    CAuswertDaten r;
    std::array<float, 12> monate{};
    SummiereJahr(e, flags, r, monate);
    EXPECT_FALSE(r.m_AbtauenInWPDaten || r.m_LuefterInWPDaten);
    flags.mitFlags = true;
    SummiereJahr(e, flags, r, monate);
    EXPECT_TRUE(r.m_AbtauenInWPDaten && r.m_LuefterInWPDaten);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AuswertSummenTest, MonatOhneErforderlicheLeistungIstFehler) {
    for (float leistung : {0.0f, 0.01f}) {
        CKelvoErgebnisse e = Quadrate();
        e.Reihe(ER_WPHeizLeistung)[6] = leistung;
        CAuswertDaten r;
        std::array<float, 12> monate{};
        EXPECT_THROW(SummiereJahr(e, SAuswertWerte{}, r, monate), platform::UserException);
    }
    ASSERT_EQ(boxes.texts().size(), 2u);
    EXPECT_NE(boxes.texts()[0].find(u"Month without required heat output"), std::u16string::npos);
    // Just above the limit the month counts.
    CKelvoErgebnisse e = Quadrate();
    e.Reihe(ER_WPHeizLeistung)[6] = 0.011f;
    CAuswertDaten r;
    std::array<float, 12> monate{};
    EXPECT_NO_THROW(SummiereJahr(e, SAuswertWerte{}, r, monate));
}

}  // namespace
