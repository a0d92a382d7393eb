#pragma once
// The user's own components in the user database, by kind, and their deletion: the entry
// leaves its list and its record leaves the database, written at once; an entry that a
// record of the database still links is not deleted, so that no project is left with a
// link to nothing.
#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

// One group of the delete-components dialog: its caption and its list.
struct SKompGruppe {
    unsigned textId;
    TKelvoListID liste;
};

// The groups in the order the dialog shows them.
inline constexpr SKompGruppe kKompGruppen[] = {
    {3146, LISTE_BODENARTEN},  // "Kind of soil"
    {3143, LISTE_BODENORTE},   // "Ground temperature data"
    {3144, LISTE_KLIMAORTE},   // "Climate data"
    {3334, LISTE_PROJEKTE},    // "Project"
    {3142, LISTE_TARIFE},      // "Tariff"
    {3145, LISTE_WETTERORTE},  // "Weather data"
    {3140, LISTE_WPUMPEN},     // "Heat pump"
};

class CKomponentenLoeschung {
  public:
    // The usable entries of the list in the user database, without the projects' own
    // house and heat-source records. Lists 0 to 4, 6 to 11 and 14; any other is error
    // 3162.
    static CVRMStringArray Eintraege(TKelvoListID liste);
    // The record that still links the entry, in the spelling the user knows (a project's
    // own house or heat source is named by its project); empty when none does.
    static CVRMString VerwendetIn(TKelvoListID liste, const CVRMString& name);
    // Removes the entry from its list and its record (a location: its values in the
    // location section) from the user database, and writes the database. A project takes
    // its own house, heat source, solar plant and cooling plant with it.
    static void Loesche(TKelvoListID liste, const CVRMString& name);
};
