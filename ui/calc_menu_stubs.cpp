// Stand-ins for the window's clipboard and tape operations, which are built
// elsewhere; this file goes when they arrive. Each does the least that keeps
// its menu command useful.
#include <string>

#include "ui/calc_win.h"

namespace tavrel::ui {

void calcWin::copyCalc() {
    app().services().clipboard().setText(EditFract1.text());
}

void calcWin::pasteCalc() {
    std::string t = app().services().clipboard().text().value_or("");
    std::erase_if(t, [](char c) { return c == '\r' || c == '\t'; });
    if (t.size() > 20) t.resize(20);
    EditFract1.setText(t);
}

void calcWin::copyTape() {
    app().services().clipboard().setText(Tape1.text());
}

void calcWin::pageSetup() {}

void calcWin::printTape() {}

}  // namespace tavrel::ui
