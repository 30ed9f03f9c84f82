// Push and bevel buttons: a user click runs with its input state published;
// a press from code runs the action directly, with the caller's state.
#include "tavrel/platform/application.h"
#include "tavrel/platform/bevel_button.h"
#include "tavrel/platform/push_button.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

void PushButton::push() {
    action();
}

void PushButton::click(Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    action();
}

void PushButton::action() {
    if (onAction) onAction();
}

bool PushButton::handleMouseDown(int, int) {
    return true;
}

void PushButton::handleMouseUp(int x, int y) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) action();
}

void BevelButton::setIcon(PicturePtr icon) {
    icon_ = std::move(icon);
    notify(Property::Appearance);
}

void BevelButton::addRow(std::string text) {
    rows_.push_back(std::move(text));
    notify(Property::Items);
}

void BevelButton::removeRow(int row) {
    rows_.erase(rows_.begin() + row);
    notify(Property::Items);
}

void BevelButton::removeAllRows() {
    rows_.clear();
    notify(Property::Items);
}

void BevelButton::setRowText(int row, std::string text) {
    rows_.at(static_cast<std::size_t>(row)) = std::move(text);
    notify(Property::Items);
}

void BevelButton::toggleOnClick() {
    if (toggle_ == BevelToggle::Toggle) setValue(!value_);
    if (toggle_ == BevelToggle::Sticky) setValue(true);
}

void BevelButton::click(Modifiers modifiers) {
    if (!enabled()) return;
    InputState::EventScope scope(app().input(), modifiers);
    toggleOnClick();
    action();
}

bool BevelButton::chooseMenuRowByUser(int row, Modifiers modifiers) {
    if (!enabled() || row < 0 || row >= rowCount() || rowText(row) == "-") return false;
    InputState::EventScope scope(app().input(), modifiers);
    setMenuValue(row);
    if (onMenuRowChosen) onMenuRowChosen(row);
    action();
    return true;
}

void BevelButton::action() {
    if (onAction) onAction();
}

bool BevelButton::handleMouseDown(int, int) {
    return true;
}

void BevelButton::handleMouseUp(int x, int y) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    toggleOnClick();
    action();
}

}  // namespace tavrel::platform
