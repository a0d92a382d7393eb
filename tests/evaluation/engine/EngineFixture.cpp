#include "EngineFixture.h"

#include "core/db/Lists.h"
#include "core/value/VRMdatenProvider.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/text/Text.h"

namespace enginetest {

EngineFixture::EngineFixture() {
    InitGlobaleTexte();
    optionen.SetUmgebung(platform::fromUtf8(folder.path().string() + "/"), {});
    optionen.LoadOptions();
    app.optionsManager = &optionen;
    app.wpListe = Liste(LISTE_WPUMPEN);
    app.tarifListe = Liste(LISTE_TARIFE);
    app.dokument = &dok;
}

std::unique_ptr<Projekt> EngineFixture::Lade(const CVRMString& name) {
    return testsupport::LadeBeispielProjekt(name, dok);
}

void EngineFixture::Werte(Projekt& p) {
    engine.InitAuswertung(0, &p.projekt, &p.kombi, &p.wpumpe, &p.haus, &p.tarif, p.Solar(), 0);
    engine.DoAuswertung();
    engine.GetErgebnisse(erg);
}

std::string EngineFixture::BoxTexte() const {
    std::string texte;
    for (const auto& box : boxes.shown) texte += platform::toUtf8(box.text) + "\n";
    return texte;
}

}  // namespace enginetest
