// The memory key: a bevel button whose drop-down rows are the two commands,
// a separator and one row per remembered value. The menu value rests on the
// separator between uses, so an action that finds it there (a click that
// opened the menu and chose nothing) is not raised to the window.
#pragma once

#include "tavrel/ui/controls/my_bevel_button.h"

namespace tavrel::ui {

class myMenuBB : public myBevelButton {
  public:
    static constexpr int kAddRow = 0;
    static constexpr int kClearRow = 1;
    static constexpr int kRestRow = 2;  // the separator
    static constexpr int kFirstValueRow = 3;

    using myBevelButton::myBevelButton;

    // The two commands and the separator, no values, the value parked.
    void initalize() {
        removeAllRows();
        addRow("add to memory");
        addRow("clear memory");
        addSeparator();
        setMenuValue(kRestRow);
    }

  protected:
    void action() override {
        if (menuValue() < 0 || menuValue() == kRestRow) return;
        myBevelButton::action();
    }
    void opened() override {
        initalize();
        myBevelButton::opened();
    }
};

}  // namespace tavrel::ui
