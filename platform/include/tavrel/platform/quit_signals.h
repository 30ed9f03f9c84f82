// SIGTERM and SIGINT (a logout, kill, Ctrl+C in the terminal) as a quit
// request. The signal handler does nothing but write one byte to a pipe,
// which is safe in a handler; the event loop watches the pipe's read end
// (fd(), for a backend's socket notifier, or poll() at a loop turn) and the
// quit itself runs on the event thread like any other event.
#pragma once

#include <optional>

#include "tavrel/platform/event_loop.h"

namespace tavrel::platform {

class Application;

class QuitSignals {
  public:
    // Installs the handlers; only one instance may exist at a time, since
    // signal dispositions belong to the whole process.
    QuitSignals();
    // Restores the handlers that were there before.
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // The pipe's read end, non-blocking; readable once a signal arrived.
    int fd() const { return readFd_; }
    // Empties the pipe; true when a signal arrived since the last call.
    bool takeRequest();
    // At a loop turn: a pending request becomes the application's quit.
    // Returns whether it quit.
    bool poll(Application& app);
    // Polls on the application's event loop every 100 ms until it quits; a
    // backend with a socket notifier may watch fd() instead.
    void watch(Application& app);

  private:
    void pollLater(Application& app);

    int readFd_ = -1;
    int writeFd_ = -1;
    std::optional<TimerId> scheduled_;
    EventLoop* loop_ = nullptr;
};

}  // namespace tavrel::platform
