// The manual, written for the program as it behaves on Linux: the Control
// key stands where a Mac has Command, and Alt where a Mac has Option.
#include "app/help_text.h"

namespace tavrel::app {

namespace {

constexpr std::string_view kManual = R"(tavrel, a calculator for architecture and construction
published by the tavrel project
www.tavrel.org/tavrel/

WHAT TAVREL DOES:
tavrel adds, subtracts, multiplies and divides dimensions written the way
they are written on drawings and on site. English units (inches, feet, feet
and inches, yards, miles) and metric units (millimetres, centimetres,
metres, kilometres) mix freely in one calculation, and so do whole numbers,
fractions and decimals. Lengths multiplied together become areas (shown
with " sq") and volumes (" cu"), and divide back into lengths. Every entry,
operator and result is written on the paper tape below the key pad.

HOW TAVREL WORKS:
Type a dimension, an operator, the next dimension and = (or Return or
Enter), just as on a pocket calculator. The operators are + - * and \ .
The backslash divides because the slash is needed for fractions: 6 1/2
is six and a half. ? and x also work (? divides, x multiplies).

Accepted input forms, one example each:
  inches        6"  or  6i  or  6 1/2"
  feet          3'  or  3f  or  3.25'
  feet-inches   3'6  or  3'6 1/2"  or  3' 6"
  yards         2y
  miles         1.5e
  millimetres   450m
  centimetres   45c
  metres        4.5M   (capital M)
  kilometres    2k     (the km key)
A second number after feet means inches: 3'6 is three feet six inches.
Square and cubic units: add @ for square and # for cubic after the unit,
for example 12' @ is twelve square feet.

PULL DOWN MENUS / LOCK:
The unit pop-up (and the Unit menu) chooses the unit the display shows;
the precision pop-up (and the LCD menu) chooses how fine it is: the
nearest 1/2, 1/4, 1/8, 1/16, 1/32 or 1/64, fractions up to hundredths
(1/100), or Decimal. Unless the lock is pressed, the pop-ups follow the
first number of each calculation. With the lock pressed, every result is
shown in the unit and precision you chose, whatever you type.

CONVERTING BETWEEN UNITS OR LCD'S:
Example 1: type 10' and = (the display shows 10.0'); then choose
Millimeters in the Unit menu (Ctrl+Shift+M): the display shows 3048.0m.
Choosing Foot/inch (Ctrl+Shift+F) brings back 10'-0".
Example 2: type 1M and = so that the display is in metres, and press the
lock. Now type 3'6 + 2'4 = : the result is shown as 1.778M, because the
lock keeps the unit and precision you set instead of following the feet
you typed.

TRIANGLE FUNCTIONS:
The keys ptch, rise, run and diag solve a right triangle for roofs,
stairs and ramps. Type a side and press its key to store it; store any
two sides and press one of the other keys to solve it. The pitch is
shown as inches of rise per 12 inches of run, or in degrees.
Example: type 4' and press rise, type 12' and press run, then press
ptch for the pitch (4 inches per foot) and diag for the sloped length
(about 12'-7 3/4").

TRIG / TRI FUNCTIONS
The toggle to the right of the function keys switches between the
triangle keys and the trigonometric keys sin, cos and tan (and their
inverses). Angles are in degrees, not radians.

KEY COMMANDS:
Everything can be done from the keyboard. With the key pad hidden
(Help menu, Minimize, Ctrl+Shift+T) the window shrinks to the display and
the keys below still work. The shortcuts:
  Ctrl+C          copy the display
  Ctrl+V          paste into the display
  Ctrl+Alt+C      copy the tape
  Ctrl+P          print the tape
  Ctrl+Shift+P    page setup
  Ctrl+Shift+S    save the tape as text or CSV
  Ctrl+Q          quit
  Ctrl+I          inches
  Ctrl+F          foot
  Ctrl+Shift+F    foot/inch
  Ctrl+Y          yards
  Ctrl+E          miles
  Ctrl+Shift+M    millimetres
  Ctrl+Shift+,    centimetres
  Ctrl+Shift+.    metres
  Ctrl+Shift+/    kilometres
  Ctrl+2 4 8 6 3  1/2 1/4 1/8 1/16 1/32
  Ctrl+^          1/64
  Ctrl+1          1/100
  Ctrl+0          Decimal
  Ctrl+T          show or hide the tape
  Ctrl+M          minimise the window
  Ctrl+,          preferences
  Ctrl+?          this help
  Ctrl+Alt+,      about tavrel

OPERATORS
  +               add
  -               subtract
  *  x  X         multiply
  \  ?            divide
  =  Return Enter result
  C  or  Esc      clear the calculation
  Alt-click CLR   clear the tape

INPUT
  0 to 9, the decimal point, space and / type the number.
  i or "          inches
  f or '          feet
  y               yards
  e               miles
  m               millimetres
  c               centimetres
  M               metres
  @               square
  #               cubic
  Backspace       deletes the last character

MEMORY:
The MEM key at the lower left keeps a list of values. "add to memory"
remembers the display; choosing a remembered value recalls it. Hold Shift
while choosing to add the display to the remembered value, and Shift+Alt
to subtract it.

x^2:
x^2 squares the display (a length becomes an area). Hold Shift while
pressing it for the reciprocal 1/x of a plain number.

TAPE:
The widget above the tape shows or hides it (Ctrl+T). Click a number on
the tape to type it into the display again. Right-click the tape for
Help, Clear Tape, Copy Tape and Print Tape.
The tape is kept between runs: the next start shows it again, followed
by the new date and time. Untick "Keep the tape between runs" in the
preferences to start with an empty tape every time. File, Save Tape
As... (Ctrl+Shift+S) writes the tape to a file: plain text, or a CSV
file for a spreadsheet when the name ends in .csv.

TOOLS:
The Tools menu opens the builder's tools: stairs with a check against
the residential code, rafters, hips and jacks, squaring up, concrete,
board feet, rake walls, roofing, arcs and crown molding. Type the sizes;
the results follow as you type. Return or "Record on tape" writes them
on the tape, and a click on a result puts it into the display.

CONTACT ME:
If something does not work as described here, or you miss a unit or a
function, please write: tavrel@tavrel.org

DISCLAIMER:
tavrel is provided as it is, without warranty of any kind. Check every
dimension that matters before you build with it; the authors are not
liable for any damage that comes from its use.

the tavrel project
tavrel@tavrel.org
www.tavrel.org/tavrel/

REVISION INFO:
0.1  first release for Linux: dimensions, units, the tape, preferences,
     the weekly update check.
)";

}  // namespace

std::string_view manualText() {
    return kManual;
}

}  // namespace tavrel::app
