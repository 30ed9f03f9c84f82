// The display field. Its text is the entry being typed or the result shown;
// the calculation step it drives lives in the window's Calculator, which owns
// the registers, the pending operator and the clear flag.
#pragma once

#include "tavrel/platform/text_field.h"

namespace tavrel::ui {

class EditFract : public platform::TextField {
  public:
    using platform::TextField::TextField;

    // Assigns the text to itself: the change handlers put the caret at the
    // end and give the field the keyboard focus.
    void setFocusAlt() { setText(text()); }
};

}  // namespace tavrel::ui
