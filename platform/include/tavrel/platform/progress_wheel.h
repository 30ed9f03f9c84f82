// Progress wheel: spins while visible; no state of its own.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class ProgressWheel : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::ProgressWheel; }
};

}  // namespace tavrel::platform
