// The first heat-source page in the running program: the layout by kind of source, the
// kinds it may change between, the soil layers and the extraction-rate soils, the count of
// probes with its series counts, and the checks of a save.
#include <gtest/gtest.h>

#include "core/text/ResManager.h"
#include "model/source/WQuelle2.h"
#include "pages/WQ1PageLogik.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

using platform::id::OK;
using P = CWQ1Page;

class WQ1PageTest : public quellentest::QuellenSeitenFixture {
  protected:
    // A new project of the user database with the first heat source the design gives it,
    // its first page shown with the probe sample's layering typed and saved: layers down to
    // 2 m (gravel), 10 m (clay/silt) and 100 m (sandstone) around probes of 100 m. What the
    // page saves lands in the user database file.
    P& Sondenfeld() {
        NeuesProjekt(QStringLiteral("Meier"));
        dokument->GibNeuemProjektErsteWQuelle();
        P& seite = Seite1();
        Tippe(seite, P::kIdTiefe[0], QStringLiteral("2"));
        Tippe(seite, P::kIdTiefe[1], QStringLiteral("10"));
        Waehle(seite, P::kIdBoden[1], QStringLiteral("Clay/silt, water-saturated"));
        Tippe(seite, P::kIdTiefe[2], QStringLiteral("100"));
        Waehle(seite, P::kIdBoden[2], QStringLiteral("Sandstone"));
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(seite.m_modified, 0);
        EXPECT_EQ(Datei(ID_QTiefe3), std::optional<std::u16string>(u"100"));
        EXPECT_EQ(Datei(ID_WQuelleLaenge), std::optional<std::u16string>(u"100"));
        return seite;
    }
    // The value `id` of the project's first source as the user database file holds it.
    std::optional<std::u16string> Datei(TKelvoDatenID id) { return Wert(Quelle(), CVRMwerteListe::getKey(id)); }
};

// The soil names that stand for an extraction rate, and the moisture a name tells; the
// words count only after the first character of the name.
TEST_F(WQ1PageTest, BodenNamen) {
    Starte();
    struct Fall {
        const char16_t* name;
        bool proQm, proM, feuchteImNamen;
        int feuchte;
    };
    const Fall faelle[] = {
        {u"Collector field 25 W/qm (bib)", true, false, false, 1},
        {u"Probe field 50 W/m (bib)", false, true, false, 1},
        {u"Probe field 50 W/m", false, false, false, 1},      // no library name
        {u"W/qm loam (bib)", false, false, false, 1},         // the rate at the very start
        {u"dry sand", false, false, false, 0},                // "dry" at position 0
        {u"sand, dry", false, false, true, 0},
        {u"clay (very wet)", false, false, true, 2},
        {u"gravel (average wet)", false, false, true, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(QString::fromStdU16String(f.name).toStdString());
        EXPECT_EQ(IstBiboNameProQm(f.name), f.proQm);
        EXPECT_EQ(IstBiboNameProM(f.name), f.proM);
        EXPECT_EQ(FeuchteImNamen(f.name), f.feuchteImNamen);
        if (f.feuchteImNamen) EXPECT_EQ(GetFeuchteAusNamen(f.name), f.feuchte);
    }
}

// A layering holds when layer 1 has a depth and each further layer with a soil lies below
// the one above; the distance stored with the source follows the kind.
TEST_F(WQ1PageTest, SchichtungUndAbstand) {
    Starte();
    struct Fall {
        SSchichten s;
        bool ok;
        unsigned tiefste;
    };
    const Fall faelle[] = {
        {{{2, 10, 100, 4}, {u"a", u"b", u"c", u""}}, true, 100},
        {{{0, 10, 100, 4}, {u"a", u"b", u"c", u""}}, false, 100},  // layer 1 without depth
        {{{2, 2, 100, 4}, {u"a", u"b", u"c", u""}}, false, 100},   // layer 2 not deeper
        {{{2, 1, 100, 4}, {u"a", u"", u"c", u""}}, true, 100},     // layer 2 without soil
        {{{2, 10, 5, 4}, {u"a", u"b", u"c", u""}}, false, 5},      // layer 3 above layer 2
        {{{2, 10, 100, 50}, {u"a", u"b", u"c", u"d"}}, false, 50},
        {{{3, 2, 1, 4}, {u"a", u"", u"", u""}}, true, 3},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(SchichtungOK(f.s), f.ok);
        EXPECT_EQ(GetSchichtTiefe(f.s), f.tiefste);
    }
    EXPECT_FLOAT_EQ(QuellAbstand(1, 300, 600), 0.5f);  // 300 m² / 600 m
    EXPECT_FLOAT_EQ(QuellAbstand(1, 300, 400), 0.75f);
    EXPECT_FLOAT_EQ(QuellAbstand(5, 300, 400), 0.05f);
    EXPECT_FLOAT_EQ(QuellAbstand(0, 300, 400), 0.5f);
    EXPECT_EQ(Reihenzahlen(4), (std::vector<unsigned>{4, 2, 1}));
    EXPECT_EQ(Reihenzahlen(6), (std::vector<unsigned>{6, 3, 2, 1}));
    EXPECT_TRUE(Reihenzahlen(0).empty());
}

// The probe sample as the page shows it: its values, the probe labels, the series count
// offered, the area hidden, and the Reynolds number of its brine flow.
TEST_F(WQ1PageTest, SondenfeldDesBeispiels) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    P& seite = Seite1();
    EXPECT_EQ(Box(seite, P::kIdArt).currentIndex(), 0);
    EXPECT_EQ(Text(seite, P::kIdAnzahl), QStringLiteral("2"));
    EXPECT_EQ(Text(seite, P::kIdLaenge), QStringLiteral("100"));
    EXPECT_EQ(Text(seite, P::kIdTextAnzahl).toStdU16String(), Sprachtext(3555));
    EXPECT_EQ(Text(seite, P::kIdTextLaenge).toStdU16String(), Sprachtext(3553));
    EXPECT_TRUE(Box(seite, P::kIdBoden[0]).currentText().startsWith(QStringLiteral("gravel (average wet)")));
    EXPECT_TRUE(Box(seite, P::kIdBoden[1]).currentText().startsWith(QStringLiteral("Clay/silt, water-saturated")));
    EXPECT_TRUE(Box(seite, P::kIdBoden[2]).currentText().startsWith(QStringLiteral("Sandstone")));
    EXPECT_EQ(Box(seite, P::kIdBoden[3]).currentText(), QString());
    EXPECT_EQ(Eintraege(seite, P::kIdReihe), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_TRUE(Element(seite, P::kIdReihe).isVisible());
    EXPECT_FALSE(Element(seite, P::kIdFlaeche).isVisible());
    EXPECT_FALSE(Element(seite, P::kIdGruppeLuft).isVisible());  // no earth-air module
    const unsigned reynolds = static_cast<unsigned>(doc.GetWQuelle(1)->GetReynoldsZahl());
    EXPECT_GT(reynolds, 0u);
    EXPECT_EQ(Text(seite, P::kIdReynolds), QString::number(reynolds));
    EXPECT_EQ(seite.m_modified, 0);
}

// Only a change between the vertical and the horizontal collector is accepted (3820 and
// the old kind for every other); the accepted one relabels the page for a collector.
TEST_F(WQ1PageTest, ArtWechsel) {
    Beispiel(u"ground probe monovalent");
    P& seite = Seite1();
    for (int art : {2, 3}) {
        uitest::dialogs().expectMessageBox(OK);
        WaehleIndex(seite, P::kIdArt, art);
        EXPECT_EQ(BoxTexte().back(), Sprachtext(3820));
        EXPECT_EQ(Box(seite, P::kIdArt).currentIndex(), 0);
        EXPECT_EQ(seite.m_art, 0);
        EXPECT_EQ(seite.m_modified, 0);
    }
    WaehleIndex(seite, P::kIdArt, 1);
    EXPECT_EQ(seite.m_art, 1);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Text(seite, P::kIdTextAnzahl).toStdU16String(), Sprachtext(3556));
    EXPECT_EQ(Text(seite, P::kIdTextLaenge).toStdU16String(), Sprachtext(3554));
    EXPECT_TRUE(Element(seite, P::kIdFlaeche).isVisible());
    EXPECT_FALSE(Element(seite, P::kIdReihe).isVisible());
    EXPECT_TRUE(Element(seite, P::kIdRichtung).isEnabled());
    // The layer's name tells its moisture: the moisture list follows it and is locked.
    EXPECT_EQ(Box(seite, P::kIdFeuchte).currentIndex(), 1);
    EXPECT_FALSE(Element(seite, P::kIdFeuchte).isEnabled());
}

// The kind rule holds while another entry cannot be read: the refused kind is put back at
// once, and the save after the correction writes the probe field the page shows. (The
// layer rule runs on the same path; the shipped soils hold no rate names that it refuses.)
TEST_F(WQ1PageTest, ArtRegelNebenFalscherEingabe) {
    P& seite = Sondenfeld();
    Tippe(seite, P::kIdLaenge, QStringLiteral("x"));
    uitest::dialogs().expectMessageBox(OK);  // the length is no number
    uitest::dialogs().expectMessageBox(OK);  // 3820
    WaehleIndex(seite, P::kIdArt, 2);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3820));
    EXPECT_EQ(Box(seite, P::kIdArt).currentIndex(), 0);
    EXPECT_EQ(seite.m_art, 0);

    Tippe(seite, P::kIdLaenge, QStringLiteral("90"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Datei(ID_WQuelleLaenge), std::optional<std::u16string>(u"90"));
    EXPECT_EQ(Datei(ID_QuellMediumIdx), std::optional<std::u16string>(u"0"));
}

// Leaving the count of a probe field: 25 m² of ground per probe, and the divisors of the
// count as series counts.
TEST_F(WQ1PageTest, AnzahlSonden) {
    BeispielConf(u"ground probe monovalent");
    P& seite = Seite1();
    Tippe(seite, P::kIdAnzahl, QStringLiteral("4"));
    Verlasse(seite, P::kIdAnzahl);
    EXPECT_EQ(seite.m_flaeche, 100u);
    EXPECT_EQ(Eintraege(seite, P::kIdReihe),
              (QStringList{QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_EQ(seite.m_reihe, 1u);
    WaehleIndex(seite, P::kIdReihe, 1);
    EXPECT_EQ(seite.m_reihe, 2u);
    Tippe(seite, P::kIdAnzahl, QStringLiteral("0"));
    Verlasse(seite, P::kIdAnzahl);
    EXPECT_TRUE(Eintraege(seite, P::kIdReihe).isEmpty());

    // The count has a range (a count of billions froze the window while its divisors were
    // counted): beyond 999 it is refused with a message and the series stay as they were.
    Tippe(seite, P::kIdAnzahl, QStringLiteral("999"));
    Verlasse(seite, P::kIdAnzahl);
    const QStringList reihen999 = Eintraege(seite, P::kIdReihe);
    ASSERT_EQ(reihen999.size(), 8);  // 999 = 3³ × 37: 999, 333, 111, 37, 27, 9, 3, 1
    for (const QString& zuViel : {QStringLiteral("1000"), QStringLiteral("99999")}) {
        SCOPED_TRACE(zuViel.toStdString());
        const std::size_t boxen = uitest::dialogs().boxes().size();
        uitest::dialogs().expectMessageBox(OK);
        Tippe(seite, P::kIdAnzahl, zuViel);
        Verlasse(seite, P::kIdAnzahl);
        EXPECT_EQ(uitest::dialogs().boxes().size(), boxen + 1);
        EXPECT_EQ(Eintraege(seite, P::kIdReihe), reihen999);
    }
    // Corrected, the count is taken again.
    Tippe(seite, P::kIdAnzahl, QStringLiteral("6"));
    Verlasse(seite, P::kIdAnzahl);
    EXPECT_EQ(Eintraege(seite, P::kIdReihe).size(), 4);  // 6, 3, 2, 1
}

// The checks of a save, each with its message and nothing written; the drill depth beyond
// the option's 100 m only warns, and the record is saved with it.
TEST_F(WQ1PageTest, PruefungenVorDemSpeichern) {
    P& seite = Sondenfeld();
    // The layers: 2 m, 10 m and 100 m; the deepest now reaches 150 m.
    Tippe(seite, P::kIdTiefe[2], QStringLiteral("150"));
    struct Fall {
        const char* name;
        std::function<void()> eingabe;
        unsigned text;
    };
    const Fall faelle[] = {
        {"Schicht 2 nicht tiefer als Schicht 1", [&] { Tippe(seite, P::kIdTiefe[1], QStringLiteral("2")); }, 5696},
        {"Schicht 1 ohne Tiefe",
         [&] {
             Tippe(seite, P::kIdTiefe[1], QStringLiteral("10"));
             Tippe(seite, P::kIdTiefe[0], QStringLiteral("0"));
         },
         5696},
        {"Laenge 0",
         [&] {
             Tippe(seite, P::kIdTiefe[0], QStringLiteral("2"));
             Tippe(seite, P::kIdLaenge, QStringLiteral("0"));
         },
         3533},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.eingabe();
        uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(BoxTexte().back(), Sprachtext(f.text));
        EXPECT_EQ(seite.m_modified, 1);
        EXPECT_EQ(Datei(ID_QTiefe3), std::optional<std::u16string>(u"100"));
    }
    // 120 m: deeper than the option's 100 m, and within the layers given.
    Tippe(seite, P::kIdLaenge, QStringLiteral("120"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"deeper than 100 m"));
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Datei(ID_WQuelleLaenge), std::optional<std::u16string>(u"120"));
    EXPECT_EQ(Datei(ID_QTiefe3), std::optional<std::u16string>(u"150"));
    // Layers deeper than the probe's end only when a soil reaches down to it: 160 m warns
    // twice, and still saves.
    Tippe(seite, P::kIdLaenge, QStringLiteral("160"));
    uitest::dialogs().expectMessageBox(OK);
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3427));
    EXPECT_EQ(Datei(ID_WQuelleLaenge), std::optional<std::u16string>(u"160"));
}

// A heat source the project's heat pump cannot use is refused with 3124; nothing is saved.
TEST_F(WQ1PageTest, UnpassendeWaermepumpe) {
    P& seite = Sondenfeld();
    ASSERT_EQ(dokument->SetProjektDaten(ID_WPumpe, u"Generic air/water 12 kW_(bib)", 1), 1);
    Tippe(seite, P::kIdLaenge, QStringLiteral("90"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), Sprachtext(3124)));
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Datei(ID_WQuelleLaenge), std::optional<std::u16string>(u"100"));
}

}  // namespace
