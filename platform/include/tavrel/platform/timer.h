// Timer: off, single shot or repeating, period in milliseconds, driven by the
// event loop. Arming (mode or period set, or reset) starts a fresh period; a
// single shot turns itself off before its action runs; a repeating timer is
// re-armed before its action runs, so the action may switch it off.
#pragma once

#include <optional>

#include "tavrel/platform/control.h"
#include "tavrel/platform/event_loop.h"

namespace tavrel::platform {

enum class TimerMode { Off, Single, Multiple };

class Timer : public Control {
  public:
    Timer(Window& window, std::string name);
    ~Timer() override;
    ControlKind kind() const override { return ControlKind::Timer; }

    TimerMode mode() const { return mode_; }
    void setMode(TimerMode mode);
    int period() const { return periodMs_; }  // ms; periods below 1 run as 1
    void setPeriod(int ms);
    void reset();  // restarts the period from now
    bool armed() const { return armed_.has_value(); }

    std::function<void()> onAction;

    void closed() override;

  private:
    void arm();
    void disarm();
    void fire();

    EventLoop& loop_;
    TimerMode mode_ = TimerMode::Off;
    int periodMs_ = 1000;
    std::optional<TimerId> armed_;
};

}  // namespace tavrel::platform
