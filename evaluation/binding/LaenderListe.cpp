#include "evaluation/binding/LaenderListe.h"

#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"

namespace {

constexpr uint32_t kCodeLaender = 1172;

CVRMStringArray LaenderDerBibliothek() {
    CVRMStringArray liste;
    if (IBasis::IstGeladen()) IBasis::GetBasisDaten(kCodeLaender, liste);
    if (liste.IsEmpty()) liste = CVRMStringArray{u"1#Deutschland#D", u"2#Schweiz#CH", u"3#Österreich#A"};
    return liste;
}

}  // namespace

void GetLaenderListe(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                     CVRMStringArray& kuerzel, bool alle) {
    if (alle) {
        CVRMdatenProvider::get().getKlimaLaender(namen, nummern, kuerzel);
        return;
    }
    const CVRMStringArray filter = LaenderDerBibliothek();
    CVRMdatenProvider::get().getKlimaLaender(namen, nummern, kuerzel, &filter);
}
