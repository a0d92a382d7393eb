#include "pages/ProjektSeiten.h"

#include "pages/HausPage.h"
#include "pages/ProjektPage.h"

void RegistriereProjektSeiten() {
    RegistriereProjektPage();
    RegistriereHausPage();
}
