// tavrel-cli: types each KEYS argument (or each line of standard input) into
// the calculator window, exactly as typed with the display focused, and
// prints the display after each. Beeps are reported on standard error with
// the KEYS they sounded in. See --help and the README for the key syntax.
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "help_text.h"
#include "line_input.h"
#include "options.h"
#include "session.h"
#include "tool_command.h"

namespace {

using namespace tavrel::cli;

enum class Status { Ok = 0, BadInput = 1, Beeped = 2 };

// A long KEYS is shown by its start only.
std::string shown(std::string_view keys) {
    constexpr std::size_t kShown = 60;
    if (keys.size() <= kShown) return std::string(keys);
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(keys[cut]) & 0xC0) == 0x80) --cut;
    return std::string(keys.substr(0, cut)) + "...";
}

class Runner {
  public:
    explicit Runner(const CommandLine& line) : line_(line), session_(line.session) {}

    // where: "" for an argument, "line N: " for standard input.
    void run(std::string_view keys, const std::string& where) {
        const int before = session_.beeps();
        std::string error;
        const bool ok = session_.run(keys, &error);
        const int beeps = session_.beeps() - before;
        if (beeps > 0) {
            std::cerr << "tavrel-cli: " << where << beeps << (beeps > 1 ? " beeps" : " beep")
                      << " in \"" << shown(keys) << "\"\n";
            beeped_ = true;
        }
        if (!ok) {
            std::cerr << "tavrel-cli: " << where << error << " in \"" << shown(keys) << "\"\n";
            badInput_ = true;
            return;
        }
        std::cout << session_.displayLine(line_.showState) << '\n';
    }

    void finish() {
        if (line_.showTape) session_.writeTape(std::cout);
        if (line_.showCsv) std::cout << session_.tapeCsv();
        std::cout << std::flush;
        // Message boxes (a tape file that cannot be written) go to standard error.
        for (const auto& message : session_.platform().system().messages()) {
            std::cerr << "tavrel-cli: " << message << '\n';
            badInput_ = true;
        }
    }

    Status status() const {
        if (badInput_) return Status::BadInput;
        return beeped_ ? Status::Beeped : Status::Ok;
    }

  private:
    const CommandLine& line_;
    Session session_;
    bool beeped_ = false;
    bool badInput_ = false;
};

tavrel::platform::DateTime localTimeNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

void runLines(Runner& runner) {
    LineInput input(isatty(STDIN_FILENO) != 0);
    if (input.interactive()) std::cout << greeting();
    long number = 0;
    while (auto line = input.next()) {
        ++number;
        if (input.interactive()) {
            if (*line == "quit") break;
            if (*line == "help") {
                std::cout << helpText();
                continue;
            }
        }
        runner.run(*line, "line " + std::to_string(number) + ": ");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (auto status = runToolCommand(argc, argv, std::cout, std::cerr)) return *status;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.line) {
        std::cerr << "tavrel-cli: " << parsed.error << " (see tavrel-cli --help for usage)\n";
        return static_cast<int>(Status::BadInput);
    }
    CommandLine line = *parsed.line;
    // A tape kept in a file is a record: its stamps tell the real time.
    if (!line.clockGiven) line.session.now = localTimeNow();
    if (line.action == Action::Help) {
        std::cout << helpText();
        return 0;
    }
    if (line.action == Action::Version) {
        std::cout << versionText();
        return 0;
    }
    Runner runner(line);
    if (!line.keys.empty()) {
        for (const std::string& k : line.keys) runner.run(k, "");
    } else {
        runLines(runner);
    }
    runner.finish();
    return static_cast<int>(runner.status());
}
