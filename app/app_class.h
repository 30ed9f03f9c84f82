// The application object. Construction is the start-up step: the menu bar,
// the application's menu handlers and the hidden calculator window. The open
// event then makes the registers, loads the preferences, brings up the about
// window (whose closing shows the calculator) and reads the decimal
// separator. Windows built elsewhere (about, help, preferences, update check)
// are reached through the hooks below, which the program wires at start-up.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/pref_store.h"
#include "tavrel/platform/application.h"
#include "ui/calc_win.h"

namespace tavrel::app {

// The product's web site: its host, and the page the Help menu opens.
inline constexpr std::string_view kWebSiteHost = "www.tavrel.net";
std::string webSitePage();

class AppClass {
  public:
    explicit AppClass(platform::Application& app);
    ~AppClass();
    AppClass(const AppClass&) = delete;
    AppClass& operator=(const AppClass&) = delete;

    platform::Application& application() const { return app_; }
    ui::calcWin& calcWin() const { return *calcWin_; }
    PrefStore& prefs() { return prefs_; }

    std::string helpText;  // kept for the help window; never read
    bool doneLaunch = false;
    std::int32_t decimalLocalized = 46;

    // The running value has a unit.
    bool checkUnit() const;

    // Events (wired to the application object by the constructor).
    void Event_Open();
    void Event_Activate();
    void Event_Deactivate();
    void Event_EnableMenuItems();

    // The about window's close handler calls this, whenever it closes.
    void aboutClosed();

    // Obtains and shows the about window; without one the calculator is
    // shown at once, as with the splash bypassed.
    std::function<void()> showAboutWindow;
    std::function<void()> showHelpWindow;
    // Hides the preferences window when visible, else shows it as a sheet.
    std::function<void()> togglePreferences;
    // Obtains the update window, checks, and shows it as a sheet.
    std::function<void()> checkForUpdate;

  private:
    void registerMenuHandlers();
    void on(std::string item, std::function<void()> effect);

    platform::Application& app_;
    PrefStore prefs_;
    class WindowState;
    std::unique_ptr<WindowState> windowState_;
    std::shared_ptr<ui::calcWin> calcWin_;
};

}  // namespace tavrel::app
