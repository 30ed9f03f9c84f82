// The self-pipe: the handler writes one byte with write(2), the only work it
// does; everything else happens on the event thread when the pipe is read.
#include "tavrel/platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include "tavrel/platform/application.h"
#include "tavrel/platform/services.h"

namespace tavrel::platform {
namespace {

// A signal handler can reach nothing but globals; this one descriptor is the
// only state it needs, and QuitSignals owns its lifetime.
std::atomic<int> gSignalWriteFd{-1};
struct sigaction gOldTerm {};
struct sigaction gOldInt {};

extern "C" void onQuitSignal(int) {
    const int saved = errno;
    const int fd = gSignalWriteFd.load();
    if (fd >= 0) {
        const char byte = 'q';
        [[maybe_unused]] ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

void nonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

QuitSignals::QuitSignals() {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("cannot make the quit-signal pipe");
    readFd_ = fds[0];
    writeFd_ = fds[1];
    nonBlocking(readFd_);
    nonBlocking(writeFd_);
    int expected = -1;
    if (!gSignalWriteFd.compare_exchange_strong(expected, writeFd_)) {
        ::close(readFd_);
        ::close(writeFd_);
        throw std::logic_error("quit signals are already being watched");
    }
    struct sigaction sa {};
    sa.sa_handler = onQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, &gOldTerm);
    ::sigaction(SIGINT, &sa, &gOldInt);
}

QuitSignals::~QuitSignals() {
    if (scheduled_) loop_->cancel(*scheduled_);
    ::sigaction(SIGTERM, &gOldTerm, nullptr);
    ::sigaction(SIGINT, &gOldInt, nullptr);
    gSignalWriteFd.store(-1);
    ::close(readFd_);
    ::close(writeFd_);
}

bool QuitSignals::takeRequest() {
    bool any = false;
    char buf[64];
    while (::read(readFd_, buf, sizeof buf) > 0) any = true;
    return any;
}

bool QuitSignals::poll(Application& app) {
    if (!takeRequest()) return false;
    return app.quit();
}

void QuitSignals::watch(Application& app) {
    loop_ = &app.services().eventLoop();
    pollLater(app);
}

void QuitSignals::pollLater(Application& app) {
    constexpr std::int64_t kPeriodMicros = 100'000;
    scheduled_ = loop_->schedule(kPeriodMicros, [this, &app] {
        scheduled_.reset();
        if (!poll(app)) pollLater(app);
    });
}

}  // namespace tavrel::platform
