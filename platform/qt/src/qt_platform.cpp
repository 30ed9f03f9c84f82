// Binds each model window as it is made and routes the keyboard: every key
// pressed in one of the bound windows goes to that window's model (which
// knows its focus), whatever Qt widget has the keyboard.
#include "tavrel/platform/qt/qt_platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStandardPaths>

#include "menu_binding.h"
#include "tavrel/platform/application.h"
#include "tavrel/platform/folders.h"
#include "tavrel/platform/headless/headless_services.h"
#include "tavrel/platform/qt/window_binding.h"

namespace tavrel::platform::qt {
namespace {

// A fresh account may have no configuration folder yet; as the XDG rules
// ask, it is made (for its owner alone) rather than the settings refused.
std::filesystem::path configFolder() {
    const std::filesystem::path folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    std::error_code ec;
    if (!folder.empty() && std::filesystem::create_directories(folder, ec))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ec);
    return folder;
}

bool ordinary(WindowKind k) {
    return k == WindowKind::Document || k == WindowKind::Floating ||
           k == WindowKind::GlobalFloating;
}

}  // namespace

class KeyRouter : public QObject {
  public:
    explicit KeyRouter(QtPlatform& platform) : platform_(platform) {}

  protected:
    bool eventFilter(QObject* target, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* widget = qobject_cast<QWidget*>(target);
        if (!widget) return false;
        WindowBinding* binding = platform_.bindingForWidget(widget->window());
        if (!binding) return false;
        binding->deliverKey(*static_cast<QKeyEvent*>(e));
        return true;
    }

  private:
    QtPlatform& platform_;
};

// Stands for a window whose widgets are not made yet. They are made when it
// first shows (or is asked for), so the windows made hidden at start-up, the
// preferences and an about window the splash bypass closes at once, cost no
// widgets before the calculator's first paint, or ever if never shown.
class PendingWindow : public WindowView {
  public:
    explicit PendingWindow(const QtPlatform& platform) : platform_(platform) {}
    void changed(Window& window, WindowProperty what) override {
        if (what == WindowProperty::Visible && window.visible()) platform_.materialize(window);
    }
    void controlAdded(Window&, Control&) override {}

  private:
    const QtPlatform& platform_;
};

QtPlatform::QtPlatform(QtOptions options)
    : files_(std::make_unique<headless::HeadlessFiles>(
          options.preferencesFolder ? options.preferencesFolder : configFolder(),
          options.dataFolder ? options.dataFolder : xdgDataFolder())),
      desktop_(*this),
      http_(loop_),
      resources_(options.resourcesFolder),
      router_(std::make_unique<KeyRouter>(*this)) {
    QApplication::instance()->installEventFilter(router_.get());
    QApplication::setQuitOnLastWindowClosed(false);  // the model decides when to quit
}

QtPlatform::~QtPlatform() {
    QApplication::instance()->removeEventFilter(router_.get());
    menuHost_ = nullptr;
    windows_.clear();
    pending_.clear();
    menus_.reset();
}

void QtPlatform::watchApplication(Application& app) {
    if (watched_) return;
    watched_ = &app;
    menus_ = std::make_unique<MenuBinding>(app);
    menus_->onRebuilt = [this] {
        if (menuHost_) menuHost_->setMenuBar(menus_->bar());
    };
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, router_.get(),
                     [&app](Qt::ApplicationState s) {
                         if (s == Qt::ApplicationActive)
                             app.activateByUser();
                         else
                             app.deactivateByUser();
                     });
}

void QtPlatform::windowCreated(Window& window) {
    watchApplication(window.app());
    if (!menuHostWindow_ && ordinary(window.kind()) && &window.app() == watched_)
        menuHostWindow_ = &window;
    auto pending = std::make_unique<PendingWindow>(*this);
    window.setView(pending.get());
    pending_[&window] = std::move(pending);
    if (window.visible()) materialize(window);
}

void QtPlatform::windowDestroyed(Window& window) {
    if (menuHostWindow_ == &window) menuHostWindow_ = nullptr;
    if (window.view() && pending_.count(&window) && window.view() == pending_[&window].get())
        window.setView(nullptr);
    pending_.erase(&window);
    auto it = windows_.find(&window);
    if (it == windows_.end()) return;
    if (menuHost_ == it->second.get()) menuHost_ = nullptr;
    windows_.erase(it);
}

WindowBinding* QtPlatform::materialize(const Window& window) const {
    if (auto it = windows_.find(&window); it != windows_.end()) return it->second.get();
    if (!pending_.count(&window)) return nullptr;  // not one of ours, or destroyed
    if (building_ == &window) return nullptr;      // asked while its binding is being made
    building_ = &window;
    // The binding takes the model's view over from the pending stand-in.
    const bool host = &window == menuHostWindow_ && !menuHost_;
    auto binding =
        std::make_unique<WindowBinding>(const_cast<QtPlatform&>(*this), const_cast<Window&>(window),
                                        host ? menus_->bar() : nullptr);
    building_ = nullptr;
    WindowBinding* b = binding.get();
    windows_[&window] = std::move(binding);
    if (host) menuHost_ = b;
    return b;
}

WindowBinding* QtPlatform::bindingFor(const Window& window) const {
    return materialize(window);
}

WindowBinding* QtPlatform::bindingForWidget(const QWidget* top) const {
    for (const auto& [window, binding] : windows_)
        if (binding->widget() == top) return binding.get();
    return nullptr;
}

QWidget* QtPlatform::widgetFor(const Window& window) const {
    auto* b = bindingFor(window);
    return b ? b->widget() : nullptr;
}

QWidget* QtPlatform::contentFor(const Window& window) const {
    auto* b = bindingFor(window);
    return b ? b->content() : nullptr;
}

void QtPlatform::raiseWindows() {
    // Already in front: the program asks on every key, so don't disturb the window system.
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) return;
    for (const auto& [window, binding] : windows_)
        if (window->visible()) binding->widget()->raise();
    if (watched_) {
        if (Window* front = watched_->activeWindow())
            if (QWidget* w = widgetFor(*front)) w->activateWindow();
    }
}

}  // namespace tavrel::platform::qt
