// Proleptic Gregorian day counting (days from civil date and back).
#include "tavrel/platform/clock.h"

namespace tavrel::platform {
namespace {

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

const std::int64_t kEpoch1904 = daysFromCivil(1904, 1, 1);

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

int DateTime::dayOfWeek() const {
    std::int64_t days =
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    // 1970-01-01 was a Thursday (5 in the 1 = Sunday numbering).
    std::int64_t w = (days % 7 + 7 + 4) % 7;  // 0 = Sunday
    return static_cast<int>(w) + 1;
}

std::int64_t secondsSince1904(const DateTime& t) {
    std::int64_t days =
        daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
        kEpoch1904;
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

DateTime dateTimeFromSecondsSince1904(std::int64_t seconds) {
    std::int64_t days = floorDiv(seconds, 86400);
    std::int64_t rest = seconds - days * 86400;
    DateTime t;
    civilFromDays(days + kEpoch1904, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

}  // namespace tavrel::platform
