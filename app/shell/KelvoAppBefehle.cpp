#include "app/shell/KelvoAppBefehle.h"

#include "app/doc/ErgebnisBefehle.h"
#include "app/doc/ProjektAblaufBefehle.h"
#include "app/doc/KostenBefehle.h"
#include "app/doc/ErgebnisGrafikBefehle.h"
#include "app/shell/ProjektBefehle.h"
#include "dialogs/StandortBefehle.h"
#include "app/options/OptionenBefehle.h"
#include "dialogs/HilfsDialogBefehle.h"
#include "pages/ProjektSeiten.h"
#include "pages/SolarPage.h"
#include "pages/WPSeiten.h"
#include "pages/TarifWawaSeiten.h"
#include "pages/WQ1Page.h"
#include "dialogs/VDI4650Befehle.h"

void CKelvoAppBefehle::Setze(int id, Befehl befehl) { m_befehle[id] = std::move(befehl); }

bool CKelvoAppBefehle::onCommand(int id) {
    const auto it = m_befehle.find(id);
    if (it == m_befehle.end()) return false;
    if (it->second.aktiv && !it->second.aktiv()) return true;
    it->second.ausfuehren();
    return true;
}

bool CKelvoAppBefehle::onUpdateCommand(int id, ui::CommandState& state) {
    const auto it = m_befehle.find(id);
    if (it == m_befehle.end()) return false;
    state.enabled = !it->second.aktiv || it->second.aktiv();
    return true;
}

void RegistriereAppBefehle(CKelvoAppBefehle& befehle) {
    // One line per group of windows, each in a file of its own:
    //   RegistriereXyzBefehle(befehle);
    RegistriereProjektBefehle(befehle);
    RegistriereStandortBefehle(befehle);
    RegistriereOptionenBefehle(befehle);
    RegistriereHilfsDialogBefehle(befehle);
    RegistriereErgebnisBefehle(befehle);
    // The project's data pages (project, house) for the project window's buttons.
    RegistriereProjektSeiten();
    RegistriereSolarPage();
    RegistriereQuellenSeiten();
    RegistriereVDI4650Befehle(befehle);
    RegistriereProjektAblaufBefehle(befehle);
    // The heat-pump pages of the master-data sheet.
    RegistriereWPSeiten();
    RegistriereKostenBefehle(befehle);
    RegistriereErgebnisGrafikBefehle(befehle);
    RegistriereTarifWawaSeiten();
}
