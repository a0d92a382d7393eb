// The language rows and the country code by primary and sub-language.
#include <gtest/gtest.h>

#include "app/shell/SprachTabelle.h"

namespace {

TEST(SprachTabelle, LandCodes) {
    struct Fall {
        int primaer, sub, land;
    };
    const Fall faelle[] = {
        {7, 1, 0},  {7, 3, 1},  {7, 2, 2},  {7, 5, 0},  {9, 1, 3},  {9, 6, 4},  {10, 1, 10},
        {14, 1, 15}, {16, 1, 6}, {21, 1, 13}, {25, 1, 17}, {27, 1, 7}, {34, 1, 16}, {36, 1, 18},
        {0, 0, 0},  {99, 1, 0}, {9, 2, 3},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(LandCodeFuer(SucheSprachZeile(f.primaer), f.sub), f.land)
            << f.primaer << "/" << f.sub;
}

TEST(SprachTabelle, ZeilenUndUnbekannteSprache) {
    const SSprachZeile& eng = SucheSprachZeile(9);
    EXPECT_EQ(eng.resModul, u"Varmtexteng.so");
    EXPECT_EQ(eng.sprachDatei, u"varmionlng.eng");
    EXPECT_EQ(eng.tabellenId, 250u);
    EXPECT_EQ(SucheSprachZeile(25).zeichensatz, 204);
    EXPECT_EQ(SucheSprachZeile(21).zeichensatz, 238);
    // German fails with the start text; any other number takes the German module.
    EXPECT_EQ(SucheSprachZeile(7).fehler, kStartFehlerText);
    const SSprachZeile& sonst = SucheSprachZeile(0);
    EXPECT_EQ(sonst.resModul, u"Varmtext.so");
    EXPECT_EQ(sonst.tabellenId, 249u);
    EXPECT_EQ(sonst.fehler, u"Cannot initialize Varmion");
}

}  // namespace
