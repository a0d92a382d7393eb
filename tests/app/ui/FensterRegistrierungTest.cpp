// The window test programs start the application, its documents and windows as the program
// does: with every dialog and page registered with app/ by the program's own registration,
// before any test runs.
#include <gtest/gtest.h>

#include "app/main/FensterRegistrierung.h"
#include "app/shell/FensterFabrik.h"

namespace {
const bool kRegistriert = (RegistriereFenster(), true);
}  // namespace

TEST(FensterRegistrierung, FuelltJedenMacherDerAnwendungUndDesDokuments) {
    ASSERT_TRUE(kRegistriert);
    const SFensterFabrik& f = FensterFabrik();
    EXPECT_TRUE(f.projektAnsicht && f.projektWahl && f.namensDialog && f.fortschritt && f.warten &&
                f.auswertung && f.auslegungTest && f.kostenVergleich && f.befehle);
}
