#pragma once
// The search for the two performance records that bracket a source temperature, shared by
// the heat pump and its capacity table.
#include <cstddef>
#include <span>

#include "core/value/VRMString.h"

class CWPLeistDaten;

// Of `anzahl` records handed to a search, `gueltig` are valid: none at all is text 3130,
// fewer than two valid ones text 3131, each with the heat pump's record name as place.
void PruefeLeistDaten(size_t anzahl, size_t gueltig, const CVRMString& name);

// Whether the user wants the source-temperature warnings (option "WarnQTemp1").
bool LeistDatenWarnungenAn();

// Over at least two valid records in stored order: the last record at or below `quellTemp`
// and the first at or above it; below all records the first two, above them the last two.
// Above `maxQuellTemp` (+ 0.1) `quellTemp` becomes `maxQuellTemp` and the answer is false:
// the caller searches again. With `warnen` a temperature outside the records is shown as
// a yes/no warning; a No switches the option off and clears `warnen`.
bool SucheLeistDaten(float& quellTemp, std::span<const CWPLeistDaten* const> gueltig,
                     unsigned maxQuellTemp, bool& warnen, const CWPLeistDaten*& unten,
                     const CWPLeistDaten*& oben);
