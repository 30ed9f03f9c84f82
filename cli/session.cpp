// Each step is delivered the way the user would deliver it: keys to the
// window with the display focused, clicks and pop-up choices through the
// controls' user-level entry points. The loop turns after every step.
#include "session.h"

#include <ostream>

#include "core/unit_table.h"
#include "key_script.h"
#include "tape/tape_csv.h"
#include "tavrel/platform/bevel_button.h"
#include "tavrel/platform/canvas.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/text_area.h"
#include "tavrel/platform/utf8.h"

namespace tavrel::cli {
namespace {

platform::headless::HeadlessOptions headlessOptions(const SessionOptions& o) {
    platform::headless::HeadlessOptions h;
    h.start = o.now;
    h.decimalSeparator = o.decimalSeparator;
    return h;
}

void click(platform::Control& c, platform::Modifiers mods) {
    if (auto* b = dynamic_cast<platform::BevelButton*>(&c)) return b->click(mods);
    if (auto* p = dynamic_cast<platform::PushButton*>(&c)) return p->click(mods);
    const int x = c.width() / 2, y = c.height() / 2;
    if (c.mouseDownByUser(x, y, mods)) c.mouseUpByUser(x, y, mods);
}

class HeldKeys {
  public:
    HeldKeys(platform::headless::HeadlessDesktop& desktop, platform::Modifiers held)
        : desktop_(desktop) {
        desktop_.setModifiersNow(held);
    }
    ~HeldKeys() { desktop_.setModifiersNow({}); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    platform::headless::HeadlessDesktop& desktop_;
};

bool isNumber(const std::string& s) {
    return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A drop-down row by its index, or by its text ignoring case and outer spaces.
int menuRow(const platform::BevelButton& b, const std::string& item) {
    if (isNumber(item)) return std::stoi(item);
    for (int i = 0; i < b.rowCount(); ++i)
        if (sameCode(trimmed(b.rowText(i)), trimmed(item))) return i;
    return -1;
}

// The point of the first character of a text area's line (from 0), scrolled
// into view, by the area's own metrics.
platform::Point firstCharacterOf(platform::TextArea& area, std::size_t line) {
    area.setScrollPosition(static_cast<long long>(line));
    const int lh = platform::metrics::lineHeight(area.textSize());
    const int cw = platform::metrics::charWidth(area.textSize());
    const std::string& t = area.text();
    std::size_t start = 0;
    for (std::size_t l = 0; l < line; ++l) start = t.find('\r', start) + 1;
    const std::size_t end = t.find('\r', start);
    const int chars = static_cast<int>(platform::utf8::length(
        std::string_view(t).substr(start, end == std::string::npos ? end : end - start)));
    const int x = area.alignment() == platform::Alignment::Right ? area.width() - chars * cw : 0;
    const int y = static_cast<int>(line - area.scrollPosition()) * lh;
    return {x + 1, y + lh / 2};
}

}  // namespace

Session::Session(const SessionOptions& options)
    : platform_(headlessOptions(options)),
      app_(platform_),
      shell_(app_, ui::TapeKeeping{options.keepTape, options.tapeFile}),
      win_(&shell_.calcWin()) {
    // No splash on the command line: the calculator is there at once.
    shell_.showAboutWindow = [this] { shell_.aboutClosed(); };
    app_.open();
    win_->EditFract1.setFocus();
    platform_.loop().runPending();
}

platform::Control* Session::findTarget(const std::string& name) const {
    if (platform::Control* c = win_->find(name)) return c;
    // A caption reaches only what the user can click: shown, and inside the
    // window (the reciprocal key "inv" lies beyond its right edge).
    for (std::size_t i = 0; i < win_->controlCount(); ++i) {
        platform::Control& c = win_->control(i);
        const bool inside =
            c.left() >= 0 && c.top() >= 0 && c.left() < win_->width() && c.top() < win_->height();
        if (c.isShown() && inside && c.caption() == name) return &c;
    }
    return nullptr;
}

bool Session::runCommand(const KeyStep& step, std::string* error, bool& done) {
    done = true;
    if (step.kind == KeyStep::Kind::Click && step.text == "copy") {
        win_->copyCalc();
    } else if (step.kind == KeyStep::Kind::Click && step.text == "paste") {
        win_->pasteCalc();
    } else if (step.kind == KeyStep::Kind::Choose && step.text == "paste") {
        platform_.clipboard().setText(step.item);
        win_->pasteCalc();
    } else if (step.kind == KeyStep::Kind::Choose && step.text == "tape") {
        const std::size_t lines = tapeLines().size();
        const std::size_t n = isNumber(step.item) ? std::stoul(step.item) : 0;
        if (n < 1 || n > lines) {
            if (error) *error = "no tape line " + step.item;
            return false;
        }
        auto& tape = win_->Tape1;
        const platform::Point p = firstCharacterOf(tape, n - 1);
        const platform::Modifiers mods = step.modifiers | platform::Modifiers::withOption();
        if (tape.mouseDownByUser(p.x, p.y, mods)) tape.mouseUpByUser(p.x, p.y, mods);
    } else {
        done = false;
    }
    return true;
}

bool Session::run(std::string_view keys, std::string* error) {
    KeyReader reader(keys);
    for (KeyStep step; reader.next(step);) {
        // The keys named in a step are held for its whole length.
        const HeldKeys held(platform_.desktop(), step.modifiers);
        bool done = false;
        if (!runCommand(step, error, done)) return false;
        if (done) {
            platform_.loop().runPending();
            continue;
        }
        switch (step.kind) {
            case KeyStep::Kind::Type:
                if (win_->focus() == nullptr) win_->EditFract1.setFocus();
                app_.typeKey(platform::KeyEvent{step.text, step.code, step.modifiers});
                break;
            case KeyStep::Kind::Click: {
                platform::Control* c = findTarget(step.text);
                if (!c) {
                    if (error) *error = "no control named or captioned \"" + step.text + "\"";
                    return false;
                }
                click(*c, step.modifiers);
                break;
            }
            case KeyStep::Kind::Choose: {
                if (platform::equalsIgnoringCase(step.text, "menu")) {
                    if (!app_.menuBar().findItem(step.item)) {
                        if (error) *error = "no menu item named \"" + step.item + "\"";
                        return false;
                    }
                    app_.runMenuCommand(step.item, step.modifiers);
                    break;
                }
                if (auto* b = win_->find<platform::BevelButton>(step.text);
                    b && b->rowCount() > 0) {
                    const int row = menuRow(*b, step.item);
                    if (!b->chooseMenuRowByUser(row, step.modifiers)) {
                        if (error)
                            *error = "no row \"" + step.item + "\" to choose in " + step.text;
                        return false;
                    }
                    break;
                }
                auto* popup = win_->find<platform::PopupMenu>(step.text);
                if (!popup) {
                    if (error) *error = "no pop-up named \"" + step.text + "\"";
                    return false;
                }
                int row = -1;
                for (int i = 0; i < popup->rowCount(); ++i)
                    if (sameCode(popup->list(i), step.item)) row = i;
                if (row < 0) {
                    if (error) *error = "no item \"" + step.item + "\" in " + step.text;
                    return false;
                }
                popup->chooseByUser(row, step.modifiers);
                break;
            }
        }
        platform_.loop().runPending();
    }
    return true;
}

std::string Session::displayLine(bool withState) const {
    std::string line = win_->EditFract1.text();
    if (withState) {
        line += " | " + win_->PMUnit.text();
        line += " | " + win_->PMLCD.text();
        line += win_->bbLock.value() ? " | locked" : " | unlocked";
    }
    return line;
}

void Session::writeTape(std::ostream& out) const {
    // Straight from the tape's text, a run of lines at a time: a long tape is
    // never copied.
    const std::string_view t = win_->Tape1.text();
    std::size_t start = 0;
    for (std::size_t cr = t.find('\r'); cr != std::string_view::npos; cr = t.find('\r', start)) {
        out.write(t.data() + start, static_cast<std::streamsize>(cr - start));
        out.put('\n');
        start = cr + 1;
    }
}

int Session::beeps() {
    return platform_.system().beeps();
}

std::vector<std::string> Session::tapeLines() const {
    const std::vector<std::string_view> lines = splitLines(win_->Tape1.text(), '\r');
    return {lines.begin(), lines.end()};
}

}  // namespace tavrel::cli

namespace tavrel::cli {

std::string Session::tapeCsv() const {
    return tavrel::tapeCsv(win_->Tape1.text(), win_->coreServices().decimalSeparator);
}

}  // namespace tavrel::cli
