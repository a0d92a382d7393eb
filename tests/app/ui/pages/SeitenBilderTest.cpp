// Pictures of the project's data pages and their dialogs, for a person to look at.
#include <gtest/gtest.h>

#include "pages/HausPage.h"
#include "pages/ProjektPage.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

class SeitenBilderTest : public seitentest::SeitenFixture {};

TEST_F(SeitenBilderTest, Projektseite) {
    Beispiel(u"ground probe monovalent");
    Zeige<CProjektPage>(CKelvoDoc::kProjektSeite);
    uitest::saveArtifact(Sheet(), "page-project");
}

TEST_F(SeitenBilderTest, ProjektseiteDeutsch) {
    NeuesProjekt(QStringLiteral("Meier"), true);
    Zeige<CProjektPage>(CKelvoDoc::kProjektSeite);
    uitest::saveArtifact(Sheet(), "page-project-de");
}

TEST_F(SeitenBilderTest, Hausseite) {
    Beispiel(u"ground probe monovalent");
    Zeige<CHausPage>(CKelvoDoc::kHausSeite);
    uitest::saveArtifact(Sheet(), "page-house");
}

TEST_F(SeitenBilderTest, HausseiteDeutsch) {
    NeuesProjekt(QStringLiteral("Meier"), true);
    Zeige<CHausPage>(CKelvoDoc::kHausSeite);
    uitest::saveArtifact(Sheet(), "page-house-de");
}

}  // namespace
