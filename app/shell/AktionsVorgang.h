#pragma once
// Every user action of the program is one write of the user database: a command, a button,
// a dialog's OK and whatever they set off (notices to other pages, shares recomputed, the
// sizing of the source) write inside one CSpeicherVorgang, which reaches the file once at
// the end of the action or, when a write fails or the action throws, is taken back. A
// dialog the action opens is a run of actions of its own while the action has changed
// nothing yet (CVorgangsPause).
//
// CKelvoApp installs it for its lifetime.
#include "platform/ui/ActionScope.h"

class CAktionsVorgang : public ui::ActionScope {
  public:
    CAktionsVorgang();
    ~CAktionsVorgang() override;
    CAktionsVorgang(const CAktionsVorgang&) = delete;
    CAktionsVorgang& operator=(const CAktionsVorgang&) = delete;

    void runAction(const std::function<void()>& action) override;
    int runModal(const std::function<int()>& loop) override;

  private:
    ui::ActionScope* m_vorher;
};
