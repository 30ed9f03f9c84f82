// Context menus take their rows from a comma-separated literal, as the
// pop-ups take their items; "-" is a separator row.
#pragma once

#include <string>
#include <string_view>

#include "tavrel/platform/contextual_menu.h"

namespace tavrel::ui {

inline void addRows(platform::ContextualMenu& menu, std::string_view literal) {
    while (true) {
        const auto comma = literal.find(',');
        menu.addRow(std::string(literal.substr(0, comma)));
        if (comma == std::string_view::npos) return;
        literal.remove_prefix(comma + 1);
    }
}

}  // namespace tavrel::ui
