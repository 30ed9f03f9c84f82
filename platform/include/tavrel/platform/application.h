// The application object: owns the menu bar, the input state and the windows'
// activation order, and reaches every service through the Services it was
// given (the backend's). Menu commands go to the item's own handler, then the
// active window's, then the application's; an enabling pass starts with every
// item enabled and lets the application's, then the active window's handler
// adjust them. Windows made with makeWindow are kept alive until they close.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/platform/input.h"
#include "tavrel/platform/menu.h"
#include "tavrel/platform/services.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

enum class ReleaseStage { Development, Alpha, Beta, Final };

struct AppVersion {
    int major = 1;
    int minor = 0;
    int bug = 0;
    ReleaseStage stage = ReleaseStage::Final;
    int build = 0;
};

class Application {
  public:
    explicit Application(Services& services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Services& services() const { return services_; }
    InputState& input() { return input_; }
    MenuBar& menuBar() { return menuBar_; }
    AppVersion& version() { return version_; }

    // Raises the open event (start-up).
    void open();
    // The program becomes, or stops being, the active application.
    void activateByUser();
    void deactivateByUser();
    bool active() const { return active_; }
    // Closes every window front to back (each may cancel), then ends the loop.
    bool quit();

    // Makes a window, opens it (its controls' open events run) and keeps it
    // until it closes.
    template <class W, class... Args>
    std::shared_ptr<W> makeWindow(Args&&... args) {
        auto w = std::make_shared<W>(*this, std::forward<Args>(args)...);
        owned_.push_back(w);
        w->open();
        return w;
    }
    // Front to back.
    const std::vector<Window*>& windows() const { return order_; }
    // The frontmost visible window.
    Window* activeWindow() const;
    Window* findWindow(std::string_view name) const;

    // --- menus ---
    void addMenuHandler(std::string itemName, std::function<bool()> handler);
    // The user chose the item (a menu or its shortcut): an enabling pass runs,
    // then the command is routed if the item is enabled. Returns whether handled.
    bool runMenuCommand(std::string_view itemName, Modifiers modifiers = {});
    void requestMenuEnabling();
    int enablingPasses() const { return enablingPasses_; }

    // A key typed by the user: a matching shortcut runs its command, any other
    // key goes to the active window.
    bool typeKey(const KeyEvent& key);

    std::function<void()> onOpen;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onEnableMenuItems;
    std::function<bool()> onCancelQuit;  // true cancels

    // Runs an event's handlers the way the event dispatch does: an exception
    // that escapes them is shown in a message box and the program goes on.
    template <class F>
    auto dispatch(F&& handlers) -> decltype(handlers()) {
        try {
            return handlers();
        } catch (const std::exception& e) {
            reportUnhandled(e.what());
        } catch (...) {
            reportUnhandled({});
        }
        return decltype(handlers())();
    }
    void reportUnhandled(std::string_view what);

    // --- kept by windows ---
    void registerWindow(Window& w);
    void unregisterWindow(Window& w);
    void bringToFront(Window& w);
    // Raises deactivate/activate if the active window is no longer `before`.
    void activationMayHaveChanged(Window* before);
    void windowClosed(Window& w);

  private:
    bool standardEditCommand(std::string_view itemName);

    Services& services_;
    InputState input_;
    MenuBar menuBar_;
    AppVersion version_;
    bool active_ = true;
    std::vector<Window*> order_;
    std::vector<std::shared_ptr<Window>> owned_;
    std::vector<std::shared_ptr<Window>> released_;  // closed; dropped at the next loop turn
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers_;
    bool inEnablingPass_ = false;
    int enablingPasses_ = 0;
};

}  // namespace tavrel::platform
