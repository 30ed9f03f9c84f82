// The key map is written out here as the user reads it; the control names
// and the pop-up items come from the window's design, so they cannot drift.
#include "help_text.h"

#include "ui/pop_menu.h"
#include "ui/window_design.h"

#ifndef TAVREL_VERSION
#define TAVREL_VERSION "unknown"
#endif

namespace tavrel::cli {
namespace {

using ui::calcWinDesign;
using ui::ControlClass;
using ui::ControlDesign;

constexpr std::string_view kUsage =
    "usage: tavrel-cli [OPTIONS] [KEYS ...]\n"
    "\n"
    "Types each KEYS argument into one calculator window, as if typed with the\n"
    "display focused, and prints the display after each. Without KEYS, each line\n"
    "of standard input is one KEYS (with a prompt and line editing on a terminal).\n"
    "\n"
    "Options:\n"
    "  --tape                 print the paper tape at the end\n"
    "  --csv                  print the tape as CSV at the end\n"
    "  --tape-file=PATH       keep the tape in PATH across calls (shown first, then added to)\n"
    "  --state                add \" | unit | precision | locked/unlocked\" to each line\n"
    "  --decimal-separator=C  the system's decimal separator: \".\" (default) or \",\"\n"
    "  --now=YYYY-MM-DDTHH:MM:SS  the clock of the tape's date and time stamp (default: now)\n"
    "  --tool=NAME FIELD=VALUE ...  a builder's tool (stairs, rafter, ...); --tool=list\n"
    "  --help, -h             this text;  --version  the version\n"
    "  --                     what follows are KEYS, even when it starts with \"--\"\n"
    "\n"
    "Keys (each character is one key):\n"
    "  0-9 .            digits and the decimal point (the local separator)\n"
    "  space  /         the space between a whole number and its fraction, the fraction bar\n"
    "  + -              add, subtract (\"-\" on an empty display starts a negative number)\n"
    "  * x X            multiply\n"
    "  \\ ? \xC3\xB7            divide\n"
    "  = Return Enter   equals\n"
    "  C Escape         clear (registers, triangle keys; feeds a line on the tape)\n"
    "  @ #              the area and volume marks \" sq\" and \" cu\"\n"
    "  Backspace        delete the character before the caret\n"
    "Unit marks (during an entry they are typed; on a result they convert it):\n"
    "  \"  i   inches        '  f   feet          y   yards        e   miles\n"
    "  m   millimetres      c   centimetres   M   metres       k   kilometres\n"
    "  (\"i\", \"f\", \"y\", \"E\" also in upper case; \"m\"/\"M\" and \"c\"/\"C\" differ.)\n"
    "  20'6 1/2 is 20 feet 6 1/2 inches; 10@ is 10 sq; other letters are ignored.\n"
    "\n"
    "Braces name what has no character:\n"
    "  {esc} {return} {enter} {bs} {del} {tab}     those keys\n"
    "  {NAME}                click the control NAME, or else the visible key captioned NAME\n"
    "  {shift+NAME} {option+NAME} {command+NAME} {control+NAME}   click with keys held\n"
    "  {shift+\"}             type one character with keys held\n"
    "  {PMUnit=ITEM} {PMLCD=ITEM}   choose a pop-up item (case is ignored)\n"
    "  {BBmemory=ROW}        choose a memory row: \"add to memory\", \"clear memory\", or\n"
    "                        its number (3 is the first value); with shift+ add the display\n"
    "                        to it, with shift+option+ subtract the display from it\n"
    "  {tape=N}              Option-click tape line N (from 1): take its value back\n"
    "  {copy} {paste} {paste=TEXT}   Copy Calc, Paste (the clipboard, or TEXT)\n"
    "  {menu=ITEM}           a menu command by item name ({menu=UnitMillimeters})\n"
    "  A \"{\" without a closing \"}\" is typed as itself.\n";

constexpr std::string_view kExamples =
    "\n"
    "Examples:\n"
    "  tavrel-cli \"3'6 1/2+4'8 3/4=\"            8'-3 1/4\"\n"
    "  tavrel-cli \"3'*4'=\"                      12.0' sq\n"
    "  tavrel-cli \"1'3 3/32=\" \"{PMUnit=mm}\"     1'-3 3/32\" then 383.38125m\n"
    "  tavrel-cli --state \"5'={option+BBmm}\"    1524m | mm | 1/100 | unlocked\n"
    "  tavrel-cli --tape \"2+1=\" C               the result, then the tape\n"
    "  echo \"12.5M-3'=\" | tavrel-cli            11.5856M\n"
    "\n"
    "Every beep (an unreadable number, a calculation error, a full display) is\n"
    "reported on standard error with the KEYS it happened in. Exit status: 0,\n"
    "2 when anything beeped, 1 for a bad option or an unknown control or item.\n";

bool clickable(ControlClass c) {
    switch (c) {
        case ControlClass::myBevelButton:
        case ControlClass::myBevelButtonColor:
        case ControlClass::myPushButton:
        case ControlClass::myMenuBB:
        case ControlClass::bbTri:
        case ControlClass::myWigit:
        case ControlClass::myWigit1:
            return true;
        default:
            return false;
    }
}

std::string listed(std::string_view items) {
    std::string out;
    for (char c : items) out += c == ',' ? std::string(", ") : std::string(1, c);
    return out;
}

// "NAME (caption)" for every control a click reaches, wrapped at 80 columns.
std::string controlNames() {
    std::string out = "Controls for {NAME}:\n ";
    std::size_t column = 1;
    for (const ControlDesign& d : calcWinDesign()) {
        if (!clickable(d.cls)) continue;
        std::string entry(d.name);
        const std::string_view caption = d.openCaption.empty() ? d.caption : d.openCaption;
        if (!caption.empty() && caption.find('\r') == std::string_view::npos)
            entry += " (" + std::string(caption) + ")";
        if (column + entry.size() + 1 > 80) {
            out += "\n ";
            column = 1;
        }
        out += " " + entry;
        column += entry.size() + 1;
    }
    return out + "\n";
}

}  // namespace

std::string helpText() {
    std::string text(kUsage);
    text += "\n";
    text += controlNames();
    text += "Pop-up items: PMUnit: " + listed(ui::kUnitItems) + "\n";
    text += "              PMLCD: " + listed(ui::kPrecisionItems) + "\n";
    text += kExamples;
    return text;
}

std::string versionText() {
    return "tavrel-cli " TAVREL_VERSION "\n";
}

std::string greeting() {
    return "tavrel-cli " TAVREL_VERSION
           ": type keys, then Return. \"help\" shows the key map; \"quit\" or Ctrl-D leaves.\n";
}

}  // namespace tavrel::cli
