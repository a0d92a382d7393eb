// The window test programs start the application, its documents and windows as the program
// does: with every dialog and page registered with app/ by the program's own registration,
// before any test runs.
#include <gtest/gtest.h>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/DimWizard.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/main/FensterRegistrierung.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/KelvoAppBefehle.h"
#include "dialogs/ErgebnisGrafikBefehle.h"
#include "dialogs/StandortBefehle.h"
#include "dialogs/VDI4650Befehle.h"

namespace {
const bool kRegistriert = (RegistriereFenster(), true);
}  // namespace

// app/ names no window: what the application's command table and the data sheet offer of
// the dialogs and pages arrives only through the program's registration, when the
// application fills its table at start.
TEST(FensterRegistrierung, DieBefehleUndSeitenDerFensterKommenMitDemBefehlsverzeichnis) {
    ASSERT_TRUE(kRegistriert);
    using P = CKVSDatenSheetProtokoll;
    const int seiten[] = {P::kHaus, P::kWW, P::kTarif, P::kWP2, P::kWQ1, P::kWQ2, P::kProjekt, P::kSolar, P::kWP1,
                          kDimSeitenArt};
    for (int kind : seiten) RegistriereDatenSeite(kind, {});

    CKelvoApp app;  // the shell's own commands act on the application object
    CKelvoAppBefehle befehle;
    RegistriereAppBefehle(befehle);

    // One command of each dialog group: locations, utility dialogs (About), calculator.
    for (int id : {kBefehlKlimaorte, kBefehlBodenarten, 57664, kBefehlVDI4650Liste, kBefehlVDI4650Frei})
        EXPECT_TRUE(befehle.Hat(id)) << id;
    for (int id : {kBefehlHausErgebnisse, kBefehlQuellErgebnisse, kBefehlEnergiedeckung, kBefehlAufwandszahl})
        EXPECT_NE(FindeDokumentBefehl(id), nullptr) << id;
    for (int kind : seiten) EXPECT_TRUE(HatDatenSeite(kind)) << kind;
}
