// Direct access of the value store: location values and a few record values, read and
// written at a place fixed per data id, outside the cache.
#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenProvider.h"

namespace {

// Where a data id lives for the direct access.
struct Ort {
    const char16_t* section;  // nullptr: the record named by the caller
    const char16_t* suffix;   // with a section: key = name + suffix; nullptr: the id's key
    bool schreibbar;
};

// Ids 482 and 483 name the sources of a combined heat source; they are read as 280 and 340
// from the record that the project's id 449 names.
constexpr uint16_t kKombiQuelle1 = 482;
constexpr uint16_t kKombiQuelle2 = 483;

bool findeOrt(uint16_t id, Ort& ort) {
    switch (id) {
        case 48:
            ort = {vrmdb::kSektionSonnendaten, u"", true};
            return true;
        case 195:
            ort = {vrmdb::kSektionKlimadaten, u"NAT", true};
            return true;
        case 207:
            ort = {vrmdb::kSektionKlimadaten, u"", true};
            return true;
        case 210:
            ort = {vrmdb::kSektionWetterdaten, u"", true};
            return true;
        case 284:
            ort = {vrmdb::kSektionBodendaten, u"", true};
            return true;
        case 662:
            ort = {vrmdb::kSektionKlimadaten, u"ANZ", true};
            return true;
        case 663:
            ort = {vrmdb::kSektionWetterdaten, u"ANZ", true};
            return true;
        case 664:
            ort = {vrmdb::kSektionBodendaten, u"ANZ", true};
            return true;
        case 665:
            ort = {vrmdb::kSektionSonnendaten, u"ANZ", true};
            return true;
        case 666:
            ort = {vrmdb::kSektionKlimadaten, u"WORT", true};
            return true;
        case 667:
            ort = {vrmdb::kSektionKlimadaten, u"BORT", true};
            return true;
        case 668:
            ort = {vrmdb::kSektionKlimadaten, u"SORT", true};
            return true;
        case 247:
        case 249:
        case 250:
            ort = {nullptr, nullptr, true};
            return true;
        case 246:
        case 248:
        case 276:
        case 280:
        case 340:
        case 447:
        case 449:
        case 513:
            ort = {nullptr, nullptr, false};
            return true;
    }
    return false;
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

CVRMwert CVRMdatenProvider::getWert(const CVRMString& name, TKelvoDatenID id) {
    if (id == kKombiQuelle1 || id == kKombiQuelle2) {
        const CVRMString kombi = getWert(name, ID_WQuelle).GetStringVal();
        return getWert(kombi, id == kKombiQuelle1 ? ID_KQuelle1 : ID_KQuelle2);
    }
    Ort ort;
    if (!findeOrt(id, ort))
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::getWert");
    CVRMString section, key;
    sectionUndKey(ort, name, id, section, key);
    std::unique_ptr<CVRMwert> wert = CVRMwertFabrik::createWert(id);
    m_db.readWert(section, key, *wert);
    return *wert;
}

void CVRMdatenProvider::saveWert(const CVRMString& name, TKelvoDatenID id, CVRMwert& wert) {
    Ort ort;
    if (!findeOrt(id, ort) || !ort.schreibbar)
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::saveWert");
    CVRMString section, key;
    sectionUndKey(ort, name, id, section, key);
    m_db.writeWert(section, key, wert, true);
    wert.change();
}

int CVRMdatenProvider::istWertVorhanden(const CVRMString& section, TKelvoDatenID id) {
    if (id != ID_QuellMediumIdx)
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::istWertVorhanden");
    constexpr int kFehlt = -2;
    return IGlobal::ReadIniInt(section, CVRMwerteListe::getKey(id), kFehlt) != kFehlt ? 1 : 0;
}
