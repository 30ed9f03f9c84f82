// Label: static text, one line or several (CR line ends).
#pragma once

#include <string>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class Label : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Label; }

    const std::string& text() const { return text_; }
    void setText(std::string text) { assign(text_, std::move(text), Property::Text); }
    bool multiline() const { return multiline_; }
    void setMultiline(bool on) { assign(multiline_, on, Property::Appearance); }

  private:
    std::string text_;
    bool multiline_ = false;
};

}  // namespace tavrel::platform
