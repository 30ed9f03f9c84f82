// Symbols and abbreviations a screen reader would spell out, as words.
#include "tavrel/platform/qt/accessible_names.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace tavrel::platform::qt {
namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kSpoken{{
    {"+",      "plus"},
    {"-",      "minus"},
    {"x",      "multiply"},
    {"*",      "multiply"},
    {"\u00D7", "multiply"},
    {"\u00F7", "divide"},
    {"/",      "fraction bar"},
    {"=",      "equals"},
    {".",      "decimal point"},
    {",",      "decimal comma"},
    {"\u221A", "square root"},
    {"x^2",    "square"},
    {"+/-",    "change sign"},
    {"CLR",    "clear"},
    {"DEL",    "delete"},
    {"MEM",    "memory"},
}};
// clang-format on

std::string firstPhrase(const std::string& help) {
    std::string line = help.substr(0, help.find('\r'));
    if (auto colon = line.find(':'); colon != std::string::npos && colon < 24) line.resize(colon);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

std::string accessibleName(const Control& control) {
    const std::string& caption = control.caption();
    if (!caption.empty()) {
        for (const auto& [symbol, word] : kSpoken)
            if (caption == symbol) return std::string(word);
        return caption;
    }
    if (!control.helpTag().empty()) return firstPhrase(control.helpTag());
    return control.name();
}

std::string accessibleDescription(const Control& control) {
    std::string d = control.helpTag();
    std::replace(d.begin(), d.end(), '\r', '\n');
    return d;
}

}  // namespace tavrel::platform::qt
