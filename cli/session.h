// A calculator window on the headless platform, driven by key scripts: the
// command-line front end and the window's tests both run through it. The
// program starts as it does on the desktop (menu bar, start-up order) but
// without a preferences folder, so nothing is read or saved. Time is
// virtual, so the visible presses cost nothing.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_class.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/headless/headless_platform.h"
#include "ui/calc_win.h"

namespace tavrel::cli {

struct KeyStep;

struct SessionOptions {
    char32_t decimalSeparator = U'.';
    platform::DateTime now{2026, 1, 1, 12, 0, 0};
    // Keeps the tape in this file across sessions; none keeps nothing.
    std::optional<std::filesystem::path> tapeFile = std::nullopt;
    bool keepTape = true;  // the keepTape preference
};

class Session {
  public:
    explicit Session(const SessionOptions& options = {});

    // Runs a KEYS text; on an unknown control or item, stops and says why.
    bool run(std::string_view keys, std::string* error = nullptr);

    // The display text, with " | unit | precision | locked" when asked.
    std::string displayLine(bool withState) const;
    // The tape, one entry per line.
    std::vector<std::string> tapeLines() const;
    // The tape as CSV rows under a header.
    std::string tapeCsv() const;
    // The tape, each line ended by a newline, without copying it.
    void writeTape(std::ostream& out) const;
    // The beeps sounded so far.
    int beeps();

    ui::calcWin& window() { return *win_; }
    platform::Application& app() { return app_; }
    platform::headless::HeadlessPlatform& platform() { return platform_; }

  private:
    // The forms that are commands rather than keys ({copy}, {paste=TEXT},
    // {tape=N}); done tells whether the step was one.
    bool runCommand(const KeyStep& step, std::string* error, bool& done);
    platform::Control* findTarget(const std::string& name) const;

    platform::headless::HeadlessPlatform platform_;
    platform::Application app_;
    app::AppClass shell_;
    ui::calcWin* win_;
};

}  // namespace tavrel::cli
