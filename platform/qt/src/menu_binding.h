// The model's menu bar as a QMenuBar: rebuilt when its structure changes,
// items updated one by one. Opening a menu runs an enabling pass first; a
// chosen item runs as the model's menu command. Shortcuts are shown in the
// menus but keys reach the model through the window (WindowBinding::deliverKey).
#pragma once

#include <QPointer>
#include <functional>
#include <map>

#include "tavrel/platform/menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tavrel::platform {
class Application;
}

namespace tavrel::platform::qt {

class MenuBinding : public MenuView {
  public:
    explicit MenuBinding(Application& app);
    ~MenuBinding() override;

    void itemChanged(MenuItem& item) override;
    void structureChanged(MenuBar& bar) override;

    // The bar widget (made on first use; it lives in its host window).
    QMenuBar* bar();
    // Runs after a rebuild (the host window makes room for the bar).
    std::function<void()> onRebuilt;

  private:
    void rebuild();
    void fill(QMenu* menu, const Menu& model);

    Application& app_;
    QPointer<QMenuBar> bar_;
    std::map<const MenuItem*, QPointer<QAction>> actions_;
};

}  // namespace tavrel::platform::qt
