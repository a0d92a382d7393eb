#include <gtest/gtest.h>

#include <functional>

#include "core/db/Lists.h"
#include "core/text/ResManager.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"
#include "tests/support/RecordedBoxes.h"

namespace {

class ListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CResManager::freeLangRes();
        CResManager::setEntry(3168, u"Varmion");
        testsupport::RegisterCommonErrorTexts();
        CResManager::setEntry(3296, u"Linear interpolation not possible");
    }
    void TearDown() override { CResManager::freeLangRes(); }

    testsupport::RecordedBoxes boxes;
};

TEST_F(ListsTest, SectionAndKeysOfEveryList) {
    struct Case {
        int id;
        const char16_t* section;
        const char16_t* listKey;
        const char16_t* useKey;
    };
    const Case cases[] = {
        {0, u"Projekte", u"Projekt", u"HatKeinenUseKeyZurZeit"},
        {1, u"Häuser", u"Haus", u"Haus"},
        {2, u"Klimaorte", u"Ort", u"Klimaort"},
        {3, u"Tarife", u"Tarif", u"Tarif"},
        {4, u"WPumpen", u"WPumpe", u"WPumpe"},
        {5, u"UmhuellungenAbs", u"UmhuellAbs", u"AbsUmhuell"},
        {6, u"MaterialienAbs", u"MaterialAbs", u"AbsMaterial"},
        {7, u"FrostschutzMittel", u"FSMittel", u"FSMittel"},
        {8, u"Bodenorte", u"BOrt", u"BORT"},
        {9, u"WQuellen", u"WQuelle", u"WQuelle"},
        {10, u"BodenArten", u"BodenArt", u"Bodenart"},
        {11, u"Wetterorte", u"WOrt", u"WORT"},
        {12, u"SolarAnlagen", u"Solar", u""},
        {13, u"SolarKollektoren", u"Kollektor", u""},
        {14, u"Sonnenorte", u"SOrt", u"SORT"},
        {15, u"KuehlAnlagen", u"Kuehl", u""},
        {16, u"AbluftAnlagen", u"Abluft", u""},
        {17, u"Laender", u"Land", u"HatKeinenUseKeyZurZeit"},
    };
    for (const Case& c : cases) {
        CVRMString section, listKey, useKey(u"stale");
        GetSectionAndKeys(static_cast<TKelvoListID>(c.id), section, listKey, useKey);
        EXPECT_EQ(section, c.section) << c.id;
        EXPECT_EQ(listKey, c.listKey) << c.id;
        EXPECT_EQ(useKey, c.useKey) << c.id;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ListsTest, UnknownListIdReports) {
    for (int id : {-1, 18, 1000}) {
        CVRMString section, listKey, useKey;
        EXPECT_THROW(GetSectionAndKeys(static_cast<TKelvoListID>(id), section, listKey, useKey),
                     platform::UserException);
    }
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, u"Switch constant wrong\n(GetSectionAndKeys)");
}

TEST_F(ListsTest, CaseFoldingTouchesOnlyAsciiAndUmlauts) {
    CVRMString text(u"ÄÖÜ AZ ÉÈ ẞ Ω äöü");
    MakeStringLower(text);
    EXPECT_EQ(text, u"äöü az ÉÈ ẞ Ω äöü");

    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;
    };
    const Case cases[] = {
        {u"Öl", u"öl", 0},    {u"HÄUSER", u"häuser", 0}, {u"É", u"é", -1},  // 0xC9 < 0xE9
        {u"abc", u"ABD", -1}, {u"b", u"A", 1},           {u"ab", u"AB", 0},
        {u"ab", u"abc", -1},  {u"abc", u"ab", 1},        {u"", u"", 0},
        {u"Zebra", u"ä", -1},  // 'z' 0x7A < 'ä' 0xE4: code units, not a dictionary order
    };
    for (const Case& c : cases)
        EXPECT_EQ(KVScompareNoCase(c.a, c.b), c.expected) << platform::toUtf8(c.a);
}

TEST_F(ListsTest, NameEnthaltenIgnoresCase) {
    const CVRMStringArray names{u"Haus Müller", u"ÖLHEIZUNG"};
    EXPECT_EQ(NameEnthalten(names, u"haus müller"), 1);
    EXPECT_EQ(NameEnthalten(names, u"Ölheizung"), 1);
    EXPECT_EQ(NameEnthalten(names, u"Haus"), 0);
    EXPECT_EQ(NameEnthalten({}, u"Haus"), 0);
}

TEST_F(ListsTest, FilterKeepsOrderAndMatchesCountriesByNumber) {
    CVRMStringArray names{u"Berlin", u"Hamburg", u"München", u"Köln"};
    FilterListe(LISTE_KLIMAORTE, names, {u"KÖLN", u"berlin", u"Paris"});
    EXPECT_EQ(names, (CVRMStringArray{u"Berlin", u"Köln"}));

    // A country stays when its number is in the filter, whatever its name says.
    CVRMStringArray countries{u"49#Deutschland#D", u"43#Österreich#A", u"41#Schweiz#CH",
                              u"Ohne#X#Y"};
    FilterListe(LISTE_LAENDER, countries, {u"41#Suisse#CH", u"49", u"Ohne#X#Y"});
    EXPECT_EQ(countries, (CVRMStringArray{u"49#Deutschland#D", u"41#Schweiz#CH"}));
}

TEST_F(ListsTest, CountryEntriesSplitAtFirstAndLastHash) {
    struct Case {
        const char16_t* entry;
        uint32_t number;
        const char16_t* middle;
        const char16_t* last;
    };
    // 777 / "m" / "l" are the values before the call: they show what is left unset.
    const Case cases[] = {
        {u"49#Deutschland#D", 49, u"Deutschland", u"D"},
        {u"1#a#b#c", 1, u"a#b", u"c"},
        {u"43#Österreich", 43, u"m", u"l"},
        {u"Deutschland", 777, u"m", u"l"},
        {u"x#y#z", 0, u"y", u"z"},
        {u"7##", 7, u"", u""},
    };
    for (const Case& c : cases) {
        uint32_t number = 777;
        CVRMString middle(u"m"), last(u"l");
        ZerlegeLandEintrag(c.entry, number, middle, last);
        EXPECT_EQ(number, c.number) << platform::toUtf8(c.entry);
        EXPECT_EQ(middle, c.middle) << platform::toUtf8(c.entry);
        EXPECT_EQ(last, c.last) << platform::toUtf8(c.entry);
    }
}

TEST_F(ListsTest, ErsteZiffer) {
    EXPECT_EQ(ErsteZiffer(u"Ort 7 (D) 35"), 7);
    EXPECT_EQ(ErsteZiffer(u"0815"), 0);
    EXPECT_EQ(ErsteZiffer(u"keine"), -1);
    EXPECT_EQ(ErsteZiffer(u"٣ arabic-indic digit"), -1);
    EXPECT_EQ(ErsteZiffer(u""), -1);
}

TEST_F(ListsTest, InterpoliereLinear) {
    struct Case {
        float x1, x2, x, y1, y2;
        float expected;
        bool box;
    };
    const Case cases[] = {
        {0, 10, 5, 0, 100, 50, false},
        {0, 10, 15, 0, 100, 150, false},        // extrapolated beyond x2
        {35, 55, 45, 4.0f, 3.0f, 3.5f, false},  // slope -0.05: (4 + 1.75) - 2.25
        {5, 5.05f, 7, 3, 3.05f, 3, false},      // x too close, y close: first y
        {5, 5, 7, 3, 3.1f, 3, false},           // |3.1f - 3| is 0.0999999 <= 0.1f
        {5, 5.05f, 7, 3, 4, 0, true},
    };
    for (const Case& c : cases) {
        boxes.shown.clear();
        EXPECT_FLOAT_EQ(InterpoliereLinear(c.x1, c.x2, c.x, c.y1, c.y2), c.expected)
            << c.x1 << " " << c.x2;
        ASSERT_EQ(boxes.shown.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(boxes.shown[0].text, u"Linear interpolation not possible");
            EXPECT_EQ(boxes.shown[0].caption, u"Varmion");
            EXPECT_EQ(boxes.shown[0].style & platform::mb::ICONMASK, platform::mb::ICONINFORMATION);
        }
    }
}

TEST_F(ListsTest, VersionString) {
    EXPECT_EQ(getVersionString(42080), u"4.2.8.0");
    EXPECT_EQ(getVersionString(42079), u"4.2.7.9");
    EXPECT_EQ(getVersionString(123456), u"12.3.45.6");  // 123456/10000=12, 3456/1000=3, 456/10=45
    EXPECT_EQ(getVersionString(0), u"0.0.0.0");
}

TEST_F(ListsTest, TextIdMaps) {
    using Map = std::function<unsigned(int)>;
    struct Case {
        Map map;
        std::vector<unsigned> ids;  // the ids of values 0, 1, ...
    };
    const Case cases[] = {
        {getMonatAbkIDS, {3444, 3445, 3446, 3447, 3448, 3449, 3450, 3451, 3452, 3453, 3454, 3455}},
        {getEinspeiseIDS, {3515, 3516, 3517, 3518, 3518}},
        {getAbsorberRichtungIDS, {3604, 3605, 3631}},
        {getSondenartIDS, {6031, 6027}},
        {getAbsorberFeuchteIDS, {3632, 3633, 3634}},
        {getBetriebsweiseIDS, {3635, 3636, 3637, 3638, 3639, 5788, 5789}},
        {getWPmediumIDS, {3194, 3195, 3196, 3197}},
        {getSolarkollektorIDS, {3658, 3659, 3660, 4044}},
        {getGeraeteaufstellungIDS, {3676, 3677}},
        {getWaermeverteilungIDS, {3676, 3677}},
        {getWawaBereitungAazIDS, {3678, 3679}},
        {getWawaBereitungIDS, {4976, 4983, 4985, 5053, 5740}},
        {getGebaeudetypIDS, {}},
        {getALKlaufzeitIDS, {}},
        {getALKstufeIDS, {}},
        {getHeizlastIDS, {}},
        {getAbluftmodulIDS, {}},
    };
    for (const Case& c : cases) {
        for (size_t v = 0; v < c.ids.size(); ++v) EXPECT_EQ(c.map(static_cast<int>(v)), c.ids[v]);
        EXPECT_THROW(c.map(static_cast<int>(c.ids.size())), platform::UserException);
        EXPECT_THROW(c.map(-1), platform::UserException);
    }
    boxes.shown.clear();
    EXPECT_THROW(getWPmediumIDS(4), platform::UserException);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u"Switch constant wrong\n(getWPmediumIDS)");
}

TEST_F(ListsTest, BiboNames) {
    CResManager::setEntry(3621, u"(BIB)");
    CResManager::setEntry(3552, u"Muster");
    EXPECT_TRUE(IstBiboName(u"Haus (bib)"));
    EXPECT_TRUE(IstBiboName(u"[wp x (Bib)]"));
    EXPECT_TRUE(IstBiboName(u"MUSTER"));
    EXPECT_FALSE(IstBiboName(u"Mustermann"));
    EXPECT_FALSE(IstBiboName(u"Haus (bi b)"));
    // An empty marker text must not turn every name into a library name.
    CResManager::setEntry(3621, u"");
    CResManager::setEntry(3552, u"");
    EXPECT_FALSE(IstBiboName(u"Haus"));
    EXPECT_FALSE(IstBiboName(u""));
}

}  // namespace
