#include "app/shell/PropertyManager.h"

#include "model/errors/Fehler.h"
#include "platform/ui/Window.h"

void CPropertyGroup::Anwenden(QWidget* dialog) const {
    if (!dialog) ThrowFehler(0, nullptr, 0);
    const bool zeigen = m_zeigen == kZeigen;
    for (uint16_t id : m_ids) ui::showChild(dialog, id, zeigen);
    for (uint16_t id : m_gegenIds) ui::showChild(dialog, id, !zeigen);
}

void CPropertyManager::AddGruppe(uint16_t id, std::unique_ptr<CPropertyGroup> gruppe) {
    m_gruppen[id] = std::move(gruppe);
}

void CPropertyManager::ZeigeAlleGruppen(int zeigen) {
    for (auto& [id, gruppe] : m_gruppen)
        gruppe->m_zeigen = zeigen > 0 ? CPropertyGroup::kZeigen : CPropertyGroup::kVerbergen;
}

int CPropertyManager::ZeigeGruppe(uint16_t id, QWidget* dialog) {
    const auto it = m_gruppen.find(id);
    if (it == m_gruppen.end()) return 0;
    if (!it->second) ThrowFehler(0, nullptr, 0);
    it->second->Anwenden(dialog);
    return 1;
}
