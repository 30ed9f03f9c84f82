// Keyboard and keypad. Every typed character becomes a press of one of the
// window's keys (PBpush); keypad keys enter their text through enterInput;
// two display handlers finish every change of the display text.
#include <array>

#include "tavrel/platform/utf8.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

namespace utf8 = platform::utf8;

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLetters(const std::string& a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

constexpr std::string_view kBackspace = "\b";
constexpr std::string_view kDivisionSign = "\u00F7";

struct KeypadKey {
    std::string_view control;
    std::string_view enters;  // empty: the local decimal separator
};

constexpr std::array<KeypadKey, 16> kKeypad{{
    {"PB0", "0"},
    {"PB1", "1"},
    {"PB2", "2"},
    {"PB3", "3"},
    {"PB4", "4"},
    {"PB5", "5"},
    {"PB6", "6"},
    {"PB7", "7"},
    {"PB8", "8"},
    {"PB9", "9"},
    {"PBdecimal", ""},
    {"BBfract", "/"},
    {"BBspc", " "},
    {"BBsquare", "@"},
    {"BBcubic", "#"},
    {"BBdel", kBackspace},
}};

}  // namespace

void calcWin::press(const std::string& controlName) {
    platform::Control& c = get(controlName);
    if (auto* bevel = dynamic_cast<myBevelButton*>(&c))
        bevel->push();
    else if (auto* color = dynamic_cast<myBevelButtonColor*>(&c))
        color->push();
    else if (auto* button = dynamic_cast<platform::PushButton*>(&c))
        button->push();
}

bool calcWin::PBpush(const std::string& key) {
    // Rows in order; letters ignore case, marked characters compare by code.
    auto op = [this](const char* name) {
        press(name);
        calc_.clearFlag = true;
        return true;
    };
    if (sameLetters(key, "y")) return press("BByds"), true;
    if (key == " ") return press("BBspc"), true;
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9')
        return press(std::string("PB") + key), true;
    if (key == ".") return press("PBdecimal"), true;
    if (key == "+") return op("BBadd");
    if (key == "-") return op("BBsub");
    if (key == "x" || key == "X" || key == "*") return op("BBmult");
    if (key == "\\" || key == "?") return op("BBdiv");
    if (key == "=") return op("PBeq");
    if (key == "/") return press("BBfract"), true;
    if (sameLetters(key, "i")) return press("BBinch"), true;
    if (sameLetters(key, "f")) return press("BBft"), true;
    if (sameLetters(key, "e")) return press("BBmi"), true;
    if (key == kBackspace) return press("BBdel"), true;
    if (key == "\"") return press("BBinch"), true;
    if (key == "'") return press("BBft"), true;
    if (key == "C") return press("BBclear"), false;
    if (key == "M") return press("BBm"), true;
    if (key == "c") return press("BBcm"), true;
    if (key == "m") return press("BBmm"), true;
    // The kilometre key's help tag names "k"; nothing else takes it.
    if (key == "k") return press("BBkm"), true;
    if (key == kDivisionSign) return op("BBdiv");
    return false;
}

bool calcWin::EditFract1_KeyDown(const platform::KeyEvent& key) {
    if (key.modifiers.command) return true;
    const std::string& k = key.text;
    switch (key.code) {
        case '+':
        case '-':
        case '*':
        case '\\':
            PBpush(k);
            return true;
        case 'C':
            calc_.cleanReg("clear");
            PBpush(k);
            return true;
        case platform::keys::Escape:
            calc_.cleanReg("clear");
            return PBpush("C");
        case 'e':
        case '@':
        case '#':
        case platform::keys::Backspace:
        case platform::keys::ForwardDelete:
            return false;
        case '?':
        case 0x00F7:
            return PBpush("\\");
        case platform::keys::Return:
        case '=':
        case platform::keys::Enter:
            return PBpush("=");
        default:
            PBpush(k);
            return true;
    }
}

bool calcWin::Window_KeyDown(const platform::KeyEvent& key) {
    if (focus() != nullptr) return false;
    EditFract1.setFocusAlt();
    EditFract1.setText(EditFract1.text() + key.text);
    return false;
}

void calcWin::setDisplay() {
    if (calc_.clearFlag) {
        EditFract1.setText(std::string());
        calc_.clearFlag = false;
    }
}

void calcWin::enterInput(const std::string& key) {
    if (calc_.lastkey == "=") calc_.cleanReg("clear");
    calc_.lastkey = key;
    ChangePop();
    activateSelf();
    setDisplay();
    std::string text = EditFract1.text();
    const std::size_t p = EditFract1.selStart();
    const std::size_t r = EditFract1.selLength();
    if (r > 0) {
        text = utf8::substr(text, 0, p) + utf8::substr(text, p + r, std::string::npos);
        EditFract1.setText(text);
        EditFract1.setSelStart(p);
    }
    if (key == kBackspace) {
        // The inserted backspace goes with the character before it.
        if (p > 0) text = utf8::substr(text, 0, p - 1) + utf8::substr(text, p, std::string::npos);
        EditFract1.setText(text);
        EditFract1.setSelStart(p > 0 ? p - 1 : 0);
        return;
    }
    EditFract1.setText(utf8::substr(text, 0, p) + key + utf8::substr(text, p, std::string::npos));
    EditFract1.setSelStart(p + utf8::length(key));
}

void calcWin::EditFract1_TextChange() {
    const std::string rule = displayTextRule(EditFract1.text(), core_.decimalSeparator);
    if (rule != EditFract1.text()) EditFract1.setText(rule);
    EditFract1.setSelStart(EditFract1.length());
}

void calcWin::EditFract1_SelChange() {
    if (EditFract1.text().empty()) {
        PMLCD.setEnabled(false);
        PMUnit.setEnabled(false);
        if (!bbLock.value()) {
            // A selection by code: it must convert nothing.
            PMUnit.selfPressed = false;
            PMLCD.selfPressed = false;
            PMLCD.setListIndex(0);
            PMUnit.setListIndex(0);
        }
    }
    EditFract1.setFocus();
}

void calcWin::BBclear_myAction() {
    if (app().input().eventModifiers().option) {
        press("pbTapeClr");
        return;
    }
    for (const char* tri : {"bbtPitch", "bbtRise", "bbtRun", "bbtDiag"}) get<bbTri>(tri).clear();
    Tape1.lineFeed();
    calc_.cleanReg("clear");
}

void calcWin::wireKeys() {
    EditFract1.onKeyDown = [this](const platform::KeyEvent& k) { return EditFract1_KeyDown(k); };
    EditFract1.onTextChange = [this] { EditFract1_TextChange(); };
    EditFract1.onSelChange = [this] { EditFract1_SelChange(); };
    onKeyDown = [this](const platform::KeyEvent& k) { return Window_KeyDown(k); };

    for (const KeypadKey& k : kKeypad) {
        const std::string enters(k.enters);
        auto action = [this, enters] {
            enterInput(enters.empty() ? std::string(1, core_.decimalSeparator) : enters);
        };
        platform::Control& c = get(k.control);
        if (auto* b = dynamic_cast<myBevelButton*>(&c))
            b->myAction = action;
        else
            get<platform::PushButton>(k.control).onAction = action;
    }
    get<myBevelButton>("BBadd").myAction = [this] { calc_.operatorKey("+"); };
    get<myBevelButton>("BBsub").myAction = [this] { calc_.operatorKey("-"); };
    get<myBevelButton>("BBmult").myAction = [this] { calc_.operatorKey("*"); };
    get<myBevelButton>("BBdiv").myAction = [this] { calc_.divisionKey(); };
    PBeq.onAction = [this] { calc_.operatorKey("="); };
    get<myBevelButton>("BBclear").myAction = [this] { BBclear_myAction(); };
}

}  // namespace tavrel::ui
