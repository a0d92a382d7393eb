#pragma once
// Groups of dialog controls shown or hidden together: a group names controls shown with
// its show command and controls shown the other way. The manager owns its groups.
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CPropertyGroup {
  public:
    static constexpr int kZeigen = 5;
    static constexpr int kVerbergen = 0;

    std::vector<uint16_t> m_ids;
    std::vector<uint16_t> m_gegenIds;
    int m_zeigen = kZeigen;

    // Shows the controls of the first list with the show command and those of the second
    // the other way; controls the dialog does not have are passed over.
    void Anwenden(QWidget* dialog) const;
};

class CPropertyManager {
  public:
    // Takes the group over.
    void AddGruppe(uint16_t id, std::unique_ptr<CPropertyGroup> gruppe);
    // Every group's show command: shown when `zeigen` is above 0, else hidden.
    void ZeigeAlleGruppen(int zeigen);
    // Applies the group to the dialog; 0 when there is no such group.
    int ZeigeGruppe(uint16_t id, QWidget* dialog);

  private:
    std::map<uint16_t, std::unique_ptr<CPropertyGroup>> m_gruppen;
};
