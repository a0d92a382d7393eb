// Pictures of the tariff and hot-water pages and their dialogs, for a person to look at.
#include <gtest/gtest.h>

#include "dialogs/MonateDlg.h"
#include "pages/TarifPage.h"
#include "pages/WW2Page.h"
#include "pages/WWPage.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

class TarifWawaBilderTest : public seitentest::SeitenFixture {};

TEST_F(TarifWawaBilderTest, Tarifseite) {
    // A tariff of the user's own, as he edits it.
    Starte();
    uitest::dialogs().expectDialog({}, [](QDialog& d) {
        uitest::type(*ui::child(&d, 1033), QStringLiteral("Stadtwerke Nachtstrom 2026"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    app->BearbeiteTarif(1);
    app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif)->Notify(1);
    uitest::processEvents();
    ASSERT_TRUE(app->GetStammdatenSheet().isVisible());
    uitest::saveArtifact(app->GetStammdatenSheet(), "page-tariff");
}

TEST_F(TarifWawaBilderTest, TarifMonate) {
    Starte();
    const float werte[12] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1};
    CMonateDlg dlg(werte, app->GetMainFrame());
    uitest::dialogs().expectDialog({}, [](QDialog& d) {
        uitest::saveArtifact(d, "tariff-months");
        uitest::click(*ui::child(&d, ui::kIdCancel), {5, 5});
    });
    dlg.doModal();
}

TEST_F(TarifWawaBilderTest, Warmwasserseite) {
    Beispiel(u"ground probe monovalent");
    Zeige<CWWPage>(CKelvoDoc::kWWSeite);
    uitest::saveArtifact(Sheet(), "page-hot-water");
}

TEST_F(TarifWawaBilderTest, WarmwasserseiteDeutsch) {
    NeuesProjekt(QStringLiteral("Meier"), true);
    Zeige<CWWPage>(CKelvoDoc::kWWSeite);
    uitest::saveArtifact(Sheet(), "page-hot-water-de");
}

TEST_F(TarifWawaBilderTest, Warmwasserverluste) {
    Beispiel(u"ground probe monovalent");
    CWWPage& seite = Zeige<CWWPage>(CKelvoDoc::kWWSeite);
    uitest::dialogs().expectDialog({}, [](QDialog& d) {
        uitest::saveArtifact(d, "hot-water-losses");
        uitest::click(*ui::child(&d, ui::kIdCancel), {5, 5});
    });
    uitest::click(*ui::child(&seite, CWWPage::kIdVerlusteDlg), {5, 5});
    uitest::processEvents();
}

}  // namespace
