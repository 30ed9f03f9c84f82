// The menu bar as data: one row per item in menu order, with the item's name
// (the key handlers are found by), caption, shortcut in the framework's
// notation and automatic-enabling flag. buildMenuBar turns the table into
// the platform's menus, arranged for this desktop.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tavrel/platform/menu.h"

namespace tavrel::app {

struct MenuRow {
    std::string_view menu;  // the menu's name; its caption is in menuCaption
    std::string_view item;
    std::string_view caption;
    std::string_view shortcut;  // "Cmd+Shift+P"; empty for none
    bool autoEnable;
    bool applicationMenu;  // shown in the application menu where there is one
};

struct MenuHead {
    std::string_view name;
    std::string_view caption;
};

std::span<const MenuHead> menuHeads();
std::span<const MenuRow> menuRows();

// "Cmd" is the Command key where there is one and Control elsewhere.
std::string desktopShortcut(std::string_view notation);

// Menus in order File, Edit, LCD, Unit, Help. Without an application menu its
// items close the Help menu, in their order.
void buildMenuBar(platform::MenuBar& bar);

}  // namespace tavrel::app
