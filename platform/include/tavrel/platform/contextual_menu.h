// Contextual menu: rows ("-" is a separator) shown at the mouse on request;
// the chosen row's text goes to the action handler and back to the caller.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tavrel/platform/control.h"

namespace tavrel::platform {

class ContextualMenu : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::ContextualMenu; }

    const std::vector<std::string>& rows() const { return rows_; }
    void addRow(std::string text);
    void addSeparator() { addRow("-"); }
    void removeAllRows();

    // Shows the menu (at the mouse unless a screen point is given); the chosen
    // row's text after its action handler ran, or none.
    std::optional<std::string> popup(std::optional<Point> at = std::nullopt);

    std::function<void(const std::string& row)> onAction;

  private:
    std::vector<std::string> rows_;
};

}  // namespace tavrel::platform
