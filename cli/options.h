// The command line of tavrel-cli: options first, then KEYS arguments. Every
// option is checked here; a bad one becomes a one-line message and exit 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"

namespace tavrel::cli {

enum class Action { Run, Help, Version };

struct CommandLine {
    Action action = Action::Run;
    bool showTape = false;
    bool showCsv = false;
    bool showState = false;
    bool clockGiven = false;  // --now was given; otherwise the tape reads the real time
    SessionOptions session;
    std::vector<std::string> keys;
};

// The parsed command line, or the message that says what is wrong with it.
struct ParsedCommandLine {
    std::optional<CommandLine> line;
    std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& args);

// "YYYY-MM-DDTHH:MM:SS", a real date and time; nullopt otherwise.
std::optional<platform::DateTime> parseNow(std::string_view text);

}  // namespace tavrel::cli
