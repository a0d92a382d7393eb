#include "app/shell/KelvoAppBefehle.h"

#include "app/doc/ErgebnisBefehle.h"
#include "app/doc/KostenBefehle.h"
#include "app/doc/ProjektAblaufBefehle.h"
#include "app/options/OptionenBefehle.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/ProjektBefehle.h"

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
    if (it->second.zeige) it->second.zeige(state);
    return true;
}

void RegistriereAppBefehle(CKelvoAppBefehle& befehle) {
    // One line per group of commands of the shell and the document, each in a file of its own:
    //   RegistriereXyzBefehle(befehle);
    RegistriereProjektBefehle(befehle);
    RegistriereOptionenBefehle(befehle);
    RegistriereErgebnisBefehle(befehle);
    RegistriereProjektAblaufBefehle(befehle);
    RegistriereKostenBefehle(befehle);
    // The windows' own commands and the data pages, which the program knows.
    if (const auto& fenster = FensterFabrik().befehle) fenster(befehle);
}
