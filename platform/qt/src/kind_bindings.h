// The binding of each control kind (button_bindings.cpp, value_bindings.cpp,
// text_bindings.cpp, plain_bindings.cpp).
#pragma once

#include <memory>

#include "control_binding.h"

namespace tavrel::platform::qt {

std::unique_ptr<ControlBinding> bindPushButton(WindowBinding& window, Control& control,
                                               QWidget* content);
std::unique_ptr<ControlBinding> bindBevelButton(WindowBinding& window, Control& control,
                                                QWidget* content);
std::unique_ptr<ControlBinding> bindCheckBox(WindowBinding& window, Control& control,
                                             QWidget* content);
std::unique_ptr<ControlBinding> bindRadioGroup(WindowBinding& window, Control& control,
                                               QWidget* content);
std::unique_ptr<ControlBinding> bindPopupMenu(WindowBinding& window, Control& control,
                                              QWidget* content);
std::unique_ptr<ControlBinding> bindSlider(WindowBinding& window, Control& control,
                                           QWidget* content);
std::unique_ptr<ControlBinding> bindLabel(WindowBinding& window, Control& control,
                                          QWidget* content);
std::unique_ptr<ControlBinding> bindTextField(WindowBinding& window, Control& control,
                                              QWidget* content);
std::unique_ptr<ControlBinding> bindTextArea(WindowBinding& window, Control& control,
                                             QWidget* content);
std::unique_ptr<ControlBinding> bindCanvas(WindowBinding& window, Control& control,
                                           QWidget* content);
std::unique_ptr<ControlBinding> bindGroupBox(WindowBinding& window, Control& control,
                                             QWidget* content);
std::unique_ptr<ControlBinding> bindProgressWheel(WindowBinding& window, Control& control,
                                                  QWidget* content);
std::unique_ptr<ControlBinding> bindFilledRectangle(WindowBinding& window, Control& control,
                                                    QWidget* content);

}  // namespace tavrel::platform::qt
