#pragma once
// A heat pump's performance records in its database section, keys "LeistDaten0" to
// "LeistDaten7": the rows come from the location-data front as text, the records are made
// and formatted here.
#include "core/value/VRMString.h"
#include "model/heatpump/WPDatenArray.h"

// Empties the array's slots and fills them with the stored records, each at the index of
// its key (the array grows as far as needed). A record without a second flow temperature
// gets 50 °C there, one without a maximum flow temperature gets `maxVorlaufTemp`. An empty
// name is error 3105; an array of more than eight slots the generic error.
void GetWPLeistDaten(const CVRMString& wpName, CWPDatenArray& daten, unsigned maxVorlaufTemp);

// Writes slot i under "LeistDaten<i>" and removes the keys of empty or missing slots; with
// `flush` the database goes to disk. An empty name or more than eight slots is the generic
// error.
void SaveWPLeistDaten(const CVRMString& wpName, const CWPDatenArray& daten, bool flush);
