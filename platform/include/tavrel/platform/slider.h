// Slider: a value kept within [minimum, maximum]; setting it, from code or by a
// drag, runs the change handler only when the value changes.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class Slider : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Slider; }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Narrowing the range moves a value outside it to the nearest limit (a change).
    void setRange(int minimum, int maximum);
    int value() const { return value_; }
    void setValue(int v);
    int lineStep() const { return lineStep_; }
    int pageStep() const { return pageStep_; }
    void setSteps(int line, int page);
    bool liveScroll() const { return live_; }
    void setLiveScroll(bool on) { assign(live_, on, Property::Appearance); }

    void dragByUser(int v, Modifiers modifiers = {});

    std::function<void()> onChange;

  private:
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    int lineStep_ = 1;
    int pageStep_ = 20;
    bool live_ = true;
};

}  // namespace tavrel::platform
