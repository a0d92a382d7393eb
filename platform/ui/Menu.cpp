#include "platform/ui/Menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "platform/ui/DialogTemplate.h"

namespace ui {
namespace {

std::map<int, MenuSpec>& menus() {
    static std::map<int, MenuSpec> m;
    return m;
}

QString textOf(const MenuItem& item) {
    return QString::fromStdU16String(item.textId ? languageText(item.textId) : item.text);
}

void fill(QMenu& menu, const std::vector<MenuItem>& items, CommandRouter& router) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
        } else if (!item.popup.empty()) {
            fill(*menu.addMenu(textOf(item)), item.popup, router);
        } else {
            QAction* a = menu.addAction(textOf(item));
            setCommandId(a, item.commandId);
            router.connect(a);
        }
    }
    QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                     [&menu, &router] { router.updateActions(menu.actions()); });
}

QMenu* popupOf(const MenuItem& item, CommandRouter& router, QWidget* parent) {
    auto* menu = new QMenu(textOf(item), parent);
    fill(*menu, item.popup, router);
    return menu;
}

}  // namespace

void registerMenu(MenuSpec spec) {
    const int id = spec.id;
    menus()[id] = std::move(spec);
}

const MenuSpec* findMenu(int id) {
    auto it = menus().find(id);
    return it == menus().end() ? nullptr : &it->second;
}

QMenuBar* buildMenuBar(int menuId, CommandRouter& router, QWidget* parent) {
    const MenuSpec* spec = findMenu(menuId);
    if (!spec) return nullptr;
    auto* bar = new QMenuBar(parent);
    for (const MenuItem& item : spec->items) {
        if (item.popup.empty()) {
            QAction* a = bar->addAction(textOf(item));
            setCommandId(a, item.commandId);
            router.connect(a);
        } else {
            bar->addMenu(popupOf(item, router, bar));
        }
    }
    return bar;
}

QMenu* buildPopup(int menuId, int index, CommandRouter& router, QWidget* parent) {
    const MenuSpec* spec = findMenu(menuId);
    if (!spec || index < 0 || index >= static_cast<int>(spec->items.size())) return nullptr;
    return popupOf(spec->items[static_cast<std::size_t>(index)], router, parent);
}

QAction* findAction(QWidget* menuOrBar, int commandId) {
    if (!menuOrBar) return nullptr;
    for (QAction* a : menuOrBar->actions()) {
        if (commandId != 0 && ui::commandId(a) == commandId) return a;
        if (QMenu* sub = a->menu())
            if (QAction* found = findAction(sub, commandId)) return found;
    }
    return nullptr;
}

void installAccelerators(QWidget& window, std::span<const Accelerator> table, CommandRouter& router) {
    for (const Accelerator& acc : table) {
        auto* a = new QAction(&window);
        a->setShortcut(QKeySequence(QKeyCombination(acc.modifiers, static_cast<Qt::Key>(acc.key))));
        a->setShortcutContext(Qt::WindowShortcut);
        setCommandId(a, acc.commandId);
        router.connect(a);
        window.addAction(a);
    }
}

}  // namespace ui
