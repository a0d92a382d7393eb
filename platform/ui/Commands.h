#pragma once
// Command routing: a command id (menu item, accelerator, button of a bar) goes along a
// chain of targets (active view, its document, child frame, main frame, application)
// until one handles it. Before a menu shows and when the program goes idle, the same
// chain answers each command's state (enabled, checked, text).
//
//   struct Frame : ui::CommandTarget {
//       bool onCommand(int id) override { if (id != 57600) return false; ...; return true; }
//       bool onUpdateCommand(int id, ui::CommandState& s) override {
//           if (id != 57600) return false; s.enabled = canSave(); return true; }
//   };
//   ui::CommandRouter router;  router.setChain([&] { return std::vector<CommandTarget*>{&frame}; });
//   router.execute(57600);  router.updateActions(menu->actions());  router.idle().request();
//
// A command that no target claims in onUpdateCommand is shown disabled. Actions carry their
// command id (setCommandId); triggering one executes it through the router inside the
// exception barrier.
#include <QList>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QObject;

namespace ui {

struct CommandState {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::optional<std::u16string> text;
};

class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    virtual bool onCommand(int id) = 0;  // true: handled
    // True: this target handles the id and has set its state.
    virtual bool onUpdateCommand(int /*id*/, CommandState&) { return false; }
};

void setCommandId(QAction* action, int id);
int commandId(const QAction* action);  // 0 when none

// Runs registered handlers once after the current events are done (a zero timer), like
// the idle time in which a desktop program refreshes its bars. Requests coalesce.
class IdleUpdates {
  public:
    void add(QObject* context, std::function<void()> handler);  // dropped with its context
    void request();
    void runNow();
    bool pending() const { return pending_; }

  private:
    struct Entry {
        QPointer<QObject> context;
        std::function<void()> handler;
    };
    std::vector<Entry> handlers_;
    bool pending_ = false;
    // A request still queued when its owner is gone finds this expired.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

class CommandRouter {
  public:
    using Chain = std::function<std::vector<CommandTarget*>()>;
    void setChain(Chain chain) { chain_ = std::move(chain); }

    // Answers whether a target handled it; an exception is reported through the barrier.
    bool execute(int id);
    CommandState state(int id) const;
    // Applies the states to actions with command ids (submenus included).
    void updateActions(const QList<QAction*>& actions) const;
    // Connects an action's trigger to execute(commandId(action)).
    void connect(QAction* action);
    IdleUpdates& idle() { return idle_; }

  private:
    Chain chain_;
    IdleUpdates idle_;
};

}  // namespace ui
