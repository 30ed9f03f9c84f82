// A row of the tools' tables: a tool, the texts typed into its fields, and
// a name for the row. Shared by the examples, code-check and bad-input tables.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "builder/evaluate.h"

namespace tavrel::builder {

using Typed = std::vector<std::pair<std::string, std::string>>;

inline Evaluation run(const std::string& tool, const Typed& typed, char separator = '.') {
    const ToolRow* t = findTool(tool);
    if (!t) {
        ADD_FAILURE() << "no tool " << tool;
        return {};
    }
    std::vector<GivenField> given;
    for (const auto& [name, text] : typed) given.push_back({name, text});
    return evaluate(*t, given, CoreServices{separator, {}});
}

// The text of one item of a named result; "(absent)" when there is none.
inline std::string item(const Evaluation& e, std::string_view result, std::size_t at = 0) {
    for (const ResultText& r : e.results)
        if (r.name == result) return at < r.items.size() ? r.items[at] : "(absent)";
    return "(no such result)";
}

inline std::string describe(const std::string& tool, const Typed& typed) {
    std::string s = tool;
    for (const auto& [name, text] : typed) s += " " + name + "=" + text;
    return s;
}

}  // namespace tavrel::builder
