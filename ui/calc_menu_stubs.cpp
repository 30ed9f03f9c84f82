// Stand-ins for the window's clipboard and tape operations, which are built
// elsewhere; this file goes when they arrive. Each does the least that keeps
// its menu command useful.
#include "ui/calc_win.h"

namespace tavrel::ui {

void calcWin::copyCalc() {
    app().services().clipboard().setText(EditFract1.text());
}

void calcWin::pasteCalc() {}

void calcWin::copyTape() {
    app().services().clipboard().setText(Tape1.text());
}

void calcWin::pageSetup() {}

void calcWin::printTape() {}

}  // namespace tavrel::ui
