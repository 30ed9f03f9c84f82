// The calculator window. It is built by walking its design table, owns the
// Calculator (registers, pending operator, flags) and the tape, and is the
// calculation step's host: the step reads and writes the display field,
// records on the tape and asks the pop-ups for the lock-and-follow rule.
// Its handlers are split by concern: calc_keys.cpp (keyboard and keypad),
// calc_units.cpp (pop-ups, conversions, unit keys), calc_functions.cpp
// (square, root, reciprocal, sign, trigonometry), calc_triangle.cpp
// (triangle keys), calc_memory.cpp (the memory menu), calc_clipboard.cpp
// (display clipboard and context menu), calc_tape.cpp (tape clicks, keys,
// copy and printing), calc_win.cpp (building).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "core/core_services.h"
#include "functions/triangle.h"
#include "functions/trig.h"
#include "tape/tape_store.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/printing.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/window.h"
#include "tavrel/ui/controls/image_set.h"
#include "tavrel/ui/controls/my_bevel_button.h"
#include "tavrel/ui/controls/plain_controls.h"
#include "tavrel/ui/controls/wigits.h"
#include "ui/bb_tri.h"
#include "ui/edit_fract.h"
#include "ui/key_press.h"
#include "ui/my_menu_bb.h"
#include "ui/pop_menu.h"
#include "ui/shell_settings.h"
#include "ui/tape_control.h"

namespace tavrel::ui {

// Keeping the tape between runs: the keepTape preference, and the file to
// keep it in (none: tape.txt in the data folder).
struct TapeKeeping {
    bool keepTape = true;
    std::optional<std::filesystem::path> file;
};

class calcWin : public platform::Window, public CalculatorHost {
    // Declared first: the controls are built from the design table while the
    // references below are bound, and the tape control needs the registers.
    CoreServices core_;
    Calculator calc_;
    ImageSet images_;

  public:
    explicit calcWin(platform::Application& app, TapeKeeping keeping = {});

    Calculator& calculator() { return calc_; }
    ImageSet& images() { return images_; }
    const CoreServices& coreServices() const { return core_; }

    // The window's key dispatcher: presses the key a character stands for.
    bool PBpush(const std::string& key);
    // Enters a text at the display's caret, as a keypad key does.
    void enterInput(const std::string& key);
    void setDisplay();
    void activateSelf();

    // The keepTape preference: on, every tape line is also kept in the tape
    // file (turned on during a run, the file takes the tape as it stands);
    // off, the file is removed.
    void setKeepTape(bool on);
    bool keepTape() const { return keeping_.keepTape; }
    // Whether lines reach the file now: off for the run once a write failed.
    bool keepingTape() const { return Tape1.kept().store() != nullptr; }
    std::optional<std::filesystem::path> tapeFile() const;
    // "Save Tape As…": asks for a file and writes the tape there, as CSV when
    // its name ends in .csv, else as plain text. False when cancelled or not written.
    bool saveTapeAs();

    // Unit and precision conversions of the running value.
    void changeUnit(const std::string& item);
    void changeLCD(const std::string& item);
    void ChangePop();

    // Trigonometry: the value to store (snapped near a whole number), or an
    // error when the operand has a unit or the result has no value.
    std::optional<double> chkTrigTolerance(double x);
    // Leaves inverse mode.
    void pushInv();
    // Menu commands of the display and the tape (the clear commands press
    // BBclear and pbTapeClr).
    void copyCalc();
    void pasteCalc();
    void copyTape();
    void pageSetup();
    void printTape();
    // Kept here until the application object keeps the page setup; empty
    // until the first Page Setup or print.
    const std::optional<platform::PageSetup>& pageSetupInUse() const { return pageSetup_; }

    // Set by the application once the help window and the transparency
    // setting exist: the context menus' "Help" and "Trans Calc" rows.
    std::function<void()> showHelp;
    std::function<void()> toggleTransparency;

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

    // --- shell: sizing, transparency, menu commands (calc_shell.cpp, calc_menu.cpp) ---
    // Where the window's state is read and saved; none: defaults, nothing saved.
    WindowPrefs* windowPrefs = nullptr;
    // The preferences window's transparency choice; none: no transparency.
    TransparencySettings* transparency = nullptr;
    void sizeWindow();
    void Event_Resizing();
    void TimerCheckTransparency_Action();
    // The Unit and LCD menu commands (conversion texts "inch", "1/8", ...).
    void unitMenuCommand(const std::string& item);
    void lcdMenuCommand(const std::string& item);
    // The Unit and LCD part of the enabling pass.
    void enableUnitMenus(platform::MenuBar& bar);

  private:
    void wireShell();
    void wireMenus();
    void Event_Close();
    calcWin& buildFromDesign();
    void wireKeys();
    void wireUnits();
    void wireOpenHandlers();
    void press(const std::string& controlName);
    void resolveDispatch();
    void unitKey(const std::string& keyName);
    void toggleUnits();
    void showConverted(mixedUnitCU& running);
    void startTape();
    void tapeNotSaved(const std::string& reason);

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

    // Function keys (calc_functions.cpp) and triangle keys (calc_triangle.cpp).
    void wireFunctions();
    void wireTriangle();
    void readDisplayIntoTemp();
    void BBsq_myAction();
    void BBsqrt_myAction();
    void BBinvx_myAction();
    void BBneg_myAction();
    void trigKey_myAction(TrigFunction f);
    void BBinv_myAction();
    void togTrig_myAction();
    void bbTri_myAction(bbTri& key, TriSide side);
    void mSolve(bbTri& key, TriSide side);
    void pitchSet();
    void pitchSolve();
    // Memory menu (calc_memory.cpp).
    void wireMemory();
    void BBmemory_Action();
    void memoryRecall(int row);
    void memoryEntry(int row, bool subtract);
    void focusDisplayAtEnd();

    // Display clipboard and context menu (calc_clipboard.cpp).
    void wireClipboard();
    bool EditFract1_MouseDown();
    bool Window_MouseDown();
    void EditFract1_DropObject(const std::string& text);
    void ContextualMenu1_Action(const std::string& row);

    // Tape interaction and printing (calc_tape.cpp).
    void wireTape();
    bool Tape1_MouseDown(int x, int y);
    bool Tape1_KeyDown(const platform::KeyEvent& key);
    bool reenterFromTape(std::size_t offset);
    void ContextualMenu2_Action(const std::string& row);
    std::optional<platform::PageSetup> pageSetup_;

    TapeKeeping keeping_;
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
