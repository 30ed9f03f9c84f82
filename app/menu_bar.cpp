// The table is the whole menu bar but the Tools menu, whose items follow the
// builder's tool table; building only walks them. Each menu is built in two
// passes so that, where there is no application menu, the items that would
// go there come last: the Help menu's six, and File's Quit.
#include "app/menu_bar.h"

#include <array>
#include <cctype>

#include "builder/tool.h"
#include "ui/tools_win.h"

namespace tavrel::app {
namespace {

// clang-format off
constexpr std::array<MenuHead, 6> kHeads{{
    {"File",          "File"},
    {"UntitledMenu2", "Edit"},
    {"lcd",           "LCD"},
    {"unit",          "Unit"},
    {"Tools",         "Tools"},
    {"HelpMenu",      "Help"},
}};

constexpr std::array<MenuRow, 44> kRows{{
    {"File",          "FilePageSetup",      "Page Setup",        "Cmd+Shift+P",  true,  false},
    {"File",          "FilePrintTape",      "Print Tape",        "Cmd+P",        true,  false},
    {"File",          "FileSaveTapeAs",     "Save Tape As…",     "Cmd+Shift+S",  true,  false},
    {"File",          "FileQuit",           "Quit",              "Cmd+Q",        true,  true},
    {"UntitledMenu2", "EditUndo",           "Undo",              "Cmd+Z",        false, false},
    {"UntitledMenu2", "UntitledMenu4",      "-",                 "",             false, false},
    {"UntitledMenu2", "EditCut",            "Cut",               "Cmd+X",        false, false},
    {"UntitledMenu2", "EditCopyCalc",       "Copy Calc",         "Cmd+C",        false, false},
    {"UntitledMenu2", "EditCopyTape",       "Copy Tape",         "Cmd+Option+C", false, false},
    {"UntitledMenu2", "EditPaste",          "Paste",             "Cmd+V",        false, false},
    {"UntitledMenu2", "EditClear",          "Clear",             "",             false, false},
    {"UntitledMenu2", "UntitledMenu3",      "-",                 "",             false, false},
    {"UntitledMenu2", "EditClearCalc",      "Clear Calc",        "",             false, false},
    {"UntitledMenu2", "EditClearTape",      "Clear Tape",        "",             false, false},
    {"lcd",           "LCD1_2",             "1/2",               "Cmd+2",        false, false},
    {"lcd",           "LCD1_4",             "1/4",               "Cmd+4",        false, false},
    {"lcd",           "LCD1_8",             "1/8",               "Cmd+8",        false, false},
    {"lcd",           "LCD1_16",            "1/16",              "Cmd+6",        false, false},
    {"lcd",           "LCD1_32",            "1/32",              "Cmd+3",        false, false},
    {"lcd",           "LCD1_64",            "1/64",              "Cmd+^",        false, false},
    {"lcd",           "LCD1_100",           "1/100",             "Cmd+1",        false, false},
    {"lcd",           "UntitledMenu1",      "-",                 "",             false, false},
    {"lcd",           "LCDDecimal",         "Decimal",           "Cmd+0",        false, false},
    {"unit",          "UnitInches",         "Inches",            "Cmd+I",        false, false},
    {"unit",          "UnitFeet",           "Foot",              "Cmd+F",        false, false},
    {"unit",          "UnitFootInch",       "Foot/inch",         "Cmd+Shift+F",  false, false},
    {"unit",          "UnitYards",          "Yards",             "Cmd+Y",        false, false},
    {"unit",          "UnitMiles",          "Miles",             "Cmd+E",        false, false},
    {"unit",          "UntitledMenu0",      "-",                 "",             false, false},
    {"unit",          "UnitMillimeters",    "Millimeters",       "Cmd+Shift+M",  false, false},
    {"unit",          "UnitCentimeters",    "Centimeters",       "Cmd+Shift+,",  false, false},
    {"unit",          "UnitMeters",         "Meters",            "Cmd+Shift+.",  false, false},
    {"unit",          "UnitKilometers",     "Kilometers",        "Cmd+Shift+/",  false, false},
    {"HelpMenu",      "HelptavrelHelp",     "tavrel Help",       "Cmd+?",        true,  false},
    {"HelpMenu",      "UntitledItem",       "-",                 "",             true,  false},
    {"HelpMenu",      "Helptavrelwebsite",  "tavrel website",    "",             true,  false},
    {"HelpMenu",      "Helpversioncheck",   "Check for update",  "",             true,  false},
    {"HelpMenu",      "UntitledItem",       "-",                 "",             true,  true},
    {"HelpMenu",      "AppleAboutTavrel",   "&About tavrel",     "Cmd+Option+,", false, true},
    {"HelpMenu",      "Preferences",        "Preferences...",    "Cmd+,",        true,  true},
    {"HelpMenu",      "UntitledSeparator",  "-",                 "",             true,  true},
    {"HelpMenu",      "HelpTape",           "Tape",              "Cmd+t",        true,  true},
    {"HelpMenu",      "Helpminimize",       "Minimize",          "Cmd+Shift+t",  true,  true},
    {"HelpMenu",      "HelpMinimzetodock",  "Minimze to dock",   "Cmd+m",        true,  false},
}};
// clang-format on

constexpr bool kHasApplicationMenu =
#ifdef __APPLE__
    true;
#else
    false;
#endif

void append(platform::Menu& menu, const MenuRow& row) {
    platform::MenuItem& item =
        menu.append(std::string(row.item), std::string(row.caption), desktopShortcut(row.shortcut));
    item.setAutoEnable(row.autoEnable);
}

}  // namespace

std::span<const MenuHead> menuHeads() {
    return kHeads;
}

std::span<const MenuRow> menuRows() {
    return kRows;
}

std::vector<ToolsMenuItem> toolsMenuItems() {
    std::vector<ToolsMenuItem> items;
    const auto titles = ui::toolsMenuRows();
    const auto table = builder::tools();
    for (std::size_t row = 0; row < titles.size() && row < table.size(); ++row) {
        std::string name(table[row].name);
        if (!name.empty())
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        items.push_back({"Tools" + name, titles[row]});
    }
    return items;
}

std::string desktopShortcut(std::string_view notation) {
    std::string s(notation);
    if (kHasApplicationMenu) return s;
    // Only the modifier words: the key itself may be any character.
    const std::size_t lastPlus = s.rfind('+', s.size() >= 2 ? s.size() - 2 : 0);
    if (lastPlus == std::string::npos) return s;
    std::string mods = s.substr(0, lastPlus + 1);
    for (std::size_t at = mods.find("Cmd+"); at != std::string::npos; at = mods.find("Cmd+", at))
        mods.replace(at, 4, "Ctrl+");
    return mods + s.substr(lastPlus + 1);
}

void buildMenuBar(platform::MenuBar& bar) {
    for (const MenuHead& head : kHeads) {
        platform::Menu& menu = bar.append(std::string(head.name), std::string(head.caption));
        if (head.name == kToolsMenu)
            for (const ToolsMenuItem& tool : toolsMenuItems())
                menu.append(tool.item, tool.caption, "").setAutoEnable(true);
        for (const MenuRow& row : menuRows())
            if (row.menu == head.name && (kHasApplicationMenu || !row.applicationMenu))
                append(menu, row);
        if (kHasApplicationMenu) continue;
        for (const MenuRow& row : menuRows())
            if (row.menu == head.name && row.applicationMenu) append(menu, row);
    }
}

}  // namespace tavrel::app
