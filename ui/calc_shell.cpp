// The window's life in the shell: its open and close handlers, the three
// sizing states chosen by the two disclosure widgets and the size box, and
// the mouse-over transparency timer. The saved state comes from and goes to
// windowPrefs; the transparency choice is read from `transparency` at every
// step, so a change made meanwhile takes effect within the fade.
#include <cmath>
#include <exception>

#include "tavrel/platform/carbon_declares.h"
#include "tavrel/platform/services.h"
#include "tavrel/platform/timer.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
namespace {

constexpr int kWindowWidth = 247;
constexpr int kMinimumHeight = 355;
constexpr int kTapeHeightAtMinimum = 555;
constexpr int kLowestTop = 38;  // below the menu bar
constexpr int kFadeStep = 3;

}  // namespace

void calcWin::wireShell() {
    onOpen = [this] {
        platform::SetWindowCollapseWidget(*this, true);
        activateSelf();
    };
    onClose = [this] { Event_Close(); };
    onResizing = [this] { Event_Resizing(); };
    get<myWigit>("wigitMinimize").myAction = [this] { sizeWindow(); };
    get<myWigit>("wigitTape").myAction = [this] { sizeWindow(); };
    get<platform::Timer>("TimerCheckTransparency").onAction = [this] {
        TimerCheckTransparency_Action();
    };
}

void calcWin::Event_Close() {
    auto& tape = get<myWigit>("wigitTape");
    if (windowPrefs) {
        windowPrefs->setNumber("winWidth", width());
        windowPrefs->setNumber("winLeft", left());
        windowPrefs->setNumber("winTop", top());
        windowPrefs->setBoolean("tapeVisible", tape.value);
        windowPrefs->setBoolean("Minimize", get<myWigit>("wigitMinimize").value);
        windowPrefs->setNumber("selfHeight", tape.selfHeight);
        // A settings file that cannot be written must not keep the program
        // from quitting; the user is told and the old file stays as it was.
        try {
            windowPrefs->write();
        } catch (const std::exception& e) {
            app().services().system().messageBox(std::string("Your settings could not be saved: ") +
                                                 e.what());
        }
    }
    app().quit();
}

void calcWin::sizeWindow() {
    auto& minimize = get<myWigit>("wigitMinimize");
    auto& tape = get<myWigit>("wigitTape");
    if (!visible()) {
        show();
        auto pref = [this](std::string_view name, std::int32_t fallback) {
            return windowPrefs ? windowPrefs->number(name, fallback) : fallback;
        };
        auto flag = [this](std::string_view name, bool fallback) {
            return windowPrefs ? windowPrefs->boolean(name, fallback) : fallback;
        };
        setPosition(pref("winLeft", 15), pref("winTop", 50));
        tape.selfHeight = pref("selfHeight", 600);
        if (flag("tapeVisible", true)) tape.push();
        if (flag("minimize", true)) minimize.push();
        // Keep the window on the main screen, as the saved place may lie on a
        // screen that is gone.
        const auto screens = app().services().desktop().screens();
        if (!screens.empty()) {
            const platform::Screen& s = screens.front();
            int l = left();
            int t = top();
            if (s.available.width < l + width()) l = s.bounds.width - width();
            if (l < s.bounds.width - s.available.width) l = 0;
            if (s.bounds.height < t + height()) t = s.bounds.height - height();
            if (t < kLowestTop) t = kLowestTop;
            setPosition(l, t);
        }
    }
    if (minimize.value && tape.value) {
        Tape1.setVisible(true);
        platform::SmoothResize(*this, width(), tape.selfHeight, 0);
        Tape1.setHeight(height() - tape.top() - tape.height() - 4);
    } else if (minimize.value) {
        platform::SmoothResize(*this, width(), kMinimumHeight, 0);
        Tape1.setVisible(false);
    } else {
        platform::SmoothResize(*this, width(), get("GroupBox1").height() + 14, 0);
        Tape1.setVisible(false);
    }
    setWidth(kWindowWidth);
    app().requestMenuEnabling();
    EditFract1.setFocus();
}

void calcWin::Event_Resizing() {
    auto& tape = get<myWigit>("wigitTape");
    if (height() > kMinimumHeight) {
        tape.set(false);
        get<myWigit>("wigitMinimize").set(false);
        tape.selfHeight = height();
        Tape1.setVisible(true);
        Tape1.setHeight(height() - tape.top() - tape.height() - 5);
    } else {
        tape.set(true);
        tape.selfHeight = kTapeHeightAtMinimum;
    }
}

void calcWin::TimerCheckTransparency_Action() {
    try {
        auto mode = [this] { return transparency ? transparency->mode() : TransparencyMode::None; };
        auto level = [this] { return transparency ? transparency->level() : 100; };
        const int margin = platform::GetWindowMarginTop(*this);
        const platform::Point m = app().services().desktop().mousePosition();
        // The title bar counts as part of the window, the frame does not.
        const bool over = left() < m.x && m.x < left() + width() && top() - margin < m.y &&
                          m.y < top() + height();
        const float now = platform::GetWindowTransparency(*this);
        if (over) {
            if (mode() == TransparencyMode::MouseOver && now < 1.0f) {
                for (int p = level(); p <= 100; p += kFadeStep) {
                    platform::SetWindowTransparency(*this, static_cast<float>(p * 0.01));
                    refresh();
                }
                platform::SetWindowTransparency(*this, 1.0f);
            }
        } else if (now == 1.0f && mode() == TransparencyMode::MouseOver) {
            for (int p = 100; p >= level(); p -= kFadeStep) {
                platform::SetWindowTransparency(*this, static_cast<float>(p * 0.01));
                refresh();
            }
        }
    } catch (...) {
        // Off, so the message does not come back every 200 ms.
        app().services().system().messageBox("failed in calcWin.TimerCheckTransparency.action");
        get<platform::Timer>("TimerCheckTransparency").setMode(platform::TimerMode::Off);
    }
}

}  // namespace tavrel::ui
