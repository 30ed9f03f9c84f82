// Keyboard and keypad. Every typed character becomes a press of one of the
// window's keys (PBpush); keypad keys enter their text through enterInput;
// two display handlers finish every change of the display text.
#include <array>

#include "core/unit_table.h"
#include "tavrel/platform/utf8.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

namespace utf8 = platform::utf8;

constexpr std::string_view kBackspace = "\b";

// The key dispatcher's rows, tested in order; the digits are handled apart.
// Letters marked ignoreCase match either case; the others compare by code.
struct DispatchRow {
    std::string_view character;
    bool ignoreCase;
    std::string_view key;
    bool operatorKey;  // the display then shows a result
    bool taken;
};

constexpr std::array<DispatchRow, 24> kDispatch{{
    {"y", true, "BByds", false, true},
    {" ", false, "BBspc", false, true},
    {".", false, "PBdecimal", false, true},
    {"+", false, "BBadd", true, true},
    {"-", false, "BBsub", true, true},
    {"x", false, "BBmult", true, true},
    {"X", false, "BBmult", true, true},
    {"*", false, "BBmult", true, true},
    {"\\", false, "BBdiv", true, true},
    {"?", false, "BBdiv", true, true},
    {"=", false, "PBeq", true, true},
    {"/", false, "BBfract", false, true},
    {"i", true, "BBinch", false, true},
    {"f", true, "BBft", false, true},
    {"e", true, "BBmi", false, true},
    {"\b", false, "BBdel", false, true},
    {"\"", false, "BBinch", false, true},
    {"'", false, "BBft", false, true},
    {"C", false, "BBclear", false, false},
    {"M", false, "BBm", false, true},
    {"c", false, "BBcm", false, true},
    {"m", false, "BBmm", false, true},
    // The kilometre key's help tag names "k"; nothing else takes it.
    {"k", false, "BBkm", false, true},
    {"\u00F7", false, "BBdiv", true, true},
}};

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
    KeyPress(get(controlName))();
}

bool calcWin::PBpush(const std::string& key) {
    // Where the system writes a comma, a typed comma is the decimal key too.
    if (key.size() == 1 && key[0] == core_.decimalSeparator) {
        press("PBdecimal");
        return true;
    }
    int row = -1;
    if (key.size() == 1 && static_cast<unsigned char>(key[0]) < 128) {
        const char c = key[0];
        if (c >= '0' && c <= '9') {
            digitKeys_[static_cast<std::size_t>(c - '0')]();
            return true;
        }
        row = dispatchRow_[static_cast<std::size_t>(c)];
    } else {
        for (std::size_t i = 0; i < kDispatch.size() && row < 0; ++i)
            if (key == kDispatch[i].character) row = static_cast<int>(i);
    }
    if (row < 0) return false;
    const DispatchRow& r = kDispatch[static_cast<std::size_t>(row)];
    dispatchKeys_[static_cast<std::size_t>(row)]();
    if (r.operatorKey) calc_.clearFlag = true;
    return r.taken;
}

// The rows are tested in order, so a character takes the first row it matches.
void calcWin::resolveDispatch() {
    for (std::size_t d = 0; d < digitKeys_.size(); ++d)
        digitKeys_[d] = KeyPress(get("PB" + std::to_string(d)));
    dispatchRow_.fill(-1);
    dispatchKeys_.clear();
    for (std::size_t i = 0; i < kDispatch.size(); ++i) {
        const DispatchRow& r = kDispatch[i];
        dispatchKeys_.emplace_back(get(r.key));
        if (r.character.size() != 1) continue;
        const auto c = static_cast<unsigned char>(r.character[0]);
        auto take = [&](unsigned char ch) {
            if (ch < 128 && dispatchRow_[ch] < 0) dispatchRow_[ch] = static_cast<std::int8_t>(i);
        };
        take(c);
        if (r.ignoreCase) {
            if (c >= 'a' && c <= 'z') take(static_cast<unsigned char>(c - 'a' + 'A'));
            if (c >= 'A' && c <= 'Z') take(static_cast<unsigned char>(c - 'A' + 'a'));
        }
    }
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
            if (displayWouldOverflow(k)) {
                core_.soundBeep();
                return true;
            }
            return false;
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
    if (displayWouldOverflow(key.text)) {
        core_.soundBeep();
        return false;
    }
    EditFract1.setText(EditFract1.text() + key.text);
    return false;
}

void calcWin::setDisplay() {
    if (calc_.clearFlag) {
        EditFract1.setText(std::string());
        calc_.clearFlag = false;
    }
}

bool calcWin::displayWouldOverflow(std::string_view insert) const {
    const std::size_t kept = EditFract1.length() - EditFract1.selLength();
    if (insert != "@" && insert != "#") return kept + utf8::length(insert) > kDisplayLimit;
    // A mark becomes " sq" or " cu" and may replace an earlier one: judge the
    // text the rule leaves.
    const std::string& t = EditFract1.text();
    const std::size_t p = EditFract1.selStart();
    const std::string would = utf8::substr(t, 0, p) + std::string(insert) +
                              utf8::substr(t, p + EditFract1.selLength(), std::string::npos);
    return utf8::length(displayTextRule(would, core_.decimalSeparator, DisplayOrigin::Entry)) >
           kDisplayLimit;
}

void calcWin::enterInput(const std::string& key) {
    // A key that would overflow the display enters nothing; one that starts a
    // new entry (after a result or "=") always fits.
    const bool appends = !calc_.clearFlag && calc_.lastkey != "=";
    if (appends && key != kBackspace && displayWouldOverflow(key)) {
        core_.soundBeep();
        return;
    }
    if (calc_.lastkey == "=") calc_.cleanReg("clear");
    calc_.lastkey = key;
    ChangePop();
    activateSelf();
    setDisplay();
    std::string text = EditFract1.text();
    const std::size_t p = EditFract1.selStart();
    const std::size_t r = EditFract1.selLength();
    // Character positions to byte offsets, computed once per key.
    const std::size_t at = utf8::byteOffset(text, p);
    if (r > 0) {
        text.erase(at, utf8::byteOffset(std::string_view(text).substr(at), r));
        EditFract1.setText(text);
        EditFract1.setSelStart(p);
    }
    if (key == kBackspace) {
        // The inserted backspace goes with the character before it.
        if (p > 0) {
            const std::size_t before = utf8::byteOffset(text, p - 1);
            text.erase(before, at - before);
        }
        EditFract1.setText(std::move(text));
        EditFract1.setSelStart(p > 0 ? p - 1 : 0);
        return;
    }
    text.insert(at, key);
    const std::string entered = text;  // at most the display's length
    EditFract1.setText(std::move(text));
    // A text the change handler rewrote (a mark, a blanked zero) keeps its caret at the end.
    if (EditFract1.text() == entered) EditFract1.setSelStart(p + utf8::length(key));
}

void calcWin::showResult(const std::string& text) {
    const bool outer = showingResult_;
    showingResult_ = true;
    EditFract1.setText(text);
    showingResult_ = outer;
}

void calcWin::EditFract1_TextChange() {
    const std::string rule =
        displayTextRule(EditFract1.text(), core_.decimalSeparator,
                        showingResult_ ? DisplayOrigin::Result : DisplayOrigin::Entry);
    if (rule != EditFract1.text()) EditFract1.setText(rule);
    EditFract1.setSelStart(EditFract1.length());
}

void calcWin::EditFract1_SelChange() {
    if (EditFract1.text().empty()) {
        PMLCD.setEnabled(false);
        PMUnit.setEnabled(false);
        if (!bbLock.value()) {
            // A selection by code: it must convert nothing, and it must not
            // undo a user's choice that is being handled around it.
            const bool unitChoice = PMUnit.selfPressed;
            const bool lcdChoice = PMLCD.selfPressed;
            PMUnit.selfPressed = false;
            PMLCD.selfPressed = false;
            PMLCD.setListIndex(0);
            PMUnit.setListIndex(0);
            PMUnit.selfPressed = unitChoice;
            PMLCD.selfPressed = lcdChoice;
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
    resolveDispatch();
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
