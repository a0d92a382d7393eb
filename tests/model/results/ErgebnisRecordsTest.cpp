#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

TEST(KelvoErgebnisse, SeriesAreNumberedFromOneInTheirOwnRows) {
    CKelvoErgebnisse e;
    for (int k = 1; k <= CKelvoErgebnisse::kReihen; ++k)
        for (float w : e.Reihe(static_cast<TErgebnisReihe>(k))) EXPECT_EQ(w, 0.0f);
    // Series k, month m holds 100k + m: every series its own row, no overlap.
    for (int k = 1; k <= 25; ++k)
        for (int m = 0; m < 12; ++m) e.Reihe(static_cast<TErgebnisReihe>(k))[m] = 100.0f * k + m;
    EXPECT_EQ(e.Reihe(ER_WPQuellLeistung)[0], 100.0f);
    EXPECT_EQ(e.Reihe(ER_WPHeizLeistung)[11], 211.0f);
    EXPECT_EQ(e.Reihe(ER_SoleTemp)[6], 806.0f);
    EXPECT_EQ(e.Reihe(ER_EinspeisungWP)[11], 2511.0f);
    EXPECT_EQ(e.Summe(ER_WWStrom), 12 * 1000.0f + 66.0f);  // 12*1000 + (0+...+11)

    const CKelvoErgebnisse kopie = e;
    e.Reset();
    EXPECT_EQ(e.Summe(ER_EinspeisungWP), 0.0f);
    EXPECT_EQ(e.Summe(ER_WPQuellLeistung), 0.0f);
    EXPECT_EQ(kopie.Reihe(ER_Einspeisung1)[3], 2103.0f);
}

class ErgebnisIndexTest : public modeltest::BoxFixture {};

TEST_F(ErgebnisIndexTest, NumbersOutsideTheRecordAreTheGenericError) {
    CKelvoErgebnisse e;
    CAuswertDaten a;
    EXPECT_THROW(e.Reihe(static_cast<TErgebnisReihe>(0)), platform::UserException);
    EXPECT_THROW(e.Reihe(static_cast<TErgebnisReihe>(26)), platform::UserException);
    EXPECT_THROW(a.Feld(static_cast<TAuswertFeld>(0)), platform::UserException);
    EXPECT_THROW(a.Feld(static_cast<TAuswertFeld>(26)), platform::UserException);
    EXPECT_EQ(presenter.shown.size(), 4u);
}

TEST(AuswertDaten, FreshResetAndCopy) {
    CAuswertDaten a;
    for (int f = 1; f <= CAuswertDaten::kFelder; ++f)
        EXPECT_EQ(a.Feld(static_cast<TAuswertFeld>(f)), 0.0f);
    EXPECT_FALSE(a.m_AbtauenInWPDaten);
    EXPECT_FALSE(a.m_LuefterInWPDaten);

    for (int f = 1; f <= 25; ++f) a.Feld(static_cast<TAuswertFeld>(f)) = static_cast<float>(f);
    a.m_AbtauenInWPDaten = true;
    a.m_LuefterInWPDaten = true;
    CAuswertDaten b;
    b = a;
    EXPECT_EQ(b.Feld(AF_QuellEnergieHeiz), 1.0f);
    EXPECT_EQ(b.Feld(AF_EinspeisungWP), 25.0f);
    EXPECT_TRUE(b.m_AbtauenInWPDaten);
    EXPECT_TRUE(b.m_LuefterInWPDaten);

    a.Reset();
    EXPECT_EQ(a.Feld(AF_AbtauEnergie), 0.0f);
    EXPECT_FALSE(a.m_AbtauenInWPDaten);
    EXPECT_EQ(b.Feld(AF_AbtauEnergie), 24.0f);
}

}  // namespace
