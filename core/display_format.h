// Master value -> pieces -> text. convertGlobaltoLocalUnits splits the master
// value into the written pieces at the value's unit and precision and then
// calls display(), which writes valueString. Every text produced here reads
// back through ConvertUnit as the value it shows.
#pragma once

#include <string>

#include "mixed_unit.h"

namespace tavrel {

void convertGlobaltoLocalUnits(mixedUnitCU& value, char decimalSeparator = '.');

// The denominator chosen for a fractional part 0 <= x < 1 at fraction type F.
int chooseDenominator(double x, int fractType);

// A non-negative number in plain digits with `decimals` places, trailing
// zeros after the first decimal dropped ("5.0", "383.38125").
std::string formatDecimal(double magnitude, int decimals, char decimalSeparator = '.');

// How many decimals a decimal display of this magnitude in this unit and
// power may show so that the text reads back as itself (1 to 10).
int decimalPlaces(double magnitude, const std::string& unit, int power);

}  // namespace tavrel
