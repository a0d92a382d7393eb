#pragma once
// The user database keeps no records of the library and refuses a write that would create
// one. With the "conf" switch the windows let a library entry be edited; before they write
// one that the active database cannot keep they tell the user that it cannot be saved,
// instead of reporting a save that did not happen.
#include "core/value/VRMString.h"

// True (after the one box 4328 that names the record `name` of the data `bereichTextId`)
// when a write of the record would be dropped.
bool MeldeVerworfeneBiboSchreibung(const CVRMString& name, unsigned bereichTextId);
