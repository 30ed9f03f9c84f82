// Each operation goes straight to the calculator window's controls.
#include "app/calc_win_link.h"

#include "tavrel/platform/timer.h"
#include "ui/calc_win.h"

namespace tavrel::app {

platform::Window& CalcWinAdapter::window() {
    return win_;
}

void CalcWinAdapter::setTransparency(float opacity) {
    win_.setOpacity(opacity);
}

void CalcWinAdapter::setTransparencyTimer(bool on) {
    win_.get<platform::Timer>("TimerCheckTransparency")
        .setMode(on ? platform::TimerMode::Multiple : platform::TimerMode::Off);
}

void CalcWinAdapter::returnToCalculator() {
    win_.activateSelf();
    win_.EditFract1.setFocusAlt();
}

void CalcWinAdapter::sizeWindow() {
    if (!win_.visible()) win_.show();
    win_.EditFract1.setFocus();
}

void CalcWinAdapter::focusDisplay() {
    win_.EditFract1.setFocus();
}

void CalcWinAdapter::setKeepTape(bool on) {
    win_.setKeepTape(on);
}

}  // namespace tavrel::app
