// A user opens a project through the menu, opens its heat source with the project window's
// button, enters a probe field with its layered ground, saves, turns to the brine page,
// enters the antifreeze and tubes, saves: the records hold what was typed. A project made
// new gets its first heat source from the design, and what is typed on its pages reaches
// the user database file.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

#include "app/doc/ProjektAblaufBefehle.h"
#include "app/frame/MainFrame.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/ProjektDlg.h"
#include "dialogs/WQTestDlg.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

class QuellenNutzerTest : public quellentest::QuellenSeitenFixture {
  protected:
    void NeuesProjektQuellSeite(const char16_t* name);
    CVRMString neueQuelle;  // the new project's first source
};

TEST_F(QuellenNutzerTest, NutzerGibtSondenfeldEin) {
    // The program may change the library's sample where the user database holds it.
    const CVRMString projekt = StarteConfMitBeispiel(u"ground probe monovalent");
    CMainFrame& frame = *app->GetMainFrame();
    uitest::dialogs().expectDialog({}, [&](QDialog& dlg) {
        auto* box = qobject_cast<QComboBox*>(ui::child(&dlg, CProjektDlg::kIdcProjekt));
        ASSERT_NE(box, nullptr);
        const int index = box->findText(QString::fromStdU16String(projekt));
        ASSERT_GE(index, 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    frame.Router().updateActions(frame.menuBar()->actions());
    QAction* oeffnen = ui::findAction(frame.menuBar(), 57601);
    ASSERT_NE(oeffnen, nullptr);
    uitest::dialogs().expectMessageBox(platform::id::OK);  // the components the sample lacks
    oeffnen->trigger();
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
    Waehle(*seite1, CWQ1Page::kIdBoden[2], QString());
    Druecke(*seite1, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite1->m_modified, 0);
    const CVRMString quelle = Quelle();
    EXPECT_EQ(Gespeichert(quelle, ID_SoleKreise).GetUIntVal(), 3u);
    EXPECT_EQ(SatzEintrag(quelle, u"SoleKreise"), std::optional<std::u16string>(u"3"));  // the file
    EXPECT_EQ(Gespeichert(quelle, ID_WQuelleLaenge).GetUIntVal(), 95u);
    EXPECT_EQ(Gespeichert(quelle, ID_QTiefe1).GetUIntVal(), 4u);
    EXPECT_TRUE(Gespeichert(quelle, ID_Boden2).GetStringVal().starts_with(u"Sandstone"));
    EXPECT_EQ(Gespeichert(quelle, ID_Boden3).GetStringVal(), u"");
    EXPECT_EQ(Gespeichert(quelle, ID_QTiefe2).GetUIntVal(), 120u);
    EXPECT_EQ(Gespeichert(quelle, ID_WQuelleFlaeche).GetUIntVal(), 75u);  // 3 × 25 m²

    // The brine page, as its tab.
    Sheet().setActivePage(Sheet().indexOf(dokument->GetSeite(CKelvoDoc::kWQ2Seite)));
    uitest::processEvents();
    auto* seite2 = dynamic_cast<CWQ2Page*>(dokument->GetSeite(CKelvoDoc::kWQ2Seite));
    ASSERT_NE(seite2, nullptr);
    ASSERT_TRUE(seite2->isVisible());
    Tippe(*seite2, CWQ2Page::kIdKonzentration, QStringLiteral("25.7"));
    Verlasse(*seite2, CWQ2Page::kIdKonzentration);
    Tippe(*seite2, CWQ2Page::kIdVolStrom, QStringLiteral("3.9"));  // above the unit's 3.46 m³/h
    Druecke(*seite2, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite2->m_modified, 0);
    EXPECT_EQ(Gespeichert(quelle, ID_FSMKonz).GetUIntVal(), 25u);  // cut to whole percent
    EXPECT_FLOAT_EQ(Gespeichert(quelle, ID_VolStrom).GetFloatVal(), 3.9f);
    Druecke(*seite2, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());
}

// File > New project named `name`, the design cancelled (the project keeps the first
// source it gave), the source's first page opened with the project window's button.
void QuellenNutzerTest::NeuesProjektQuellSeite(const char16_t* name) {
    auto& d = uitest::dialogs();
    d.expectDialog(u"Enter new name", [&](QDialog& dlg) {
        uitest::type(*ui::child(&dlg, 1033), QString::fromStdU16String(name));
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    Befehl(57600)->trigger();
    uitest::processEvents();
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);
    const CVRMString kombi = dokument->ProjektText(ID_WQuelle);
    ASSERT_FALSE(kombi.empty());

    bool wizard = false;
    d.expectDialog(name, [&](QDialog& dlg) {
        wizard = true;
        for (QPushButton* knopf : dlg.findChildren<QPushButton*>())
            if (knopf->isVisible() && knopf->text() == QStringLiteral("Cancel")) uitest::click(*knopf, {5, 5});
    });
    QAction* auslegen = Befehl(kBefehlDimensionieren);
    ASSERT_NE(auslegen, nullptr);
    ASSERT_TRUE(auslegen->isEnabled());
    auslegen->trigger();
    uitest::processEvents();
    ASSERT_TRUE(wizard);
    neueQuelle = kombi + u"_(1)";
    ASSERT_EQ(Eintrag(kombi, CVRMwerteListe::getKey(ID_KQuelle1)), std::optional<std::u16string>(neueQuelle));

    auto* view = dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    auto& knopf = Element<QWidget>(*view, CKelvoView1::kIdcQuellDaten);
    ASSERT_TRUE(knopf.isEnabled());
    uitest::click(knopf, knopf.rect().center());
    uitest::processEvents();
    auto* seite1 = dynamic_cast<CWQ1Page*>(dokument->GetSeite(CKelvoDoc::kWQ1Seite));
    ASSERT_NE(seite1, nullptr);
    ASSERT_TRUE(seite1->isVisible());
}

// The source's two pages of a new project typed into, saved and closed: the first source's
// section of the user database file holds the typed values.
TEST_F(QuellenNutzerTest, NeuesProjektQuelleBisInDieDatei) {
    Starte();
    ASSERT_NO_FATAL_FAILURE(NeuesProjektQuellSeite(u"Kruse"));
    const CVRMString quelle = neueQuelle;
    auto* seite1 = dynamic_cast<CWQ1Page*>(dokument->GetSeite(CKelvoDoc::kWQ1Seite));
    Tippe(*seite1, CWQ1Page::kIdAnzahl, QStringLiteral("3"));
    Verlasse(*seite1, CWQ1Page::kIdAnzahl);
    Tippe(*seite1, CWQ1Page::kIdLaenge, QStringLiteral("87"));
    Verlasse(*seite1, CWQ1Page::kIdLaenge);
    // A depth of its own for the first layer, still below the probes' end.
    Tippe(*seite1, CWQ1Page::kIdTiefe[0], QStringLiteral("90"));
    Verlasse(*seite1, CWQ1Page::kIdTiefe[0]);
    Druecke(*seite1, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite1->m_modified, 0);

    Sheet().setActivePage(Sheet().indexOf(dokument->GetSeite(CKelvoDoc::kWQ2Seite)));
    uitest::processEvents();
    auto* seite2 = dynamic_cast<CWQ2Page*>(dokument->GetSeite(CKelvoDoc::kWQ2Seite));
    ASSERT_NE(seite2, nullptr);
    ASSERT_TRUE(seite2->isVisible());
    Tippe(*seite2, CWQ2Page::kIdKonzentration, QStringLiteral("27.4"));
    Verlasse(*seite2, CWQ2Page::kIdKonzentration);
    Tippe(*seite2, CWQ2Page::kIdVolStrom, QStringLiteral("3.1"));
    Verlasse(*seite2, CWQ2Page::kIdVolStrom);
    Druecke(*seite2, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite2->m_modified, 0);
    Druecke(*seite2, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());

    // Read back from the file, not the value store.
    const auto wert = [&](TKelvoDatenID id) { return Eintrag(quelle, CVRMwerteListe::getKey(id)); };
    EXPECT_EQ(wert(ID_SoleKreise), std::optional<std::u16string>(u"3"));
    EXPECT_EQ(wert(ID_WQuelleLaenge), std::optional<std::u16string>(u"87"));
    EXPECT_EQ(wert(ID_QTiefe1), std::optional<std::u16string>(u"90"));
    EXPECT_EQ(wert(ID_FSMKonz), std::optional<std::u16string>(u"27"));  // cut to whole percent
    ASSERT_TRUE(wert(ID_VolStrom).has_value());
    EXPECT_FLOAT_EQ(QString::fromStdU16String(*wert(ID_VolStrom)).toFloat(), 3.1f);
}

// A new project's source saved as it comes, only the probe count typed: its ground reaches
// down to the probes' end with the default soil, so the first save tells nothing.
TEST_F(QuellenNutzerTest, NeuesProjektSpeichertOhneSchichtHinweis) {
    Starte();
    ASSERT_NO_FATAL_FAILURE(NeuesProjektQuellSeite(u"Lange"));
    auto& seite1 = *dynamic_cast<CWQ1Page*>(dokument->GetSeite(CKelvoDoc::kWQ1Seite));
    EXPECT_EQ(Text(seite1, CWQ1Page::kIdLaenge), QStringLiteral("100"));
    EXPECT_EQ(Text(seite1, CWQ1Page::kIdTiefe[0]), QStringLiteral("100"));
    Tippe(seite1, CWQ1Page::kIdAnzahl, QStringLiteral("2"));
    Verlasse(seite1, CWQ1Page::kIdAnzahl);
    Druecke(seite1, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite1.m_modified, 0);
    EXPECT_TRUE(BoxTexte().empty());

    const auto wert = [&](TKelvoDatenID id) { return Eintrag(neueQuelle, CVRMwerteListe::getKey(id)); };
    EXPECT_EQ(wert(ID_SoleKreise), std::optional<std::u16string>(u"2"));
    EXPECT_EQ(wert(ID_QTiefe1), std::optional<std::u16string>(u"100"));
    EXPECT_TRUE(wert(ID_Boden1).value_or(u"").starts_with(u"gravel (average wet)"));
}

// The kind of source belongs to the first page. The user types on the second page, changes
// the kind on the first and saves it there, then saves the second page: the file keeps the
// kind the first page saved.
TEST_F(QuellenNutzerTest, ZweiteSeiteSchreibtDieArtDerErstenNichtZurueck) {
    Starte();
    ASSERT_NO_FATAL_FAILURE(NeuesProjektQuellSeite(u"Kruse"));
    const CVRMString& quelle = neueQuelle;
    const std::u16string art = CVRMwerteListe::getKey(ID_QuellMediumIdx);
    ASSERT_EQ(Eintrag(quelle, art), std::optional<std::u16string>(u"0"));  // a vertical probe
    auto* seite1 = dynamic_cast<CWQ1Page*>(dokument->GetSeite(CKelvoDoc::kWQ1Seite));
    auto* seite2 = dynamic_cast<CWQ2Page*>(dokument->GetSeite(CKelvoDoc::kWQ2Seite));
    ASSERT_NE(seite1, nullptr);
    ASSERT_NE(seite2, nullptr);
    const auto zeige = [&](CEingabeSeite* seite) {
        Sheet().setActivePage(Sheet().indexOf(seite));
        uitest::processEvents();
        ASSERT_TRUE(seite->isVisible());
    };
    zeige(seite2);
    Tippe(*seite2, CWQ2Page::kIdVolStrom, QStringLiteral("3.1"));
    Verlasse(*seite2, CWQ2Page::kIdVolStrom);
    ASSERT_EQ(seite2->m_modified, 1);

    zeige(seite1);
    WaehleIndex(*seite1, CWQ1Page::kIdArt, quellart::kKollektor);
    Druecke(*seite1, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(seite1->m_modified, 0);
    ASSERT_EQ(Eintrag(quelle, art), std::optional<std::u16string>(u"1"));

    zeige(seite2);
    Druecke(*seite2, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite2->m_modified, 0);
    EXPECT_EQ(Eintrag(quelle, art), std::optional<std::u16string>(u"1"));
    const auto strom = Eintrag(quelle, CVRMwerteListe::getKey(ID_VolStrom));
    ASSERT_TRUE(strom.has_value());
    EXPECT_FLOAT_EQ(QString::fromStdU16String(*strom).toFloat(), 3.1f);
}

}  // namespace
