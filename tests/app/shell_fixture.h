// A headless program around the shell: a calculator window, the preferences
// store over a temporary folder (with a file written first when asked), and
// the shell that owns the preferences, update, about and help windows.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/calc_win_link.h"
#include "app/pref_store.h"
#include "app/shell.h"
#include "tavrel/platform/headless/headless_platform.h"
#include "tavrel/platform/timer.h"
#include "temp_dir.h"
#include "ui/calc_win.h"

namespace tavrel::app::testing {

struct ShellFixture {
    TempDir dir;
    platform::headless::HeadlessPlatform host;
    platform::Application app{host};
    std::shared_ptr<ui::calcWin> calc;
    std::unique_ptr<CalcWinAdapter> link;
    PrefStore prefs{host.files()};
    std::unique_ptr<Shell> shell;

    // prefsFile: the file's text before start-up, none for no file.
    explicit ShellFixture(std::optional<std::string> prefsFile = std::nullopt,
                          ShellOptions options = {})
        : host(platform::headless::HeadlessOptions{.preferencesFolder = dir.path}) {
        if (prefsFile) dir.write("tavrel.Prefs", *prefsFile);
        calc = app.makeWindow<ui::calcWin>();
        link = std::make_unique<CalcWinAdapter>(*calc);
        prefs.InitPrefFile(kPrefsFileName);
        shell = std::make_unique<Shell>(app, prefs, *link, options);
    }
    std::string prefsFile() const { return dir.read("tavrel.Prefs"); }
    // What a fresh store reads from the file now.
    std::int32_t storedNumber(const char* name, std::int32_t fallback) {
        PrefStore fresh(host.files());
        fresh.InitPrefFile(kPrefsFileName);
        return fresh.GetPrefNumber(name, fallback);
    }
    bool transparencyTimerOn() const {
        return calc->get<platform::Timer>("TimerCheckTransparency").mode() !=
               platform::TimerMode::Off;
    }
};

}  // namespace tavrel::app::testing
