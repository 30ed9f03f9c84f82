// Input arrives through the entry points below, each opening an input-state
// scope; activation is kept by the application, focus and hover by the window.
#include "tavrel/platform/window.h"

#include <algorithm>

#include "tavrel/platform/application.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/utf8.h"

namespace tavrel::platform {

Window::Window(Application& app, std::string name, WindowKind kind)
    : app_(app), name_(std::move(name)), kind_(kind) {
    app_.registerWindow(*this);
}

Window::~Window() {
    // Controls go first (timers disarm) while the window is still whole.
    focus_ = capture_ = hover_ = nullptr;
    byName_.clear();
    controls_.clear();
    app_.unregisterWindow(*this);
}

void Window::notify(WindowProperty what) {
    if (view_) view_->changed(*this, what);
}

void Window::setKind(WindowKind k) {
    kind_ = k;
    notify(WindowProperty::Kind);
}

void Window::setTitle(std::string t) {
    title_ = std::move(t);
    notify(WindowProperty::Title);
}

void Window::setPosition(int left, int top) {
    if (bounds_.left == left && bounds_.top == top) return;
    bounds_.left = left;
    bounds_.top = top;
    notify(WindowProperty::Bounds);
}

void Window::setSize(int width, int height) {
    if (bounds_.width == width && bounds_.height == height) return;
    bounds_.width = width;
    bounds_.height = height;
    notify(WindowProperty::Bounds);
}

void Window::setMinimumSize(int width, int height) {
    limits_.minWidth = width;
    limits_.minHeight = height;
    notify(WindowProperty::Limits);
}

void Window::setMaximumSize(int width, int height) {
    limits_.maxWidth = width;
    limits_.maxHeight = height;
    notify(WindowProperty::Limits);
}

// Views hear of a frame change only when something changed, as with controls.
void Window::setFrameFlag(bool& flag, bool on) {
    if (flag == on) return;
    flag = on;
    notify(WindowProperty::Frame);
}

void Window::setCloseBox(bool on) {
    setFrameFlag(closeBox_, on);
}
void Window::setResizable(bool on) {
    setFrameFlag(resizable_, on);
}
void Window::setLiveResize(bool on) {
    setFrameFlag(liveResize_, on);
}
void Window::setZoomBox(bool on) {
    setFrameFlag(zoomBox_, on);
}
void Window::setCollapseBox(bool on) {
    setFrameFlag(collapseBox_, on);
}

void Window::setBackgroundColor(std::optional<Color> c) {
    background_ = c;
    notify(WindowProperty::Background);
}

void Window::setBackdrop(PicturePtr p) {
    backdrop_ = std::move(p);
    notify(WindowProperty::Background);
}

void Window::setOpacity(float alpha) {
    opacity_ = std::clamp(alpha, 0.0f, 1.0f);
    notify(WindowProperty::Opacity);
}

void Window::setCollapsed(bool on) {
    if (collapsed_ == on) return;
    collapsed_ = on;
    notify(WindowProperty::Collapsed);
}

void Window::show() {
    if (closed_) return;
    if (!visible_) {
        visible_ = true;
        notify(WindowProperty::Visible);
    }
    app_.bringToFront(*this);
}

void Window::hide() {
    if (!visible_) return;
    Window* before = app_.activeWindow();
    visible_ = false;
    notify(WindowProperty::Visible);
    app_.activationMayHaveChanged(before);
}

void Window::showAsSheetOf(Window& parent) {
    sheetParent_ = &parent;
    show();
}

void Window::open() {
    if (opened_) return;
    opened_ = true;
    // Index loop: an open handler may add controls.
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->opened();
    if (onOpen) onOpen();
}

bool Window::close() {
    // A close handler that quits the application is asked to close again.
    if (closed_ || closing_) return true;
    if (onCancelClose && onCancelClose()) return false;
    closing_ = true;
    // Each close handler on its own: one that fails (a settings file that
    // cannot be written) is reported and the window still closes, so a quit
    // is never left half done.
    app_.dispatch([&] {
        if (onClose) onClose();
    });
    for (std::size_t i = 0; i < controls_.size(); ++i)
        app_.dispatch([&] { controls_[i]->closed(); });
    setFocus(nullptr);
    Window* before = app_.activeWindow();
    visible_ = false;
    closed_ = true;
    notify(WindowProperty::Closed);
    app_.activationMayHaveChanged(before);
    app_.windowClosed(*this);
    return true;
}

bool Window::closeByUser() {
    return app_.dispatch([&] { return close(); });
}

std::size_t Window::NameHash::operator()(std::string_view name) const {
    std::size_t h = 1469598103934665603u;  // FNV-1a over the case-folded bytes
    for (unsigned char c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + ('a' - 'A'));
        h = (h ^ c) * 1099511628211u;
    }
    return h;
}

void Window::adopt(std::unique_ptr<Control> control) {
    Control& c = *control;
    controls_.push_back(std::move(control));
    byName_.emplace(c.name(), &c);  // the name lives as long as the control
    if (view_) view_->controlAdded(*this, c);
    if (opened_) c.opened();
}

Control* Window::findControl(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Window::setFocus(Control* control) {
    if (control && !control->acceptsFocus()) return;
    if (control == focus_) return;
    Control* old = focus_;
    focus_ = control;
    notify(WindowProperty::Focus);
    if (old) {
        if (old->view()) old->view()->changed(*old, Property::Focus);
        if (old->onLostFocus) old->onLostFocus();
    }
    if (control && focus_ == control) {
        if (control->view()) control->view()->changed(*control, Property::Focus);
        if (control->onGotFocus) control->onGotFocus();
    }
}

bool Window::pressDefaultButton(const KeyEvent& key) {
    bool isReturn = key.code == keys::Return || key.code == keys::Enter;
    bool isEscape = key.code == keys::Escape;
    if (!isReturn && !isEscape) return false;
    for (const auto& c : controls_) {
        if (c->kind() != ControlKind::PushButton) continue;
        auto* b = static_cast<PushButton*>(c.get());
        if (b->isShown() && b->enabled() && (isReturn ? b->isDefault() : b->isCancel())) {
            b->push();
            return true;
        }
    }
    return false;
}

bool Window::typeKey(const KeyEvent& key) {
    return app_.dispatch([&] {
        InputState::EventScope scope(app_.input(), key.modifiers);
        bool consumed = focus_ ? focus_->keyDownByUser(key) : (onKeyDown && onKeyDown(key));
        return consumed || pressDefaultButton(key);
    });
}

bool Window::typeText(std::string_view text, Modifiers modifiers) {
    bool all = true;
    std::size_t n = utf8::length(text);
    for (std::size_t i = 0; i < n; ++i)
        all = typeKey(KeyEvent::of(utf8::substr(text, i, 1), modifiers)) && all;
    return all;
}

Control* Window::controlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        switch (c.kind()) {
            case ControlKind::Timer:
            case ControlKind::ContextualMenu:
            case ControlKind::GroupBox:
            case ControlKind::Label:
            case ControlKind::ProgressWheel:
            case ControlKind::FilledRectangle:
                continue;  // let clicks through to what lies below
            default:
                break;
        }
        if (c.isShown() && c.bounds().contains(x, y)) return &c;
    }
    return nullptr;
}

bool Window::mouseDown(int x, int y, Modifiers modifiers, bool contextual) {
    return app_.dispatch([&] {
        InputState::EventScope scope(app_.input(), modifiers, contextual);
        capture_ = nullptr;
        if (Control* c = controlAt(x, y)) {
            if (!c->enabled()) return true;  // a disabled control swallows the click
            bool claimed = c->mouseDownByUser(x - c->left(), y - c->top(), modifiers, contextual);
            if (claimed) capture_ = c;
            return claimed;
        }
        return onMouseDown && onMouseDown(x, y);
    });
}

void Window::mouseDrag(int x, int y) {
    app_.dispatch([&] {
        if (capture_) capture_->mouseDragByUser(x - capture_->left(), y - capture_->top());
    });
}

void Window::mouseUp(int x, int y, Modifiers modifiers) {
    app_.dispatch([&] {
        InputState::EventScope scope(app_.input(), modifiers);
        if (Control* c = capture_) {
            capture_ = nullptr;
            c->mouseUpByUser(x - c->left(), y - c->top(), modifiers);
        } else if (onMouseUp) {
            onMouseUp(x, y);
        }
    });
}

bool Window::click(int x, int y, Modifiers modifiers, bool contextual) {
    bool handled = mouseDown(x, y, modifiers, contextual);
    mouseUp(x, y, modifiers);
    return handled;
}

void Window::mouseMoveTo(int x, int y) {
    Control* c = controlAt(x, y);
    if (c == hover_) return;
    if (hover_) hover_->mouseExitByUser();
    hover_ = c;
    if (c) c->mouseEnterByUser();
}

void Window::mouseLeftWindow() {
    if (hover_) hover_->mouseExitByUser();
    hover_ = nullptr;
}

void Window::resizeByUser(int width, int height) {
    width = std::clamp(width, limits_.minWidth, std::max(limits_.minWidth, limits_.maxWidth));
    height = std::clamp(height, limits_.minHeight, std::max(limits_.minHeight, limits_.maxHeight));
    setSize(width, height);
    app_.dispatch([&] {
        if (onResizing) onResizing();
        if (onResized) onResized();
    });
}

void Window::moveByUser(int left, int top) {
    setPosition(left, top);
    app_.dispatch([&] {
        if (onMoved) onMoved();
    });
}

void Window::paint(Graphics& g) {
    if (backdrop_) g.drawPicture(*backdrop_, 0, 0);
    if (onPaint) onPaint(g);
}

void Window::refresh() {
    notify(WindowProperty::Redraw);
}

void Window::addMenuHandler(std::string itemName, std::function<bool()> handler) {
    menuHandlers_.emplace_back(std::move(itemName), std::move(handler));
}

bool Window::handleMenuCommand(std::string_view itemName) {
    for (auto& [name, handler] : menuHandlers_)
        if (equalsIgnoringCase(name, itemName) && handler && handler()) return true;
    return false;
}

void Window::activated() {
    if (onActivate) onActivate();
}

void Window::deactivated() {
    if (onDeactivate) onDeactivate();
}

}  // namespace tavrel::platform
