#pragma once
// Where a project report comes from and goes to: the template number by the project's heat
// sources, the standard result report's file with the template folder in front of a
// relative name, and the output folder.
#include "core/value/VRMString.h"

// The template the report starts from (report key 164): 0 for the user's own report,
// 264 with two heat sources, else by the first source's kind.
int ReportVorlage(bool userReport, int anzahlQuellen, int ersteArt);

// A name is taken as it stands when it names a drive or scheme (a colon), a network path
// (two backslashes or two slashes in a row) or an absolute path (a leading slash); any other
// name is relative to the template folder.
bool IstReportPfadAbsolut(const CVRMString& name);
CVRMString StandardReportPfad(const CVRMString& vorlagen, const CVRMString& name);

// The report folder when the report is saved or printed; otherwise the temporary folder,
// or `ersatz` when there is none or it is longer than 260 characters.
CVRMString ReportAusgabeOrdner(const CVRMString& reportOrdner, bool speichern, bool drucken,
                               const CVRMString& tempOrdner, const CVRMString& ersatz);
