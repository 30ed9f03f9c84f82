// Options may stand anywhere among the KEYS arguments; "--" ends them, so a
// KEYS argument may start with two minus signs ("-5'=" is a KEYS argument).
#include "options.h"

#include <chrono>
#include <filesystem>

namespace tavrel::cli {
namespace {

bool digitsAt(std::string_view s, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<platform::DateTime> parseNow(std::string_view s) {
    // Fixed positions: 2026-12-11T14:05:09
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        s[16] != ':')
        return std::nullopt;
    platform::DateTime t;
    if (!digitsAt(s, 0, 4, t.year) || !digitsAt(s, 5, 2, t.month) || !digitsAt(s, 8, 2, t.day) ||
        !digitsAt(s, 11, 2, t.hour) || !digitsAt(s, 14, 2, t.minute) ||
        !digitsAt(s, 17, 2, t.second))
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                              day{static_cast<unsigned>(t.day)}};
    if (t.year < 1 || !date.ok() || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args) {
    CommandLine line;
    bool options = true;
    for (const std::string_view a : args) {
        if (!options) {
            line.keys.emplace_back(a);
        } else if (a == "--") {
            options = false;
        } else if (a == "--tape") {
            line.showTape = true;
        } else if (a == "--csv") {
            line.showCsv = true;
        } else if (startsWith(a, "--tape-file=")) {
            if (a.size() == 12) return {std::nullopt, "--tape-file takes a file name"};
            line.session.tapeFile = std::filesystem::path(std::string(a.substr(12)));
        } else if (a == "--state") {
            line.showState = true;
        } else if (a == "--help" || a == "-h") {
            line.action = Action::Help;
        } else if (a == "--version") {
            line.action = Action::Version;
        } else if (startsWith(a, "--decimal-separator=")) {
            // The parser and the formatter read one ASCII separator, and only a
            // point or a comma means nothing else in a dimension.
            const std::string_view c = a.substr(20);
            if (c != "." && c != ",")
                return {std::nullopt,
                        "--decimal-separator takes \".\" or \",\", not \"" + std::string(c) + "\""};
            line.session.decimalSeparator = static_cast<unsigned char>(c[0]);
        } else if (startsWith(a, "--now=")) {
            const auto now = parseNow(a.substr(6));
            if (!now)
                return {std::nullopt, "--now takes a date and time as YYYY-MM-DDTHH:MM:SS, not \"" +
                                          std::string(a.substr(6)) + "\""};
            line.session.now = *now;
        } else if (startsWith(a, "--")) {
            return {std::nullopt, "unknown option " + std::string(a)};
        } else {
            line.keys.emplace_back(a);
        }
    }
    return {line, {}};
}

}  // namespace tavrel::cli
