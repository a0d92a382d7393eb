#include "controls/grid/GridMenu.h"

#include <QAction>
#include <QMenu>

#include "controls/grid/GridCtrl.h"
#include "core/value/VRMString.h"
#include "platform/ui/Menu.h"

int ShowGridContextMenu(QWidget& grid, unsigned menuId, QPoint screenPoint) {
    std::unique_ptr<QMenu> popup = ui::buildPopup(static_cast<int>(menuId), 0);
    if (!popup) return 0;
    for (int i = 0; i < 4; ++i) {
        if (QAction* action = ui::findAction(popup.get(), CGridCtrl::kMenuItemIds[i]))
            action->setText(QString::fromStdU16String(CVRMString(CGridCtrl::kMenuTextIds[i], nullptr)));
    }
    (void)grid;
    return ui::trackPopup(*popup, ui::fromQPoint(screenPoint));
}
