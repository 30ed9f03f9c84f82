// Strict left-to-right arithmetic on master values, with the power tracked so
// lengths multiply into areas and volumes and divide back.
#include "calculator.h"

#include <cmath>

#include "convert_unit.h"
#include "display_format.h"
#include "unit_table.h"

namespace tavrel {
namespace {

void copyValue(const mixedUnitCU& from, mixedUnitCU& to) {
    to.valueString = from.valueString;
    to.decimal_1 = from.decimal_1;
    to.decimal_2 = from.decimal_2;
    to.denominator = from.denominator;
    to.neumerator = from.neumerator;
    to.unit = from.unit;
    to.originalInput = from.originalInput;
    to.masterUnit = from.masterUnit;
    to.power = from.power;
    to.fractType = from.fractType;
}

bool isNu(const mixedUnitCU& v) {
    return sameCode(v.unit, "nu");
}

}  // namespace

void CalculatorHost::lockAndFollow(mixedUnitCU& running, char decimalSeparator) {
    convertGlobaltoLocalUnits(running, decimalSeparator);
}

void Calculator::applyPending() {
    mixedUnitCU& r = *regs_.runningReg;
    mixedUnitCU& t = *regs_.tempReg;
    const std::string& op = lastOperator;
    const bool arithmetic = op == "+" || op == "-" || op == "*" || op == "\\";
    if (arithmetic && runningEmpty_) {
        // Zero read from an empty display: the operand now given decides what
        // it was zero of, so "- 5' =" is minus five feet.
        r.unit = t.unit;
        r.power = t.power;
        r.fractType = t.fractType;
    }
    if (arithmetic) runningEmpty_ = runningEmpty_ && operandEmpty_;
    if (op == "+" || op == "-") {
        r.masterUnit = op == "+" ? r.masterUnit + t.masterUnit : r.masterUnit - t.masterUnit;
        if (r.power != t.power) error();
        r.power = t.power;
    } else if (op == "*") {
        r.masterUnit *= t.masterUnit;
        if (!isNu(r) && !isNu(t)) {
            r.power += t.power;
        } else if (isNu(r) && !isNu(t)) {
            r.unit = t.unit;
            r.power += t.power;
        }
    } else if (op == "\\") {
        r.masterUnit /= t.masterUnit;
        if (!isNu(r) && !isNu(t)) r.power -= t.power;
    } else if (op.empty() || op == "=") {
        cleanReg("running=temp");
        runningEmpty_ = operandEmpty_;
    }
}

void Calculator::calculate(const std::string& op) {
    if (!clearFlag) applyPending();
    mixedUnitCU& r = *regs_.runningReg;
    if (r.power > 3 || r.power < 0) error();
    // A division by zero has no value to show: treat it as any other error.
    if (!std::isfinite(r.masterUnit)) error();
    lastOperator = op;
    host_.lockAndFollow(r, services_.decimalSeparator);
    r.display(services_.decimalSeparator);
    // A result the display cannot hold (beyond about 1e250) is no answer either.
    if (r.valueString.size() > kDisplayLimit) {
        error();
        lastOperator = op;
        host_.lockAndFollow(r, services_.decimalSeparator);
        r.display(services_.decimalSeparator);
    }
    host_.recordOnTape(op);
    host_.setDisplayText(r.valueString);
    clearFlag = true;
    host_.selectFromCaret(100);
}

void Calculator::cleanReg(const std::string& command) {
    if (command == "error") {
        host_.setDisplayText("error");
        clearFlag = true;
    } else if (command == "clear") {
        lastOperator.clear();
        runningEmpty_ = false;
        regs_.tempReg->clear();
        regs_.runningReg->clear();
        host_.setDisplayText("");
        clearFlag = true;
    } else if (command == "running=temp") {
        copyValue(*regs_.tempReg, *regs_.runningReg);
    } else if (command == "temp=running") {
        copyValue(*regs_.runningReg, *regs_.tempReg);
    } else if (command == "clrTemp") {
        regs_.tempReg->clear();
    }
}

void Calculator::error() {
    services_.soundBeep();
    cleanReg("error");
    cleanReg("clear");
    clearFlag = true;
}

void Calculator::readOperand() {
    operandEmpty_ = host_.displayText().empty();
    regs_.tempReg = ConvertUnit(host_.displayText(), -1, "-1", -1, services_);
}

void Calculator::operatorKey(const std::string& op) {
    clearFlag = false;
    readOperand();
    calculate(op);
    clearFlag = true;
    host_.changePop();
    lastkey = op;
}

void Calculator::divisionKey() {
    windowClearFlag = false;
    readOperand();
    calculate("\\");
    clearFlag = true;
    host_.changePop();
    lastkey = "\\";
}

std::string displayTextRule(const std::string& text, char decimalSeparator, DisplayOrigin origin) {
    std::string s = text;
    if (origin == DisplayOrigin::Result && s == std::string{'0', decimalSeparator, '0'}) s.clear();
    if (s.empty()) return s;
    const char last = s.back();
    if (last != '@' && last != '#') return s;
    const bool spaceBefore = s.size() >= 2 && s[s.size() - 2] == ' ';
    for (const char* mark : {" sq", " cu"})
        for (auto at = s.find(mark); at != std::string::npos; at = s.find(mark)) s.erase(at, 3);
    const auto at = s.find(last);
    const char* word = last == '@' ? "sq" : "cu";
    s.replace(at, 1, spaceBefore ? std::string(word) : std::string(" ") + word);
    return s;
}

}  // namespace tavrel
