#pragma once
// Name comparison without case for database sections, keys, list entries and filters.
// Only A-Z and Ä, Ö, Ü fold; every other character compares as it is, so the result
// never depends on the process locale.
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

// Lower-cases A-Z and Ä, Ö, Ü in place.
void MakeStringLower(CVRMString& text);
// 1 when a is greater, -1 when smaller, 0 when equal, by UTF-16 code units after folding.
int KVScompareNoCase(const CVRMString& a, const CVRMString& b);
// 1 when some element equals `name` by KVScompareNoCase, else 0.
int NameEnthalten(const CVRMStringArray& list, const CVRMString& name);
// The value 0-9 of the first decimal digit of the text; -1 when there is none.
int ErsteZiffer(const CVRMString& text);
