// The event thread's scheduler. Posted tasks and due timers run at a later loop
// turn, never nested in the call that posts or arms them. Backends implement it:
// headless on a virtual clock, the desktop program on the toolkit's loop.
#pragma once

#include <cstdint>
#include <functional>

namespace tavrel::platform {

using TimerId = std::uint64_t;

class EventLoop {
  public:
    virtual ~EventLoop() = default;

    // Runs the task at the next loop turn.
    virtual void post(std::function<void()> task) = 0;

    // Runs the callback once, delayMicros from now; returns an id for cancel().
    virtual TimerId schedule(std::int64_t delayMicros, std::function<void()> callback) = 0;
    virtual void cancel(TimerId id) = 0;

    // Lets time pass without handling any user event (the visible press of a
    // button pressed from code). Timers that come due meanwhile run at the next
    // loop turn, not nested inside the wait.
    virtual void waitWithoutUserEvents(std::int64_t micros) = 0;

    virtual void quit() = 0;
    virtual bool quitRequested() const = 0;
};

}  // namespace tavrel::platform
