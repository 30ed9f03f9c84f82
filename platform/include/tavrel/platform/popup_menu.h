// Pop-up menu: item texts and a selected index (-1 none). Setting the index
// runs the change handler only when it changes. A choice by the user comes in
// through chooseByUser, wrapped by the optional onUserChoice hook so the
// program can mark the change as the user's while it is handled.
#pragma once

#include <string>
#include <vector>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class PopupMenu : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::PopupMenu; }

    int rowCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int row) const { return items_.at(static_cast<std::size_t>(row)); }
    const std::vector<std::string>& items() const { return items_; }
    void addRow(std::string text);
    void insertRow(int row, std::string text);
    // Removing rows keeps the same item selected; removing the selected one
    // leaves none selected (a change).
    void removeRow(int row);
    void deleteAllRows();

    int listIndex() const { return index_; }
    // -1 selects nothing; an index outside the list throws std::out_of_range.
    void setListIndex(int index);
    // The selected item's text, empty when none.
    std::string text() const;

    // The user picked a row. Returns false (and changes nothing) while disabled.
    bool chooseByUser(int index, Modifiers modifiers = {});

    std::function<void()> onChange;
    // Receives the change as a callable; must call it once to apply the choice.
    std::function<void(const std::function<void()>& apply)> onUserChoice;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace tavrel::platform
