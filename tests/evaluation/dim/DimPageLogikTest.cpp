// The dimensioning page's calculations: the catalogue search with its grouping and
// cancel, the lowest usable dimensioning point and the finishing of the design.
#include <gtest/gtest.h>

#include <map>

#include "evaluation/dim/DimPageLogik.h"
#include "tests/evaluation/engine/EngineFixture.h"

namespace enginetest {
namespace {

// The required temperature falls by one degree for every degree of the dimensioning
// point: 80 °C at 0 °C.
class DimDokument : public Dokument {
  public:
    SDimWerte GetDimWerte(const SDimAnfrage& a) override {
        anfragen.push_back(a.dimTemp);
        gestellt.push_back(a);
        return {a.dimTemp - 0.5f, 80.0f - a.dimTemp, 12.0f / static_cast<float>(a.anzahlWP)};
    }
    std::vector<float> anfragen;
    std::vector<SDimAnfrage> gestellt;
};

class DimPageLogikTest : public EngineFixture {
  protected:
    DimPageLogikTest() {
        app.dokument = &dimDok;
        p = Lade(kSonde);
        dimDok.haus = &p->haus;
        dimDok.quelle1 = &p->Quelle1();
    }
    void SetzeNAT(float nat) { p->haus.GetWert(ID_NAT) = nat; }

    DimDokument dimDok;
    std::unique_ptr<Projekt> p;
    CDimPageLogik seite{dimDok};
};

std::vector<CVRMString> Namen(const std::vector<SKandidat>& k) {
    std::vector<CVRMString> namen;
    for (const SKandidat& e : k) namen.push_back(e.name);
    return namen;
}

TEST_F(DimPageLogikTest, OneUnitPerMakerPrefixTheSmallestFirstMetOnTies) {
    const std::map<CVRMString, float> leistung = {
        {u"Nordwind A", 10.0f}, {u"NORDWIND B", 8.0f}, {u"Sole 9", 9.0f},
        {u"nordwind C", 8.0f},  {u"Sole 7", 7.0f},     {u"Sole 7b", 7.0f},
        {u"Nord", 5.0f},        {u"Abgelehnt", 1.0f},
    };
    seite.katalog = {u"Nordwind A", u"NORDWIND B", u"Sole 9",  u"Abgelehnt",
                     u"nordwind C", u"Sole 7",     u"Sole 7b", u"Nord"};
    const bool gefunden = seite.Dimensioniere([&](const CVRMString& name, float& kW) {
        kW = leistung.at(name);
        return name != u"Abgelehnt";
    });
    EXPECT_TRUE(gefunden);
    // "Nord" is shorter than the prefix "nordw" and stands alone.
    EXPECT_EQ(Namen(seite.kandidaten),
              (std::vector<CVRMString>{u"NORDWIND B", u"Sole 7", u"Nord"}));
    EXPECT_EQ(seite.kandidaten[0].leistung, 8.0f);

    ASSERT_EQ(app.progressDialoge.size(), 1u);
    const testsupport::FakeProgressLog& log = *app.progressDialoge[0];
    EXPECT_EQ(log.titelId, 3237u);
    EXPECT_EQ(log.upper, 8);
    EXPECT_EQ(log.schritte, 8);
    EXPECT_TRUE(log.geschlossen);

    // No unit fits: false and an empty list.
    EXPECT_FALSE(seite.Dimensioniere([](const CVRMString&, float&) { return false; }));
    EXPECT_TRUE(seite.kandidaten.empty());
}

TEST_F(DimPageLogikTest, ACancelledSearchLeavesTheListAsItWas) {
    seite.katalog = {u"Alpha 1", u"Beta 2", u"Gamma 3", u"Delta 4"};
    seite.kandidaten = {{u"Vorher", 4.0f}};
    app.abbruchBeiPump = 3;
    int gefragt = 0;
    EXPECT_FALSE(seite.Dimensioniere([&](const CVRMString&, float& kW) {
        ++gefragt;
        kW = 1.0f;
        return true;
    }));
    EXPECT_EQ(gefragt, 2);  // the third unit is never asked
    EXPECT_EQ(Namen(seite.kandidaten), std::vector<CVRMString>{u"Vorher"});
    ASSERT_EQ(app.progressDialoge.size(), 1u);
    EXPECT_TRUE(app.progressDialoge[0]->geschlossen);
}

TEST_F(DimPageLogikTest, TheLowestDesignPointIsTheFirstBelow76Degrees) {
    SetzeNAT(-12.0f);
    seite.betriebsweise = 1;  // bivalent parallel for the document
    seite.quellArt = 0;
    seite.SetMinDimPunktTemp();
    // 80 - t < 76 first at t = 5; from -12 that is 18 questions, all for the probe with the
    // flag of the bivalent parallel mode.
    EXPECT_EQ(seite.minDimPunktTemp, 5);
    EXPECT_EQ(dimDok.anfragen.size(), 18u);
    EXPECT_EQ(dimDok.anfragen.front(), -12.0f);
    EXPECT_EQ(dimDok.gestellt.front().quellenArt, 0);
    EXPECT_TRUE(dimDok.gestellt.front().parallelBetrieb);
    // The bivalence point is the dimensioning point found, not the source temperature
    // there (4.5 °C).
    EXPECT_EQ(seite.bivalenzTemp, 5);
    // The point never moves down.
    SetzeNAT(20.0f);
    seite.festerDimPunkt = true;
    seite.minDimPunktTemp = 30;
    seite.SetMinDimPunktTemp();
    EXPECT_EQ(seite.minDimPunktTemp, 20);  // fixed: the design outdoor temperature itself
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

TEST_F(DimPageLogikTest, TheLowestDesignPointWithoutModeOrAboveTwelveDegrees) {
    SetzeNAT(-12.0f);
    seite.SetMinDimPunktTemp();  // no mode selected
    EXPECT_EQ(seite.minDimPunktTemp, -50);
    EXPECT_TRUE(dimDok.anfragen.empty());

    SetzeNAT(13.0f);
    seite.betriebsweise = 0;
    seite.bivalenzTemp = 3;
    seite.SetMinDimPunktTemp();
    EXPECT_TRUE(dimDok.anfragen.empty());
    EXPECT_NE(BoxTexte().find("The required temperatures are too high for the selected mode of "
                              "operation!"),
              std::string::npos)
        << BoxTexte();
    EXPECT_EQ(seite.bivalenzTemp, 3);

    seite.betriebsweise = 4;
    SetzeNAT(0.0f);
    EXPECT_ANY_THROW(seite.SetMinDimPunktTemp());
    EXPECT_NE(BoxTexte().find("CDimPage::GetDimWerte"), std::string::npos) << BoxTexte();
}

// The document is asked for the first source's kind, whatever the page's mode; the mode
// (as the document numbers it: 0 -> 0, 1 -> 2, 2 -> 3, 3 -> 1) sets the two flags. The
// variant and the hot-water choice have no say in them.
TEST_F(DimPageLogikTest, TheRequestCarriesTheSourceKindAndTheFlagsOfTheMode) {
    struct Fall {
        int betriebsweise;
        int quellArt;
        int variante, wwAuswahl;
        bool parallel, alternativ;
    };
    const Fall faelle[] = {
        {0, 2, 0, 0, true, false},   // mono-energetic (document mode 0), air
        {1, 3, 1, 1, true, false},   // bivalent parallel (2), ground water
        {2, 0, 0, 0, false, true},   // bivalent alternative (3), probe
        {3, 2, 1, 1, false, false},  // monovalent (1), air
        {3, 6, 2, 0, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "mode " << f.betriebsweise << ", kind " << f.quellArt);
        dimDok.gestellt.clear();
        seite.betriebsweise = f.betriebsweise;
        seite.quellArt = f.quellArt;
        seite.variante = f.variante;
        seite.wwAuswahl = f.wwAuswahl;
        seite.anzahlIndex = 1;
        const SDimWerte w = seite.GetDimWerte(-7);
        ASSERT_EQ(dimDok.gestellt.size(), 1u);
        const SDimAnfrage& a = dimDok.gestellt[0];
        EXPECT_EQ(a.quellenArt, f.quellArt);
        EXPECT_EQ(a.parallelBetrieb, f.parallel);
        EXPECT_EQ(a.alternativBetrieb, f.alternativ);
        EXPECT_EQ(a.dimTemp, -7.0f);
        EXPECT_EQ(a.anzahlWP, 2);
        EXPECT_EQ(a.quelle, dimDok.quelle1);
        EXPECT_EQ(w.leistungProWP, 6.0f);  // the fake's 12 kW over two units
    }
}

TEST_F(DimPageLogikTest, CountClasses) {
    const std::pair<int, int> faelle[] = {{0, -1}, {1, 0},  {4, 0},  {5, 1},  {6, 1},  {7, 2},
                                          {9, 2},  {10, 3}, {12, 3}, {13, 4}, {16, 4}, {17, -1}};
    for (const auto& [zahl, klasse] : faelle) EXPECT_EQ(CDimPageLogik::KlassenIndex(zahl), klasse) << zahl;
}

// The page's own filter over the shipped catalogue: every unit it lists passes the heat
// pump's filter with the values the adapter derives, and the search asks each unit once.
TEST_F(DimPageLogikTest, TheShippedCatalogueThroughTheHeatPumpsFilter) {
    SetzeNAT(-12.0f);
    seite.katalog = app.wpListe;
    seite.betriebsweise = 3;  // monovalent
    seite.quellArt = 0;
    seite.dimPunktTemp = -12;
    seite.minDimPunktTemp = -12;
    SAuslegungsWerte w;
    w.quellTemp = -2.0f;
    w.vorlaufTemp1 = w.vorlaufTemp2 = 35.0f;
    w.ruecklaufTemp = 28.0f;
    w.leistung = 4.0f;
    ASSERT_TRUE(seite.Dimensioniere(w)) << BoxTexte();
    ASSERT_FALSE(seite.kandidaten.empty());
    const SSeitenAuslegung a = seite.SeitenAuslegung(w);
    EXPECT_EQ(a.dokModus, 1);
    for (const SKandidat& k : seite.kandidaten) {
        SCOPED_TRACE(k.name.toUtf8());
        float leistung = 0.0f;
        EXPECT_TRUE(PasstZurSeitenAuslegung(k.name, a, leistung));
        EXPECT_EQ(leistung, k.leistung);
        EXPECT_GE(leistung, 4.0f);
    }
    // A capacity no catalogue unit has.
    w.leistung = 1000.0f;
    EXPECT_FALSE(seite.Dimensioniere(w));
    EXPECT_EQ(app.progressDialoge.back()->schritte, seite.katalog.GetSize());
}

}  // namespace
}  // namespace enginetest
