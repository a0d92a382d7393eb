#include "app/shell/ProjektBefehle.h"

#include <QString>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/KelvoAppBefehle.h"
#include "evaluation/binding/Report.h"
#include "model/app/OptionIds.h"

namespace {
constexpr int kOeffnen = 57601, kNeu = 57600, kZuletzt = 57616, kNeueWP = 32832,
              kNeuerTarif = 32833, kWPumpen = 32834, kTarife = 32835, kHilfeSuchen = 32841,
              kReport = 32842;

// Entry i of the recent-project list: "&<i+1> <project>", opening that project. The first
// item stands (greyed) while the list is empty; the others show only with their entry.
void RegistriereZuletzt(CKelvoAppBefehle& befehle, CKelvoApp& app, std::size_t i) {
    const auto hat = [&app, i] { return i < app.GetRecentFileList().size(); };
    befehle.Setze(kZuletzt + static_cast<int>(i),
                  {[&app, i] { app.OeffneZuletzt(i); }, hat,
                   [&app, i, hat](ui::CommandState& zustand) {
                       zustand.visible = i == 0 || hat();
                       if (!hat()) return;
                       // A "&" of the name is shown, not taken as the item's key.
                       QString name = QString::fromStdU16String(app.GetRecentFileList()[i]);
                       name.replace(QLatin1Char('&'), QStringLiteral("&&"));
                       zustand.text = (QStringLiteral("&%1 ").arg(i + 1) + name).toStdU16String();
                   }});
}

}  // namespace

void RegistriereProjektBefehle(CKelvoAppBefehle& befehle) {
    CKelvoApp& app = GetKelvoAppObjekt();
    befehle.Setze(kOeffnen, {[&app] { app.OnFileOpen(); }, {}});
    befehle.Setze(kNeu, {[&app] { app.OnFileNew(); }, {}});
    for (std::size_t i = 0; i < CKelvoApp::kZuletztAnzahl; ++i) RegistriereZuletzt(befehle, app, i);
    befehle.Setze(kWPumpen, {[&app] { app.BearbeiteWPumpe(1); },
                             [&app] { return app.GetStammSeite(CKVSDatenSheetProtokoll::kWP2) != nullptr; }});
    befehle.Setze(kTarife, {[&app] { app.BearbeiteTarif(1); },
                            [&app] { return app.GetStammSeite(CKVSDatenSheetProtokoll::kTarif) != nullptr; }});
    // A new entry is the page's own new-entry path, reached through its sheet.
    befehle.Setze(kNeueWP, {[&app] {
                                if (app.ZeigeStammdaten(CKVSDatenSheetProtokoll::kWP2, 1, CVRMString()))
                                    app.GetStammSeite(CKVSDatenSheetProtokoll::kWP2)->Notify(1);
                            },
                            [&app] { return app.GetStammSeite(CKVSDatenSheetProtokoll::kWP2) != nullptr; }});
    befehle.Setze(kNeuerTarif, {[&app] {
                                    if (app.ZeigeStammdaten(CKVSDatenSheetProtokoll::kTarif, 1, CVRMString()))
                                        app.GetStammSeite(CKVSDatenSheetProtokoll::kTarif)->Notify(1);
                                },
                                [&app] { return app.GetStammSeite(CKVSDatenSheetProtokoll::kTarif) != nullptr; }});
    befehle.Setze(kHilfeSuchen, {[&app] { app.WinHelp(); }, {}});
    befehle.Setze(kReport, {[&app] {
                                // Only read: the report module does the rest, and it is never bound here.
                                CVRMString ordner, programm;
                                app.GetOptionsManager().GetStringWert(OPT_REPORT_DIR, ordner);
                                app.GetOptionsManager().GetStringWert(OPT_REPORT_APP, programm);
                            },
                            [] { return IReport::IstGeladen(); }});
}
