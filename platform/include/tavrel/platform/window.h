// A window owns its controls in creation order (also their stacking order:
// later ones lie above). open() raises every control's open event in that
// order, then the window's. User-level entry points (typeKey, mouseDown,
// resizeByUser, …) deliver input the way the toolkit would: a key goes to the
// focused control's key-down handler first, then to its default processing;
// with no focus the window's key-down handler gets it. A WindowView, when set,
// hears every property change and every control added.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tavrel/platform/control.h"
#include "tavrel/platform/geometry.h"
#include "tavrel/platform/graphics.h"
#include "tavrel/platform/input.h"
#include "tavrel/platform/menu.h"

namespace tavrel::platform {

class Application;

enum class WindowKind { Document, Floating, GlobalFloating, Sheet, PlainBox, Modal };

enum class WindowProperty {
    Title,
    Kind,
    Bounds,
    Limits,
    Visible,
    Frame,
    Background,
    Focus,
    Opacity,
    Collapsed,
    Redraw,
    Closed
};

class WindowView {
  public:
    virtual ~WindowView() = default;
    virtual void changed(Window& window, WindowProperty what) = 0;
    virtual void controlAdded(Window& window, Control& control) = 0;
};

struct SizeLimits {
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 32000;
    int maxHeight = 32000;
};

class Window : public std::enable_shared_from_this<Window> {
  public:
    Window(Application& app, std::string name = {}, WindowKind kind = WindowKind::Document);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& app() const { return app_; }
    const std::string& name() const { return name_; }
    WindowKind kind() const { return kind_; }
    void setKind(WindowKind k);
    const std::string& title() const { return title_; }
    void setTitle(std::string t);

    // Content area, screen pixels. Programmatic sizing ignores the limits;
    // only the user's resizing is held to them.
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    const Rect& bounds() const { return bounds_; }
    void setPosition(int left, int top);
    void setSize(int width, int height);
    void setLeft(int v) { setPosition(v, top()); }
    void setTop(int v) { setPosition(left(), v); }
    void setWidth(int v) { setSize(v, height()); }
    void setHeight(int v) { setSize(width(), v); }
    const SizeLimits& limits() const { return limits_; }
    void setMinimumSize(int width, int height);
    void setMaximumSize(int width, int height);

    // Frame features.
    bool closeBox() const { return closeBox_; }
    void setCloseBox(bool on);
    bool resizable() const { return resizable_; }
    void setResizable(bool on);
    bool liveResize() const { return liveResize_; }
    void setLiveResize(bool on);
    bool zoomBox() const { return zoomBox_; }
    void setZoomBox(bool on);
    bool collapseBox() const { return collapseBox_; }
    void setCollapseBox(bool on);

    std::optional<Color> backgroundColor() const { return background_; }
    void setBackgroundColor(std::optional<Color> c);
    PicturePtr backdrop() const { return backdrop_; }
    void setBackdrop(PicturePtr p);

    // Window-system state the program sets directly.
    float opacity() const { return opacity_; }
    void setOpacity(float alpha);
    bool collapsed() const { return collapsed_; }  // minimised into the Dock
    void setCollapsed(bool on);

    bool visible() const { return visible_; }
    void show();
    void hide();
    void setVisible(bool on) { on ? show() : hide(); }
    void showAsSheetOf(Window& parent);
    Window* sheetParent() const { return sheetParent_; }

    // Raises the controls' open events (creation order), then the window's.
    void open();
    bool isOpen() const { return opened_ && !closed_; }
    // Asks onCancelClose first; returns false when the close was cancelled.
    // A closed window is hidden, its timers stop, and the application lets go of it.
    bool close();
    bool isClosed() const { return closed_; }

    // Creates a control owned by the window; extra arguments go to its constructor.
    template <class T, class... Args>
    T& add(std::string name, Args&&... args) {
        auto control = std::make_unique<T>(*this, std::move(name), std::forward<Args>(args)...);
        T& ref = *control;
        adopt(std::move(control));
        return ref;
    }
    template <class T, class... Args>
    T& addIn(Control& container, std::string name, Args&&... args) {
        T& ref = add<T>(std::move(name), std::forward<Args>(args)...);
        ref.setParent(&container);
        return ref;
    }

    std::size_t controlCount() const { return controls_.size(); }
    Control& control(std::size_t i) const { return *controls_.at(i); }
    // By name, ignoring ASCII case; nullptr when missing or of another kind.
    template <class T = Control>
    T* find(std::string_view name) const {
        return dynamic_cast<T*>(findControl(name));
    }
    // As find, but a missing control is an error.
    template <class T = Control>
    T& get(std::string_view name) const {
        if (T* c = find<T>(name)) return *c;
        throw std::out_of_range("no control " + std::string(name) + " of that kind in window " +
                                name_);
    }

    // Keyboard focus: a control, or none. Runs lost-focus, then got-focus.
    Control* focus() const { return focus_; }
    void setFocus(Control* control);

    // --- user-level entry points ---
    // A key typed while this window is active; returns whether it was consumed.
    bool typeKey(const KeyEvent& key);
    bool typeText(std::string_view text, Modifiers modifiers = {});
    // A click at window coordinates: the topmost shown control under it gets
    // it, else the window's mouse-down handler. Returns whether it was handled.
    bool mouseDown(int x, int y, Modifiers modifiers = {}, bool contextual = false);
    void mouseDrag(int x, int y);
    void mouseUp(int x, int y, Modifiers modifiers = {});
    // A press and release at the same point.
    bool click(int x, int y, Modifiers modifiers = {}, bool contextual = false);
    // Moves the mouse over the window, raising mouse enter/exit on controls.
    void mouseMoveTo(int x, int y);
    void mouseLeftWindow();
    // The user drags the size box: held to the limits; resizing, then resized.
    void resizeByUser(int width, int height);
    void moveByUser(int left, int top);
    // The close box.
    bool closeByUser();
    // Draws the window: backdrop, then the paint handler.
    void paint(Graphics& g);
    void refresh();

    // Menu commands this window handles; true when handled.
    void addMenuHandler(std::string itemName, std::function<bool()> handler);
    bool handleMenuCommand(std::string_view itemName);

    std::function<void()> onOpen;
    std::function<bool()> onCancelClose;  // true cancels
    std::function<void()> onClose;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onMoved;
    std::function<void()> onResizing;
    std::function<void()> onResized;
    std::function<bool(int x, int y)> onMouseDown;
    std::function<void(int x, int y)> onMouseUp;
    std::function<bool(const KeyEvent& key)> onKeyDown;
    std::function<void(Graphics& g)> onPaint;
    std::function<void()> onEnableMenuItems;

    WindowView* view() const { return view_; }
    void setView(WindowView* v) { view_ = v; }

    // Called by the application when activation moves.
    void activated();
    void deactivated();

  private:
    void adopt(std::unique_ptr<Control> control);
    Control* findControl(std::string_view name) const;
    Control* controlAt(int x, int y) const;
    void notify(WindowProperty what);
    void setFrameFlag(bool& flag, bool on);
    bool pressDefaultButton(const KeyEvent& key);

    Application& app_;
    std::string name_;
    WindowKind kind_;
    std::string title_;
    Rect bounds_{0, 0, 300, 200};
    SizeLimits limits_;
    bool closeBox_ = true;
    bool resizable_ = false;
    bool liveResize_ = false;
    bool zoomBox_ = false;
    bool collapseBox_ = false;
    std::optional<Color> background_;
    PicturePtr backdrop_;
    float opacity_ = 1.0f;
    bool collapsed_ = false;
    bool visible_ = false;
    Window* sheetParent_ = nullptr;
    bool opened_ = false;
    bool closed_ = false;
    bool closing_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    // Controls by name ignoring ASCII case, the first of a name winning; kept
    // as controls are added, so a lookup costs the same however many there are.
    struct NameHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        bool operator()(std::string_view a, std::string_view b) const {
            return equalsIgnoringCase(a, b);
        }
    };
    std::unordered_map<std::string_view, Control*, NameHash, NameEqual> byName_;
    Control* focus_ = nullptr;
    Control* capture_ = nullptr;
    Control* hover_ = nullptr;
    std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers_;
    WindowView* view_ = nullptr;
};

}  // namespace tavrel::platform
