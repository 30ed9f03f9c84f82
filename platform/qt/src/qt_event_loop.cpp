// Model tasks run from Qt timers owned by one context object, so destroying
// the loop cancels everything still pending.
#include "tavrel/platform/qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace tavrel::platform::qt {

QtEventLoop::QtEventLoop() : context_(std::make_unique<QObject>()) {}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::post(std::function<void()> task) {
    posted_.push_back(std::move(task));
    if (drainScheduled_) return;
    drainScheduled_ = true;
    QTimer::singleShot(0, context_.get(), [this] { drainPosted(); });
}

void QtEventLoop::drainPosted() {
    drainScheduled_ = false;
    if (waiting_ > 0) return;  // releaseHeld schedules the drain again
    // Only what was posted before this turn; later posts wait for the next.
    for (std::size_t n = posted_.size(); n > 0 && !posted_.empty(); --n) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
    if (!posted_.empty() && !drainScheduled_) {
        drainScheduled_ = true;
        QTimer::singleShot(0, context_.get(), [this] { drainPosted(); });
    }
}

TimerId QtEventLoop::schedule(std::int64_t delayMicros, std::function<void()> callback) {
    const TimerId id = nextId_++;
    auto* timer = new QTimer(context_.get());
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, context_.get(), [this, id] { fire(id); });
    timers_.emplace(id, std::make_pair(timer, std::move(callback)));
    // Whole milliseconds, rounded up: a timer never fires early.
    const auto ms = static_cast<int>((std::max<std::int64_t>(0, delayMicros) + 999) / 1000);
    timer->start(ms);
    return id;
}

void QtEventLoop::cancel(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second.first->stop();
    it->second.first->deleteLater();
    timers_.erase(it);
    std::erase(held_, id);
}

void QtEventLoop::fire(TimerId id) {
    if (waiting_ > 0) {
        held_.push_back(id);
        return;
    }
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    auto callback = std::move(it->second.second);
    it->second.first->deleteLater();
    timers_.erase(it);
    callback();
}

void QtEventLoop::waitWithoutUserEvents(std::int64_t micros) {
    if (micros <= 0) return;
    ++waiting_;
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop nested;
    QTimer done;
    done.setSingleShot(true);
    done.setTimerType(Qt::PreciseTimer);
    QObject::connect(&done, &QTimer::timeout, &nested, &QEventLoop::quit);
    while (elapsed.nsecsElapsed() / 1000 < micros) {
        const auto left = micros - elapsed.nsecsElapsed() / 1000;
        done.start(static_cast<int>((left + 999) / 1000));
        nested.exec(QEventLoop::ExcludeUserInputEvents);
    }
    --waiting_;
    if (waiting_ == 0) releaseHeld();
}

void QtEventLoop::releaseHeld() {
    for (TimerId id : std::exchange(held_, {}))
        QTimer::singleShot(0, context_.get(), [this, id] { fire(id); });
    if (!posted_.empty() && !drainScheduled_) {
        drainScheduled_ = true;
        QTimer::singleShot(0, context_.get(), [this] { drainPosted(); });
    }
}

void QtEventLoop::quit() {
    quit_ = true;
    QCoreApplication::exit(0);
}

int QtEventLoop::run() {
    if (quit_) return 0;
    return QCoreApplication::exec();
}

bool QtEventLoop::runUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    QTimer tick;  // wakes the wait below now and then, so the time-out is seen
    tick.start(5);
    while (!done()) {
        if (t.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace tavrel::platform::qt
