// The event loop on Qt's: posted tasks and model timers ride on zero-length
// and single-shot QTimers. waitWithoutUserEvents runs a nested loop that
// excludes user input, so paints, animations and Qt's own timers go on while
// a button shows pressed; the model's own tasks and timers that come due
// meanwhile are held and run at the next turn, never nested in the wait.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "tavrel/platform/event_loop.h"

class QObject;
class QTimer;

namespace tavrel::platform::qt {

class QtEventLoop : public EventLoop {
  public:
    QtEventLoop();
    ~QtEventLoop() override;

    void post(std::function<void()> task) override;
    TimerId schedule(std::int64_t delayMicros, std::function<void()> callback) override;
    void cancel(TimerId id) override;
    void waitWithoutUserEvents(std::int64_t micros) override;
    void quit() override;
    bool quitRequested() const override { return quit_; }

    // Runs Qt's loop until quit(); returns the exit code.
    int run();
    // Turns the loop until the condition holds or the time runs out (tests).
    bool runUntil(const std::function<bool()>& done, int timeoutMs);

    bool waiting() const { return waiting_ > 0; }

  private:
    void drainPosted();
    void fire(TimerId id);
    void releaseHeld();

    std::unique_ptr<QObject> context_;  // owns the QTimers; their callbacks die with it
    std::deque<std::function<void()>> posted_;
    bool drainScheduled_ = false;
    std::map<TimerId, std::pair<QTimer*, std::function<void()>>> timers_;
    std::vector<TimerId> held_;  // came due during a wait
    TimerId nextId_ = 1;
    int waiting_ = 0;
    bool quit_ = false;
};

}  // namespace tavrel::platform::qt
