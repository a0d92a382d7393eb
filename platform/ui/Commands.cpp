#include "platform/ui/Commands.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "platform/ui/ExceptionBarrier.h"

namespace ui {
namespace {
constexpr const char* kCommandProperty = "ui_commandId";
}

void setCommandId(QAction* action, int id) {
    if (action) action->setProperty(kCommandProperty, id);
}

int commandId(const QAction* action) {
    if (!action) return 0;
    const QVariant v = action->property(kCommandProperty);
    return v.isValid() ? v.toInt() : 0;
}

void IdleUpdates::add(QObject* context, std::function<void()> handler) {
    handlers_.push_back({context, std::move(handler)});
}

void IdleUpdates::request() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, [this, alive = std::weak_ptr<int>(alive_)] {
        if (!alive.expired() && pending_) runNow();
    });
}

void IdleUpdates::runNow() {
    pending_ = false;
    std::erase_if(handlers_, [](const Entry& e) { return e.context.isNull(); });
    const auto copy = handlers_;
    for (const Entry& e : copy)
        if (e.context) guarded(Msg::Command, e.handler);
}

bool CommandRouter::execute(int id) {
    bool handled = false;
    guarded(Msg::Command, [&] {
        if (!chain_) return;
        for (CommandTarget* t : chain_())
            if (t && t->onCommand(id)) {
                handled = true;
                return;
            }
    });
    idle_.request();
    return handled;
}

CommandState CommandRouter::state(int id) const {
    CommandState s;
    if (chain_)
        for (CommandTarget* t : chain_())
            if (t && t->onUpdateCommand(id, s)) return s;
    s.enabled = false;
    return s;
}

void CommandRouter::updateActions(const QList<QAction*>& actions) const {
    for (QAction* a : actions) {
        if (QMenu* sub = a->menu()) updateActions(sub->actions());
        const int id = commandId(a);
        if (id == 0) continue;
        CommandState s;
        if (!guarded(Msg::Command, [&] { s = state(id); })) continue;
        a->setEnabled(s.enabled);
        a->setVisible(s.visible);
        if (a->isCheckable() || s.checked) {
            a->setCheckable(true);
            a->setChecked(s.checked);
        }
        if (s.text) a->setText(QString::fromStdU16String(*s.text));
    }
}

void CommandRouter::connect(QAction* action) {
    QObject::connect(action, &QAction::triggered, action, [this, action] {
        execute(commandId(action));
    });
}

}  // namespace ui
