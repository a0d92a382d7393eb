#pragma once
// The countries the location dialogs and the options offer: the climate countries of the
// databases, kept to those the country library knows unless all are asked for.
#include <cstdint>
#include <vector>

#include "core/value/VRMStringArray.h"

// Three parallel lists (name, number, code). With `alle` every climate country of the
// databases; otherwise only those the country library lists (or, without an answer from
// it, Germany, Switzerland and Austria).
void GetLaenderListe(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                     CVRMStringArray& kuerzel, bool alle);
