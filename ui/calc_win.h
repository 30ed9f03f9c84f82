// The calculator window. It is built by walking its design table, owns the
// Calculator (registers, pending operator, flags) and the tape, and is the
// calculation step's host: the step reads and writes the display field,
// records on the tape and asks the pop-ups for the lock-and-follow rule.
// Its handlers are split by concern: calc_keys.cpp (keyboard and keypad),
// calc_units.cpp (pop-ups, conversions, unit keys), calc_win.cpp (building).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "core/core_services.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/window.h"
#include "tavrel/ui/controls/image_set.h"
#include "tavrel/ui/controls/my_bevel_button.h"
#include "tavrel/ui/controls/plain_controls.h"
#include "tavrel/ui/controls/wigits.h"
#include "ui/edit_fract.h"
#include "ui/key_press.h"
#include "ui/pop_menu.h"
#include "ui/tape_control.h"

namespace tavrel::ui {

// Triangle keys: their solving comes later; clear() is called by the clear key.
class bbTri : public myBevelButton {
  public:
    using myBevelButton::myBevelButton;
    void clear() {}
};

// The memory key: a bevel button with a drop-down list of stored values.
class myMenuBB : public myBevelButton {
  public:
    using myBevelButton::myBevelButton;
};

class calcWin : public platform::Window, public CalculatorHost {
    // Declared first: the controls are built from the design table while the
    // references below are bound, and the tape control needs the registers.
    CoreServices core_;
    Calculator calc_;
    ImageSet images_;

  public:
    explicit calcWin(platform::Application& app);

    Calculator& calculator() { return calc_; }
    ImageSet& images() { return images_; }
    const CoreServices& coreServices() const { return core_; }

    // The window's key dispatcher: presses the key a character stands for.
    bool PBpush(const std::string& key);
    // Enters a text at the display's caret, as a keypad key does.
    void enterInput(const std::string& key);
    void setDisplay();
    void activateSelf();

    // Unit and precision conversions of the running value.
    void changeUnit(const std::string& item);
    void changeLCD(const std::string& item);
    void ChangePop();

    // Controls used across the handlers.
    EditFract& EditFract1;
    PopMenu& PMUnit;
    PopMenu& PMLCD;
    myBevelButton& bbLock;
    Tape& Tape1;
    platform::PushButton& PBeq;

    // CalculatorHost
    std::string displayText() const override;
    void setDisplayText(const std::string& text) override;
    void selectFromCaret(int length) override;
    void recordOnTape(const std::string& tag) override;
    void lockAndFollow(mixedUnitCU& running, char decimalSeparator) override;
    void changePop() override { ChangePop(); }

  private:
    calcWin& buildFromDesign();
    void wireKeys();
    void wireUnits();
    void wireOpenHandlers();
    void press(const std::string& controlName);
    void resolveDispatch();
    void unitKey(const std::string& keyName);
    void toggleUnits();
    void showConverted(mixedUnitCU& running);

    bool EditFract1_KeyDown(const platform::KeyEvent& key);
    bool Window_KeyDown(const platform::KeyEvent& key);
    void EditFract1_TextChange();
    void EditFract1_SelChange();
    void BBclear_myAction();
    void PMUnit_Change();
    void PMLCD_Change();
    // Runs a choice the user made (pop-up item, unit key, menu command):
    // selfPressed is true only while it is handled.
    void asUsersChoice(PopMenu& popup, const std::function<void()>& choice);

    // Assigns a text the program shows as a result (not an entry being typed).
    void showResult(const std::string& text);
    // Whether inserting this at the caret (over the selection) would make the
    // display longer than it may be.
    bool displayWouldOverflow(std::string_view insert) const;

    bool unitKeyStep_ = false;  // the "=" a unit key presses keeps the key's unit and precision
    bool showingResult_ = false;

    // The key dispatcher's keys, resolved once (calc_keys.cpp): the digits,
    // each row's key, and the row of each ASCII character (-1: none).
    std::array<KeyPress, 10> digitKeys_;
    std::vector<KeyPress> dispatchKeys_;
    std::array<std::int8_t, 128> dispatchRow_{};
    bool inChangeUnit_ = false;
    bool inChangeLCD_ = false;
};

}  // namespace tavrel::ui
