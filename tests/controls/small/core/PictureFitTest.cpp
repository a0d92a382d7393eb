#include "controls/small/core/PictureFit.h"

#include <gtest/gtest.h>

namespace {

using namespace small;

TEST(BildTypen, VonDerLetztenEndungDesDateinamens) {
    struct Fall {
        const char8_t* pfad;
        BildTyp typ;
    } faelle[] = {
        {u8"/x/a.png.d/b.bmp", BildTyp::Bmp},  // a folder's ".png" does not count
        {u8"/x/Bild_ä.PNG", BildTyp::Png},     // any case, UTF-8 name
        {u8"/x/a.JpG", BildTyp::Jpeg},
        {u8"/x/a.gif", BildTyp::Gif},
        {u8"/x/a.ico", BildTyp::Icon},
        {u8"/x/.png", BildTyp::Keiner},        // only a suffix: no name
        {u8"/x/a.png.txt", BildTyp::Keiner},
        {u8"/x/a.jpeg", BildTyp::Keiner},
        {u8"", BildTyp::Keiner},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(typVonPfad(std::filesystem::path(f.pfad)), f.typ)
            << reinterpret_cast<const char*>(f.pfad);
}

TEST(BildTypen, RessourcenNamenExakt) {
    EXPECT_EQ(typVonName(u"PNG"), BildTyp::Png);
    EXPECT_EQ(typVonName(u"JPG"), BildTyp::Jpeg);
    EXPECT_EQ(typVonName(u"ICO"), BildTyp::Icon);
    EXPECT_EQ(typVonName(u"png"), BildTyp::Keiner);
    EXPECT_EQ(typVonName(u"TIF"), BildTyp::Keiner);
}

TEST(BildRechteck, GrossWirdVerkleinertKleinZentriert) {
    // 400 x 200 into 100 x 100: s = min(100/200, 100/400) = 0.25, drawn 100 - 1 = 99 by
    // 50 - 1 = 49; top (100 - 49) / 2 = 25, left (100 - 99) / 2 = 0.
    EXPECT_EQ(bildRechteck(400, 200, 100, 100, false), (BildRechteck{0, 25, 99, 74}));
    // 30 x 20 into 100 x 50: never enlarged; left 35, top 15.
    EXPECT_EQ(bildRechteck(30, 20, 100, 50, false), (BildRechteck{35, 15, 65, 35}));
    // Exactly fitting: s = 1 keeps the size.
    EXPECT_EQ(bildRechteck(100, 50, 100, 50, false), (BildRechteck{0, 0, 100, 50}));
    // Keep-size fills the client.
    EXPECT_EQ(bildRechteck(400, 200, 100, 100, true), (BildRechteck{0, 0, 100, 100}));
}

}  // namespace
