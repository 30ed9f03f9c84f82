// The memory menu. Its rows are the only storage: a remembered value is the
// text of its row (a space, then the display text it was stored with), read
// back through the parser whenever it is used. Sums and differences are
// worked on master values and written back in the remembered value's unit.
#include <charconv>
#include <cmath>

#include "core/convert_unit.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

// The row text without its leading space (and any other outer blanks).
std::string trimmed(const std::string& row) {
    const auto first = row.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const auto last = row.find_last_not_of(" \t");
    return row.substr(first, last - first + 1);
}

// Plain digits, at most one point and an optional minus: the parser reads no exponent.
std::string plainDecimal(double v) {
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

}  // namespace

void calcWin::focusDisplayAtEnd() {
    EditFract1.setFocus();
    EditFract1.setSelStart(100);
}

void calcWin::BBmemory_Action() {
    auto& memory = get<myMenuBB>("BBmemory");
    const int k = memory.menuValue();
    const platform::Modifiers held = app().input().modifiersNow();
    if (k == myMenuBB::kAddRow) {
        if (!EditFract1.text().empty()) {
            PBeq.push();
            memory.addRow(" " + EditFract1.text());
        }
    } else if (k == myMenuBB::kClearRow) {
        memory.initalize();
    } else if (k >= myMenuBB::kFirstValueRow && k < memory.rowCount()) {
        if (held.shift)
            memoryEntry(k, held.option);
        else
            memoryRecall(k);
    }
    memory.setMenuValue(myMenuBB::kRestRow);
    PBeq.push();
    focusDisplayAtEnd();
}

void calcWin::memoryRecall(int row) {
    auto& memory = get<myMenuBB>("BBmemory");
    if (calc_.lastkey == "=") {
        // The recalled value starts a new calculation. Pressed as a plain
        // key: with Option held the clear key would clear the tape instead.
        platform::InputState::EventScope plain(app().input(), platform::Modifiers::none());
        get<myBevelButton>("BBclear").push();
    }
    EditFract1.setText(trimmed(memory.rowText(row)));
    calc_.clearFlag = true;
}

void calcWin::memoryEntry(int row, bool subtract) {
    auto& memory = get<myMenuBB>("BBmemory");
    // An empty display has nothing to add.
    if (EditFract1.text().empty()) return;
    const ValueRef m = ConvertUnit(trimmed(memory.rowText(row)), -1, "-1", -1, core_);
    const ValueRef d = ConvertUnit(EditFract1.text(), -1, "-1", -1, core_);
    // Refused as the operators refuse it: a length and an area do not add.
    if (m->power != d->power) {
        core_.soundBeep();
        return;
    }
    const double s = subtract ? m->masterUnit - d->masterUnit : m->masterUnit + d->masterUnit;
    if (!std::isfinite(s)) {
        core_.soundBeep();
        return;
    }
    const int precision = m->fractType > 0 ? 100 : m->fractType;
    // Centimetres read at the remembered value's own power, shown in its unit.
    const ValueRef n = ConvertUnit(plainDecimal(s) + "c", m->power, m->unit, precision, core_);
    memory.setRowText(row, " " + n->valueString);
}

void calcWin::wireMemory() {
    auto& memory = get<myMenuBB>("BBmemory");
    memory.myAction = [this] { BBmemory_Action(); };
    memory.onMouseExit = [this] { focusDisplayAtEnd(); };
}

}  // namespace tavrel::ui
