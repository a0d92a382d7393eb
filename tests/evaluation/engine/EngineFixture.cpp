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
    auto p = std::make_unique<Projekt>();
    CVRMdatenProvider& werte = CVRMdatenProvider::get();
    werte.fill(p->projekt, name);
    auto link = [&](TKelvoDatenID id) { return p->projekt.GetWert(id).GetStringVal(); };
    werte.fill(p->haus, link(ID_Haus));
    werte.fill(p->wpumpe, link(ID_WPumpe));
    werte.fill(p->kombi, link(ID_WQuelle));
    werte.fill(p->tarif, link(ID_Tarif));
    dok.projekt = &p->projekt;
    dok.haus = &p->haus;
    dok.wpumpe = &p->wpumpe;
    dok.kombiQuelle = &p->kombi;
    dok.quelle1 = p->kombi.GetErsteWQuelle();
    dok.quelle2 = p->kombi.GetAnzahlWQuellen() > 1 ? p->kombi.GetZweiteWQuelle() : nullptr;
    return p;
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
