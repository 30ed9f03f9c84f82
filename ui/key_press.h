// A key of the window pressed from code, resolved once when the window is
// wired: the program's bevel buttons show their visible press, push buttons
// run their action. Pressing costs no search by name and no cast.
#pragma once

#include "tavrel/platform/control.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/ui/controls/my_bevel_button.h"

namespace tavrel::ui {

class KeyPress {
  public:
    KeyPress() = default;
    explicit KeyPress(platform::Control& key)
        : bevel_(dynamic_cast<myBevelButton*>(&key)),
          color_(dynamic_cast<myBevelButtonColor*>(&key)),
          push_(dynamic_cast<platform::PushButton*>(&key)) {}

    void operator()() const {
        if (bevel_)
            bevel_->push();
        else if (color_)
            color_->push();
        else if (push_)
            push_->push();
    }

  private:
    myBevelButton* bevel_ = nullptr;
    myBevelButtonColor* color_ = nullptr;
    platform::PushButton* push_ = nullptr;
};

}  // namespace tavrel::ui
