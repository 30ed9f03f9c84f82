// Each step is delivered the way the user would deliver it: keys to the
// window with the display focused, clicks and pop-up choices through the
// controls' user-level entry points. The loop turns after every step.
#include "session.h"

#include <ostream>

#include "core/unit_table.h"
#include "key_script.h"
#include "tavrel/platform/bevel_button.h"
#include "tavrel/platform/canvas.h"
#include "tavrel/platform/push_button.h"

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

}  // namespace

Session::Session(const SessionOptions& options)
    : platform_(headlessOptions(options)), app_(platform_) {
    win_ = app_.makeWindow<ui::calcWin>();
    win_->show();
    win_->EditFract1.setFocus();
    platform_.loop().runPending();
}

platform::Control* Session::findTarget(const std::string& name) const {
    if (platform::Control* c = win_->find(name)) return c;
    for (std::size_t i = 0; i < win_->controlCount(); ++i) {
        platform::Control& c = win_->control(i);
        if (c.isShown() && c.caption() == name) return &c;
    }
    return nullptr;
}

bool Session::run(std::string_view keys, std::string* error) {
    KeyReader reader(keys);
    for (KeyStep step; reader.next(step);) {
        switch (step.kind) {
            case KeyStep::Kind::Type:
                if (win_->focus() == nullptr) win_->EditFract1.setFocus();
                win_->typeKey(platform::KeyEvent{step.text, step.code, step.modifiers});
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
    std::vector<std::string> lines;
    const std::string& t = win_->Tape1.text();
    std::size_t start = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            lines.push_back(t.substr(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

}  // namespace tavrel::cli
