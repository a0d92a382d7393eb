#pragma once
// The grid's context menu: the first popup of the menu the owner registered under the
// grid's menu id, with the language texts of its four solar destinations; the chosen
// command goes to the owner.
#include <QPoint>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace ui {
class Window;
}

// Shows the popup at the screen point; the chosen command is sent to `owner` from `grid`.
void ShowGridContextMenu(ui::Window& grid, ui::Window& owner, unsigned menuId, QPoint screenPoint);

// How a popup is tracked: the menu's own loop in the program; in tests a function that
// answers the action to choose (or nullptr). An empty function restores the menu's loop.
void SetGridMenuTracker(std::function<QAction*(QMenu&, QPoint screenPoint)> tracker);
