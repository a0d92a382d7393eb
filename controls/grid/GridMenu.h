#pragma once
// The grid's context menu: the popup the owner registered under the grid's menu id, with
// the language texts of its four solar destinations. The windowing layer has no menu
// resources yet; this is the least the grid needs of them.
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

class QMenu;
class QWidget;

struct GridMenuItem {
    int commandId = 0;  // 0: a separator
    std::u16string text;
};

// The popup of menu `menuId` (what its menu resource holds).
void RegisterGridMenu(unsigned menuId, std::vector<GridMenuItem> popup);

// Shows the popup of menu `menuId` at the screen point; answers the chosen command id, or 0
// when the menu is unknown or nothing was chosen.
int ShowGridContextMenu(QWidget& grid, unsigned menuId, QPoint screenPoint);

// How a popup is tracked: the menu's own loop in the program; tests choose from the menu
// they are shown. Answers the chosen command id or 0. An empty function restores the loop.
void SetGridMenuTracker(std::function<int(QMenu&, QPoint screenPoint)> tracker);
