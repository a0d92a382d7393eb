// Closing a project with the unsaved-changes questions of its pages, adding and deleting the
// second heat source, and the report command that stays greyed without a report module.
#include <gtest/gtest.h>

#include <QAction>

#include "app/doc/ProjektAblaufBefehle.h"
#include "tests/app/ui/doc/ProjektAblauf.h"

namespace {

using projektablauf::AblaufSeite;
using projektablauf::ProjektAblaufTest;

constexpr std::u16string_view kDurchfluss = u"Please do not forget to input the associated flow-through";
constexpr std::u16string_view kSeitenOffen = u"Please, first close the data page(s).";

// The project page holds changes in the shown sheet; closing the frame asks it. Cancel, a
// save that fails and a save that breaks off with an error (shown) keep the project open
// with the page's changes; No and a save that works let it close.
TEST_F(ProjektAblaufTest, SchliessenFragtSeitenMitAenderungen) {
    StarteMitSeiten();
    struct Fall {
        const char* name;
        int antwort;
        bool speichernGelingt;
        bool bleibtOffen;
        bool wirft = false;
    };
    const Fall faelle[] = {
        {"cancel", platform::id::CANCEL, true, true},
        {"yes, save fails", platform::id::YES, false, true},
        {"yes, save throws", platform::id::YES, true, true, true},
        {"no", platform::id::NO, true, false},
        {"yes, saved", platform::id::YES, true, false},
    };
    auto& d = uitest::dialogs();
    CKelvoDoc* doc = nullptr;
    for (const Fall& f : faelle) {
        if (!doc) doc = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
        ASSERT_NE(doc, nullptr);
        doc->OnEditDatenPage(CKelvoDoc::kHausSeite);
        AblaufSeite* seite = Seite(*doc, CKelvoDoc::kProjektSeite);
        seite->Aendere();
        seite->speichernGelingt = f.speichernGelingt;
        seite->wirftBeimSpeichern = f.wirft;
        const std::size_t boxen = d.boxes().size();
        d.expectMessageBox(f.antwort);
        if (f.wirft) d.expectMessageBox(platform::id::OK);  // the failure, shown
        // As the user closes it: Project > Close project (the frame has no system menu).
        ASSERT_TRUE(Befehl(57602)->isEnabled());
        Befehl(57602)->trigger();
        uitest::processEvents();
        ASSERT_EQ(d.boxes().size(), boxen + (f.wirft ? 2 : 1)) << f.name;
        if (f.wirft) {
            EXPECT_EQ(d.boxes().back().text, u"disk full");
        }
        EXPECT_EQ(IstOffen(doc), f.bleibtOffen) << f.name;
        if (f.bleibtOffen) {
            EXPECT_TRUE(seite->IsDatenModified()) << f.name;
            seite->wirftBeimSpeichern = false;
            // The page that kept the project open is the one in front.
            EXPECT_EQ(doc->DatenSheet().activePage(), doc->GetSeite(CKelvoDoc::kProjektSeite)) << f.name;
            EXPECT_TRUE(doc->DatenSheet().isVisible()) << f.name;
        } else {
            doc = nullptr;
        }
    }
    // Changes in a sheet the user does not see ask nothing.
    doc = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    Seite(*doc, CKelvoDoc::kHausSeite)->Aendere();
    const std::size_t boxen = d.boxes().size();
    Befehl(57602)->trigger();
    uitest::processEvents();
    EXPECT_EQ(d.boxes().size(), boxen);
    EXPECT_FALSE(IstOffen(doc));
}

// Saving the components writes what the project holds unsaved: the sources' records and the
// project record reach the file, and the heat pump and tariff are taken up again. A project
// without solar plant or cooling saves without an error.
TEST_F(ProjektAblaufTest, KomponentenSpeichernSchreibtQuellenUndProjekt) {
    StarteMitSeiten();
    CKelvoDoc& doc = EigenesProjekt();
    ASSERT_NE(QuellWert(kQuelle1, ID_VolStrom), std::optional<std::u16string>(u"4.200000"));
    doc.GetWQuelle(1)->GetWert(ID_VolStrom) = 4.2f;
    doc.Projekt().GetWert(ID_Notiz) = CVRMString(u"gespeichert mit den Komponenten");
    const CVRMString wpumpe = doc.ProjektText(ID_WPumpe);
    ASSERT_NE(Eintrag(kName, u"Notiz"), std::optional<std::u16string>(u"gespeichert mit den Komponenten"));
    const std::size_t boxen = BoxTexte().size();
    doc.SaveKomponenten();
    EXPECT_EQ(BoxTexte().size(), boxen);
    ASSERT_TRUE(QuellWert(kQuelle1, ID_VolStrom).has_value());
    EXPECT_FLOAT_EQ(QString::fromStdU16String(*QuellWert(kQuelle1, ID_VolStrom)).toFloat(), 4.2f);
    EXPECT_EQ(Eintrag(kName, u"Notiz"), std::optional<std::u16string>(u"gespeichert mit den Komponenten"));
    EXPECT_EQ(Eintrag(kName, u"WPumpe"), std::optional<std::u16string>(wpumpe));
    EXPECT_EQ(doc.WPumpe().getConsumerName(), wpumpe);
    EXPECT_TRUE(doc.Tarif().IstGueltig());
}

// A second source starts with the first one's mode, bivalence temperature and second
// generator, is written at once and gets its pages; deleting asks and takes record and
// pages away. Each command is offered only when it can run.
TEST_F(ProjektAblaufTest, ZweiteQuelleHinzufuegenUndLoeschen) {
    StarteMitSeiten();
    CKelvoDoc& doc = EigenesProjekt();
    CWQuelle2& erste = *doc.GetWQuelle(1);
    erste.SetzeWert(ID_BetrWeiseIdx, CVRMVariant(3));
    erste.SetzeWert(ID_DimPunktTemp, CVRMVariant(-7.0f));
    erste.SetzeWert(ID_ZweiterETIdx, CVRMVariant(2));
    EXPECT_TRUE(Befehl(kBefehlZweiteQuelle)->isEnabled());
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelleLoeschen)->isEnabled());

    auto& d = uitest::dialogs();
    d.expectMessageBox(platform::id::OK);
    Befehl(kBefehlZweiteQuelle)->trigger();
    uitest::processEvents();
    ASSERT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 2);
    EXPECT_NE(d.boxes().back().text.find(kDurchfluss), std::u16string::npos);
    CWQuelle2& zweite = *doc.GetWQuelle(0);
    for (TKelvoDatenID id : {ID_BetrWeiseIdx, ID_DimPunktTemp, ID_ZweiterETIdx})
        EXPECT_EQ(zweite.GetWert(id).GetFloatVal(), erste.GetWert(id).GetFloatVal()) << id;
    EXPECT_EQ(QuellWert(kQuelle2, ID_BetrWeiseIdx), std::optional<std::u16string>(u"3"));
    EXPECT_EQ(QuellWert(kQuelle2, ID_ZweiterETIdx), std::optional<std::u16string>(u"2"));
    EXPECT_EQ(Eintrag(kKombi, CVRMwerteListe::getKey(ID_KQuelle2)), std::optional<std::u16string>(kQuelle2));
    ASSERT_NE(Seite(doc, CKelvoDoc::kWQ1Seite2), nullptr);
    ASSERT_NE(Seite(doc, CKelvoDoc::kWQ2Seite2), nullptr);
    EXPECT_EQ(Seite(doc, CKelvoDoc::kWQ1Seite2)->aufrufe.front(), "Load:" + CVRMString(kQuelle2).toUtf8());
    EXPECT_TRUE(doc.DatenSheet().isVisible());
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelle)->isEnabled());
    EXPECT_TRUE(Befehl(kBefehlZweiteQuelleLoeschen)->isEnabled());

    // Open changes stop both commands before anything happens.
    Seite(doc, CKelvoDoc::kHausSeite)->Aendere();
    for (int befehl : {kBefehlZweiteQuelleLoeschen}) {
        d.expectMessageBox(platform::id::OK);
        Befehl(befehl)->trigger();
        EXPECT_EQ(d.boxes().back().text, kSeitenOffen);
    }
    EXPECT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 2);
    d.expectMessageBox(platform::id::NO);
    ASSERT_TRUE(Seite(doc, CKelvoDoc::kHausSeite)->CancelModifiedData(1));

    // No keeps it; Yes deletes it.
    d.expectMessageBox(platform::id::NO);
    Befehl(kBefehlZweiteQuelleLoeschen)->trigger();
    EXPECT_EQ(d.boxes().back().caption, kName);
    EXPECT_EQ(d.boxes().back().style & 0xF0u, 0u);
    EXPECT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 2);
    d.expectMessageBox(platform::id::YES);
    Befehl(kBefehlZweiteQuelleLoeschen)->trigger();
    EXPECT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 1);
    EXPECT_EQ(doc.GetSeite(CKelvoDoc::kWQ1Seite2), nullptr);
    EXPECT_EQ(doc.GetSeite(CKelvoDoc::kWQ2Seite2), nullptr);
    EXPECT_EQ(QuellWert(kQuelle2, ID_BetrWeiseIdx), std::nullopt);
    EXPECT_EQ(Eintrag(kKombi, CVRMwerteListe::getKey(ID_KQuelle2)).value_or(u""), u"");
    EXPECT_TRUE(Befehl(kBefehlZweiteQuelle)->isEnabled());
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelleLoeschen)->isEnabled());
}

// A sample project holds one single source, which takes no second one: the command is off,
// and called anyway it reports the refusal and the command's own error.
TEST_F(ProjektAblaufTest, ZweiteQuelleZuEinzelquelleScheitertGemeldet) {
    StarteMitSeiten();
    CKelvoDoc& doc = *app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelle)->isEnabled());
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelleLoeschen)->isEnabled());
    auto& d = uitest::dialogs();
    d.expectMessageBox(platform::id::OK);
    d.expectMessageBox(platform::id::OK);
    doc.OnAddWQuelle2();
    ASSERT_GE(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes().back().text, u"Error when adding a second heat source");
    EXPECT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 1);
    EXPECT_EQ(doc.GetSeite(CKelvoDoc::kWQ1Seite2), nullptr);
}

// Without a report module the report stays greyed, also for a complete project; called
// anyway it ends with the module's error and hands nothing over.
TEST_F(ProjektAblaufTest, ReportOhneModulBleibtAus) {
    StarteMitSeiten();
    CKelvoDoc& doc = *app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    ASSERT_TRUE(doc.Projekt().IstVollstaendig());
    EXPECT_FALSE(Befehl(kBefehlReport)->isEnabled());
    auto& d = uitest::dialogs();
    d.expectMessageBox(platform::id::OK);
    doc.OnReport();
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes().back().text, u"Interface 'Report' not initialized\n(IReport::SetDaten(i))");
    // The preparation alone does nothing without the module: no question, no calculation.
    doc.ErstelleReport(true, 1, false);
    EXPECT_EQ(d.boxes().size(), 1u);
}

}  // namespace
