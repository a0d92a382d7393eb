#include "pages/TarifWawaSeiten.h"

#include "pages/TarifPage.h"
#include "pages/WWPage.h"

void RegistriereTarifWawaSeiten() {
    RegistriereTarifPage();
    RegistriereWWPage();
}
