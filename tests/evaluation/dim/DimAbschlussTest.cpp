// Finishing the dimensioning page: each refusal keeps the user on the page with its message
// and changes nothing; a finished design sizes the first source for the chosen heat pump and
// hands that size to the document, noting probes deeper than the soil layers or the drill
// limit.
#include <gtest/gtest.h>

#include <functional>

#include "evaluation/dim/DimAbschluss.h"
#include "tests/evaluation/engine/EngineFixture.h"

namespace enginetest {
namespace {

// The required temperature falls by one degree for every degree of the design point: 80 °C
// at 0 °C, 87 °C at the lowest usable point -7 °C.
class DimDokument : public Dokument {
  public:
    SDimWerte GetDimWerte(const SDimAnfrage& a) override {
        return {a.dimTemp - 0.5f, 80.0f - a.dimTemp, 12.0f / static_cast<float>(a.anzahlWP)};
    }
};

class DimAbschlussTest : public EngineFixture {
  protected:
    DimAbschlussTest() {
        app.dokument = &dimDok;
        p = Lade(kSonde);
        dimDok.haus = &p->haus;
        dimDok.quelle1 = &p->Quelle1();
        // A page that may be finished: two units of the sample's heat pump, bivalent
        // alternative (page mode 2, whose variant and bivalence point the page sets itself).
        seite.anzahlIndex = 1;
        seite.wpName = p->wpumpe.getConsumerName();
        seite.betriebsweise = 2;
        seite.wwAuswahl = 0;
        seite.quellArt = 0;
        seite.dimPunktTemp = -3;
        seite.minDimPunktTemp = -7;
        seite.bivalenzTemp = -3;
    }
    bool SchliesseAb() { return CDimAbschluss(seite, dimDok).SchliesseAb(); }

    DimDokument dimDok;
    std::unique_ptr<Projekt> p;
    CDimPageLogik seite{dimDok};
};

TEST_F(DimAbschlussTest, EachRefusalInItsOrderKeepsThePageAndChangesNothing) {
    struct Fall {
        const char* name;
        std::function<void(CDimPageLogik&, CHaus2&)> setze;
        const char* text;
    };
    const Fall faelle[] = {
        {"no count", [](CDimPageLogik& s, CHaus2& /*haus*/) { s.anzahlIndex = -1; }, "You must select the number of heat pumps!"},
        // Without a mode nothing was searched, so no unit can have been picked: the mode is
        // asked for first.
        {"no unit, no mode",
         [](CDimPageLogik& s, CHaus2& /*haus*/) {
             s.wpName.clear();
             s.betriebsweise = -1;
         },
         "Please, select first a type of heat pump."},
        {"no mode", [](CDimPageLogik& s, CHaus2& /*haus*/) { s.betriebsweise = -1; }, "Please, select first a type of heat pump."},
        // Without a unit the heat pump takeover would fail with two error boxes.
        {"no unit", [](CDimPageLogik& s, CHaus2& /*haus*/) { s.wpName.clear(); }, "Please select a heat pump first."},
        // Hot water by a second heat source, but the monoenergetic mode has none.
        {"hot water without a second generator",
         [](CDimPageLogik& s, CHaus2& haus) {
             haus.GetWert(ID_WWmitWP) = 3;
             s.betriebsweise = 0;
             s.wwAuswahl = -1;
             s.variante = 0;
         },
         "The mode of operation of the heat pump is not compatible with hot water production."},
        {"no variant",
         [](CDimPageLogik& s, CHaus2& /*haus*/) {
             s.betriebsweise = 0;
             s.variante = -1;
         },
         "Please select a collector variant!"},
        // Monovalent: 87 °C at -7 °C is beyond any catalogue unit.
        {"monovalent beyond the unit's flow temperature",
         [](CDimPageLogik& s, CHaus2& /*haus*/) {
             s.betriebsweise = 3;
             s.variante = 0;
         },
         "The selected mode of operation cannot be used because of given flow temperature."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        boxes.shown.clear();
        const int ww = p->haus.GetWert(ID_WWmitWP).GetIntVal();
        f.setze(seite, p->haus);
        EXPECT_FALSE(SchliesseAb());
        ASSERT_EQ(boxes.shown.size(), 1u) << BoxTexte();
        EXPECT_EQ(BoxTexte(), std::string(f.text) + "\n");
        EXPECT_TRUE(dimDok.bemessungen.empty());
        EXPECT_TRUE(dimDok.dimDaten.empty());
        EXPECT_EQ(app.resetAuswertungenAufrufe, 0);
        // Back to the finishable page for the next case.
        p->haus.GetWert(ID_WWmitWP) = ww;
        seite.anzahlIndex = 1;
        seite.wpName = p->wpumpe.getConsumerName();
        seite.betriebsweise = 2;
        seite.wwAuswahl = 0;
        seite.variante = -1;
        seite.bivalenzTemp = -3;
    }
}

TEST_F(DimAbschlussTest, TheSizedSourceGoesWithTheDesign) {
    // A probe field within the soil layers and the drill limit (option 1248, 100 m).
    const unsigned profil = p->Quelle1().GetBodenProfilTiefe();
    ASSERT_GT(profil, 10u);
    dimDok.quellGroesse.sondenLaenge = std::min(profil, 100u);
    dimDok.quellGroesse.anzahl = 5;
    dimDok.quellGroesse.aussen = 32.0f;
    ASSERT_TRUE(SchliesseAb()) << BoxTexte();
    EXPECT_EQ(BoxTexte(), "");

    ASSERT_EQ(dimDok.bemessungen.size(), 1u);
    const SQuellBemessung& b = dimDok.bemessungen[0];
    EXPECT_EQ(b.wpName, p->wpumpe.getConsumerName());
    EXPECT_EQ(b.anzahl, 2);
    EXPECT_EQ(b.betrWeise, 3);  // page mode 2 is the document's 3
    EXPECT_EQ(b.dimPunktTemp, -3);
    // The probe form is the source's own: the mode's variant 3 is no probe form.
    EXPECT_EQ(b.sondenart, p->Quelle1().GetWert(ID_Sondenart).GetIntVal());

    ASSERT_EQ(dimDok.dimDaten.size(), 1u);
    const SDimDaten& d = dimDok.dimDaten[0];
    EXPECT_EQ(d.wpName, p->wpumpe.getConsumerName());
    EXPECT_EQ(d.anzahl, 2);
    EXPECT_EQ(d.modus, 2);
    EXPECT_EQ(d.dimPunkt, -3.0f);
    EXPECT_EQ(d.tiefsterPunkt, -7.0f);
    EXPECT_EQ(d.bivalenzTemp, -3.0f);
    EXPECT_EQ(d.quelle.betrWeise, 3);
    EXPECT_EQ(d.quelle.dimPunktTemp, -3);
    EXPECT_EQ(d.quelle.sondenLaenge, dimDok.quellGroesse.sondenLaenge);
    EXPECT_EQ(d.quelle.anzahl, 5);
    EXPECT_EQ(d.quelle.aussen, 32.0f);
    EXPECT_EQ(d.klassenIndex, 1);  // 5 probes
    EXPECT_EQ(d.variante, 3);
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);

    // An air source has no probes to class, whatever count its record holds.
    seite.quellArt = 2;
    ASSERT_TRUE(SchliesseAb()) << BoxTexte();
    ASSERT_EQ(dimDok.dimDaten.size(), 2u);
    EXPECT_EQ(dimDok.dimDaten[1].klassenIndex, -1);
}

TEST_F(DimAbschlussTest, ProbesDeeperThanTheLayersOrTheDrillLimitAreNotedAndTheDesignGoesOn) {
    const unsigned profil = p->Quelle1().GetBodenProfilTiefe();
    dimDok.quellGroesse.sondenLaenge = std::max(profil, 100u) + 1;
    dimDok.quellGroesse.anzahl = 2;
    ASSERT_TRUE(SchliesseAb()) << BoxTexte();
    EXPECT_EQ(BoxTexte(),
              "The soil layers are not given up to the depth of the vertical collector.\n"
              "Attention: Drill depth is deeper than 100 m !\n");
    EXPECT_EQ(dimDok.dimDaten.size(), 1u);
}

}  // namespace
}  // namespace enginetest
