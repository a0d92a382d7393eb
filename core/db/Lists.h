#pragma once
// The numbered lists of the databases. For each kind of record a list section names the
// records; each record's values live in a section named after the record. Including this
// header gives all free functions of the core library's database layer.
#include <cstdint>

#include "core/db/Interpolation.h"
#include "core/db/TextCompare.h"
#include "core/db/TextIds.h"
#include "core/db/VersionText.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

enum TKelvoListID : int {
    LISTE_PROJEKTE = 0,
    LISTE_HAEUSER = 1,
    LISTE_KLIMAORTE = 2,
    LISTE_TARIFE = 3,
    LISTE_WPUMPEN = 4,
    LISTE_UMHUELLUNGEN_ABS = 5,
    LISTE_MATERIALIEN_ABS = 6,
    LISTE_FROSTSCHUTZMITTEL = 7,
    LISTE_BODENORTE = 8,
    LISTE_WQUELLEN = 9,
    LISTE_BODENARTEN = 10,
    LISTE_WETTERORTE = 11,
    LISTE_SOLARANLAGEN = 12,
    LISTE_SOLARKOLLEKTOREN = 13,
    LISTE_SONNENORTE = 14,
    LISTE_KUEHLANLAGEN = 15,
    LISTE_ABLUFTANLAGEN = 16,
    LISTE_LAENDER = 17
};

// The list section, the key prefix of its numbered entries and the key under which other
// records name an entry. Another id reports 3162 with the place "GetSectionAndKeys".
void GetSectionAndKeys(TKelvoListID list, CVRMString& section, CVRMString& listKey,
                       CVRMString& useKey);

// True for the lists whose entries the library database keeps as bare values
// (0, 2 to 8, 10, 11, 14 and 17).
bool IstWerteListe(TKelvoListID list);

// Removes from `entries` every entry that is not in `filter`, keeping the order. Country
// entries (list 17) are matched by their leading number, others by name without case.
void FilterListe(TKelvoListID list, CVRMStringArray& entries, const CVRMStringArray& filter);

// Splits a country entry "number#middle#last" at the first and last "#". Without "#"
// nothing is set; with one "#" only the number.
void ZerlegeLandEintrag(const CVRMString& entry, uint32_t& number, CVRMString& middle,
                        CVRMString& last);

// True when the name marks a library entry: the lower-cased name contains the lower-cased
// language text 3621 or equals the lower-cased language text 3552.
bool IstBiboName(const CVRMString& name);
