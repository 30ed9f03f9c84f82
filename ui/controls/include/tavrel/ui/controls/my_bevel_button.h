// The program's bevel buttons. Both raise myAction in place of the framework's
// action and myOpen in place of its open. myBevelButton::push is the visible
// press the keyboard relies on: the button shows pressed for 100 ms before
// myAction runs. myBevelButtonColor::push runs myAction first, then flashes.
#pragma once

#include <cstdint>
#include <functional>

#include "tavrel/platform/bevel_button.h"

namespace tavrel::ui {

class myBevelButton : public platform::BevelButton {
  public:
    static constexpr std::int64_t kPressMicros = 100000;

    using BevelButton::BevelButton;

    // Pressed from code: down and redrawn, 100 ms handling no user event, up, myAction.
    void push();

    std::int32_t origXcl = 0;  // kept for the window design; never used
    std::int32_t origYcl = 0;

    std::function<void()> myAction;
    std::function<void()> myOpen;

  protected:
    void action() override;
    void opened() override;
};

class myBevelButtonColor : public platform::BevelButton {
  public:
    using BevelButton::BevelButton;

    // myAction, then down, redrawn and up at once: a toggle ends up.
    void push();
    // Sets as icon a 40 × 20 tint of the display colour, made partly transparent
    // by a mid-grey mask.
    void redrawBackground();

    std::function<void()> myAction;
    std::function<void()> myOpen;

  protected:
    void action() override;
    void opened() override;
};

}  // namespace tavrel::ui
