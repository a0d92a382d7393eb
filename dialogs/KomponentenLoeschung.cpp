#include "dialogs/KomponentenLoeschung.h"

#include <algorithm>
#include <iterator>

#include "core/db/Global.h"
#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenId.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwerteListe.h"
#include "model/errors/Fehler.h"

namespace {

// The records a project makes for itself carry its name and one of these endings.
constexpr char16_t kHausEndung[] = u"_HausX";
constexpr char16_t kQuellenEndung[] = u"_WQX";
constexpr char16_t kSolarEndung[] = u"_Solar";
constexpr char16_t kKuehlEndung[] = u"_Kuehl";

// The keys under which records name an entry of a list, beside the list's own use key.
struct SWeitereVerweise {
    TKelvoListID liste;
    TKelvoDatenID ids[4];
};
constexpr SWeitereVerweise kWeitereVerweise[] = {
    {LISTE_BODENORTE, {ID_WQuelleOrt}},
    {LISTE_WQUELLEN, {ID_KQuelle1, ID_KQuelle2}},
    {LISTE_BODENARTEN, {ID_Boden1, ID_Boden2, ID_Boden3, ID_Boden4}},
    {LISTE_WETTERORTE, {ID_Wetterort}},
    {LISTE_SONNENORTE, {ID_Sonnenort}},
};

// The locations keep their values under their name (and name + suffix) in a section of
// their kind.
struct SOrtsListe {
    TKelvoListID liste;
    const char16_t* section;
};
constexpr SOrtsListe kOrtsListen[] = {
    {LISTE_KLIMAORTE, vrmdb::kSektionKlimadaten},
    {LISTE_BODENORTE, vrmdb::kSektionBodendaten},
    {LISTE_WETTERORTE, vrmdb::kSektionWetterdaten},
    {LISTE_SONNENORTE, vrmdb::kSektionSonnendaten},
};
constexpr const char16_t* kOrtsSuffixe[] = {u"", u"NAT", u"ANZ", u"WORT", u"BORT", u"SORT"};

bool IstUnterstuetzt(TKelvoListID liste) {
    return (liste >= LISTE_PROJEKTE && liste <= LISTE_WPUMPEN) ||
           (liste >= LISTE_MATERIALIEN_ABS && liste <= LISTE_WETTERORTE) ||
           liste == LISTE_SONNENORTE;
}

bool Enthaelt(const CVRMString& name, const char16_t* teil) {
    return name.find(teil) != CVRMString::npos;
}

const char16_t* OrtsSection(TKelvoListID liste) {
    const auto it = std::ranges::find(kOrtsListen, liste, &SOrtsListe::liste);
    return it == std::end(kOrtsListen) ? nullptr : it->section;
}

CVRMString UseKey(TKelvoListID liste) {
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(liste, section, listKey, useKey);
    return useKey;
}

CVRMString ListSection(TKelvoListID liste) {
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(liste, section, listKey, useKey);
    return section;
}

// The record as the user knows it: the finder answers lower-cased names, and a project's
// own records stand for their project.
CVRMString Anzeigename(CVRMString wo) {
    CVRMString klein = wo;
    MakeStringLower(klein);
    for (const char16_t* endung : {kHausEndung, kQuellenEndung}) {
        CVRMString e(endung);
        MakeStringLower(e);
        if (const auto pos = klein.find(e); pos != CVRMString::npos) wo = wo.substr(0, pos);
    }
    for (int id = LISTE_PROJEKTE; id < LISTE_LAENDER; ++id) {
        CVRMStringArray namen;
        IGlobal::GetStringListe(static_cast<TKelvoListID>(id), namen, 1);
        const auto it = std::ranges::find_if(
            namen, [&wo](const CVRMString& n) { return KVScompareNoCase(n, wo) == 0; });
        if (it != namen.end()) return *it;
    }
    return wo;
}

// A record that is gone from the database, also gone from the value store's cache.
void LoescheRecord(const CVRMString& section) {
    IGlobal::DeleteSection(section, 0);
    CVRMdatenProvider::get().forget(section);
}

void LoescheEintrag(TKelvoListID liste, const CVRMString& name) {
    IGlobal::DeleteValueInSection(ListSection(liste), name, 0);
    if (const char16_t* section = OrtsSection(liste)) {
        // A location has no section of its own: a section of its name (names compare
        // without case) belongs to some other record and stays.
        for (const char16_t* suffix : kOrtsSuffixe)
            IGlobal::DeleteKeyInSection(CVRMString(section), name + suffix, 0);
        return;
    }
    LoescheRecord(name);
}

CVRMString Verweis(const CVRMString& projekt, TKelvoDatenID id) {
    CVRMString wert;
    IGlobal::ReadIniString(projekt, CVRMwerteListe::getKey(id), wert, CVRMString());
    return wert;
}

// The records the project made for itself go with it; what it merely links stays.
void LoescheEigeneRecords(const CVRMString& projekt) {
    const struct {
        TKelvoDatenID id;
        TKelvoListID liste;
        const char16_t* endung;
    } eigene[] = {
        {ID_Haus, LISTE_HAEUSER, kHausEndung},
        {ID_WQuelle, LISTE_WQUELLEN, kQuellenEndung},
        {ID_Solar, LISTE_SOLARANLAGEN, kSolarEndung},
        {ID_Kuehl, LISTE_KUEHLANLAGEN, kKuehlEndung},
    };
    for (const auto& e : eigene) {
        const CVRMString name = Verweis(projekt, e.id);
        if (name.empty() || name != projekt + e.endung) continue;
        // The sources of a combined heat source are records of their own.
        if (e.id == ID_WQuelle) {
            for (TKelvoDatenID quelle : {ID_KQuelle1, ID_KQuelle2}) {
                const CVRMString teil = Verweis(name, quelle);
                if (!teil.empty() && teil.starts_with(name)) LoescheRecord(teil);
            }
        }
        IGlobal::DeleteValueInSection(ListSection(e.liste), name, 0);
        LoescheRecord(name);
    }
}

}  // namespace

CVRMStringArray CKomponentenLoeschung::Eintraege(TKelvoListID liste) {
    if (!IstUnterstuetzt(liste))
        ThrowFehler(textid::kFalscheKonstante, u"CDelKompDlg::ErstelleKompTreeGruppe");
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, liste, false, nullptr, true);
    const char16_t* ohne = liste == LISTE_HAEUSER    ? kHausEndung
                           : liste == LISTE_WQUELLEN ? kQuellenEndung
                                                     : nullptr;
    if (ohne) std::erase_if(namen, [ohne](const CVRMString& name) { return Enthaelt(name, ohne); });
    return namen;
}

CVRMString CKomponentenLoeschung::VerwendetIn(TKelvoListID liste, const CVRMString& name) {
    struct SAnfrage {
        CVRMString key;
        int modus;  // 1: keys that end with the key (the location links of a climate location)
    };
    std::vector<SAnfrage> anfragen;
    const CVRMString useKey = UseKey(liste);
    anfragen.push_back({useKey, OrtsSection(liste) && liste != LISTE_KLIMAORTE ? 1 : 0});
    for (const SWeitereVerweise& w : kWeitereVerweise) {
        if (w.liste != liste) continue;
        for (TKelvoDatenID id : w.ids)
            if (id != 0) anfragen.push_back({CVRMwerteListe::getKey(id), 0});
    }
    for (const SAnfrage& a : anfragen) {
        // Lists that no record links (projects, plants) have no use key, or one nobody has.
        if (a.key.empty()) continue;
        CVRMString gesucht = name, wo;
        if (IGlobal::ValueIsUsed(a.key, gesucht, wo, a.modus)) return Anzeigename(wo);
    }
    return CVRMString();
}

void CKomponentenLoeschung::Loesche(TKelvoListID liste, const CVRMString& name) {
    if (!IstUnterstuetzt(liste))
        ThrowFehler(textid::kFalscheKonstante, u"CKomponentenLoeschung::Loesche");
    if (liste == LISTE_PROJEKTE) LoescheEigeneRecords(name);
    LoescheEintrag(liste, name);
    IGlobal::WriteIniValues();
}
