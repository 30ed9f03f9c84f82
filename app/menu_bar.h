// The menu bar as data: one row per item in menu order, with the item's name
// (the key handlers are found by), caption, shortcut in the framework's
// notation and automatic-enabling flag. buildMenuBar turns the table into
// the platform's menus, arranged for this desktop.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The Tools menu's items are not in the table: one per builder's tool, in
// the tools' order, named "Tools" and the tool's name ("ToolsStairs"),
// captioned with its title.
inline constexpr std::string_view kToolsMenu = "Tools";
struct ToolsMenuItem {
    std::string item;
    std::string caption;
};
std::vector<ToolsMenuItem> toolsMenuItems();

std::span<const MenuHead> menuHeads();
std::span<const MenuRow> menuRows();

// "Cmd" is the Command key where there is one and Control elsewhere.
std::string desktopShortcut(std::string_view notation);

// Menus in order File, Edit, LCD, Unit, Tools, Help. Without an application menu its
// items close the Help menu, in their order.
void buildMenuBar(platform::MenuBar& bar);

}  // namespace tavrel::app
