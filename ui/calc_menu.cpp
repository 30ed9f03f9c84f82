// The window's side of the menu bar: its own handlers (run before the
// application's, and reporting every command as not handled so the
// application's run too), the Unit and LCD commands the application's
// handlers call, and their part of the enabling pass, which follows the
// running value and the pop-ups.
#include <array>
#include <string_view>

#include "core/unit_table.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

struct UnitMenuRow {
    std::string_view item;
    std::string_view code;  // the running value's unit that checks it
};
struct LcdMenuRow {
    std::string_view item;
    int fractType;  // the running value's precision that checks it
};

// clang-format off
constexpr std::array<UnitMenuRow, 9> kUnitMenu{{
    {"UnitInches",      "in"},
    {"UnitFeet",        "ft"},
    {"UnitFootInch",    "fi"},
    {"UnitYards",       "yd"},
    {"UnitMiles",       "mi"},
    {"UnitMillimeters", "mm"},
    {"UnitCentimeters", "cm"},
    {"UnitMeters",      "me"},
    {"UnitKilometers",  "km"},
}};
constexpr std::array<LcdMenuRow, 8> kLcdMenu{{
    {"LCD1_2",     2},
    {"LCD1_4",     4},
    {"LCD1_8",     8},
    {"LCD1_16",    16},
    {"LCD1_32",    32},
    {"LCD1_64",    64},
    {"LCD1_100",   100},
    {"LCDDecimal", 0},
}};
// clang-format on

}  // namespace

void calcWin::wireMenus() {
    // The Unit and LCD commands are converted by the application's handlers;
    // the window's only pass them on.
    for (const UnitMenuRow& r : kUnitMenu)
        addMenuHandler(std::string(r.item), [] { return false; });
    for (const LcdMenuRow& r : kLcdMenu) addMenuHandler(std::string(r.item), [] { return false; });
    addMenuHandler("EditClearCalc", [this] {
        get<myBevelButton>("BBclear").push();
        return false;
    });
    addMenuHandler("EditClearTape", [this] {
        get<myPushButton>("pbTapeClr").push();
        return false;
    });
}

void calcWin::unitMenuCommand(const std::string& item) {
    // An entry being typed is completed first, as the unit pop-up does, so
    // the command converts what the user sees rather than the value before it.
    if (!calc_.clearFlag) {
        PMUnit.selfPressed = true;
        PBeq.push();
    }
    if (sameCode(calc_.registers().runningReg->unit, "nu")) {
        PMUnit.selfPressed = false;
        return;
    }
    PMUnit.selfPressed = true;
    changeUnit(item);
    PMUnit.selfPressed = false;
}

void calcWin::lcdMenuCommand(const std::string& item) {
    // Likewise: otherwise the "=" would run nested inside the conversion,
    // which then shows the new precision while the pop-up shows the old.
    if (!calc_.clearFlag) {
        PMLCD.selfPressed = true;
        PBeq.push();
    }
    PMLCD.selfPressed = true;
    changeLCD(item);
    PMLCD.selfPressed = false;
}

void calcWin::enableUnitMenus(platform::MenuBar& bar) {
    const mixedUnitCU& r = *calc_.registers().runningReg;
    for (const LcdMenuRow& row : kLcdMenu) {
        if (platform::MenuItem* item = bar.findItem(row.item)) {
            item->setEnabled(PMLCD.enabled());
            item->setChecked(r.fractType == row.fractType);
        }
    }
    for (const UnitMenuRow& row : kUnitMenu) {
        if (platform::MenuItem* item = bar.findItem(row.item)) {
            item->setEnabled(PMUnit.enabled());
            item->setChecked(sameCode(r.unit, row.code));
        }
    }
}

}  // namespace tavrel::ui
