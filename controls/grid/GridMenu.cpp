#include "controls/grid/GridMenu.h"

#include <QAction>
#include <QMenu>
#include <memory>

#include "controls/grid/GridCtrl.h"
#include "core/value/VRMString.h"
#include "platform/ui/Menu.h"

namespace {

std::function<QAction*(QMenu&, QPoint)>& Tracker() {
    static std::function<QAction*(QMenu&, QPoint)> tracker;
    return tracker;
}

// The popup's commands go to the owner, as from the grid; every item is enabled.
class OwnerCommands : public ui::CommandTarget {
  public:
    OwnerCommands(ui::Window& grid, ui::Window& owner) : grid_(grid), owner_(owner) {}
    bool onCommand(int id) override { return ui::sendCommand(owner_, id, 0, &grid_); }
    bool onUpdateCommand(int, ui::CommandState& state) override {
        state.enabled = true;
        return true;
    }

  private:
    ui::Window& grid_;
    ui::Window& owner_;
};

}  // namespace

void SetGridMenuTracker(std::function<QAction*(QMenu&, QPoint)> tracker) {
    Tracker() = std::move(tracker);
}

void ShowGridContextMenu(ui::Window& grid, ui::Window& owner, unsigned menuId, QPoint screenPoint) {
    OwnerCommands target(grid, owner);
    ui::CommandRouter router;
    router.setChain([&target] { return std::vector<ui::CommandTarget*>{&target}; });
    const std::unique_ptr<QMenu> popup(ui::buildPopup(static_cast<int>(menuId), 0, router, grid.widget()));
    if (!popup) return;
    for (int i = 0; i < 4; ++i) {
        if (QAction* action = ui::findAction(popup.get(), CGridCtrl::kMenuItemIds[i]))
            action->setText(QString::fromStdU16String(CVRMString(CGridCtrl::kMenuTextIds[i], nullptr)));
    }
    if (!Tracker()) {
        popup->exec(screenPoint);
        return;
    }
    if (QAction* chosen = Tracker()(*popup, screenPoint)) chosen->trigger();
}
