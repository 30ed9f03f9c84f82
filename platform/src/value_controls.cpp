// Check box, radio group and slider: a value set from code and one set by the
// user take the same path, and the change handler runs only on a real change.
#include <algorithm>
#include <stdexcept>

#include "tavrel/platform/application.h"
#include "tavrel/platform/check_box.h"
#include "tavrel/platform/radio_group.h"
#include "tavrel/platform/slider.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

void CheckBox::setValue(bool v) {
    if (assign(value_, v, Property::Value) && onChange) onChange();
}

void CheckBox::click(Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    setValue(!value_);
}

bool CheckBox::handleMouseDown(int, int) {
    setValue(!value_);
    return true;
}

int RadioGroup::addButton(std::string caption, Rect bounds) {
    buttons_.push_back({std::move(caption), bounds});
    notify(Property::Items);
    return buttonCount() - 1;
}

void RadioGroup::setValue(int index) {
    if (index < -1 || index >= buttonCount()) throw std::out_of_range("radio button index");
    if (assign(value_, index, Property::Value) && onChange) onChange();
}

void RadioGroup::clickButton(int index, Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    setValue(index);
}

bool RadioGroup::handleMouseDown(int x, int y) {
    // The click is relative to the group; buttons are placed in window coordinates.
    for (int i = 0; i < buttonCount(); ++i) {
        if (button(i).bounds.contains(x + left(), y + top())) {
            setValue(i);
            return true;
        }
    }
    return false;
}

void Slider::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    notify(Property::Range);
    setValue(value_);
}

void Slider::setValue(int v) {
    v = std::clamp(v, minimum_, maximum_);
    if (assign(value_, v, Property::Value) && onChange) onChange();
}

void Slider::setSteps(int line, int page) {
    lineStep_ = line;
    pageStep_ = page;
    notify(Property::Range);
}

void Slider::dragByUser(int v, Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    setValue(v);
}

}  // namespace tavrel::platform
