// The shipped library database opens through the core without a message, its start-up
// lists are not empty when filtered for display, location names follow the dialogs'
// filters, and the default names the program relies on exist.
#include <gtest/gtest.h>

#include "LibraryFixture.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/GlobaleTexte.h"

namespace librarytest {
namespace {

using LibraryLoadTest = LibraryFixture;

TEST_F(LibraryLoadTest, LoadsWithoutMessageBox) {
    EXPECT_TRUE(boxes.shown.empty());
    CVRMString version;
    IGlobal::GetBiboVersion(version);
    EXPECT_EQ(version, CVRMString(u"1.00"));
}

TEST_F(LibraryLoadTest, EveryStartUpListIsNonEmptyWhenFilteredForDisplay) {
    // The lists start-up checks, in its order: projects, antifreezes, collector materials,
    // tariffs, heat pumps, houses, heat sources, climate and sun locations.
    for (int liste : {0, 7, 6, 3, 4, 1, 9, 2, 14}) {
        EXPECT_FALSE(Liste(liste).empty()) << "list " << liste;
    }
    // The other location lists and the master data the dialogs offer.
    for (int liste : {5, 8, 10, 11, 13, 17}) {
        EXPECT_FALSE(Liste(liste).empty()) << "list " << liste;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LibraryLoadTest, ClimateLocationsFollowTheCountryAndPostcodeFilters) {
    auto liste = [](const char16_t* land, int art) {
        CVRMStringArray namen;
        CVRMdatenProvider::get().getListe(namen, LISTE_KLIMAORTE, CVRMString(land), art, true,
                                          nullptr, true);
        return namen;
    };
    const CVRMStringArray region1 = liste(u"D", 1);
    ASSERT_FALSE(region1.empty());
    for (const CVRMString& name : region1) EXPECT_EQ(ErsteZiffer(name), 1) << name.toUtf8();
    EXPECT_TRUE(NameEnthalten(region1, u"10 Berlin (D) (bib)"));
    EXPECT_TRUE(NameEnthalten(region1, u"14 Potsdam (D) (bib)"));
    EXPECT_FALSE(NameEnthalten(region1, u"20 Hamburg (D) (bib)"));
    // Region 0 has the two-digit regions 01 to 09.
    EXPECT_TRUE(NameEnthalten(liste(u"D", 0), u"01 Dresden (D) (bib)"));

    const CVRMStringArray irland = liste(u"IRL", -1);
    ASSERT_EQ(irland.GetSize(), 1);
    EXPECT_EQ(irland[0], CVRMString(u"Dublin (IRL) (bib)"));
    EXPECT_EQ(liste(u"CH", -1).GetSize(), 6);
    // Every location carries a country of the country list.
    EXPECT_TRUE(liste(u"sonst", -1).empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LibraryLoadTest, TownsWithoutAPublishedOrValidDesignTemperatureAreNoClimateLocations) {
    struct Fall {
        const char16_t* klima;
        const char16_t* andereListe;  // where the town still appears
        int liste;
    };
    const Fall faelle[] = {
        // Mountain stations far above their region's reference town.
        {u"09 Fichtelberg (D) (bib)", u"09 Fichtelberg (D)_(bib)", LISTE_WETTERORTE},
        {u"38 Braunlage (D) (bib)", u"38 Braunlage (D)_(bib)", LISTE_WETTERORTE},
        // Measured sunshine, but no published design temperature.
        {u"London (GB) (bib)", u"London (GB)_(bib)", LISTE_SONNENORTE},
        {u"Sheffield (GB) (bib)", u"Sheffield (GB)_(bib)", LISTE_SONNENORTE},
    };
    for (const Fall& f : faelle) {
        EXPECT_FALSE(InListe(LISTE_KLIMAORTE, f.klima)) << CVRMString(f.klima).toUtf8();
        EXPECT_TRUE(InListe(f.liste, f.andereListe)) << CVRMString(f.andereListe).toUtf8();
    }
    EXPECT_FALSE(InListe(LISTE_KLIMAORTE, u"Cardiff (GB) (bib)"));
}

TEST_F(LibraryLoadTest, DefaultNamesOfTheProgramExist) {
    InitGlobaleTexte();
    ASSERT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(InListe(LISTE_KLIMAORTE, GetStdKlimaortName()));
    EXPECT_TRUE(InListe(LISTE_SONNENORTE, GetStdBodenName()));
    EXPECT_TRUE(InListe(LISTE_MATERIALIEN_ABS, GetStdRohrMaterial()));
    EXPECT_TRUE(InListe(LISTE_MATERIALIEN_ABS, GetStdRohrMaterialKupfer()));

    auto bib = [](unsigned id) {
        CVRMString text;
        text.LoadStringW(id);
        CVRMString marker;
        marker.LoadStringW(3621);
        return text + u"_" + marker;
    };
    EXPECT_TRUE(InListe(LISTE_BODENARTEN, bib(3620)));         // default soil
    EXPECT_TRUE(InListe(LISTE_WETTERORTE, bib(3610)));         // standard weather
    EXPECT_TRUE(InListe(LISTE_BODENORTE, bib(3611)));          // standard ground
    EXPECT_TRUE(InListe(LISTE_SOLARKOLLEKTOREN, bib(3614)));   // standard collector
    EXPECT_TRUE(InListe(LISTE_FROSTSCHUTZMITTEL, bib(3812)));  // default antifreeze

    // The default locations hold data, not only a list entry.
    EXPECT_FALSE(Lies(u"Klimadaten", GetStdKlimaortName()).empty());
    EXPECT_FALSE(Lies(u"Sonnendaten", GetStdBodenName()).empty());
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace librarytest
