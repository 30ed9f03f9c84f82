// Radio group: buttons of one group, at most one selected. Selecting, from code
// or by a click, runs the change handler only when the selection changes.
#pragma once

#include <string>
#include <vector>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

struct RadioButtonItem {
    std::string caption;
    Rect bounds;  // relative to the window's content area, like every control
};

class RadioGroup : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::RadioGroup; }

    int addButton(std::string caption, Rect bounds = {});
    int buttonCount() const { return static_cast<int>(buttons_.size()); }
    const RadioButtonItem& button(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }

    // -1: none selected.
    int value() const { return value_; }
    void setValue(int index);
    void clickButton(int index, Modifiers modifiers = {});

    std::function<void()> onChange;

  protected:
    bool handleMouseDown(int x, int y) override;

  private:
    std::vector<RadioButtonItem> buttons_;
    int value_ = -1;
};

}  // namespace tavrel::platform
