// Menu structure and shortcut matching. Letters match ignoring case with Shift
// compared exactly; other keys compare the character and Shift only when the
// shortcut names it (the character itself may need Shift).
#include "tavrel/platform/menu.h"

#include <cctype>

namespace tavrel::platform {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // ASCII letters only, whatever the C library's locale says.
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<Shortcut> Shortcut::parse(std::string_view notation) {
    if (notation.empty()) return std::nullopt;
    Shortcut s;
    // The key is whatever follows the last '+' that is not itself the key.
    std::size_t keyStart = notation.size() - 1;
    while (keyStart > 0 && notation[keyStart - 1] != '+') --keyStart;
    if (keyStart == notation.size()) return std::nullopt;
    s.key = std::string(notation.substr(keyStart));
    std::string_view mods = notation.substr(0, keyStart);
    std::size_t at = 0;
    while (at < mods.size()) {
        std::size_t plus = mods.find('+', at);
        std::string_view word = mods.substr(at, plus == std::string_view::npos ? plus : plus - at);
        if (equalsIgnoringCase(word, "Cmd"))
            s.modifiers.command = true;
        else if (equalsIgnoringCase(word, "Shift"))
            s.modifiers.shift = true;
        else if (equalsIgnoringCase(word, "Option") || equalsIgnoringCase(word, "Alt"))
            s.modifiers.option = true;
        else if (equalsIgnoringCase(word, "Ctrl") || equalsIgnoringCase(word, "Control"))
            s.modifiers.control = true;
        else if (!word.empty())
            return std::nullopt;
        if (plus == std::string_view::npos) break;
        at = plus + 1;
    }
    return s;
}

bool Shortcut::matches(const KeyEvent& k) const {
    const Modifiers& m = k.modifiers;
    if (m.command != modifiers.command || m.option != modifiers.option ||
        m.control != modifiers.control)
        return false;
    bool letter = key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0]));
    if (letter) return m.shift == modifiers.shift && equalsIgnoringCase(k.text, key);
    if (modifiers.shift && !m.shift) return false;
    return k.text == key;
}

MenuItem::MenuItem(MenuBar* bar, std::string name, std::string caption)
    : bar_(bar), name_(std::move(name)), caption_(std::move(caption)) {}

void MenuItem::changed() {
    if (bar_ && bar_->view()) bar_->view()->itemChanged(*this);
}

void MenuItem::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void MenuItem::setShortcut(std::optional<Shortcut> s) {
    shortcut_ = std::move(s);
    changed();
}

void MenuItem::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void MenuItem::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
}

Menu& MenuItem::makeSubmenu() {
    if (!submenu_) submenu_ = std::make_unique<Menu>(bar_, name_, caption_);
    if (bar_) bar_->structureChanged();
    return *submenu_;
}

Menu::Menu(MenuBar* bar, std::string name, std::string caption)
    : bar_(bar), name_(std::move(name)), caption_(std::move(caption)) {}

MenuItem& Menu::append(std::string name, std::string caption, std::string_view shortcut) {
    items_.push_back(std::make_unique<MenuItem>(bar_, std::move(name), std::move(caption)));
    if (!shortcut.empty()) items_.back()->setShortcut(Shortcut::parse(shortcut));
    if (bar_) bar_->structureChanged();
    return *items_.back();
}

void Menu::removeAll() {
    items_.clear();
    if (bar_) bar_->structureChanged();
}

MenuItem* Menu::find(std::string_view name) const {
    for (const auto& item : items_) {
        if (equalsIgnoringCase(item->name(), name)) return item.get();
        if (item->submenu())
            if (MenuItem* found = item->submenu()->find(name)) return found;
    }
    return nullptr;
}

void Menu::forEachItem(const std::function<void(MenuItem&)>& f) const {
    for (const auto& item : items_) {
        f(*item);
        if (item->submenu()) item->submenu()->forEachItem(f);
    }
}

Menu& MenuBar::append(std::string name, std::string caption) {
    menus_.push_back(std::make_unique<Menu>(this, std::move(name), std::move(caption)));
    structureChanged();
    return *menus_.back();
}

Menu* MenuBar::findMenu(std::string_view name) const {
    for (const auto& m : menus_)
        if (equalsIgnoringCase(m->name(), name)) return m.get();
    return nullptr;
}

MenuItem* MenuBar::findItem(std::string_view name) const {
    for (const auto& m : menus_)
        if (MenuItem* found = m->find(name)) return found;
    return nullptr;
}

MenuItem* MenuBar::findByShortcut(const KeyEvent& key) const {
    MenuItem* hit = nullptr;
    forEachItem([&](MenuItem& item) {
        if (!hit && item.shortcut() && item.shortcut()->matches(key)) hit = &item;
    });
    return hit;
}

void MenuBar::forEachItem(const std::function<void(MenuItem&)>& f) const {
    for (const auto& m : menus_) m->forEachItem(f);
}

void MenuBar::structureChanged() {
    if (view_) view_->structureChanged(*this);
}

}  // namespace tavrel::platform
