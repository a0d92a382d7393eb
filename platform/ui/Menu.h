#pragma once
// Menus and accelerators built in code from tables keyed by the menu's resource id; texts
// are language-text ids (or literals), items carry their command ids, and triggering one
// runs it through a ui::CommandRouter. States come from the router before a menu shows.
//
//   ui::registerMenu({128, {{0, 3001, u"", {{57600, 3002}, {0, 0, u"", {}, true}, {57665, 3003}}}}});
//   QMenuBar* bar = ui::buildMenuBar(128, router, frame);     // a popup per top-level item
//   ui::installAccelerators(*frame, {{Qt::Key_S, Qt::ControlModifier, 57603}}, router);
//   QAction* save = ui::findAction(bar, 57603);  save->setText(...);
#include <QKeySequence>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/Commands.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace ui {

struct MenuItem {
    int commandId = 0;
    unsigned textId = 0;      // 0: `text`
    std::u16string text{};
    std::vector<MenuItem> popup{};  // not empty: a submenu
    bool separator = false;
};

struct MenuSpec {
    int id = 0;
    std::vector<MenuItem> items{};
};

struct Accelerator {
    int key = 0;  // Qt::Key
    Qt::KeyboardModifiers modifiers{};
    int commandId = 0;
};

void registerMenu(MenuSpec spec);
const MenuSpec* findMenu(int id);

// Builds the menu bar of a registered menu (nullptr when unknown). Each popup asks the
// router for its states before it shows.
QMenuBar* buildMenuBar(int menuId, CommandRouter& router, QWidget* parent);
// The popup at `index` of a registered menu (context menus), or nullptr.
QMenu* buildPopup(int menuId, int index, CommandRouter& router, QWidget* parent);
// The action of a command anywhere below a menu or bar (submenus included), or nullptr.
QAction* findAction(QWidget* menuOrBar, int commandId);
// Key combinations of the window that run commands through the router.
void installAccelerators(QWidget& window, std::span<const Accelerator> table, CommandRouter& router);

}  // namespace ui
