// The key syntax of the command-line front end: plain characters are typed;
// braces name what has no character ({esc}, {return}, {enter}, {bs}, {del},
// {tab}), click a control ({BBclear}, {CLR}), click or type with modifiers
// held ({option+BBclear}, {shift+"}) or choose a pop-up item ({PMUnit=foot}).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tavrel/platform/input.h"

namespace tavrel::cli {

struct KeyStep {
    enum class Kind { Type, Click, Choose };
    Kind kind = Kind::Type;
    std::string text;  // Type: the character(s); Click: the name or caption; Choose: the pop-up
    std::string item;  // Choose: the item text
    platform::Modifiers modifiers;
    char32_t code = 0;  // Type: the key's character code
};

std::vector<KeyStep> parseKeys(std::string_view keys);

// Reads a script one step at a time, so a long script runs without holding
// all its steps; each step costs time in proportion to its own text.
class KeyReader {
  public:
    explicit KeyReader(std::string_view keys) : keys_(keys), lastClose_(keys.rfind('}')) {}
    // The next step; false at the end of the script.
    bool next(KeyStep& step);

  private:
    std::string_view keys_;
    std::size_t at_ = 0;
    std::size_t lastClose_;  // no brace closes after this
};

}  // namespace tavrel::cli
