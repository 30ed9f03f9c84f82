// What the shell's windows ask of the calculator window, as one small
// interface: the preferences window applies transparency through it, the
// update and preferences sheets return to it, the about window shows it. The
// adapter over ui::calcWin is what the program uses; tests may use it too.
#pragma once

#include "tavrel/platform/window.h"

namespace tavrel::ui {
class calcWin;
}

namespace tavrel::app {

class CalcWinLink {
  public:
    virtual ~CalcWinLink() = default;
    // The window sheets attach to.
    virtual platform::Window& window() = 0;
    // SetWindowTransparency(calcWin, opacity).
    virtual void setTransparency(float opacity) = 0;
    // TimerCheckTransparency on (repeating) or off.
    virtual void setTransparencyTimer(bool on) = 0;
    // activateSelf, then the display's text assigned again (setFocusAlt).
    virtual void returnToCalculator() = 0;
    // sizeWindow: shows the window where it was left.
    virtual void sizeWindow() = 0;
    // The keyboard focus to the display field.
    virtual void focusDisplay() = 0;
    // The keepTape preference: the tape kept in its file between runs, or not.
    virtual void setKeepTape(bool on) = 0;
};

// The calculator window's own operations. Opacity goes to the window's own
// opacity and sizeWindow shows the window with the display focused; the
// window's fading and sizing code overrides these two where it has more to do.
class CalcWinAdapter : public CalcWinLink {
  public:
    explicit CalcWinAdapter(ui::calcWin& win) : win_(win) {}

    platform::Window& window() override;
    void setTransparency(float opacity) override;
    void setTransparencyTimer(bool on) override;
    void returnToCalculator() override;
    void sizeWindow() override;
    void focusDisplay() override;
    void setKeepTape(bool on) override;

  private:
    ui::calcWin& win_;
};

}  // namespace tavrel::app
