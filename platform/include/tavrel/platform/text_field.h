// Single-line text field (see text_edit.h for its event rules).
#pragma once

#include "tavrel/platform/text_edit.h"

namespace tavrel::platform {

class TextField : public TextEdit {
  public:
    using TextEdit::TextEdit;
    ControlKind kind() const override { return ControlKind::TextField; }

    bool focusRing() const { return focusRing_; }
    void setFocusRing(bool on) { assign(focusRing_, on, Property::Appearance); }

  private:
    bool focusRing_ = true;
};

}  // namespace tavrel::platform
