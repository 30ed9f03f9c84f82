// One top-level widget per model window. Its content widget stands for the
// model's content area (coordinates, background, paint handler, clicks on the
// background); every control gets a binding that owns one widget of its kind
// inside it, placed at the control's window coordinates and stacked in
// creation order. Property changes flow from the model to the widgets; user
// input flows back through the model's user-level entry points only.
#pragma once

#include <QSize>
#include <QWidget>
#include <memory>
#include <vector>

#include "tavrel/platform/window.h"

class QMenuBar;

namespace tavrel::platform::qt {

class QtPlatform;
class ControlBinding;
class WindowWidget;
class ContentWidget;

class WindowBinding : public WindowView {
  public:
    // menuBar: the menu bar this window carries from the start, if any.
    WindowBinding(QtPlatform& platform, Window& window, QMenuBar* menuBar = nullptr);
    ~WindowBinding() override;

    void changed(Window& window, WindowProperty what) override;
    void controlAdded(Window& window, Control& control) override;

    Window& window() const { return window_; }
    QtPlatform& platform() const { return platform_; }
    QWidget* widget() const;
    QWidget* content() const;
    ControlBinding* bindingFor(const Control& control) const;

    // A key the user typed in this window: a menu shortcut, or the model window's.
    void deliverKey(const QKeyEvent& event);
    // Shows or hides every control's widget (after a visibility or size change).
    void updateVisibility();
    // Gives the menu bar to this window, or takes it away (nullptr).
    void setMenuBar(QMenuBar* bar);
    int menuBarHeight() const;

    // From the top-level widget: the user moved, sized, minimised or closed it.
    void userMoved(QPoint contentTopLeft);
    void userResized(QSize frameSize);
    void userCollapsed(bool minimised);
    void userActivated();

    // Resize animation of the frame (model already sized).
    void animateTo(int width, int height, int millis);
    bool animating() const { return animating_; }

  private:
    void applyBounds();
    void applyLimits();
    void applyFlags();
    void applyBackground();
    void applyFocus();

    QtPlatform& platform_;
    Window& window_;
    std::unique_ptr<WindowWidget> top_;
    ContentWidget* content_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<ControlBinding>> controls_;
    std::vector<QSize> requestedSizes_;
    std::vector<QPoint> requestedMoves_;
    bool animating_ = false;
};

}  // namespace tavrel::platform::qt
