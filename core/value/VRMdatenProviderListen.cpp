// Lists of the value store: names of records with their show, country and kind filters,
// and the countries of the country list.
#include <algorithm>
#include <exception>

#include "core/db/Global.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"

namespace {

constexpr unsigned kNichtGeladen = 3112;       // "Required data not loaded"
constexpr unsigned kListeAusDatenbank = 3412;  // "List from database"
constexpr uint32_t kAlleLaender = 99;
constexpr uint32_t kSonstigeLaender = 0;
const CVRMString kAlle = u"alle";
const CVRMString kSonst = u"sonst";

// The show flag of a kind of location; 0 for lists that have none.
uint16_t anzeigeId(TKelvoListID list) {
    switch (list) {
        case LISTE_KLIMAORTE:
            return ID_662;
        case LISTE_BODENORTE:
            return ID_664;
        case LISTE_WETTERORTE:
            return ID_663;
        case LISTE_SONNENORTE:
            return ID_665;
        default:
            return 0;
    }
}

template <class Keep>
void behalte(CVRMStringArray& namen, Keep keep) {
    std::erase_if(namen, [&](const CVRMString& name) { return !keep(name); });
}

// An entry of the country list is "number#name#code"; anything else is no country.
bool istLandEintrag(const CVRMString& eintrag) {
    const int erstes = eintrag.Find(u'#');
    return erstes >= 0 && eintrag.ReverseFind(u'#') > erstes;
}

}  // namespace

void CVRMdatenProvider::getListe(CVRMStringArray& out, TKelvoListID list, bool withBibo,
                                 const CVRMStringArray* filter, bool showFilter) {
    try {
        out.clear();
        CVRMStringArray userListe, ganzeListe;
        IGlobal::GetStringListe(list, userListe, ganzeListe, filter);
        out = withBibo ? ganzeListe : userListe;
        if (showFilter) filtereAnzeige(out, list);
    } catch (const std::exception&) {
        vrmcore::ReportError(kNichtGeladen, kListeAusDatenbank);
    }
}

void CVRMdatenProvider::filtereAnzeige(CVRMStringArray& namen, TKelvoListID list) {
    const uint16_t id = anzeigeId(list);
    if (id == 0) return;
    behalte(namen, [&](const CVRMString& name) {
        return getWert(name, static_cast<TKelvoDatenID>(id)).GetBoolVal();
    });
}

void CVRMdatenProvider::getListe(CVRMStringArray& out, TKelvoListID list, const CVRMString& land,
                                 int art, bool withBibo, const CVRMStringArray* filter,
                                 bool showFilter) {
    getListe(out, list, withBibo, filter, showFilter);
    if (anzeigeId(list) == 0) return;
    filtereLand(out, land);
    if (art >= 0 && art <= 9)
        behalte(out, [&](const CVRMString& name) { return ErsteZiffer(name) == art; });
}

void CVRMdatenProvider::filtereLand(CVRMStringArray& namen, const CVRMString& land) {
    if (land == kAlle) return;
    if (land == kSonst) {
        CVRMStringArray laender, kuerzel;
        std::vector<uint32_t> nummern;
        getKlimaLaender(laender, nummern, kuerzel);
        behalte(namen, [&](const CVRMString& name) {
            return IGlobal::getLandVonOrt(name, kuerzel) == -1;
        });
        return;
    }
    CVRMString muster;
    muster.Format(textid::kFormatKlammer, land);
    behalte(namen, [&](const CVRMString& name) { return name.Find(muster) >= 0; });
}

void CVRMdatenProvider::addToListe(TKelvoListID list, const CVRMString& name) {
    if (name.empty()) vrmcore::ReportError(0, std::u16string_view());
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(list, section, listKey, useKey);
    IGlobal::AddValueToSection(section, listKey, name, 1);
}

void CVRMdatenProvider::getKlimaLaender(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                                        CVRMStringArray& kuerzel, const CVRMStringArray* filter) {
    namen.clear();
    nummern.clear();
    kuerzel.clear();
    CVRMStringArray eintraege;
    getListe(eintraege, LISTE_LAENDER, true, filter, true);
    for (const CVRMString& eintrag : eintraege) {
        if (!istLandEintrag(eintrag)) continue;
        uint32_t nummer = 0;
        CVRMString name, code;
        ZerlegeLandEintrag(eintrag, nummer, name, code);
        nummern.push_back(nummer);
        namen.push_back(name);
        kuerzel.push_back(code);
    }
}

CVRMString CVRMdatenProvider::getLandKuerzel(uint32_t nummer) {
    if (nummer == kAlleLaender) return kAlle;
    if (nummer == kSonstigeLaender) return kSonst;
    CVRMStringArray namen, kuerzel;
    std::vector<uint32_t> nummern;
    getKlimaLaender(namen, nummern, kuerzel);
    auto it = std::ranges::find(nummern, nummer);
    return it == nummern.end() ? CVRMString() : kuerzel[it - nummern.begin()];
}

CVRMString CVRMdatenProvider::getLandKuerzel(const CVRMString& ort) {
    CVRMStringArray namen, kuerzel;
    std::vector<uint32_t> nummern;
    getKlimaLaender(namen, nummern, kuerzel);
    const int index = IGlobal::getLandVonOrt(ort, kuerzel);
    return index < 0 ? kSonst : kuerzel[index];
}
