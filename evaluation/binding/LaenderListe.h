#pragma once
// The countries that location choices offer: the climate countries of the databases, or
// only those the country library knows.
#include <cstdint>
#include <vector>

#include "core/value/VRMStringArray.h"

// Names, numbers and codes of the countries at the same index. With `alle` every climate
// country of the databases; otherwise those whose number the country library lists, or,
// when it lists none (also when it is not bound), Germany, Switzerland and Austria.
void GetLaenderListe(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                     CVRMStringArray& kuerzel, bool alle);
