// libedit's readline interface keeps its state in the library; one LineInput
// exists per process, so nothing else shares it.
#include "line_input.h"

#include <editline/readline.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tavrel::cli {

LineInput::LineInput(bool interactive) : interactive_(interactive) {
    if (!interactive_) return;
    using_history();
    // Tab is a key of the calculator, not a file-name completion.
    rl_bind_key('\t', rl_insert);
}

LineInput::~LineInput() {
    if (interactive_) clear_history();
}

std::optional<std::string> LineInput::next() {
    if (!interactive_) {
        std::string line;
        if (!std::getline(std::cin, line)) return std::nullopt;
        return line;
    }
    std::cout << std::flush;
    char* raw = readline("> ");
    if (raw == nullptr) {
        std::fputs("\n", stdout);
        std::fflush(stdout);
        return std::nullopt;
    }
    std::string line(raw);
    std::free(raw);
    if (!line.empty()) add_history(line.c_str());
    return line;
}

}  // namespace tavrel::cli
