// The function keys: square (Shift: reciprocal), square root, reciprocal,
// sign change, and sine, cosine, tangent with their inverses. Each reads the
// display into tempReg, computes on the master value (functions/), and moves
// the result through the register commands and a calculation step whose
// operator is a tape tag, so the tape records entry and result. A refused
// power, a unit where none is allowed or a result without a finite value is
// a calculation error: beep, registers cleared, display empty.
#include <array>
#include <cmath>

#include "core/convert_unit.h"
#include "core/display_format.h"
#include "core/unit_table.h"
#include "functions/unary.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

constexpr const char* kResultMark = "\u25CA";

struct TrigKey {
    std::string_view control;
    TrigFunction f;
};

constexpr std::array<TrigKey, 3> kTrigKeys{{
    {"BBsin", TrigFunction::sin},
    {"BBcos", TrigFunction::cos},
    {"BBtan", TrigFunction::tan},
}};

// The keys togTrig swaps, in the order it swaps them.
constexpr std::array<std::string_view, 8> kTrigAndTriangleKeys{
    "BBsin", "BBcos", "BBtan", "BBinv", "bbtPitch", "bbtRise", "bbtRun", "bbtDiag"};

}  // namespace

void calcWin::readDisplayIntoTemp() {
    calc_.registers().tempReg = ConvertUnit(EditFract1.text(), -1, "-1", -1, core_);
}

void calcWin::BBsq_myAction() {
    if (app().input().eventModifiers().shift) {
        get<myBevelButton>("BBinvx").push();
        return;
    }
    readDisplayIntoTemp();
    mixedUnitCU& t = *calc_.registers().tempReg;
    Tape1.display("x^2");
    const FunctionResult r = squareOf(t.masterUnit, t.unit, t.power);
    if (r.outcome != FunctionOutcome::ok) {
        calc_.error();
        return;
    }
    t.masterUnit = r.masterUnit;
    t.power = r.power;
    convertGlobaltoLocalUnits(t, core_.decimalSeparator);
    calc_.cleanReg("running=temp");
    calc_.calculate(kResultMark);
}

void calcWin::BBsqrt_myAction() {
    readDisplayIntoTemp();
    mixedUnitCU& t = *calc_.registers().tempReg;
    calc_.calculate("\u221A");
    const FunctionResult r = rootOf(t.masterUnit, t.power);
    if (r.outcome != FunctionOutcome::ok) {
        calc_.error();
        return;
    }
    t.masterUnit = r.masterUnit;
    t.power = r.power;
    convertGlobaltoLocalUnits(t, core_.decimalSeparator);
    showResult(t.valueString);
    if (calc_.clearFlag) calc_.cleanReg("running=temp");
    calc_.calculate(kResultMark);
    calc_.clearFlag = true;
    ChangePop();
    calc_.lastkey = "=";
}

void calcWin::BBinvx_myAction() {
    readDisplayIntoTemp();
    Tape1.display("1/x");
    calc_.clearFlag = true;
    ChangePop();
    calc_.lastkey = "=";
    mixedUnitCU& t = *calc_.registers().tempReg;
    const FunctionResult r = reciprocalOf(t.masterUnit, t.unit, t.power);
    if (r.outcome == FunctionOutcome::refused) {
        // A dimension has no reciprocal here: say so, but keep the calculation.
        calc_.cleanReg("error");
        core_.soundBeep();
        return;
    }
    if (r.outcome == FunctionOutcome::noValue) {
        calc_.error();
        return;
    }
    t.masterUnit = r.masterUnit;
    convertGlobaltoLocalUnits(t, core_.decimalSeparator);
    showResult(t.valueString);
    if (calc_.clearFlag) {
        calc_.cleanReg("running=temp");
        calc_.clearFlag = false;
    }
    ChangePop();
    calc_.lastkey = "=";
    // The reciprocal as shown, rounded to its display precision.
    readDisplayIntoTemp();
    calc_.calculate(kResultMark);
    calc_.clearFlag = true;
    ChangePop();
    calc_.lastkey = "=";
}

void calcWin::BBneg_myAction() {
    if (!calc_.windowClearFlag) {
        // Nothing was converted: the sign of the text itself, also mid-entry.
        std::string text = EditFract1.text();
        if (!text.empty() && text[0] == '-')
            text.erase(0, 1);
        else
            text.insert(0, 1, '-');
        EditFract1.setText(text);
        return;
    }
    PBeq.push();
    mixedUnitCU& r = *calc_.registers().runningReg;
    r.masterUnit *= -1;
    convertGlobaltoLocalUnits(r, core_.decimalSeparator);
    calc_.cleanReg("temp=running");
    calc_.calculate("+/-");
}

std::optional<double> calcWin::chkTrigTolerance(double x) {
    if (sameCode(calc_.registers().tempReg->unit, "nu") && std::isfinite(x)) return snapToWhole(x);
    calc_.error();
    return std::nullopt;
}

void calcWin::pushInv() {
    for (const TrigKey& k : kTrigKeys)
        get(k.control).setCaption(std::string(trigCaption(k.f, false)));
    auto& inv = get<myBevelButtonColor>("BBinv");
    inv.setValue(false);
    inv.setCaption("inv");
}

void calcWin::trigKey_myAction(TrigFunction f) {
    const bool inverse = get<myBevelButtonColor>("BBinv").value();
    readDisplayIntoTemp();
    mixedUnitCU& t = *calc_.registers().tempReg;
    Tape1.display(std::string(trigCaption(f, inverse)));
    if (const std::optional<double> v = chkTrigTolerance(applyTrig(f, inverse, t.masterUnit))) {
        t.masterUnit = *v;
        convertGlobaltoLocalUnits(t, core_.decimalSeparator);
        showResult(t.valueString);
        if (inverse) pushInv();
        // Applied to a shown result, cosine and tangent replace the running value.
        if (f != TrigFunction::sin && calc_.clearFlag) calc_.cleanReg("running=temp");
    }
    calc_.clearFlag = true;
    ChangePop();
    Tape1.display(kResultMark);
}

void calcWin::BBinv_myAction() {
    auto& inv = get<myBevelButtonColor>("BBinv");
    for (const TrigKey& k : kTrigKeys)
        get(k.control).setCaption(std::string(trigCaption(k.f, inv.value())));
    inv.setCaption(inv.value() ? "reg" : "inv");
}

void calcWin::togTrig_myAction() {
    for (std::string_view name : kTrigAndTriangleKeys) {
        platform::Control& key = get(name);
        key.setVisible(!key.visible());
    }
    get<myWigit1>("togTrig").refresh();
}

void calcWin::wireFunctions() {
    get<myBevelButton>("BBsq").myAction = [this] { BBsq_myAction(); };
    get<myBevelButton>("BBsqrt").myAction = [this] { BBsqrt_myAction(); };
    get<myBevelButton>("BBinvx").myAction = [this] { BBinvx_myAction(); };
    get<myBevelButton>("BBneg").myAction = [this] { BBneg_myAction(); };
    for (const TrigKey& k : kTrigKeys) {
        const TrigFunction f = k.f;
        get<myBevelButton>(k.control).myAction = [this, f] { trigKey_myAction(f); };
    }
    get<myBevelButtonColor>("BBinv").myAction = [this] { BBinv_myAction(); };
    auto& toggle = get<myWigit1>("togTrig");
    toggle.myAction = [this] { togTrig_myAction(); };
    // The picture names the set a click brings, as the unit toggle's does.
    toggle.onPaint = [this, &toggle](platform::Graphics& g) {
        if (platform::PicturePtr p = toggle.value ? images_.trig() : images_.tri())
            g.drawPicture(*p, toggle.x, toggle.y);
    };
}

}  // namespace tavrel::ui
