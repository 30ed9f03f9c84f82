// tavrel-cli: types each KEYS argument (or each line of standard input) into
// the calculator window, exactly as typed with the display focused, and
// prints the display after each. See the README for the key syntax.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "session.h"
#include "tool_command.h"

namespace {

int usage(std::ostream& out, int code) {
    out << "usage: tavrel-cli [--tape] [--csv] [--tape-file=PATH] [--state] "
           "[--decimal-separator=C] [--now=YYYY-MM-DDTHH:MM:SS] [KEYS ...]\n";
    return code;
}

bool parseNow(const std::string& s, tavrel::platform::DateTime& t) {
    return std::sscanf(s.c_str(), "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour,
                       &t.minute, &t.second) == 6;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto status = tavrel::cli::runToolCommand(argc, argv, std::cout, std::cerr)) return *status;
    bool showTape = false;
    bool showState = false;
    bool showCsv = false;
    tavrel::cli::SessionOptions options;
    std::vector<std::string> keys;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tape") {
            showTape = true;
        } else if (a == "--csv") {
            showCsv = true;
        } else if (a.rfind("--tape-file=", 0) == 0 && a.size() > 12) {
            options.tapeFile = a.substr(12);
        } else if (a == "--state") {
            showState = true;
        } else if (a.rfind("--decimal-separator=", 0) == 0 && a.size() == 21) {
            options.decimalSeparator = static_cast<unsigned char>(a[20]);
        } else if (a.rfind("--now=", 0) == 0) {
            if (!parseNow(a.substr(6), options.now)) return usage(std::cerr, 2);
        } else if (a == "--help" || a == "-h") {
            return usage(std::cout, 0);
        } else if (a.rfind("--", 0) == 0) {
            return usage(std::cerr, 2);
        } else {
            keys.push_back(a);
        }
    }
    tavrel::cli::Session session(options);
    auto run = [&](const std::string& line) {
        std::string error;
        if (!session.run(line, &error)) {
            std::cerr << "tavrel-cli: " << error << '\n';
            return false;
        }
        std::cout << session.displayLine(showState) << '\n';
        return true;
    };
    int status = 0;
    if (!keys.empty()) {
        for (const auto& k : keys)
            if (!run(k)) status = 1;
    } else {
        const bool interactive = isatty(STDIN_FILENO);
        std::string line;
        while (true) {
            if (interactive) std::cout << "> " << std::flush;
            if (!std::getline(std::cin, line)) break;
            if (!run(line)) status = 1;
        }
    }
    if (showTape)
        for (const auto& line : session.tapeLines()) std::cout << line << '\n';
    if (showCsv) std::cout << session.tapeCsv();
    // Message boxes (the tape file that cannot be written) go to standard error.
    for (const auto& message : session.platform().system().messages()) {
        std::cerr << "tavrel-cli: " << message << '\n';
        status = 1;
    }
    return status;
}
