// The preferences window: the weekly update check, skipping the about window,
// keeping the tape between runs, and the calculator window's transparency
// mode and level. Created hidden at
// start-up; its open handlers set the stored values on the controls, and the
// change handlers those settings raise apply them to the calculator window
// and store them, so creating the window is what applies the stored mode.
// The level is stored when the window is destroyed at quit.
#pragma once

#include <optional>

#include "tavrel/platform/check_box.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/radio_group.h"
#include "tavrel/platform/slider.h"
#include "tavrel/platform/window.h"

namespace tavrel::app {

class Shell;

// The transparency modes, numbered as the radio buttons' indexes.
enum class TransparencyMode { None = 1, Always = 2, MouseOver = 3 };

class prefsWin : public platform::Window {
  public:
    prefsWin(platform::Application& app, Shell& shell);

    // The selected mode, or none before the window's open handlers ran.
    std::optional<TransparencyMode> transMode() const;
    // Selects a mode from code, which runs its action when it changes.
    void selectMode(TransparencyMode mode);
    // The Preferences command: shown as a sheet of the calculator window, or
    // hidden when it is shown.
    void showOrHide();

    platform::Slider& trans;
    platform::RadioGroup& rbTrans;
    platform::Label& transPercent;
    platform::CheckBox& bypassSplash;
    platform::CheckBox& checkUpdate;
    platform::CheckBox& keepTape;
    platform::PushButton& PushButton1;

  private:
    prefsWin& build();
    void trans_Open();
    void trans_Change();
    void trans_Close();
    void rbTrans_Open();
    void rbTrans_Action();
    void keepTape_Action();
    void PushButton1_Action();

    Shell& shell_;
};

}  // namespace tavrel::app
