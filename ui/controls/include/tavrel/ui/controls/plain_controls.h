// The program's controls that add nothing to their framework kinds but a
// name (and, for myPushButton, the myOpen event).
#pragma once

#include <functional>

#include "tavrel/platform/group_box.h"
#include "tavrel/platform/label.h"
#include "tavrel/platform/push_button.h"

namespace tavrel::ui {

// Presses use the framework's push, which runs onAction.
class myPushButton : public platform::PushButton {
  public:
    using PushButton::PushButton;
    std::function<void()> myOpen;

  protected:
    void opened() override {
        if (myOpen) myOpen();
    }
};

class myGroupBox : public platform::GroupBox {
  public:
    using GroupBox::GroupBox;
};

class VarDisplay : public platform::Label {
  public:
    using Label::Label;
};

}  // namespace tavrel::ui
