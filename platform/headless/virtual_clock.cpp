// Calendar time is the start plus whole elapsed seconds.
#include "tavrel/platform/headless/virtual_clock.h"

namespace tavrel::platform::headless {

VirtualClock::VirtualClock(DateTime start) : startSeconds_(platform::secondsSince1904(start)) {}

double VirtualClock::secondsSince1904() const {
    return static_cast<double>(startSeconds_) + static_cast<double>(micros_) / 1e6;
}

DateTime VirtualClock::now() const {
    return dateTimeFromSecondsSince1904(startSeconds_ + micros_ / 1000000);
}

void VirtualClock::setNow(const DateTime& when) {
    startSeconds_ = platform::secondsSince1904(when) - micros_ / 1000000;
}

}  // namespace tavrel::platform::headless
