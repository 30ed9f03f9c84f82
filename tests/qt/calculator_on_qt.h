// The calculator window on the desktop backend, shown offscreen, and the
// real user's ways into it: key events to the focused widget, mouse clicks
// on widgets, pop-up items picked in the pop-up's list. Steps are written in
// the command-line front end's key syntax, so the same script can run on
// the headless backend for comparison.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "key_script.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/qt/qt_platform.h"
#include "ui/calc_win.h"

namespace tavrel::qttest {

std::filesystem::path picturesFolder();

// A folder of the test's own under the temporary folder, removed with it:
// test programs that run at once never share preferences or data files.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::filesystem::path path;
};

class CalculatorOnQt {
  public:
    CalculatorOnQt();
    ~CalculatorOnQt();

    // Runs a key script as real input; false (with the reason) on a bad step.
    bool run(std::string_view keys, std::string* error = nullptr);
    // Lets queued events, paints and due timers run.
    void settle();

    platform::qt::QtPlatform& platform() { return platform_; }
    platform::Application& app() { return app_; }
    ui::calcWin& window() { return *win_; }
    QWidget* top() const { return platform_.widgetFor(*win_); }
    QWidget* content() const { return platform_.contentFor(*win_); }
    template <class W = QWidget>
    W* widget(const char* name) const {
        return content()->findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* display() const { return widget<QLineEdit>("EditFract1"); }
    QTextEdit* tape() const { return widget<QTextEdit>("Tape1"); }
    // The tape as the widget shows it, one entry per line.
    std::vector<std::string> tapeLines() const;

    void typeKey(const cli::KeyStep& step);
    bool click(const std::string& target, platform::Modifiers mods);
    bool choose(const std::string& popup, const std::string& item, platform::Modifiers mods);

  private:
    ScratchFolder folder_;  // first made, last removed
    platform::qt::QtPlatform platform_;
    platform::Application app_;
    std::shared_ptr<ui::calcWin> win_;
};

Qt::KeyboardModifiers qtModifiers(platform::Modifiers m);

}  // namespace tavrel::qttest
