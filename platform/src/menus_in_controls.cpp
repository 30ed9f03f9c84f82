// Pop-up and contextual menus: row lists, the pop-up's selection rule and the
// user-choice path, and the contextual menu's round trip through the Desktop.
#include <stdexcept>

#include "tavrel/platform/application.h"
#include "tavrel/platform/contextual_menu.h"
#include "tavrel/platform/popup_menu.h"
#include "tavrel/platform/services.h"
#include "tavrel/platform/window.h"

namespace tavrel::platform {

void PopupMenu::addRow(std::string text) {
    items_.push_back(std::move(text));
    notify(Property::Items);
}

void PopupMenu::insertRow(int row, std::string text) {
    if (row < 0 || row > rowCount()) throw std::out_of_range("pop-up row");
    items_.insert(items_.begin() + row, std::move(text));
    notify(Property::Items);
    if (index_ >= row) {
        ++index_;
        notify(Property::ListIndex);
    }
}

void PopupMenu::removeRow(int row) {
    if (row < 0 || row >= rowCount()) throw std::out_of_range("pop-up row");
    items_.erase(items_.begin() + row);
    notify(Property::Items);
    if (index_ > row) {
        --index_;
        notify(Property::ListIndex);
    } else if (index_ == row) {
        setListIndex(-1);
    }
}

void PopupMenu::deleteAllRows() {
    items_.clear();
    notify(Property::Items);
    if (index_ != -1) {
        index_ = -1;
        notify(Property::ListIndex);
        if (onChange) onChange();
    }
}

void PopupMenu::setListIndex(int index) {
    if (index < -1 || index >= rowCount()) throw std::out_of_range("pop-up list index");
    if (assign(index_, index, Property::ListIndex) && onChange) onChange();
}

std::string PopupMenu::text() const {
    return index_ < 0 ? std::string() : list(index_);
}

bool PopupMenu::chooseByUser(int index, Modifiers modifiers) {
    if (!enabled()) return false;
    InputState::EventScope scope(app().input(), modifiers);
    auto apply = [this, index] { setListIndex(index); };
    if (onUserChoice)
        onUserChoice(apply);
    else
        apply();
    return true;
}

void ContextualMenu::addRow(std::string text) {
    rows_.push_back(std::move(text));
    notify(Property::Items);
}

void ContextualMenu::removeAllRows() {
    rows_.clear();
    notify(Property::Items);
}

std::optional<std::string> ContextualMenu::popup(std::optional<Point> at) {
    Desktop& desktop = app().services().desktop();
    auto chosen = desktop.popupMenu(rows_, at.value_or(desktop.mousePosition()));
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(rows_.size())) return std::nullopt;
    std::string row = rows_[static_cast<std::size_t>(*chosen)];
    if (row == "-") return std::nullopt;
    if (onAction) onAction(row);
    return row;
}

}  // namespace tavrel::platform
