// Check box: setting the value, from code or by a click, runs the change
// handler only when the value changes.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class CheckBox : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::CheckBox; }

    bool value() const { return value_; }
    void setValue(bool v);
    void click(Modifiers modifiers = {});

    std::function<void()> onChange;

  protected:
    bool handleMouseDown(int x, int y) override;

  private:
    bool value_ = false;
};

}  // namespace tavrel::platform
