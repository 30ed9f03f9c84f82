// Filled rectangle: a coloured area, optionally bordered; can contain controls.
#pragma once

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class FilledRectangle : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::FilledRectangle; }

    Color fillColor() const { return fill_; }
    void setFillColor(Color c) { assign(fill_, c, Property::Colors); }
    Color borderColor() const { return border_; }
    void setBorderColor(Color c) { assign(border_, c, Property::Colors); }
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w) { assign(borderWidth_, w, Property::Appearance); }

  private:
    Color fill_{255, 255, 255};
    Color border_;
    int borderWidth_ = 1;
};

}  // namespace tavrel::platform
