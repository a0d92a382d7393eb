// A user's own project in the real program, through the menus: a second heat source added
// (the design then refuses), deleted again, and the heat pump designed in the wizard over the
// input pages that exist, the chosen unit read back from the user database. A project just
// made gets its first heat source from the design.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include "app/doc/ProjektAblaufBefehle.h"
#include "app/frame/MainFrame.h"
#include "dialogs/KelvoView1.h"
#include "pages/EingabeSeite.h"
#include "pages/DimPage.h"
#include "pages/HausPage.h"
#include "platform/ui/PropertySheet.h"
#include "tests/app/ui/doc/ProjektAblauf.h"

namespace {

using projektablauf::ProjektAblaufTest;

class DimWizardProgrammTest : public ProjektAblaufTest {
  protected:
    static void Druecke(QDialog& d, int id) {
        auto* knopf = qobject_cast<QPushButton*>(ui::child(&d, id));
        ASSERT_NE(knopf, nullptr);
        ASSERT_TRUE(knopf->isVisible() && knopf->isEnabled()) << id;
        uitest::click(*knopf, {5, 5});
    }
};

TEST_F(DimWizardProgrammTest, ZweiteQuelleUndAuslegungUeberDieMenues) {
    Starte();
    // Only the program's own pages: house, project and the dimensioning page.
    for (int kind : {1, 2, 3, 4, 5, 9}) RegistriereDatenSeite(kind, {});
    CKelvoDoc& doc = EigenesProjekt();
    auto& d = uitest::dialogs();

    d.expectMessageBox(platform::id::OK);
    Befehl(kBefehlZweiteQuelle)->trigger();
    uitest::processEvents();
    EXPECT_EQ(QuellWert(kQuelle2, ID_BetrWeiseIdx), QuellWert(kQuelle1, ID_BetrWeiseIdx));
    EXPECT_EQ(QuellWert(kQuelle2, ID_DimPunktTemp), QuellWert(kQuelle1, ID_DimPunktTemp));
    EXPECT_EQ(Eintrag(kKombi, CVRMwerteListe::getKey(ID_KQuelle2)), std::optional<std::u16string>(kQuelle2));
    // The menu now offers the deletion instead of a further source.
    EXPECT_FALSE(Befehl(kBefehlZweiteQuelle)->isEnabled());
    ASSERT_TRUE(Befehl(kBefehlZweiteQuelleLoeschen)->isEnabled());
    for (QObject* o : Befehl(kBefehlZweiteQuelleLoeschen)->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(o);
        if (!menu) continue;
        menu->popup(app->GetMainFrame()->mapToGlobal(QPoint(200, 30)));
        uitest::processEvents();
        uitest::saveArtifact(*menu, "second-source");
        menu->hide();
    }

    // Two sources cannot be designed.
    d.expectMessageBox(platform::id::OK);
    Befehl(kBefehlDimensionieren)->trigger();
    EXPECT_EQ(d.boxes().back().text.rfind(u"The program cannot design projects with combined heat sources.", 0), 0u);

    d.expectMessageBox(platform::id::YES);
    Befehl(kBefehlZweiteQuelleLoeschen)->trigger();
    EXPECT_EQ(QuellWert(kQuelle2, ID_BetrWeiseIdx), std::nullopt);
    EXPECT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 1);

    CVRMString gewaehlt;
    d.expectDialog(kName, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        ASSERT_EQ(sheet.pageCount(), 2);
        EXPECT_NE(dynamic_cast<CHausPage*>(sheet.page(0)), nullptr);
        ASSERT_NE(dynamic_cast<CDimPage*>(sheet.page(1)), nullptr);
        uitest::saveArtifact(dlg, "wizard-1");
        Druecke(dlg, ui::kIdNext);
        ASSERT_EQ(sheet.activeIndex(), 1);
        auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
        ASSERT_GT(kandidaten->count(), 0);
        QListWidgetItem* eintrag = kandidaten->item(0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(eintrag).center());
        gewaehlt = eintrag->text().toStdU16String();
        uitest::saveArtifact(dlg, "wizard-2");
        d.expectMessageBox(platform::id::OK);
        Druecke(dlg, ui::kIdFinish);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    ASSERT_FALSE(gewaehlt.empty());
    EXPECT_EQ(d.boxes().back().text.rfind(u"Please check, if the power consumption of the pumps", 0), 0u);
    EXPECT_EQ(doc.IstBeschaeftigt(), 0);
    EXPECT_TRUE(doc.DatenSheet().isVisible());
    EXPECT_EQ(doc.DatenSheet().activePage(), doc.GetSeite(CKelvoDoc::kProjektSeite));
    // Read back: the chosen unit, the source's design (monovalent, its two probes sized for
    // the unit: no longer the copied 100 m; the sizing itself is checked by the design's
    // user tests).
    EXPECT_EQ(Eintrag(kName, CVRMwerteListe::getKey(ID_WPumpe)), std::optional<std::u16string>(gewaehlt));
    EXPECT_EQ(QuellWert(kQuelle1, ID_BetrWeiseIdx), std::optional<std::u16string>(u"1"));
    EXPECT_NE(QuellWert(kQuelle1, ID_WQuelleLaenge), std::optional<std::u16string>(u"100"));
    EXPECT_EQ(QuellWert(kQuelle1, ID_SoleKreise), std::optional<std::u16string>(u"2"));
}

// After the design the wizard opens the project page; the user saves it and closes the
// sheet. The project window's "Project data" button then works as before the design.
TEST_F(DimWizardProgrammTest, ProjektdatenKnopfNachDemAssistenten) {
    Starte();
    for (int kind : {1, 2, 3, 4, 5, 9}) RegistriereDatenSeite(kind, {});
    CKelvoDoc& doc = EigenesProjekt();
    auto& d = uitest::dialogs();
    d.expectDialog(kName, [&](QDialog& dlg) {
        Druecke(dlg, ui::kIdNext);
        auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
        ASSERT_GT(kandidaten->count(), 0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
        d.expectMessageBox(platform::id::OK);
        Druecke(dlg, ui::kIdFinish);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    QWidget* projektSeite = doc.GetSeite(CKelvoDoc::kProjektSeite);
    ASSERT_NE(projektSeite, nullptr);
    ASSERT_EQ(doc.DatenSheet().activePage(), projektSeite);
    uitest::click(*ui::child(projektSeite, CEingabeSeite::kIdSpeichern), {5, 5});
    uitest::click(*ui::child(projektSeite, CEingabeSeite::kIdSchliessen), {5, 5});
    uitest::processEvents();
    EXPECT_FALSE(doc.DatenSheet().isVisible());

    auto* view = dynamic_cast<CKelvoView1*>(
        app->GetMainFrame()->Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(&view->GetDocument(), &doc);
    QWidget* knopf = ui::child(view, CKelvoView1::kIdcProjektDaten);
    ASSERT_TRUE(knopf->isEnabled());
    uitest::click(*knopf, {5, 5});
    uitest::processEvents();
    EXPECT_TRUE(doc.DatenSheet().isVisible());
    EXPECT_EQ(doc.DatenSheet().activePage(), doc.GetSeite(CKelvoDoc::kProjektSeite));
}

// A new project's heat-source record is empty, and nothing else would ever give it a source:
// the design gives it its first one (saved at once), so the wizard opens instead of asking
// for a heat source, and the heat-source pages follow.
TEST_F(DimWizardProgrammTest, NeuesProjektBekommtSeineErsteQuelleVonDerAuslegung) {
    Starte();
    auto& d = uitest::dialogs();
    d.expectDialog(u"Enter new name", [](QDialog& dlg) {
        uitest::type(*ui::child(&dlg, 1033), QStringLiteral("Weber"));
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    Befehl(57600)->trigger();
    uitest::processEvents();
    CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(doc, nullptr);
    const CVRMString kombi = doc->ProjektText(ID_WQuelle);
    ASSERT_FALSE(kombi.empty());
    EXPECT_EQ(doc->KombiWQuelle().GetAnzahlWQuellen(), 0);
    EXPECT_EQ(doc->GetSeite(CKelvoDoc::kWQ1Seite), nullptr);

    bool wizard = false;
    d.expectDialog(u"Weber", [&](QDialog& dlg) {
        wizard = true;
        for (QPushButton* knopf : dlg.findChildren<QPushButton*>())
            if (knopf->isVisible() && knopf->text() == QStringLiteral("Cancel")) uitest::click(*knopf, {5, 5});
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    EXPECT_TRUE(wizard);
    const std::u16string erste = kombi + u"_(1)";
    EXPECT_EQ(Eintrag(kombi, CVRMwerteListe::getKey(ID_KQuelle1)), std::optional<std::u16string>(erste));
    EXPECT_EQ(QuellWert(CVRMString(erste), ID_QuellMediumIdx), std::optional<std::u16string>(u"0"));
    EXPECT_EQ(doc->KombiWQuelle().GetAnzahlWQuellen(), 1);
    EXPECT_NE(doc->GetSeite(CKelvoDoc::kWQ1Seite), nullptr);
    EXPECT_EQ(doc->IstBeschaeftigt(), 0);
}

}  // namespace
