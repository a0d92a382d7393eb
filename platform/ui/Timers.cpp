#include "platform/ui/Timers.h"

#include <QTimer>
#include <algorithm>
#include <chrono>

#include "platform/ui/Window.h"

namespace ui {
namespace {

TimerClock*& installed() {
    static TimerClock* clock = nullptr;
    return clock;
}

unsigned clamped(unsigned ms) { return std::max(ms, TimerClock::kMinimumMs); }

std::int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TimerClock& TimerClock::current() {
    if (installed()) return *installed();
    static QtTimerClock qtClock;
    return qtClock;
}

TimerClock* TimerClock::install(TimerClock* clock) { return std::exchange(installed(), clock); }

// ---- Qt clock --------------------------------------------------------------------------

QtTimerClock::QtTimerClock() : startedAt_(steadyMs()) {}
QtTimerClock::~QtTimerClock() = default;

void QtTimerClock::start(Window& w, unsigned id, unsigned ms) {
    auto& slot = timers_[{&w, id}];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        QObject::connect(slot.get(), &QTimer::timeout, w.widget(), [&w, id] { w.deliverTimer(id); });
    }
    slot->start(static_cast<int>(clamped(ms)));
}

void QtTimerClock::stop(Window& w, unsigned id) {
    auto it = timers_.find({&w, id});
    if (it == timers_.end()) return;
    it->second->stop();
    // The timer may be the sender of the expiry that is running now.
    it->second.release()->deleteLater();
    timers_.erase(it);
}

void QtTimerClock::stopAll(Window& w) {
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->first.first == &w) {
            it->second->stop();
            it->second.release()->deleteLater();
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

bool QtTimerClock::running(const Window& w, unsigned id) const {
    return timers_.count({&w, id}) != 0;
}

std::uint64_t QtTimerClock::now() const {
    return static_cast<std::uint64_t>(steadyMs() - startedAt_);
}

// ---- manual clock ------------------------------------------------------------------------

void ManualClock::start(Window& w, unsigned id, unsigned ms) {
    const unsigned interval = clamped(ms);
    timers_[{&w, id}] = Entry{interval, now_ + interval, order_++};
}

void ManualClock::stop(Window& w, unsigned id) { timers_.erase({&w, id}); }

void ManualClock::stopAll(Window& w) {
    std::erase_if(timers_, [&w](const auto& kv) { return kv.first.first == &w; });
}

bool ManualClock::running(const Window& w, unsigned id) const {
    return timers_.count({const_cast<Window*>(&w), id}) != 0;
}

void ManualClock::advance(unsigned ms) {
    const std::uint64_t target = now_ + ms;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > target) continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == timers_.end()) break;
        now_ = next->second.due;
        next->second.due += next->second.interval;
        Window* w = next->first.first;
        const unsigned id = next->first.second;
        w->deliverTimer(id);  // may start, stop or destroy timers and windows
    }
    now_ = target;
}

void ManualClock::reset() {
    timers_.clear();
    now_ = 0;
    order_ = 0;
}

}  // namespace ui
