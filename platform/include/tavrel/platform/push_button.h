// Push button: a press, from code or by the user, runs the action handler.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class PushButton : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::PushButton; }

    // Pressed from code: runs the action handler at once.
    void push();
    // Clicked by the user with these modifiers held.
    void click(Modifiers modifiers = {});

    bool isDefault() const { return default_; }  // Return presses it
    void setDefault(bool on) { assign(default_, on, Property::Appearance); }
    bool isCancel() const { return cancel_; }  // Escape presses it
    void setCancel(bool on) { assign(cancel_, on, Property::Appearance); }

    std::function<void()> onAction;

  protected:
    // The framework's action event; program classes override to raise their own.
    virtual void action();
    bool handleMouseDown(int x, int y) override;
    void handleMouseUp(int x, int y) override;

  private:
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace tavrel::platform
