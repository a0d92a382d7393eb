// A new heat pump of the user's own, started from the heat pump the pages show.
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "core/value/SpeicherVorgang.h"
#include "model/data/NeuesObjekt.h"
#include "model/heatpump/WPumpe2.h"
#include "pages/WPSeite.h"

void CWPSeite::Notify(int arg) {
    constexpr int kNeu = 1, kArtWPumpe = 1;
    if (arg != kNeu || !hasWindow() || TabelleBearbeitet() || Geladen().empty()) return;
    // Unsaved entries of the heat pump shown are settled first, on both pages: the new one
    // starts from what the database holds.
    CKVSDatenPageProtokoll* andere = GetDatenSheet().GetPageByID(m_art.andereSeite);
    if (!CancelModifiedData(0) || (andere && !andere->CancelModifiedData(0))) return;
    CVRMString name;
    {
        // The list entry and the record reach the file together, or neither does.
        CSpeicherVorgang vorgang;
        if (!AddNeuesObjekt(kArtWPumpe, name, this)) return;
        CWPumpe2::Kopiere(Geladen(), name);
        vorgang.Abschliessen();
    }
    SelectByName(name);
    // Open project windows offer it at once.
    CVRMStringArray namen{name};
    for (CKelvoDoc* dokument : GetKelvoAppObjekt().Dokumente())
        dokument->UpdateAllViews(nullptr, hinweis::kNeueWPumpe, &namen);
}
