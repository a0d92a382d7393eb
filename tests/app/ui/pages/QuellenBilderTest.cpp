// Pictures of the heat-source pages and their dialogs, for a person to look at.
#include <gtest/gtest.h>

#include "dialogs/BodenartDlg.h"
#include "dialogs/DlgQTemp.h"
#include "dialogs/WQTestDlg.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

class QuellenBilderTest : public quellentest::QuellenSeitenFixture {
  protected:
    void Bild(const char* name) {
        uitest::dialogs().expectDialog({}, [name](QDialog& d) {
            uitest::processEvents();
            uitest::saveArtifact(d, name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
    }
};

TEST_F(QuellenBilderTest, Sondenfeld) {
    Beispiel(u"ground probe monovalent");
    Seite1();
    uitest::saveArtifact(Sheet(), "page-source-probe");
}

TEST_F(QuellenBilderTest, Kollektor) {
    Beispiel(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    WaehleIndex(seite, CWQ1Page::kIdArt, 1);
    Tippe(seite, CWQ1Page::kIdFlaeche, QStringLiteral("300"));
    uitest::saveArtifact(Sheet(), "page-source-collector");
}

TEST_F(QuellenBilderTest, Absorber) {
    Beispiel(u"ground probe monovalent");
    Seite2();
    uitest::saveArtifact(Sheet(), "page-source-absorber");
}

TEST_F(QuellenBilderTest, SeiteDeutsch) {
    Starte(true);
    dokument = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    Seite1();
    uitest::saveArtifact(Sheet(), "page-source-de");
}

TEST_F(QuellenBilderTest, AuslegungstestOk) {
    Beispiel(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    Bild("design-test-ok");
    Druecke(seite, CWQ1Page::kIdTesten);
}

TEST_F(QuellenBilderTest, AuslegungstestRot) {
    Starte();
    Bild("design-test-red");
    CWQTestDlg dlg(0, 0, 68.4f, 50.0f, 131.2f, 100.0f, 1, 92.5f, 1);
    dlg.doModal();
}

TEST_F(QuellenBilderTest, Bodenwerte) {
    Beispiel(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    Bild("soil-type");
    Druecke(seite, CWQ1Page::kIdBodenwerte);
}

TEST_F(QuellenBilderTest, Quelltemperaturen) {
    BeispielConf(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    Druecke(seite, CWQ1Page::kIdUserTemps);
    Bild("source-temperatures");
    Druecke(seite, CWQ1Page::kIdTemperaturen);
}

}  // namespace
