// The calculation step. An operator key reads the display text into tempReg,
// applies the pending operator to runningReg on master values, lets the host
// give the result its unit and precision (lock and follow), formats it,
// records the step on the tape and shows it. Everything outside the registers
// (display, tape, pop-ups) is reached through CalculatorHost, so the step runs
// with or without a window.
#pragma once

#include <cstddef>
#include <string>

#include "core_services.h"
#include "mixed_unit.h"

namespace tavrel {

struct Registers {
    ValueRef runningReg = newValue();
    ValueRef tempReg = newValue();
};

class CalculatorHost {
  public:
    virtual ~CalculatorHost() = default;
    virtual std::string displayText() const = 0;
    // Assigning the text runs the display's change handlers.
    virtual void setDisplayText(const std::string& text) = 0;
    // Select `length` characters from the caret (the result is replaced by the next key).
    virtual void selectFromCaret(int /*length*/) {}
    virtual void recordOnTape(const std::string& /*tag*/) {}
    // Gives the result its unit and precision and converts it for display.
    virtual void lockAndFollow(mixedUnitCU& running, char decimalSeparator);
    // Enables the unit and precision choices after a key.
    virtual void changePop() {}
};

class Calculator {
  public:
    Calculator(CalculatorHost& host, const CoreServices& services)
        : host_(host), services_(services) {}

    Registers& registers() { return regs_; }
    const Registers& registers() const { return regs_; }
    const CoreServices& services() const { return services_; }

    // One calculation step; op is the new operator or a function key's tape text.
    void calculate(const std::string& op);
    // "clear", "error", "running=temp", "temp=running", "clrTemp"; anything else does nothing.
    void cleanReg(const std::string& command);
    void error();

    // The operator keys: "+", "-", "*" and "=".
    void operatorKey(const std::string& op);
    // The division key: right after a result it only replaces the pending operator.
    void divisionKey();

    std::string lastOperator;
    bool clearFlag = false;        // the display shows a result, not an entry
    std::string lastkey;           // the window's last entry key or operator
    bool windowClearFlag = false;  // set by conversions, cleared by the division key

  private:
    void applyPending();
    void readOperand();

    // An operator key read an empty display (nothing typed, nothing shown):
    // that zero has no unit of its own and takes the other operand's.
    bool operandEmpty_ = false;
    bool runningEmpty_ = false;

    CalculatorHost& host_;
    const CoreServices& services_;
    Registers regs_;
};

// The display holds at most this many characters; a key that would make it
// longer beeps and enters nothing, a longer result is a calculation error.
inline constexpr std::size_t kDisplayLimit = 255;

// Where a text in the display comes from: typed (or edited) by the user, or
// shown by the program as a result.
enum class DisplayOrigin { Entry, Result };

// The display field's text rule, run after every change of its text: a zero
// result in decimal form shows empty (a typed "0.0" stays: it may go on to
// "0.05"), "@" and "#" become the area and volume marks.
std::string displayTextRule(const std::string& text, char decimalSeparator,
                            DisplayOrigin origin = DisplayOrigin::Result);

}  // namespace tavrel
