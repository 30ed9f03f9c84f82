// The calculator window as data. Help tags are verbatim: mind the trailing
// spaces and the carriage returns (\r).
#include <array>

#include "window_design.h"

namespace tavrel::ui {
namespace {

constexpr WindowDesign kCalcWin{"tavrel", 247, 600, 247, 355, 247, 800, 0xE7E7E7};

// One control per line, in creation order: name, class, parent, left, top, width,
// height, caption, text size, design values, font, moved onto, caption at open,
// background, timer period, help tag.
// clang-format off
constexpr auto kCalcWinControls = std::to_array<ControlDesign>({
    {"GroupBox1", ControlClass::myGroupBox, "", 5, 5, 236, 72, "", 12, {}, "", "", "", -1, 0, ""},
    {"PMUnit", ControlClass::PopMenu, "GroupBox1", 104, 49, 80, 20, "", 13, {}, "", "", "", -1, 0, "pull down to convert between different units"},
    {"PMLCD", ControlClass::PopMenu, "GroupBox1", 14, 49, 80, 20, "", 13, {}, "", "", "", -1, 0, "pull down to convert between differnt fraction types"},
    {"bbLock", ControlClass::myBevelButton, "GroupBox1", 193, 49, 40, 20, "lock", 12, {.italic = true, .toggle = true}, "charcoal", "", "", -1, 0, "push to lock LCD and Unit Pull down menu"},
    {"EditFract1", ControlClass::EditFract, "GroupBox1", 11, 11, 223, 32, "", 18, {.leftAligned = true, .border = true, .noFocusRing = true}, "", "", "", 0xEFEFB5, 0, "display: the calculators main display.  \rIt allows you to type in dimensions \rand displays answers from calculations. \r"},
    {"GroupBox5", ControlClass::GroupBox, "", 406, 281, 140, 339, "", 0, {.outsideVisibleArea = true}, "", "", "", -1, 0, ""},
    {"varDisplay1", ControlClass::VarDisplay, "GroupBox5", 422, 303, 124, 236, "Label:", 12, {.outsideVisibleArea = true, .multiLine = true}, "", "", "", -1, 0, ""},
    {"BBkm", ControlClass::myBevelButton, "", 284, 53, 38, 23, "km", 12, {.italic = true}, "charcoal", "BBmi", "", -1, 0, "\"k\" kilometer"},
    {"BBmm", ControlClass::myBevelButton, "", 423, 53, 38, 23, "mm", 12, {.italic = true}, "charcoal", "BBinch", "", -1, 0, "\"m\" milimeters"},
    {"BBcm", ControlClass::myBevelButton, "", 376, 53, 38, 23, "cm", 12, {.italic = true}, "charcoal", "BBft", "", -1, 0, "\"c\" centimeters"},
    {"BBm", ControlClass::myBevelButton, "", 330, 53, 38, 23, "M", 12, {.italic = true}, "charcoal", "BByds", "", -1, 0, "\"M\" meters"},
    {"GroupBox4", ControlClass::myGroupBox, "", 5, 126, 189, 35, "", 0, {}, "", "", "", -1, 0, ""},
    {"BBinch", ControlClass::myBevelButton, "GroupBox4", 150, 132, 38, 23, "in", 13, {.italic = true}, "charcoal", "", "", -1, 0, "\" or \"i\" inches"},
    {"BByds", ControlClass::myBevelButton, "GroupBox4", 56, 132, 38, 23, "yds", 13, {.italic = true}, "charcoal", "", "", -1, 0, "\"y\" yards"},
    {"BBft", ControlClass::myBevelButton, "GroupBox4", 104, 132, 38, 23, "ft", 13, {.italic = true}, "charcoal", "", "", -1, 0, "\" '  \" or \"f\" feet"},
    {"BBmi", ControlClass::myBevelButton, "GroupBox4", 11, 132, 38, 23, "mi", 13, {.italic = true}, "charcoal", "", "", -1, 0, "\"e\" miles"},
    {"GroupBox3", ControlClass::myGroupBox, "", 5, 86, 189, 35, "", 0, {}, "", "", "", -1, 0, ""},
    {"BBinv", ControlClass::myBevelButtonColor, "GroupBox3", 150, 92, 38, 23, "inv", 13, {.bold = true, .italic = true, .toggle = true, .hidden = true}, "charcoal", "", "", -1, 0, "push to toggle trig / inverse trig functions"},
    {"BBtan", ControlClass::myBevelButton, "GroupBox3", 104, 92, 38, 23, "tan", 13, {.italic = true, .hidden = true}, "charcoal", "", "", -1, 0, ""},
    {"BBcos", ControlClass::myBevelButton, "GroupBox3", 57, 92, 38, 23, "cos", 13, {.italic = true, .hidden = true}, "charcoal", "", "", -1, 0, ""},
    {"BBsin", ControlClass::myBevelButton, "GroupBox3", 11, 92, 38, 23, "sin", 13, {.italic = true, .hidden = true}, "charcoal", "", "", -1, 0, ""},
    {"GroupBox2", ControlClass::myGroupBox, "", 5, 166, 236, 175, "", 0, {}, "", "", "", -1, 0, ""},
    {"PB7", ControlClass::myPushButton, "GroupBox2", 56, 204, 38, 25, "7", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB8", ControlClass::myPushButton, "GroupBox2", 104, 204, 38, 25, "8", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB9", ControlClass::myPushButton, "GroupBox2", 150, 204, 38, 25, "9", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB4", ControlClass::myPushButton, "GroupBox2", 56, 238, 38, 25, "4", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB5", ControlClass::myPushButton, "GroupBox2", 104, 238, 38, 25, "5", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB6", ControlClass::myPushButton, "GroupBox2", 150, 238, 38, 25, "6", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB1", ControlClass::myPushButton, "GroupBox2", 56, 272, 38, 25, "1", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB2", ControlClass::myPushButton, "GroupBox2", 104, 272, 38, 25, "2", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB3", ControlClass::myPushButton, "GroupBox2", 150, 272, 38, 25, "3", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PB0", ControlClass::myPushButton, "GroupBox2", 57, 306, 38, 25, "0", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PBdecimal", ControlClass::myPushButton, "GroupBox2", 104, 306, 38, 25, ".", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"PBeq", ControlClass::myPushButton, "GroupBox2", 150, 306, 38, 25, "=", 13, {.bold = true}, "charcoal", "", "", -1, 0, ""},
    {"BBsub", ControlClass::myBevelButton, "GroupBox2", 197, 306, 38, 25, "-", 13, {}, "charcoal", "", "", -1, 0, "\"-\" subtract"},
    {"BBadd", ControlClass::myBevelButton, "GroupBox2", 197, 272, 38, 25, "+", 13, {}, "charcoal", "", "", -1, 0, "\"+\" add"},
    {"BBmult", ControlClass::myBevelButton, "GroupBox2", 197, 238, 38, 25, "x", 13, {}, "charcoal", "", "", -1, 0, "\"*\" or \"x\" multiply"},
    {"BBdiv", ControlClass::myBevelButton, "GroupBox2", 197, 204, 38, 25, "÷", 13, {}, "charcoal", "", "", -1, 0, "\"\\\" divide \ror shift + \"/\""},
    {"BBneg", ControlClass::myBevelButton, "GroupBox2", 11, 272, 38, 25, "+/-", 13, {}, "charcoal", "", "", -1, 0, "plus / minus: changes \rsign of  the display"},
    {"BBsq", ControlClass::myBevelButton, "GroupBox2", 11, 204, 38, 25, "x^2", 13, {}, "charcoal", "", "", -1, 0, "square: square of number (x*x) entered \ror inverse (1/x)  if shift key is pressed."},
    {"BBsqrt", ControlClass::myBevelButton, "GroupBox2", 11, 238, 38, 25, "√", 13, {}, "charcoal", "", "", -1, 0, "square root: only works with\rsquared or non unit numbers."},
    {"BBmemory", ControlClass::myMenuBB, "GroupBox2", 11, 306, 38, 25, "MEM", 13, {.menuArrow = true}, "charcoal", "", "", -1, 0, "memory: load a value by selecting\rfrom the list. shift to add to it from \rdisplay. shift + option or alt to \rsubtract display from it."},
    {"BBfract", ControlClass::myBevelButton, "GroupBox2", 150, 172, 38, 25, "/", 13, {}, "charcoal", "", "", -1, 0, "\"/\" backslash for fraction \reg. 3/32\" note to divide use the\rforeslash \"\\\" "},
    {"BBspc", ControlClass::myBevelButton, "GroupBox2", 104, 172, 38, 25, "space", 11, {}, "charcoal", "", "", -1, 0, "space:   for separating feet from\rinches and inches from fractions"},
    {"BBclear", ControlClass::myBevelButton, "GroupBox2", 197, 172, 38, 25, "CLR", 13, {.bold = true}, "charcoal", "", "", -1, 0, "\"C\" clear:\roption/alt clears tape\rshift = delete"},
    {"BBsquare", ControlClass::myBevelButton, "GroupBox2", 11, 172, 38, 25, "sq", 13, {}, "charcoal", "", "", -1, 0, "\"@\" square"},
    {"BBcubic", ControlClass::myBevelButton, "GroupBox2", 56, 172, 38, 25, "cu", 13, {}, "charcoal", "", "", -1, 0, "\"#\" cubic"},
    {"BBinvx", ControlClass::myBevelButton, "", 470, 20, 38, 23, "inv", 12, {.outsideVisibleArea = true}, "charcoal", "", "", -1, 0, ""},
    {"bbtDiag", ControlClass::bbTri, "", 423, 20, 38, 23, "diag", 12, {.italic = true}, "charcoal", "BBinv", "", -1, 0, "diagonal: push to solve for diagonal \rgiven two other triangle dimensions \ror enter a dimension and then press \rto set the diagonal of a triangle.  "},
    {"bbtRun", ControlClass::bbTri, "", 377, 20, 38, 23, "run", 12, {.italic = true}, "charcoal", "BBtan", "", -1, 0, "run: push to solve for run given two other\rtriangle dimensions or enter a dimension\rand then press to set the run of a triangle.  "},
    {"bbtRise", ControlClass::bbTri, "", 330, 20, 38, 23, "rise", 12, {.italic = true}, "charcoal", "BBcos", "", -1, 0, "rise: push to solve for rise given two other \rtriangle dimensions or enter a dimension \rand then press to set the rise of a triangle.  "},
    {"bbtPitch", ControlClass::bbTri, "", 284, 20, 38, 23, "pitch", 12, {.italic = true}, "charcoal", "BBsin", "ptch", -1, 0, "pitch: push to solve for pitch given two other \rtriangle dimensions or enter a dimension and \rthen press to set the pitch of a triangle.  press \ragain to togle between inches of slope in 12\" \rand degrees."},
    {"bbSwitch", ControlClass::myBevelButtonColor, "", 284, 172, 38, 23, "trig", 13, {.bold = true, .italic = true, .toggle = true, .initiallyDown = true, .outsideVisibleArea = true}, "charcoal", "", "", -1, 0, "push to toggle triangle /  trig functions"},
    {"BBdel", ControlClass::myBevelButton, "", 470, 53, 38, 23, "DEL", 12, {.outsideVisibleArea = true}, "charcoal", "", "", -1, 0, "delete or backlspace"},
    {"ContextualMenu1", ControlClass::ContextualMenu, "", 0, 0, 0, 0, "", 0, {.noPosition = true}, "", "", "", -1, 0, ""},
    {"BBtogUnit", ControlClass::myBevelButtonColor, "", 284, 132, 38, 23, "met", 13, {.bold = true, .italic = true, .toggle = true, .initiallyDown = true, .outsideVisibleArea = true}, "charcoal", "", "", -1, 0, "togle between metric and english units"},
    {"Tape1", ControlClass::Tape, "", 5, 352, 236, 241, "", 9, {.multiLine = true, .rightAligned = true, .styled = true, .readOnly = true, .verticalScrollBar = true, .bottomFollowsWindow = true}, "monaco", "", "", 0xE7E7E7, 0, "option clicking any number will enter it into the calculator"},
    {"pbTapeClr", ControlClass::myPushButton, "", 295, -9, 65, 17, "clear tape", 9, {.outsideVisibleArea = true}, "", "", "", -1, 0, ""},
    {"ContextualMenu2", ControlClass::ContextualMenu, "", 0, 0, 0, 0, "", 0, {.noPosition = true}, "", "", "", -1, 0, ""},
    // disclosure widget of the key pad
    {"wigitMinimize", ControlClass::myWigit, "", 5, 76, 236, 10, "", 0, {}, "", "", "", -1, 0, ""},
    // disclosure widget of the tape
    {"wigitTape", ControlClass::myWigit, "", 5, 341, 236, 12, "", 0, {}, "", "", "", -1, 0, ""},
    // metric/English toggle picture
    {"togUnit", ControlClass::myWigit1, "", 198, 129, 42, 27, "", 0, {}, "", "", "", -1, 0, ""},
    // triangle/trigonometry toggle picture
    {"togTrig", ControlClass::myWigit1, "", 198, 90, 42, 27, "", 0, {}, "", "", "", -1, 0, ""},
    {"TimerCheckTransparency", ControlClass::Timer, "", 0, 0, 0, 0, "", 0, {.offAtCreation = true}, "", "", "", -1, 200, ""},
    {"TimerCheckUpdates", ControlClass::Timer, "", 0, 0, 0, 0, "", 0, {.startedAtCreation = true, .singleShot = true}, "", "", "", -1, 1, ""},
});
// clang-format on

}  // namespace

const WindowDesign& calcWinWindow() {
    return kCalcWin;
}

std::span<const ControlDesign> calcWinDesign() {
    return kCalcWinControls;
}

const ControlDesign* findDesign(std::string_view name) {
    for (const auto& d : kCalcWinControls)
        if (d.name == name) return &d;
    return nullptr;
}

}  // namespace tavrel::ui
