#include "tests/dialogs/BibliothekFixture.h"

#include "core/db/Lists.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"

namespace dialogtest {

Datenbanken::Datenbanken() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    // The English module the window tests run with stays the resource module.
    EXPECT_EQ(CVRMglobApp::Get().Init(platform::currentResourceModule(), nullptr, 0), 1);
    EXPECT_EQ(CVRMglobApp::Get().SetDatenDatei(
                  CVRMString(platform::fromUtf8(ordner.file("user.dat").string()))),
              1);
    EXPECT_EQ(CVRMglobApp::Get().SetBiboDatei(CVRMString(platform::fromUtf8(VARM_LIBRARY_DB)), 0),
              1);
    InitGlobaleTexte();
}

Datenbanken::~Datenbanken() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
}

BibliothekFixture::BibliothekFixture() {
    optionen.SetUmgebung(platform::fromUtf8(datenbanken.ordner.path().string() + "/"), {});
    optionen.LoadOptions();
    app.optionsManager = &optionen;
    app.wpListe = Waermepumpen();
    app.dokument = &dok;
}

std::unique_ptr<testsupport::BeispielProjekt> BibliothekFixture::Lade(const CVRMString& name) {
    return testsupport::LadeBeispielProjekt(name, dok);
}

CVRMStringArray BibliothekFixture::Waermepumpen() {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, LISTE_WPUMPEN, true, nullptr, true);
    return namen;
}

}  // namespace dialogtest
