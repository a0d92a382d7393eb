// Direct access of the value store: location values and a few record values, read and
// written at a place fixed per data id, outside the cache.
#include <algorithm>
#include <iterator>

#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"

namespace {

// Where a data id lives for the direct access.
struct Ort {
    uint16_t id;
    const char16_t* section;  // nullptr: the record named by the caller
    const char16_t* suffix;   // with a section: key = name + suffix; nullptr: the id's key
    bool schreibbar;
};

// Read and written where the table says; the ids with `schreibbar` false are read only.
constexpr Ort kOrte[] = {
    {48, vrmdb::kSektionSonnendaten, u"", true},
    {195, vrmdb::kSektionKlimadaten, u"NAT", true},
    {207, vrmdb::kSektionKlimadaten, u"", true},
    {210, vrmdb::kSektionWetterdaten, u"", true},
    {284, vrmdb::kSektionBodendaten, u"", true},
    {246, nullptr, nullptr, false},
    {248, nullptr, nullptr, false},
    {276, nullptr, nullptr, false},
    {280, nullptr, nullptr, false},
    {340, nullptr, nullptr, false},
    {447, nullptr, nullptr, false},
    {449, nullptr, nullptr, false},
    {513, nullptr, nullptr, false},
    {247, nullptr, nullptr, true},
    {249, nullptr, nullptr, true},
    {250, nullptr, nullptr, true},
    {662, vrmdb::kSektionKlimadaten, u"ANZ", true},
    {663, vrmdb::kSektionWetterdaten, u"ANZ", true},
    {664, vrmdb::kSektionBodendaten, u"ANZ", true},
    {665, vrmdb::kSektionSonnendaten, u"ANZ", true},
    {666, vrmdb::kSektionKlimadaten, u"WORT", true},
    {667, vrmdb::kSektionKlimadaten, u"BORT", true},
    {668, vrmdb::kSektionKlimadaten, u"SORT", true},
};

// Ids 482 and 483 name the sources of a combined heat source; they are read as 280 and 340
// from the record that the project's id 449 names.
constexpr uint16_t kKombiQuelle1 = 482;
constexpr uint16_t kKombiQuelle2 = 483;

const Ort* findeOrt(uint16_t id) {
    const auto it = std::ranges::find(kOrte, id, &Ort::id);
    return it == std::end(kOrte) ? nullptr : it;
}

void sectionUndKey(const Ort& ort, const CVRMString& name, TKelvoDatenID id, CVRMString& section,
                   CVRMString& key) {
    if (ort.section) {
        section = ort.section;
        key = name + ort.suffix;
    } else {
        section = name;
        key = CVRMwerteListe::getKey(id);
    }
}

}  // namespace

std::pair<CVRMString, CVRMString> CVRMdatenProvider::getStelle(const CVRMString& name,
                                                               TKelvoDatenID id) const {
    const Ort* ort = findeOrt(id);
    if (!ort) vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::getStelle");
    std::pair<CVRMString, CVRMString> stelle;
    sectionUndKey(*ort, name, id, stelle.first, stelle.second);
    return stelle;
}

CVRMwert CVRMdatenProvider::getWert(const CVRMString& name, TKelvoDatenID id) {
    if (id == kKombiQuelle1 || id == kKombiQuelle2) {
        const CVRMString kombi = getWert(name, ID_WQuelle).GetStringVal();
        return getWert(kombi, id == kKombiQuelle1 ? ID_KQuelle1 : ID_KQuelle2);
    }
    const Ort* ort = findeOrt(id);
    if (!ort) vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::getWert");
    CVRMString section, key;
    sectionUndKey(*ort, name, id, section, key);
    const uint64_t stand = IGlobal::AenderungsStand();
    if (stand != m_direktStand) {
        m_direkt.clear();
        m_direktStand = stand;
    }
    std::u16string merker = section;
    merker.append(1, u'\n').append(key).append(1, u'\n').append(1, static_cast<char16_t>(id));
    if (auto it = m_direkt.find(merker); it != m_direkt.end()) return it->second;
    std::unique_ptr<CVRMwert> wert = CVRMwertFabrik::createWert(id);
    m_db.readWert(section, key, *wert);
    PruefeGelesenenWert(section, key, id, *wert);
    m_direkt.emplace(std::move(merker), *wert);
    return *wert;
}

void CVRMdatenProvider::saveWert(const CVRMString& name, TKelvoDatenID id, CVRMwert& wert) {
    const Ort* ort = findeOrt(id);
    if (!ort || !ort->schreibbar)
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::saveWert");
    CVRMString section, key;
    sectionUndKey(*ort, name, id, section, key);
    m_db.writeWert(section, key, wert, true);
    wert.change();
}

int CVRMdatenProvider::istWertVorhanden(const CVRMString& section, TKelvoDatenID id) {
    if (id != ID_QuellMediumIdx)
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::istWertVorhanden");
    constexpr int kFehlt = -2;
    return IGlobal::ReadIniInt(section, CVRMwerteListe::getKey(id), kFehlt) != kFehlt ? 1 : 0;
}
