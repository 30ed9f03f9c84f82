// The windows' design tables: every control with its class, parent,
// position, size, caption, text size, design values and help tag, declared
// once as data. Window builders walk these tables to create the controls.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tavrel::ui {

enum class ControlClass {
    myGroupBox,
    GroupBox,
    PopMenu,
    myBevelButton,
    myBevelButtonColor,
    myPushButton,
    EditFract,
    VarDisplay,
    myMenuBB,
    bbTri,
    ContextualMenu,
    Tape,
    myWigit,
    myWigit1,
    Timer,
};

// Design values; field order is the order the table writes them in.
struct DesignStyle {
    bool bold = false;
    bool italic = false;
    bool toggle = false;
    bool initiallyDown = false;
    bool hidden = false;
    bool outsideVisibleArea = false;
    bool menuArrow = false;
    bool multiLine = false;
    bool leftAligned = false;
    bool rightAligned = false;
    bool border = false;
    bool noFocusRing = false;
    bool styled = false;
    bool readOnly = false;
    bool verticalScrollBar = false;
    bool bottomFollowsWindow = false;
    bool startedAtCreation = false;
    bool offAtCreation = false;
    bool singleShot = false;
    bool noPosition = false;
};

struct ControlDesign {
    std::string_view name;
    ControlClass cls;
    std::string_view parent;  // empty: the window itself
    int left, top, width, height;
    std::string_view caption;
    int textSize;  // 0: the framework's default
    DesignStyle style;
    std::string_view font;
    std::string_view movedOnto;    // moved at open onto this control's place
    std::string_view openCaption;  // caption given at open
    std::int64_t background;       // 0xRRGGBB, -1 for none
    int periodMs;                  // timers
    std::string_view helpTag;
};

struct WindowDesign {
    std::string_view title;
    int width, height;
    int minWidth, minHeight;
    int maxWidth, maxHeight;
    std::uint32_t background;
};

// The calculator window, in creation (and stacking) order.
const WindowDesign& calcWinWindow();
std::span<const ControlDesign> calcWinDesign();
const ControlDesign* findDesign(std::string_view name);

}  // namespace tavrel::ui
