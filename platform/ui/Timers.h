#pragma once
// Window timers keyed by the caller's ids, on a clock that tests can drive by hand.
//
//   window.setTimer(513, 25);      // (re)starts timer 513 of this window; the same id replaces
//   window.killTimer(513);
//   // the window's onTimer(513) runs on every expiry, inside the exception barrier
//
// Ids belong to their window: two windows may both run a timer 1. A window's timers end
// with it. The process has one clock: QtTimerClock (default) or a ManualClock installed
// before windows are created (tests: `clock.advance(500)` fires every due timer in time
// order). Intervals below 10 ms run at 10 ms, as on the desktop.
#include <cstdint>
#include <map>
#include <memory>
#include <utility>

class QTimer;

namespace ui {

class Window;

class TimerClock {
  public:
    virtual ~TimerClock() = default;
    virtual void start(Window& w, unsigned id, unsigned ms) = 0;
    virtual void stop(Window& w, unsigned id) = 0;
    virtual void stopAll(Window& w) = 0;
    virtual bool running(const Window& w, unsigned id) const = 0;
    virtual std::uint64_t now() const = 0;  // milliseconds

    static TimerClock& current();
    // Installs a clock (not owned); nullptr goes back to the Qt clock. Returns the old one.
    static TimerClock* install(TimerClock* clock);

    static constexpr unsigned kMinimumMs = 10;
};

class QtTimerClock : public TimerClock {
  public:
    QtTimerClock();
    ~QtTimerClock() override;
    void start(Window& w, unsigned id, unsigned ms) override;
    void stop(Window& w, unsigned id) override;
    void stopAll(Window& w) override;
    bool running(const Window& w, unsigned id) const override;
    std::uint64_t now() const override;

  private:
    std::map<std::pair<const Window*, unsigned>, std::unique_ptr<QTimer>> timers_;
    std::int64_t startedAt_;
};

class ManualClock : public TimerClock {
  public:
    void start(Window& w, unsigned id, unsigned ms) override;
    void stop(Window& w, unsigned id) override;
    void stopAll(Window& w) override;
    bool running(const Window& w, unsigned id) const override;
    std::uint64_t now() const override { return now_; }

    // Moves the time forward, firing each due timer at its due time, earliest first
    // (timers due at the same time in the order they were started).
    void advance(unsigned ms);
    // Forgets every timer (between tests).
    void reset();
    std::size_t timerCount() const { return timers_.size(); }

  private:
    struct Entry {
        unsigned interval;
        std::uint64_t due;
        std::uint64_t order;
    };
    std::map<std::pair<Window*, unsigned>, Entry> timers_;
    std::uint64_t now_ = 0;
    std::uint64_t order_ = 0;
};

}  // namespace ui
