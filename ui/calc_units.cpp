// Units and precisions: the two pop-ups, the conversions of the running
// value (changeUnit, changeLCD), the lock-and-follow rule of every step, the
// eight unit keys and the English/metric toggle. A conversion changes only
// the running value's unit, precision and text, never its master value.
#include <array>

#include "core/display_format.h"
#include "core/unit_table.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

struct UnitKey {
    std::string_view control;
    std::string_view item;   // the unit pop-up item it converts to
    std::string_view types;  // typed into an entry
    std::string_view optionPrecision;
};

constexpr std::array<UnitKey, 8> kUnitKeys{{
    {"BBinch", "inch", "\"", "1/64"},
    {"BBft", "foot", "'", ""},
    {"BByds", "yard", "y", "1/64"},
    {"BBmi", "mile", "e", "1/64"},
    {"BBmm", "mm", "m", "1/100"},
    {"BBcm", "cm", "c", "1/100"},
    {"BBm", "me", "M", "1/100"},
    {"BBkm", "km", "k", "1/100"},
}};

constexpr std::array<std::string_view, 4> kEnglishKeys{"BBinch", "BBft", "BByds", "BBmi"};
constexpr std::array<std::string_view, 4> kMetricKeys{"BBmm", "BBm", "BBcm", "BBkm"};

bool hasUnitCharacter(const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '"':
            case '\'':
            case 'y':
            case 'Y':
            case 'm':
            case 'M':
            case 'e':
            case 'E':
            case 'c':
            case 'C':
            case 'k':
            case 'K':
                return true;
            default:
                break;
        }
    }
    return false;
}

// Guards a conversion against being restarted by the change notifications it
// causes itself; those nested calls would find their item already selected.
class Reentry {
  public:
    explicit Reentry(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
    ~Reentry() {
        if (entered_) flag_ = false;
    }
    bool nested() const { return !entered_; }

  private:
    bool& flag_;
    bool entered_;
};

int precisionOf(const std::string& item) {
    static constexpr std::array<std::pair<std::string_view, int>, 7> kItems{{{"1/2", 2},
                                                                             {"1/4", 4},
                                                                             {"1/8", 8},
                                                                             {"1/16", 16},
                                                                             {"1/32", 32},
                                                                             {"1/64", 64},
                                                                             {"1/100", 100}}};
    for (const auto& [text, value] : kItems)
        if (sameCode(text, item)) return value;
    return 0;
}

}  // namespace

void calcWin::asUsersChoice(PopMenu& popup, const std::function<void()>& choice) {
    popup.selfPressed = true;
    choice();
    PMUnit.selfPressed = false;
    PMLCD.selfPressed = false;
}

void calcWin::ChangePop() {
    PMUnit.setEnabled(true);
    PMLCD.setEnabled(true);
    app().requestMenuEnabling();
}

void calcWin::lockAndFollow(mixedUnitCU& r, char decimalSeparator) {
    if (bbLock.value() || unitKeyStep_) {
        const std::string u = PMUnit.menuValue();
        if (!(sameCode(u, "nu") && !sameCode(r.unit, "nu"))) r.unit = u;
        const std::string lcd = PMLCD.menuValue();
        r.fractType = lcd.empty() ? 0 : std::stoi(lcd);
    }
    // A feet-inches result at the decimal precision comes out in decimal feet.
    convertGlobaltoLocalUnits(r, decimalSeparator);
    PMLCD.selfPressed = false;
    PMLCD.display(std::to_string(r.fractType));
    PMUnit.selfPressed = false;
    PMUnit.display(r.unit);
}

void calcWin::PMUnit_Change() {
    const std::string item = PMUnit.text();
    if (!hasUnitCharacter(EditFract1.text())) {
        if (const UnitItem* u = unitItemByText(item); u && !u->suffix.empty()) {
            if (displayWouldOverflow(u->suffix))
                core_.soundBeep();
            else
                EditFract1.setText(EditFract1.text() + std::string(u->suffix));
        }
    }
    if (!calc_.clearFlag && PMUnit.selfPressed) {
        PBeq.push();
        PMUnit.selfPressed = true;
    }
    changeUnit(item);
    calc_.clearFlag = true;
}

void calcWin::PMLCD_Change() {
    const std::string item = PMLCD.text();
    if (!calc_.clearFlag && PMLCD.selfPressed) {
        PBeq.push();
        PMLCD.selfPressed = true;
    }
    changeLCD(item);
}

// The end of every conversion: the running value in its new form, shown.
void calcWin::showConverted(mixedUnitCU& r) {
    convertGlobaltoLocalUnits(r, core_.decimalSeparator);
    calc_.windowClearFlag = true;
    r.display(core_.decimalSeparator);
    if (r.valueString.size() > kDisplayLimit) {
        calc_.error();  // more than the display holds, like an overflowing result
        return;
    }
    showResult(r.valueString);
    EditFract1.setFocus();
}

void calcWin::changeUnit(const std::string& item) {
    Reentry guard(inChangeUnit_);
    if (guard.nested()) return;
    mixedUnitCU& r = *calc_.registers().runningReg;
    if (sameCode(r.unit, "nu")) {
        PMUnit.display("nu");
        return;
    }
    if (!PMUnit.selfPressed) return;
    const UnitItem* u = unitItemByText(item);
    std::string code = u ? std::string(u->code) : std::string();
    if (sameCode(item, "nu")) code = "nu";
    if (code.empty() || (sameCode(code, "NU") && !sameCode(item, "nu"))) {
        // The title names no unit: convert nothing, show the value's own unit again.
        PMUnit.display(r.unit);
        return;
    }
    if (sameCode(code, "fi")) {
        r.fractType = r.lastFract >= 1 ? r.lastFract : 64;
        if (r.lastFract != 0) {
            PMLCD.display(std::to_string(r.lastFract));
        } else {
            changeLCD("1/64");
            PMLCD.display("64");
        }
    } else if (!sameCode(code, "in")) {
        r.setLastFract();
        calc_.windowClearFlag = true;
        PMLCD.selfPressed = true;
        changeLCD("decimal");
    }
    PMUnit.display(code);
    r.setLastFract();
    r.unit = code;
    showConverted(r);
}

void calcWin::changeLCD(const std::string& item) {
    Reentry guard(inChangeLCD_);
    if (guard.nested()) return;
    if (!PMLCD.selfPressed) return;
    mixedUnitCU& r = *calc_.registers().runningReg;
    int m = 0;
    if (sameCode(item, "decimal")) {
        if (sameCode(r.unit, "fi")) {
            r.unit = "ft";
            PMUnit.display("ft");
        }
    } else if (sameCode(item, "lcd")) {
        PMLCD.display(std::to_string(r.fractType));
        m = r.fractType;
    } else {
        m = precisionOf(item);
    }
    PMLCD.display(std::to_string(m));
    r.fractType = m;
    showConverted(r);
}

void calcWin::unitKey(const std::string& keyName) {
    const UnitKey* key = nullptr;
    for (const UnitKey& k : kUnitKeys)
        if (k.control == keyName) key = &k;
    if (!calc_.clearFlag) {
        enterInput(std::string(key->types));
        return;
    }
    const platform::Modifiers mods = app().input().eventModifiers();
    const std::string item(key->item);
    if (keyName == "BBft") {
        PMUnit.selfPressed = true;
        changeUnit(mods.option ? "ft-in" : "foot");
    } else {
        PMUnit.selfPressed = true;
        PMLCD.selfPressed = true;
        if (mods.shift) {
            changeUnit(item);
            changeLCD("decimal");
        } else if (mods.option) {
            changeUnit(item);
            changeLCD(std::string(key->optionPrecision));
        } else {
            changeUnit(item);
            PMLCD.selfPressed = false;
        }
    }
    // The "=" reads the converted text back; read literally it would give the
    // value the parser's precision (decimal for metric units, 64ths for
    // feet-inches), undoing the precision the key just chose.
    unitKeyStep_ = true;
    PBeq.push();
    unitKeyStep_ = false;
    PMUnit.selfPressed = false;
    PMLCD.selfPressed = false;
}

void calcWin::toggleUnits() {
    auto& toggle = get<myWigit1>("togUnit");
    for (auto name : kEnglishKeys) get(name).setVisible(toggle.value);
    for (auto name : kMetricKeys) get(name).setVisible(!toggle.value);
    toggle.refresh();
}

void calcWin::wireUnits() {
    PMUnit.onChange = [this] { PMUnit_Change(); };
    PMLCD.onChange = [this] { PMLCD_Change(); };
    PMUnit.onUserChoice = [this](const std::function<void()>& apply) {
        asUsersChoice(PMUnit, apply);
    };
    PMLCD.onUserChoice = [this](const std::function<void()>& apply) {
        asUsersChoice(PMLCD, apply);
    };
    bbLock.myAction = [this] {
        PMUnit.setItalic(bbLock.value());
        PMLCD.setItalic(bbLock.value());
    };
    for (const UnitKey& k : kUnitKeys) {
        const std::string name(k.control);
        get<myBevelButton>(name).myAction = [this, name] { unitKey(name); };
    }
    auto& toggle = get<myWigit1>("togUnit");
    toggle.myAction = [this] { toggleUnits(); };
    // The picture names the set a click brings.
    toggle.onPaint = [this, &toggle](platform::Graphics& g) {
        if (platform::PicturePtr p = toggle.value ? images_.met() : images_.eng())
            g.drawPicture(*p, toggle.x, toggle.y);
    };
}

}  // namespace tavrel::ui
