// A user creates a project through the menu, opens its heat source with the project
// window's button, enters a probe field with its layered ground, saves, turns to the
// brine page, enters the antifreeze and tubes, saves, and tests the design: the records in
// the user database hold what was typed.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "app/frame/MainFrame.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/WQTestDlg.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

class QuellenNutzerTest : public quellentest::QuellenSeitenFixture {};

TEST_F(QuellenNutzerTest, NutzerGibtSondenfeldEin) {
    Starte();
    CMainFrame& frame = *app->GetMainFrame();
    uitest::dialogs().expectDialog(u"Enter new name", [&](QDialog& dlg) {
        uitest::type(*ui::child(&dlg, 1033), QStringLiteral("Sonde Meier"));
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    frame.Router().updateActions(frame.menuBar()->actions());
    QAction* neu = ui::findAction(frame.menuBar(), 57600);
    ASSERT_NE(neu, nullptr);
    neu->trigger();
    uitest::processEvents();
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);
    auto* view = dynamic_cast<CKelvoView1*>(frame.Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);

    auto& knopf = Element<QWidget>(*view, CKelvoView1::kIdcQuellDaten);
    ASSERT_TRUE(knopf.isEnabled());
    uitest::click(knopf, knopf.rect().center());
    uitest::processEvents();
    auto* seite1 = dynamic_cast<CWQ1Page*>(dokument->GetSeite(CKelvoDoc::kWQ1Seite));
    ASSERT_NE(seite1, nullptr);
    ASSERT_TRUE(seite1->isVisible());

    Tippe(*seite1, CWQ1Page::kIdAnzahl, QStringLiteral("3"));
    Verlasse(*seite1, CWQ1Page::kIdAnzahl);
    Tippe(*seite1, CWQ1Page::kIdLaenge, QStringLiteral("95"));
    Tippe(*seite1, CWQ1Page::kIdTiefe[0], QStringLiteral("4"));
    Waehle(*seite1, CWQ1Page::kIdBoden[1], QStringLiteral("Sandstone"));
    Tippe(*seite1, CWQ1Page::kIdTiefe[1], QStringLiteral("120"));
    Druecke(*seite1, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite1->m_modified, 0);
    const CVRMString quelle = Quelle();
    EXPECT_EQ(Eintrag(quelle, u"SoleKreise"), std::optional<std::u16string>(u"3"));
    EXPECT_EQ(Eintrag(quelle, u"WQuelleLänge"), std::optional<std::u16string>(u"95"));
    EXPECT_EQ(Eintrag(quelle, u"QTiefe1"), std::optional<std::u16string>(u"4"));
    EXPECT_EQ(Eintrag(quelle, u"Boden2"), std::optional<std::u16string>(u"Sandstone"));
    EXPECT_EQ(Eintrag(quelle, u"QTiefe2"), std::optional<std::u16string>(u"120"));
    EXPECT_EQ(Eintrag(quelle, u"WQuelleFläche"), std::optional<std::u16string>(u"75"));  // 3 × 25 m²

    // The brine page, as its tab.
    Sheet().setActivePage(Sheet().indexOf(dokument->GetSeite(CKelvoDoc::kWQ2Seite)));
    uitest::processEvents();
    auto* seite2 = dynamic_cast<CWQ2Page*>(dokument->GetSeite(CKelvoDoc::kWQ2Seite));
    ASSERT_NE(seite2, nullptr);
    ASSERT_TRUE(seite2->isVisible());
    Waehle(*seite2, CWQ2Page::kIdFrostschutz, QStringLiteral("Monoethylenglycol"));
    Tippe(*seite2, CWQ2Page::kIdKonzentration, QStringLiteral("25.7"));
    Verlasse(*seite2, CWQ2Page::kIdKonzentration);
    ui::enableChild(seite2, CWQ2Page::kIdMaterial, true);
    Waehle(*seite2, CWQ2Page::kIdMaterial, QStringLiteral("PE"));
    Waehle(*seite2, CWQ2Page::kIdUmhuellung, Box(*seite2, CWQ2Page::kIdUmhuellung).itemText(0));
    Tippe(*seite2, CWQ2Page::kIdVolStrom, QStringLiteral("2.9"));
    Druecke(*seite2, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite2->m_modified, 0);
    EXPECT_EQ(Eintrag(quelle, u"FSMittel"), std::optional<std::u16string>(u"Monoethylenglycol"));
    EXPECT_EQ(Eintrag(quelle, u"FSMKonz"), std::optional<std::u16string>(u"25"));  // cut to whole percent
    EXPECT_EQ(Eintrag(quelle, u"AbsMaterial"), std::optional<std::u16string>(u"PE"));
    EXPECT_EQ(Eintrag(quelle, u"VolStrom"), std::optional<std::u16string>(u"2.900000"));
    Druecke(*seite2, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());
}

}  // namespace
