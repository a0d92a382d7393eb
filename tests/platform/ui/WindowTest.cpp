#include "platform/ui/Window.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "platform/ui/Commands.h"
#include "tests/support/ui/UiTest.h"

namespace {

using namespace ui;

struct CellInfo {
    int row, column;
};

// A window that records what reaches it and throws where a test asks it to.
class Probe : public WindowOf<QWidget> {
  public:
    using WindowOf<QWidget>::WindowOf;
    std::vector<std::pair<unsigned, std::uint64_t>> timers;
    std::vector<Notification> notes;
    std::vector<std::tuple<int, int, Window*>> commands;
    int paints = 0, clicks = 0;
    bool throwInPaint = false, throwInMouse = false, throwInTimer = false, throwInCommand = false;
    long answer = 0;

    void onPaint(DrawContext& dc) override {
        ++paints;
        if (throwInPaint) throw std::runtime_error("paint");
        dc.fillRect(clientRect(), rgb(0, 128, 0));
    }
    bool onMouse(MouseKind k, Point, KeyMods, int) override {
        if (k != MouseKind::LeftDown) return false;
        ++clicks;
        if (throwInMouse) throw std::runtime_error("mouse");
        return true;
    }
    void onTimer(unsigned id) override {
        timers.emplace_back(id, uitest::clock().now());
        if (throwInTimer) throw std::runtime_error("timer");
    }
    long onNotify(const Notification& n) override {
        notes.push_back(n);
        return answer;
    }
    bool onCommand(int id, int code, Window* from) override {
        commands.emplace_back(id, code, from);
        if (throwInCommand) throw std::runtime_error("command");
        return true;
    }
};

using TimerLog = std::vector<std::pair<unsigned, std::uint64_t>>;

class WindowTimers : public uitest::Fixture {};

TEST_F(WindowTimers, FireInTimeOrderAndTheSameIdReplaces) {
    Probe w;
    w.setTimer(1, 100);
    w.setTimer(2, 30);
    uitest::clock().advance(100);
    EXPECT_EQ(w.timers, (TimerLog{{2, 30}, {2, 60}, {2, 90}, {1, 100}}));

    w.timers.clear();
    w.killTimer(2);
    uitest::clock().advance(50);  // now 150
    w.setTimer(1, 100);           // restarts: next expiry at 250, not 200
    uitest::clock().advance(120);
    EXPECT_EQ(w.timers, (TimerLog{{1, 250}}));
    EXPECT_TRUE(w.timerRunning(1));
    EXPECT_FALSE(w.timerRunning(2));
}

TEST_F(WindowTimers, IdsBelongToTheirWindowAndEndWithIt) {
    Probe a;
    auto b = std::make_unique<Probe>();
    a.setTimer(1, 500);
    b->setTimer(1, 250);
    uitest::clock().advance(500);
    EXPECT_EQ(a.timers, (TimerLog{{1, 500}}));
    EXPECT_EQ(b->timers, (TimerLog{{1, 250}, {1, 500}}));
    b.reset();
    EXPECT_EQ(uitest::clock().timerCount(), 1u);
    uitest::clock().advance(500);
    EXPECT_EQ(a.timers.size(), 2u);
}

TEST_F(WindowTimers, AHandlerMayKillItsOwnTimerAndShortIntervalsRunAtTenMs) {
    class OneShot : public Probe {
        void onTimer(unsigned id) override {
            Probe::onTimer(id);
            killTimer(id);
        }
    } w;
    w.setTimer(7, 0);
    uitest::clock().advance(100);
    EXPECT_EQ(w.timers, (TimerLog{{7, 10}}));
}

class ExceptionBarrier : public uitest::Fixture {};

TEST_F(ExceptionBarrier, ReportsOnceAndTheWindowGoesOn) {
    Probe w;
    w.resize(40, 30);
    w.show();

    w.throwInMouse = true;
    uitest::click(w, {5, 5});
    w.throwInMouse = false;
    uitest::click(w, {5, 5});
    EXPECT_EQ(w.clicks, 2);

    w.throwInTimer = true;
    w.setTimer(3, 100);
    uitest::clock().advance(100);
    w.throwInTimer = false;
    uitest::clock().advance(100);
    EXPECT_EQ(w.timers.size(), 2u);

    w.throwInCommand = true;
    postCommand(w, 42);
    uitest::processEvents();

    const auto errors = uitest::takeWindowErrors();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0].message, Msg::LButtonDown);
    EXPECT_EQ(errors[1].message, Msg::Timer);
    EXPECT_EQ(errors[2].message, Msg::Command);
    EXPECT_EQ(static_cast<unsigned>(errors[2].message), 273u);
}

// A widget that paints itself the Qt way, outside the hooks: the application's barrier.
class QtPainted : public QWidget {
  public:
    int paints = 0;
    void paintEvent(QPaintEvent*) override {
        ++paints;
        throw std::runtime_error("qt paint");
    }
};

// A paint that fails would fail again on every repaint, each time with a report (a box
// storm): it is reported once and the window is not painted again. Its other handlers go
// on working.
TEST_F(ExceptionBarrier, APaintErrorIsReportedOnceAndTheWindowNoLongerPainted) {
    Probe w;
    w.resize(40, 30);
    w.show();
    w.throwInPaint = true;
    QtPainted q;
    q.resize(40, 30);
    q.show();
    for (int i = 0; i < 3; ++i) {
        w.repaint();
        w.grab();
        q.repaint();
        q.grab();
        uitest::processEvents();
    }
    EXPECT_EQ(w.paints, 1);
    EXPECT_EQ(q.paints, 1);
    const auto errors = uitest::takeWindowErrors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].message, Msg::Paint);
    EXPECT_EQ(errors[0].what, "paint");
    EXPECT_EQ(errors[1].message, Msg::Paint);
    EXPECT_EQ(errors[1].what, "qt paint");
    uitest::click(w, {5, 5});
    EXPECT_EQ(w.clicks, 1);
}

// A window whose creation fails is not shown, and says so once.
TEST_F(ExceptionBarrier, AFailedCreationLeavesTheWindowHidden) {
    class Failing : public Probe {
        void onAttached() override { throw std::runtime_error("create"); }
    } w;
    w.resize(40, 30);
    w.show();
    uitest::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.paints, 0);
    const auto errors = uitest::takeWindowErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].message, Msg::Create);
    EXPECT_EQ(errors[0].what, "create");
}

class Routing : public uitest::Fixture {};

TEST_F(Routing, NotificationsReachTheOwnerWithItsAnswer) {
    Probe parent;
    Probe other;
    auto* ctrl = new Probe(&parent);
    ctrl->setControlId(1000);
    parent.answer = 7;

    EXPECT_EQ(ctrl->notifyOwner(-100, CellInfo{2, 3}), 7);
    ASSERT_EQ(parent.notes.size(), 1u);
    const Notification& n = parent.notes[0];
    EXPECT_EQ(n.from, ctrl);
    EXPECT_EQ(n.id, 1000);
    EXPECT_EQ(n.code, -100);
    const auto* cell = std::any_cast<CellInfo>(&n.payload);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->column, 3);
    EXPECT_EQ(child(&parent, 1000), ctrl);

    ctrl->setOwner(&other);  // an explicit owner wins over the parent
    ctrl->notifyOwner(-101);
    EXPECT_EQ(other.notes.size(), 1u);
    EXPECT_EQ(parent.notes.size(), 1u);

    Probe orphan;
    EXPECT_EQ(orphan.notifyOwner(5), 0);
}

TEST_F(Routing, PostedCommandsArriveAfterTheHandlerAndNeverAfterTheTarget) {
    Probe target;
    auto sender = std::make_unique<Probe>();
    postCommand(target, 42, 1, sender.get());
    EXPECT_TRUE(target.commands.empty());  // not before the current handler returns
    uitest::processEvents();
    ASSERT_EQ(target.commands.size(), 1u);
    EXPECT_EQ(target.commands[0], std::make_tuple(42, 1, static_cast<Window*>(sender.get())));

    postCommand(target, 43, 0, sender.get());
    sender.reset();  // the sender goes first: the command comes from nobody
    uitest::processEvents();
    ASSERT_EQ(target.commands.size(), 2u);
    EXPECT_EQ(std::get<2>(target.commands[1]), nullptr);

    auto gone = std::make_unique<Probe>();
    postCommand(*gone, 44);
    gone.reset();
    uitest::processEvents();  // dropped, no crash
}

TEST_F(Routing, CommandRouterAsksTheChainInOrder) {
    struct Target : CommandTarget {
        int id;
        int runs = 0;
        explicit Target(int i) : id(i) {}
        bool onCommand(int c) override { return c == id && ++runs; }
        bool onUpdateCommand(int c, CommandState& s) override {
            if (c != id) return false;
            s.checked = true;
            return true;
        }
    } view(1), frame(2);
    CommandRouter router;
    router.setChain([&] { return std::vector<CommandTarget*>{&view, &frame}; });
    EXPECT_TRUE(router.execute(2));
    EXPECT_FALSE(router.execute(3));
    EXPECT_EQ(frame.runs, 1);

    QMenu menu;
    QAction* handled = menu.addAction(QStringLiteral("Two"));
    QAction* orphan = menu.addAction(QStringLiteral("Three"));
    setCommandId(handled, 2);
    setCommandId(orphan, 3);
    router.updateActions(menu.actions());
    EXPECT_TRUE(handled->isEnabled());
    EXPECT_TRUE(handled->isChecked());
    EXPECT_FALSE(orphan->isEnabled());

    router.connect(handled);
    handled->trigger();
    EXPECT_EQ(frame.runs, 2);
}

}  // namespace
