#include "evaluation/binding/LaenderListe.h"

#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"
#include "platform/errors/UserException.h"

namespace {

constexpr uint32_t kCodeLaender = 1172;

// The country library's entries ("number#name#code"); none when it is not bound or fails
// (a failure has been reported by the binding).
CVRMStringArray LaenderDerBibliothek() {
    CVRMStringArray liste;
    if (!IBasis::IstGeladen()) return liste;
    try {
        IBasis::GetBasisDaten(kCodeLaender, liste);
    } catch (const platform::UserException&) {
        liste.clear();
    }
    return liste;
}

}  // namespace

void GetLaenderListe(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                     CVRMStringArray& kuerzel, bool alle) {
    CVRMdatenProvider& provider = CVRMdatenProvider::get();
    if (alle) {
        provider.getKlimaLaender(namen, nummern, kuerzel);
        return;
    }
    CVRMStringArray filter = LaenderDerBibliothek();
    if (filter.empty()) filter = {u"1#Deutschland#D", u"2#Schweiz#CH", u"3#Österreich#A"};
    provider.getKlimaLaender(namen, nummern, kuerzel, &filter);
}
