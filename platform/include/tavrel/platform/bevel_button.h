// Bevel button: a caption and/or icon, a boolean value whose click behaviour
// depends on the toggle type, and an optional drop-down menu of rows.
#pragma once

#include <string>
#include <vector>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

enum class BevelToggle {
    Normal,  // value stays false
    Toggle,  // each click flips the value
    Sticky,  // a click sets the value; it stays down
};

class BevelButton : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::BevelButton; }

    BevelToggle toggleType() const { return toggle_; }
    void setToggleType(BevelToggle t) { assign(toggle_, t, Property::Appearance); }
    // The pressed look; setting it from code raises nothing.
    bool value() const { return value_; }
    void setValue(bool v) { assign(value_, v, Property::Value); }
    const PicturePtr& icon() const { return icon_; }
    void setIcon(PicturePtr icon);
    bool hasMenuArrow() const { return menuArrow_; }
    void setMenuArrow(bool on) { assign(menuArrow_, on, Property::Appearance); }

    // Drop-down menu rows; "-" is a separator. menuValue is the chosen row (-1 none).
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& rowText(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    void addRow(std::string text);
    void addSeparator() { addRow("-"); }
    void removeRow(int row);
    void removeAllRows();
    void setRowText(int row, std::string text);
    int menuValue() const { return menuValue_; }
    void setMenuValue(int row) { assign(menuValue_, row, Property::Value); }

    // Clicked by the user: the value follows the toggle type, then the action runs.
    void click(Modifiers modifiers = {});
    // The user picked a drop-down row: menuValue is set, the chosen-row handler
    // and then the action run. Separators and rows out of range are ignored.
    bool chooseMenuRowByUser(int row, Modifiers modifiers = {});

    std::function<void()> onAction;
    std::function<void(int row)> onMenuRowChosen;

  protected:
    // The framework's action event; program classes override to raise their own.
    virtual void action();
    bool handleMouseDown(int x, int y) override;
    void handleMouseUp(int x, int y) override;

  private:
    void toggleOnClick();

    BevelToggle toggle_ = BevelToggle::Normal;
    bool value_ = false;
    PicturePtr icon_;
    bool menuArrow_ = false;
    std::vector<std::string> rows_;
    int menuValue_ = -1;
};

}  // namespace tavrel::platform
