// The headless event loop, on a virtual clock. Nothing runs by itself: a test
// (or the command-line front end) turns the loop with runPending() or lets
// time pass with advance(), which runs the timers that come due in due-time
// order (ties in arming order), each at its own moment of virtual time, and
// the tasks posted meanwhile. waitWithoutUserEvents only moves the clock:
// timers that come due during it run at the next turn, never nested inside.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <unordered_map>
#include <utility>

#include "tavrel/platform/event_loop.h"
#include "tavrel/platform/headless/virtual_clock.h"

namespace tavrel::platform::headless {

class HeadlessEventLoop : public EventLoop {
  public:
    explicit HeadlessEventLoop(VirtualClock& clock) : clock_(clock) {}

    void post(std::function<void()> task) override;
    TimerId schedule(std::int64_t delayMicros, std::function<void()> callback) override;
    void cancel(TimerId id) override;
    void waitWithoutUserEvents(std::int64_t micros) override;
    void quit() override { quit_ = true; }
    bool quitRequested() const override { return quit_; }

    // One loop turn: the posted tasks, then the timers already due. Returns
    // how many ran.
    int runPending();
    // Lets virtual time pass, running what comes due on the way.
    void advance(std::int64_t micros);
    void advanceMs(std::int64_t ms) { advance(ms * 1000); }

    std::size_t postedCount() const { return posted_.size(); }
    std::size_t scheduledCount() const { return queue_.size(); }
    int waits() const { return waits_; }
    std::int64_t waitedMicros() const { return waited_; }

  private:
    int runPosted();
    bool fireNextDueBy(std::int64_t limit);

    using Key = std::pair<std::int64_t, TimerId>;  // due time, arming order
    VirtualClock& clock_;
    std::deque<std::function<void()>> posted_;
    std::map<Key, std::function<void()>> queue_;
    std::unordered_map<TimerId, Key> index_;
    TimerId nextId_ = 1;
    bool quit_ = false;
    int waits_ = 0;
    std::int64_t waited_ = 0;
};

}  // namespace tavrel::platform::headless
