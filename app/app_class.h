// The application object. Construction is the start-up step: the menu bar,
// the application's menu handlers, the hidden calculator window and the
// shell that owns the preferences and update windows. The open event then
// makes the registers, loads the preferences, brings up the about window
// (whose closing shows the calculator) and reads the decimal separator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/pref_store.h"
#include "app/shell.h"
#include "tavrel/platform/application.h"
#include "ui/calc_win.h"

namespace tavrel::ui {
class toolsWin;
}

namespace tavrel::app {

class AppClass {
  public:
    // keeping: where the calculator window keeps its tape between runs.
    explicit AppClass(platform::Application& app, ui::TapeKeeping keeping = {});
    ~AppClass();
    AppClass(const AppClass&) = delete;
    AppClass& operator=(const AppClass&) = delete;

    platform::Application& application() const { return app_; }
    ui::calcWin& calcWin() const { return *calcWin_; }
    PrefStore& prefs() { return prefs_; }
    Shell& shell() { return *shell_; }

    std::string helpText;  // kept for the help window; never read
    // True once the about window has closed for the first time.
    bool doneLaunch() const { return shell_->doneLaunch; }
    std::int32_t decimalLocalized = 46;

    // The running value has a unit.
    bool checkUnit() const;

    // Events (wired to the application object by the constructor).
    void Event_Open();
    void Event_Activate();
    void Event_Deactivate();
    void Event_EnableMenuItems();

    // The single Tools window, made on first use, shown on the tool of that
    // Tools menu row; nullptr for a row that is no tool.
    ui::toolsWin* ToolsWin(std::size_t row);
    // "Trans Calc": an opaque calculator takes the preferences' level
    // ("always transparent"), a transparent one becomes opaque ("no
    // transparency").
    void toggleTransparency();

    // The about window's close handler calls this, whenever it closes.
    void aboutClosed();

    // Replaces obtaining the about window (the shell's), for a program or a
    // test that brings up its own; closing it must call aboutClosed.
    std::function<void()> showAboutWindow;

  private:
    void registerMenuHandlers();
    void on(std::string item, std::function<void()> effect);

    platform::Application& app_;
    PrefStore prefs_;
    class WindowState;
    class Link;
    class Transparency;
    std::unique_ptr<WindowState> windowState_;
    std::shared_ptr<ui::calcWin> calcWin_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<Transparency> transparency_;
};

}  // namespace tavrel::app
