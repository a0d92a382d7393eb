// Lists of the value store with their show, country and kind filters, and the countries.
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using Lines = std::vector<std::u16string>;

// The library keeps its location and country lists as bare values; the user database
// numbers its entries.
const Lines kBibo = {
    u"[Klimaorte]",       u"1 Dublin (IRL)",    u"2 Cork (IRL)",     u"1 Wien (A)",
    u"3 Nirgendwo",       u"2 Versteckt (IRL)", u"[Klimadaten]",     u"1 Dublin (IRL)ANZ=1",
    u"2 Cork (IRL)ANZ=1", u"1 Wien (A)ANZ=1",   u"3 NirgendwoANZ=1", u"[Laender]",
    u"1#Ireland#IRL",     u"2#Austria#A",       u"kaputt",           u"4#Nur Nummer",
    u"[Tarife]",          u"Nacht (IRL)",
};
const Lines kUser = {
    u"[Klimaorte]",
    u"Ort1=5 Eigener (IRL)",
    u"[Klimadaten]",
    u"5 Eigener (IRL)ANZ=1",
};

class DatenProviderListen : public testsupport::ValueStoreFixture {
  protected:
    void SetUp() override { loadDatabases(kUser, kBibo); }
    CVRMdatenProvider& provider() { return CVRMdatenProvider::get(); }

    Lines liste(TKelvoListID list, bool withBibo, bool showFilter,
                const CVRMStringArray* filter = nullptr) {
        CVRMStringArray out{u"alt"};
        provider().getListe(out, list, withBibo, filter, showFilter);
        return Lines(out.begin(), out.end());
    }
    Lines orte(const char16_t* land, int art) {
        CVRMStringArray out;
        provider().getListe(out, LISTE_KLIMAORTE, land, art, true, nullptr, true);
        return Lines(out.begin(), out.end());
    }
};

TEST_F(DatenProviderListen, LibraryFirstAndShowFlagDropsLocationsWithoutIt) {
    EXPECT_EQ(liste(LISTE_KLIMAORTE, true, false),
              (Lines{u"1 Dublin (IRL)", u"2 Cork (IRL)", u"1 Wien (A)", u"3 Nirgendwo",
                     u"2 Versteckt (IRL)", u"5 Eigener (IRL)"}));
    EXPECT_EQ(liste(LISTE_KLIMAORTE, false, false), Lines{u"5 Eigener (IRL)"});
    // "2 Versteckt (IRL)" has no "ANZ" entry: not shown.
    EXPECT_EQ(liste(LISTE_KLIMAORTE, true, true),
              (Lines{u"1 Dublin (IRL)", u"2 Cork (IRL)", u"1 Wien (A)", u"3 Nirgendwo",
                     u"5 Eigener (IRL)"}));
    // Lists other than locations have no show flag.
    EXPECT_EQ(liste(LISTE_TARIFE, true, true), Lines{u"Nacht (IRL)"});
    const CVRMStringArray filter{u"2 cork (irl)"};
    EXPECT_EQ(liste(LISTE_KLIMAORTE, true, true, &filter), Lines{u"2 Cork (IRL)"});
}

TEST_F(DatenProviderListen, CountryCodeAndKindNarrowTheLocations) {
    struct Fall {
        const char16_t* land;
        int art;
        Lines erwartet;
    };
    const Fall faelle[] = {
        {u"alle",
         -1,
         {u"1 Dublin (IRL)", u"2 Cork (IRL)", u"1 Wien (A)", u"3 Nirgendwo", u"5 Eigener (IRL)"}},
        {u"IRL", -1, {u"1 Dublin (IRL)", u"2 Cork (IRL)", u"5 Eigener (IRL)"}},
        {u"A", -1, {u"1 Wien (A)"}},
        {u"sonst", -1, {u"3 Nirgendwo"}},
        {u"XYZ", -1, {}},
        {u"IRL", 1, {u"1 Dublin (IRL)"}},
        {u"alle", 2, {u"2 Cork (IRL)"}},
        {u"alle",
         10,  // no kind
         {u"1 Dublin (IRL)", u"2 Cork (IRL)", u"1 Wien (A)", u"3 Nirgendwo", u"5 Eigener (IRL)"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(orte(f.land, f.art), f.erwartet) << CVRMString(f.land).toUtf8() << " " << f.art;

    CVRMStringArray tarife;
    provider().getListe(tarife, LISTE_TARIFE, u"A", 1, true);
    EXPECT_EQ(tarife, CVRMStringArray{u"Nacht (IRL)"});  // only locations are narrowed
}

TEST_F(DatenProviderListen, CountriesAndTheirCodes) {
    CVRMStringArray namen{u"alt"}, kuerzel;
    std::vector<uint32_t> nummern{7};
    provider().getKlimaLaender(namen, nummern, kuerzel);
    // Entries that are not "number#name#code" are no countries.
    EXPECT_EQ(namen, (CVRMStringArray{u"Ireland", u"Austria"}));
    EXPECT_EQ(nummern, (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(kuerzel, (CVRMStringArray{u"IRL", u"A"}));

    EXPECT_EQ(provider().getLandKuerzel(99u), u"alle");
    EXPECT_EQ(provider().getLandKuerzel(0u), u"sonst");
    EXPECT_EQ(provider().getLandKuerzel(2u), u"A");
    EXPECT_EQ(provider().getLandKuerzel(4u), u"");
    EXPECT_EQ(provider().getLandKuerzel(CVRMString(u"1 Wien (A)")), u"A");
    EXPECT_EQ(provider().getLandKuerzel(CVRMString(u"3 Nirgendwo")), u"sonst");
}

TEST_F(DatenProviderListen, AddedNameIsNumberedAndWrittenAtOnce) {
    EXPECT_EQ(provider().addToListe(LISTE_KLIMAORTE, u"6 Neu (A)"), 1);
    EXPECT_EQ(userSectionLines(u"[klimaorte]"),
              (Lines{u"ort1=5 Eigener (IRL)", u"ort2=6 Neu (A)"}));

    EXPECT_THROW(provider().addToListe(LISTE_KLIMAORTE, u""), platform::UserException);
    EXPECT_EQ(boxTexts(), Lines{u"Exception"});
}

TEST_F(DatenProviderListen, FailedListReadReportsListFromDatabase) {
    CVRMStringArray out;
    EXPECT_THROW(provider().getListe(out, static_cast<TKelvoListID>(18), true),
                 platform::UserException);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, u"Required data not loaded\n(List from database)");
}

}  // namespace
