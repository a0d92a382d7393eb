#include "controls/grid/GridMenu.h"

#include <QAction>
#include <QMenu>
#include <map>

#include "controls/grid/GridCtrl.h"
#include "core/value/VRMString.h"

namespace {

std::map<unsigned, std::vector<GridMenuItem>>& Menus() {
    static std::map<unsigned, std::vector<GridMenuItem>> menus;
    return menus;
}

std::function<int(QMenu&, QPoint)>& Tracker() {
    static std::function<int(QMenu&, QPoint)> tracker;
    return tracker;
}

int CommandOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

}  // namespace

void RegisterGridMenu(unsigned menuId, std::vector<GridMenuItem> popup) {
    Menus()[menuId] = std::move(popup);
}

void SetGridMenuTracker(std::function<int(QMenu&, QPoint)> tracker) {
    Tracker() = std::move(tracker);
}

int ShowGridContextMenu(QWidget& grid, unsigned menuId, QPoint screenPoint) {
    const auto found = Menus().find(menuId);
    if (found == Menus().end()) return 0;
    QMenu popup(&grid);
    for (const GridMenuItem& item : found->second) {
        if (item.commandId == 0) {
            popup.addSeparator();
            continue;
        }
        QString text = QString::fromStdU16String(item.text);
        for (int i = 0; i < 4; ++i)
            if (item.commandId == CGridCtrl::kMenuItemIds[i])
                text = QString::fromStdU16String(CVRMString(CGridCtrl::kMenuTextIds[i], nullptr));
        popup.addAction(text)->setData(item.commandId);
    }
    if (Tracker()) return Tracker()(popup, screenPoint);
    return CommandOf(popup.exec(screenPoint));
}
