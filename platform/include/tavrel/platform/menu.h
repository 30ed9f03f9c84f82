// The menu bar: menus of items, each with a name (the key handlers are found
// by), caption, shortcut, enabled and checked state, an optional action and an
// optional submenu. The Application routes commands and runs enabling passes;
// a MenuView, when set, hears every change so a backend can mirror the bar.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/platform/input.h"

namespace tavrel::platform {

class Menu;
class MenuBar;
class MenuItem;

struct Shortcut {
    std::string key;  // the last character of the notation, e.g. "P", ",", "?"
    Modifiers modifiers;

    // The framework's notation: "Cmd+Shift+P", "Cmd+Option+,", "Cmd+?".
    static std::optional<Shortcut> parse(std::string_view notation);
    bool matches(const KeyEvent& key) const;
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

class MenuView {
  public:
    virtual ~MenuView() = default;
    virtual void itemChanged(MenuItem& item) = 0;
    virtual void structureChanged(MenuBar& bar) = 0;
};

class MenuItem {
  public:
    MenuItem(MenuBar* bar, std::string name, std::string caption);

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool isSeparator() const { return caption_ == "-"; }
    const std::optional<Shortcut>& shortcut() const { return shortcut_; }
    void setShortcut(std::optional<Shortcut> s);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool checked() const { return checked_; }
    void setChecked(bool on);
    bool autoEnable() const { return autoEnable_; }
    void setAutoEnable(bool on) { autoEnable_ = on; }

    Menu* submenu() const { return submenu_.get(); }
    Menu& makeSubmenu();

    // The item's own handler, asked before the window's and the application's.
    std::function<bool()> onAction;

  private:
    void changed();

    MenuBar* bar_;
    std::string name_;
    std::string caption_;
    std::optional<Shortcut> shortcut_;
    bool enabled_ = true;
    bool checked_ = false;
    bool autoEnable_ = true;
    std::unique_ptr<Menu> submenu_;
};

class Menu {
  public:
    Menu(MenuBar* bar, std::string name, std::string caption);

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    // shortcut in the framework's notation; empty for none.
    MenuItem& append(std::string name, std::string caption, std::string_view shortcut = {});
    std::size_t itemCount() const { return items_.size(); }
    MenuItem& item(std::size_t i) const { return *items_.at(i); }
    void removeAll();
    // Searches submenus too; names compare ignoring ASCII case.
    MenuItem* find(std::string_view name) const;
    void forEachItem(const std::function<void(MenuItem&)>& f) const;

  private:
    MenuBar* bar_;
    std::string name_;
    std::string caption_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuBar {
  public:
    MenuBar() = default;
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    Menu& append(std::string name, std::string caption);
    std::size_t menuCount() const { return menus_.size(); }
    Menu& menu(std::size_t i) const { return *menus_.at(i); }
    Menu* findMenu(std::string_view name) const;
    MenuItem* findItem(std::string_view name) const;
    MenuItem* findByShortcut(const KeyEvent& key) const;
    void forEachItem(const std::function<void(MenuItem&)>& f) const;

    MenuView* view() const { return view_; }
    void setView(MenuView* v) { view_ = v; }
    void structureChanged();

  private:
    std::vector<std::unique_ptr<Menu>> menus_;
    MenuView* view_ = nullptr;
};

// ASCII-case-insensitive comparison, the rule for names and commands.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tavrel::platform
