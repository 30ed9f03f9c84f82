// Numbers as the preferences and the version file hold them: text in, the
// leading number out (0 when there is none), and a double out as the shortest
// text that reads back as the same double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel::app {

// The number the text begins with: optional blanks, a sign, digits with an
// optional point, an optional exponent. 0 when the text does not begin with a
// number; infinite when it overflows a double.
double leadingNumber(std::string_view text);

// The leading number as a 32-bit integer, fraction dropped, limited to the
// type's range (NaN reads as 0).
std::int32_t leadingInteger(std::string_view text);

// Plain decimal or exponent form, whichever is shorter; reads back exactly.
std::string numberText(double value);

}  // namespace tavrel::app
