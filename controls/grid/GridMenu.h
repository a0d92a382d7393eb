#pragma once
// The grid's context menu: the popup of the menu resource the owner named, with the
// language texts of its four solar destinations.
#include <QPoint>

class QWidget;

// Shows the first popup of menu `menuId` at the screen point; answers the chosen command
// id, or 0 when the menu is unknown or nothing was chosen.
int ShowGridContextMenu(QWidget& grid, unsigned menuId, QPoint screenPoint);
