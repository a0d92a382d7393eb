#pragma once
// The application's own commands (master data, locations, utility dialogs, options, the
// calculators without a project): each command id with what it does and the rule that
// enables it. The main frame routes a command here when neither the active project nor
// the frame itself answers it; a command nobody registered stays greyed.
#include <functional>
#include <map>

#include "platform/ui/Commands.h"

class CKelvoAppBefehle : public ui::CommandTarget {
  public:
    struct Befehl {
        std::function<void()> ausfuehren;
        // Enabled when empty.
        std::function<bool()> aktiv;
        // What the menu item shows besides its enabling (text, visibility); may be empty.
        std::function<void(ui::CommandState&)> zeige{};
    };

    // A later entry for the same id replaces the earlier one.
    void Setze(int id, Befehl befehl);
    bool Hat(int id) const { return m_befehle.count(id) != 0; }

    bool onCommand(int id) override;
    bool onUpdateCommand(int id, ui::CommandState& state) override;

  private:
    std::map<int, Befehl> m_befehle;
};

// Fills the table with every command of the application: the shell's and the document's
// groups, each declared beside what it opens, then the windows' own through the program's
// registration (FensterFabrik().befehle).
void RegistriereAppBefehle(CKelvoAppBefehle& befehle);
