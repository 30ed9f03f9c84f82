// A headless program around the shell: a calculator window, the preferences
// store over a temporary folder (with a file written first when asked), and
// the shell that owns the preferences, update, about and help windows.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/calc_win_link.h"
#include "app/pref_store.h"
#include "app/shell.h"
#include "tavrel/platform/headless/curl_http.h"
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
    std::unique_ptr<platform::headless::CurlHttp> curl;
    std::unique_ptr<Shell> shell;

    // prefsFile: the file's text before start-up, none for no file. With
    // real HTTP options the update check talks to real servers.
    explicit ShellFixture(std::optional<std::string> prefsFile = std::nullopt,
                          std::optional<platform::headless::CurlHttpOptions> realHttp = {},
                          platform::HttpTransport* http = nullptr)
        : host(platform::headless::HeadlessOptions{.preferencesFolder = dir.path,
                                                   .resourcesFolder = dir.path / "resources",
                                                   .start = {2026, 3, 10, 9, 0, 0}}) {
        writeByline();
        if (prefsFile) dir.write("tavrel.Prefs", *prefsFile);
        calc = app.makeWindow<ui::calcWin>();
        link = std::make_unique<CalcWinAdapter>(*calc);
        prefs.InitPrefFile(kPrefsFileName);
        if (realHttp) {
            curl = std::make_unique<platform::headless::CurlHttp>(host.loop(), *realHttp);
            http = curl.get();
        }
        shell = std::make_unique<Shell>(app, prefs, *link, ShellOptions{http});
    }
    // Turns the loop, in real time, until the condition holds (false after 10 s).
    template <class Pred>
    bool turnUntil(Pred done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            host.loop().advanceMs(10);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    // The byline picture, 107 x 15 (the loader reads only the PNG header).
    void writeByline() const {
        std::filesystem::create_directories(dir.path / "resources");
        std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
        for (int v : {107, 15})
            for (int shift = 24; shift >= 0; shift -= 8)
                png += static_cast<char>((v >> shift) & 0xFF);
        std::ofstream(dir.path / "resources" / "byZel.psd", std::ios::binary) << png;
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
