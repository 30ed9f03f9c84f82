// Lines of keys from standard input. On a terminal they are read through
// libedit: a prompt, line editing and a history of what was typed; otherwise
// plain lines, no prompt.
#pragma once

#include <optional>
#include <string>

namespace tavrel::cli {

class LineInput {
  public:
    explicit LineInput(bool interactive);
    ~LineInput();
    LineInput(const LineInput&) = delete;
    LineInput& operator=(const LineInput&) = delete;

    bool interactive() const { return interactive_; }
    // The next line without its end, or nullopt at the end of input (on a
    // terminal the shell's prompt is then put on a line of its own).
    std::optional<std::string> next();

  private:
    bool interactive_;
};

}  // namespace tavrel::cli
