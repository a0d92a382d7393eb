#pragma once
// The boxes of the location dialogs: the country box (item data = country number), the
// postcode-region box ("0..." to "9...", then "all") and the lists of names.
#include <QComboBox>

#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "dialogs/OrtsAuswahl.h"

namespace ortsboxen {

void FuelleLaender(QComboBox& box, const COrtsAuswahl& auswahl);
void FuellePlz(QComboBox& box);
// The names as the box shows them: sorted without case, as a sorted list box does.
void FuelleNamen(QComboBox& box, const CVRMStringArray& namen, bool sortiert);
// Selects the entry of exactly that text; none when there is none.
void WaehleText(QComboBox& box, const CVRMString& text);
// Country and region of the choice selected in their boxes.
void ZeigeAuswahl(QComboBox& land, QComboBox& plz, const COrtsAuswahl& auswahl);

}  // namespace ortsboxen
