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

std::filesystem::path configFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
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
    auto binding = std::make_unique<WindowBinding>(*this, window);
    if (!menuHost_ && ordinary(window.kind()) && &window.app() == watched_) {
        menuHost_ = binding.get();
        binding->setMenuBar(menus_->bar());
    }
    windows_[&window] = std::move(binding);
}

void QtPlatform::windowDestroyed(Window& window) {
    auto it = windows_.find(&window);
    if (it == windows_.end()) return;
    if (menuHost_ == it->second.get()) menuHost_ = nullptr;
    windows_.erase(it);
}

WindowBinding* QtPlatform::bindingFor(const Window& window) const {
    auto it = windows_.find(&window);
    return it == windows_.end() ? nullptr : it->second.get();
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
