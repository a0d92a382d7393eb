#pragma once
// A project of the shipped library loaded as the document holds it: its record, house,
// heat pump, combined heat source and tariff, handed to a fake document whose heat pump
// answers the house's hot-water calculation. Header only: its users link the model.
#include <memory>

#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "tests/support/FakeKelvoApp.h"

namespace testsupport {

struct BeispielProjekt {
    CProjekt2 projekt;
    CHaus2 haus;
    CWPumpe2 wpumpe;
    CKombiWQuelle2 kombi;
    CTarif2 tarif;

    CWQuelle2& Quelle1() { return *kombi.GetErsteWQuelle(); }
    CVRMString Solar() { return projekt.GetWert(ID_Solar).GetStringVal(); }
};

// The document's heat pump at any point, all units, as the document answers it.
class BeispielDokument : public FakeKelvoDoc {
  public:
    void WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) override {
        wpumpe->GetLeistungAnzahl(kind, quellTemp, vorlaufTemp, wert);
    }
};

// Fills the project and the records it links to from the value store and makes them the
// document's.
inline std::unique_ptr<BeispielProjekt> LadeBeispielProjekt(const CVRMString& name,
                                                            FakeKelvoDoc& dok) {
    auto p = std::make_unique<BeispielProjekt>();
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

}  // namespace testsupport
