// Time as the program sees it: a microsecond counter since start, seconds since
// 1 January 1904 (local time) and the local calendar date and time. Backends
// implement Clock; the calendar arithmetic here is shared by all of them.
#pragma once

#include <cstdint>

namespace tavrel::platform {

struct DateTime {
    int year = 1904;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    int dayOfWeek() const;  // 1 = Sunday .. 7 = Saturday
    friend constexpr bool operator==(const DateTime&, const DateTime&) = default;
};

// Whole seconds from 1904-01-01 00:00:00 to the given local date and time.
std::int64_t secondsSince1904(const DateTime& when);
DateTime dateTimeFromSecondsSince1904(std::int64_t seconds);

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t microseconds() const = 0;  // since the program started
    virtual double secondsSince1904() const = 0;    // local time
    virtual DateTime now() const = 0;               // local time
};

}  // namespace tavrel::platform
