// Text -> value. ConvertUnit reads a dimension from the end of its text
// towards the start (unit mark, last number, optional fraction, then at most
// one more mark and number), computes the master value, applies the caller's
// unit and precision overrides and formats the value for display.
#pragma once

#include <string>
#include <string_view>

#include "core_services.h"
#include "mixed_unit.h"

namespace tavrel {

// power -1, unit "-1" and fractType -1 let the text decide.
ValueRef ConvertUnit(std::string_view input, int power, std::string_view unit, int fractType,
                     const CoreServices& services);

// The master value of a parsed text is kept to ten decimals: the value as
// written with at most ten decimal places and read back.
double roundToTenDecimals(double v);

}  // namespace tavrel
