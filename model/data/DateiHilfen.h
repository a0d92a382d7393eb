#pragma once
// File and folder helpers of the model: report picture names, file names from paths,
// file versions, and the language of a resource module.
#include "core/value/VRMString.h"

// From the report's base path: the picture's name (base name + the chart's suffix) and its
// full path in the same folder; both empty for an empty path.
void GetBildDateiName(const CVRMString& pfad, unsigned chartId, CVRMString& vollerName,
                      CVRMString& dateiName);

bool DateiExistiert(const CVRMString& pfad);
// Keeps, in place, the part after the last path separator.
void GetDateiNameAusPfad(CVRMString& pfad);
// "%i.%i.%i.%i" of the file's version stamp.
void GetDateiVersion(CVRMString& version, const CVRMString& datei);
// The language id of a resource module by the last three letters of its title ("eng"
// 1033, ...), taken from the first file of the folder, by name, that matches the pattern
// ("*" any run of characters, "?" one; without case); 0 when none matches or the code is
// unknown.
int GetSpracheVonResDatei(const CVRMString& ordner, const CVRMString& muster);
