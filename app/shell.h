// The shell's shared state and its windows. The application object owns one
// Shell; each shell window reaches the preferences, the calculator window and
// the other shell windows through it. Windows are single instances created on
// first use: the preferences window and the update window live until quit,
// the about and help windows are made again after they close.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/calc_win_link.h"
#include "app/pref_store.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/http.h"

namespace tavrel::app {

class prefsWin;
class WinVersionCheck;
class aboutTavrel;
class helpWindow;

struct ShellOptions {
    // The update check's HTTP client; none: the services' own.
    platform::HttpTransport* http = nullptr;
};

class Shell {
  public:
    Shell(platform::Application& app, PrefStore& prefs, CalcWinLink& calc,
          ShellOptions options = {});
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    platform::Application& app() const { return app_; }
    PrefStore& prefs() const { return prefs_; }
    CalcWinLink& calc() const { return calc_; }
    platform::HttpTransport& http() const { return http_; }

    // True once the about window has closed for the first time.
    bool doneLaunch = false;

    // Obtains the window, creating it (hidden, or for the about and help
    // windows shown) when it does not exist.
    prefsWin& PrefsWin();
    WinVersionCheck& VersionCheck();
    // The about window may close within its own opening (the start-up
    // bypass); the pointer then holds a closed window.
    std::shared_ptr<aboutTavrel> AboutTavrel();
    helpWindow& HelpWindow();
    // The windows that exist now, or nullptr.
    prefsWin* existingPrefsWin() const;
    WinVersionCheck* existingVersionCheck() const;
    aboutTavrel* existingAbout() const;
    helpWindow* existingHelp() const;

    // The web site's host: the preference updateHost, else the program's own.
    std::string updateHost() const;
    // The web site's page in the user's browser (More Info, the website command).
    void openWebsite() const;

    // TimerCheckUpdates of calcWin: the check at most once a week.
    void TimerCheckUpdates_Action();
    // Gives the calculator window's TimerCheckUpdates its action.
    void wireUpdateTimer();
    // The menu command: a check now, the result in a modal sheet.
    void checkForUpdateNow();

    // WritePrefsFile for every window. A failure shows one message box
    // ("Your settings could not be saved: " and the reason) and the caller
    // goes on; failures after it stay silent until a write succeeds again, so
    // quitting with an unwritable folder says it once. False when it failed.
    bool writePrefs();

    // Runs a handler's body; anything thrown shows the failure text in a
    // message box and the handler returns.
    void guarded(std::string_view failure, const std::function<void()>& body) const;

  private:
    platform::Application& app_;
    PrefStore& prefs_;
    CalcWinLink& calc_;
    platform::HttpTransport& http_;
    std::weak_ptr<prefsWin> prefsWin_;
    std::weak_ptr<WinVersionCheck> versionCheck_;
    std::weak_ptr<aboutTavrel> about_;
    std::weak_ptr<helpWindow> help_;
    bool writeFailureShown_ = false;
};

}  // namespace tavrel::app
