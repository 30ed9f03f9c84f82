// Activation follows the front-to-back order of visible windows; closed
// windows leave the order at once and are let go at the next loop turn, so a
// handler of the closing window can still finish.
#include "tavrel/platform/application.h"

#include <algorithm>

#include "tavrel/platform/text_edit.h"

namespace tavrel::platform {

Application::Application(Services& services) : services_(services), input_(services.desktop()) {}

Application::~Application() {
    *alive_ = false;
    released_.clear();
    owned_.clear();
}

void Application::reportUnhandled(std::string_view what) {
    std::string text = "An error was not handled";
    if (!what.empty()) text += ": " + std::string(what);
    services_.system().messageBox(text);
}

void Application::open() {
    dispatch([&] {
        if (onOpen) onOpen();
    });
}

void Application::activateByUser() {
    if (active_) return;
    active_ = true;
    dispatch([&] {
        if (onActivate) onActivate();
    });
}

void Application::deactivateByUser() {
    if (!active_) return;
    active_ = false;
    dispatch([&] {
        if (onDeactivate) onDeactivate();
    });
}

bool Application::quit() {
    return dispatch([&] {
        if (onCancelQuit && onCancelQuit()) return false;
        std::vector<Window*> windows = order_;
        for (Window* w : windows)
            if (std::find(order_.begin(), order_.end(), w) != order_.end() && !w->close())
                return false;
        services_.eventLoop().quit();
        return true;
    });
}

Window* Application::activeWindow() const {
    for (Window* w : order_)
        if (w->visible()) return w;
    return nullptr;
}

Window* Application::findWindow(std::string_view name) const {
    for (Window* w : order_)
        if (equalsIgnoringCase(w->name(), name)) return w;
    return nullptr;
}

void Application::registerWindow(Window& w) {
    order_.push_back(&w);
    services_.windowCreated(w);
}

void Application::unregisterWindow(Window& w) {
    services_.windowDestroyed(w);
    if (!*alive_) {  // tearing down: no activation events
        order_.erase(std::remove(order_.begin(), order_.end(), &w), order_.end());
        return;
    }
    Window* before = activeWindow();
    order_.erase(std::remove(order_.begin(), order_.end(), &w), order_.end());
    if (before != &w) activationMayHaveChanged(before);
}

void Application::bringToFront(Window& w) {
    Window* before = activeWindow();
    auto it = std::find(order_.begin(), order_.end(), &w);
    if (it != order_.end()) std::rotate(order_.begin(), it, it + 1);
    activationMayHaveChanged(before);
}

void Application::activationMayHaveChanged(Window* before) {
    Window* now = activeWindow();
    if (now == before) return;
    if (before) before->deactivated();
    if (now) now->activated();
}

void Application::windowClosed(Window& w) {
    order_.erase(std::remove(order_.begin(), order_.end(), &w), order_.end());
    auto it = std::find_if(owned_.begin(), owned_.end(),
                           [&](const std::shared_ptr<Window>& p) { return p.get() == &w; });
    if (it == owned_.end()) return;
    released_.push_back(std::move(*it));
    owned_.erase(it);
    std::weak_ptr<bool> alive = alive_;
    services_.eventLoop().post([this, alive] {
        if (alive.lock()) released_.clear();
    });
}

void Application::addMenuHandler(std::string itemName, std::function<bool()> handler) {
    menuHandlers_.emplace_back(std::move(itemName), std::move(handler));
}

void Application::requestMenuEnabling() {
    if (inEnablingPass_) return;  // the pass under way covers it
    inEnablingPass_ = true;
    ++enablingPasses_;
    menuBar_.forEachItem([](MenuItem& item) { item.setEnabled(true); });
    if (onEnableMenuItems) onEnableMenuItems();
    if (Window* w = activeWindow(); w && w->onEnableMenuItems) w->onEnableMenuItems();
    inEnablingPass_ = false;
}

bool Application::runMenuCommand(std::string_view itemName, Modifiers modifiers) {
    return dispatch([&] {
        MenuItem* item = menuBar_.findItem(itemName);
        requestMenuEnabling();
        if (item && (!item->enabled() || item->isSeparator())) return false;
        InputState::EventScope scope(input_, modifiers);
        if (item && item->onAction && item->onAction()) return true;
        if (Window* w = activeWindow(); w && w->handleMenuCommand(itemName)) return true;
        for (auto& [name, handler] : menuHandlers_)
            if (equalsIgnoringCase(name, itemName) && handler && handler()) return true;
        return standardEditCommand(itemName);
    });
}

bool Application::standardEditCommand(std::string_view itemName) {
    Window* w = activeWindow();
    auto* edit = w ? dynamic_cast<TextEdit*>(w->focus()) : nullptr;
    if (!edit) return false;
    Clipboard& clip = services_.clipboard();
    bool writable = !edit->readOnly();
    if (equalsIgnoringCase(itemName, "EditCopy") || equalsIgnoringCase(itemName, "EditCut")) {
        if (edit->selLength() > 0) clip.setText(edit->selectedText());
        if (writable && equalsIgnoringCase(itemName, "EditCut")) edit->setSelectedText({});
        return true;
    }
    if (equalsIgnoringCase(itemName, "EditPaste")) {
        if (auto t = clip.text(); t && writable) edit->setSelectedText(*t);
        return true;
    }
    if (equalsIgnoringCase(itemName, "EditClear")) {
        if (writable) edit->setSelectedText({});
        return true;
    }
    if (equalsIgnoringCase(itemName, "EditSelectAll")) {
        edit->setSelection(0, edit->length());
        return true;
    }
    return false;
}

bool Application::typeKey(const KeyEvent& key) {
    // Shortcuts use Command where there is one and Control elsewhere.
    if (key.modifiers.command || key.modifiers.control) {
        if (MenuItem* item = menuBar_.findByShortcut(key)) {
            // A shortcut whose item is disabled is swallowed, as a menu would.
            runMenuCommand(item->name(), key.modifiers);
            return true;
        }
    }
    Window* w = activeWindow();
    return w && w->typeKey(key);
}

}  // namespace tavrel::platform
