// The desktop backend: every service of the framework layer on Qt 6 Widgets,
// and the views that mirror each model window and its controls as widgets.
// A QApplication must exist first; the model's windows announce themselves
// (Services::windowCreated) and get bound here, so the program code stays
// the same as on the headless backend.
//
//   QApplication qapp(argc, argv);
//   platform::qt::QtPlatform platform;
//   platform::Application app(platform);
//   auto win = app.makeWindow<ui::calcWin>();   // bound to widgets here
//   win->show();
//   return platform.eventLoop().run();
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "tavrel/platform/qt/qt_event_loop.h"
#include "tavrel/platform/qt/qt_services.h"
#include "tavrel/platform/services.h"

class QWidget;

namespace tavrel::platform {
class Application;
}

namespace tavrel::platform::qt {

class WindowBinding;
class MenuBinding;
class KeyRouter;
class PendingWindow;

struct QtOptions {
    // Where the pictures are; none: share/tavrel/resources beside the executable's folder.
    std::optional<std::filesystem::path> resourcesFolder = std::nullopt;
    // The preferences folder; none: the user's XDG configuration folder.
    std::optional<std::filesystem::path> preferencesFolder = std::nullopt;
    // The data folder (the kept tape); none: the user's XDG data folder.
    std::optional<std::filesystem::path> dataFolder = std::nullopt;
};

class QtPlatform : public Services {
  public:
    explicit QtPlatform(QtOptions options = {});
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    QtSystem& system() override { return system_; }
    QtClipboard& clipboard() override { return clipboard_; }
    QtClock& clock() override { return clock_; }
    QtEventLoop& eventLoop() override { return loop_; }
    QtLocale& locale() override { return locale_; }
    Files& files() override { return *files_; }
    QtDesktop& desktop() override { return desktop_; }
    QtPrinting& printing() override { return printing_; }
    QtHttp& http() override { return http_; }
    QtResources& resources() override { return resources_; }

    void windowCreated(Window& window) override;
    void windowDestroyed(Window& window) override;

    // The top-level widget showing a model window (nullptr if none), and the
    // widget holding its content area (the model's coordinates). A window's
    // widgets are made when it first shows, or when one of these asks.
    QWidget* widgetFor(const Window& window) const;
    QWidget* contentFor(const Window& window) const;
    WindowBinding* bindingFor(const Window& window) const;
    WindowBinding* bindingForWidget(const QWidget* topLevel) const;
    // Raises the visible windows and activates the front one.
    void raiseWindows();

    PictureCache& pictures() { return pictures_; }
    // The window that carries the menu bar (the first ordinary window bound).
    WindowBinding* menuHost() const { return menuHost_; }

  private:
    friend class PendingWindow;
    void watchApplication(Application& app);
    // Makes the widgets of a window known to the platform (once).
    WindowBinding* materialize(const Window& window) const;

    QtClock clock_;
    QtEventLoop loop_;
    QtSystem system_;
    QtClipboard clipboard_;
    QtLocale locale_;
    std::unique_ptr<Files> files_;
    QtDesktop desktop_;
    QtPrinting printing_;
    QtHttp http_;
    QtResources resources_;
    PictureCache pictures_;
    std::unique_ptr<KeyRouter> router_;
    // Bound windows, and those whose widgets are still to be made: both are
    // filled on demand, from const accessors too.
    mutable std::map<const Window*, std::unique_ptr<WindowBinding>> windows_;
    std::map<const Window*, std::unique_ptr<PendingWindow>> pending_;
    std::unique_ptr<MenuBinding> menus_;
    const Window* menuHostWindow_ = nullptr;  // carries the menu bar once bound
    mutable WindowBinding* menuHost_ = nullptr;
    mutable const Window* building_ = nullptr;
    Application* watched_ = nullptr;
};

}  // namespace tavrel::platform::qt
