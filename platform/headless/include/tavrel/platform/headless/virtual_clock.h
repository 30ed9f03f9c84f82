// A clock that moves only when told: a calendar start plus elapsed virtual
// microseconds. Tests and the command-line front end get the same time every run.
#pragma once

#include <cstdint>

#include "tavrel/platform/clock.h"

namespace tavrel::platform::headless {

class VirtualClock : public Clock {
  public:
    explicit VirtualClock(DateTime start = {2024, 1, 1, 9, 0, 0});

    std::int64_t microseconds() const override { return micros_; }
    double secondsSince1904() const override;
    DateTime now() const override;

    void advance(std::int64_t micros) { micros_ += micros; }
    // Moves the counter forward to an absolute value (never back).
    void advanceTo(std::int64_t micros) {
        if (micros > micros_) micros_ = micros;
    }
    // Sets the calendar so that now() reads `when`; the microsecond counter keeps running.
    void setNow(const DateTime& when);

  private:
    std::int64_t startSeconds_;  // since 1904, at micros_ == 0
    std::int64_t micros_ = 0;
};

}  // namespace tavrel::platform::headless
