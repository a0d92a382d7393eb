#pragma once
// The user database keeps no records of the library: a write of a library entry into it is
// dropped by the database file without a word. With the "conf" switch the solar windows
// let a library entry be edited; before they write one into the user database they tell
// the user that it cannot be saved, instead of reporting a save that did not happen.
#include "core/value/VRMString.h"

// True (after error 3094 with the second text `bereichTextId`) when a write of the record
// `name` would be dropped.
bool MeldeVerworfeneBiboSchreibung(const CVRMString& name, unsigned bereichTextId);
