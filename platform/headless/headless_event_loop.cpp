// Timers sit in a map ordered by (due, id); ids grow, so ties keep arming order.
#include "tavrel/platform/headless/headless_event_loop.h"

namespace tavrel::platform::headless {

void HeadlessEventLoop::post(std::function<void()> task) {
    posted_.push_back(std::move(task));
}

TimerId HeadlessEventLoop::schedule(std::int64_t delayMicros, std::function<void()> callback) {
    TimerId id = nextId_++;
    Key key{clock_.microseconds() + (delayMicros > 0 ? delayMicros : 0), id};
    queue_.emplace(key, std::move(callback));
    index_.emplace(id, key);
    return id;
}

void HeadlessEventLoop::cancel(TimerId id) {
    auto it = index_.find(id);
    if (it == index_.end()) return;
    queue_.erase(it->second);
    index_.erase(it);
}

void HeadlessEventLoop::waitWithoutUserEvents(std::int64_t micros) {
    ++waits_;
    waited_ += micros;
    clock_.advance(micros);
}

int HeadlessEventLoop::runPosted() {
    // Only what was posted before this turn; later posts wait for the next.
    int ran = 0;
    for (std::size_t n = posted_.size(); n > 0 && !posted_.empty(); --n, ++ran) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
    return ran;
}

bool HeadlessEventLoop::fireNextDueBy(std::int64_t limit) {
    if (queue_.empty() || queue_.begin()->first.first > limit) return false;
    auto node = queue_.extract(queue_.begin());
    index_.erase(node.key().second);
    clock_.advanceTo(node.key().first);
    node.mapped()();
    return true;
}

int HeadlessEventLoop::runPending() {
    int ran = runPosted();
    std::int64_t now = clock_.microseconds();
    while (fireNextDueBy(now)) ++ran;
    return ran;
}

void HeadlessEventLoop::advance(std::int64_t micros) {
    std::int64_t target = clock_.microseconds() + micros;
    runPending();
    while (fireNextDueBy(target)) runPosted();
    clock_.advanceTo(target);
    runPending();
}

}  // namespace tavrel::platform::headless
