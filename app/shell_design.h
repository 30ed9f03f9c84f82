// The shell windows' controls as data: each window's table lists its controls
// in creation order with kind, container, place, size, text and text size;
// buildControls walks a table and creates them. Radio buttons of one group
// share a name: the group is made at the first of its rows and takes every
// button of that name in index order, so group index i is design index i + 1.
#pragma once

#include <span>
#include <string_view>

#include "tavrel/platform/window.h"

namespace tavrel::app {

enum class ShellControlKind {
    GroupBox,
    Slider,
    RadioButton,
    Label,
    CheckBox,
    PushButton,
    ProgressWheel,
    FilledRectangle,
    ClickableURL,
    TextArea,
};

struct ShellControlDesign {
    std::string_view name;
    ShellControlKind kind;
    std::string_view parent;  // empty: the window itself
    int left, top, width, height;
    std::string_view text;  // caption, label text or radio caption
    int textSize;           // 0: the framework's default
    int index;              // radio buttons: their index in the group
};

// Creates the table's controls in the window, in table order.
void buildControls(platform::Window& window, std::span<const ShellControlDesign> design);

}  // namespace tavrel::app
