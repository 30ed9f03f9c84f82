// Group box: a captioned container; its children keep window-relative positions.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class GroupBox : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::GroupBox; }
};

}  // namespace tavrel::platform
