// Square, square root and reciprocal of a value's master value, with the
// power rules that keep them dimension-aware: a length squares into an area,
// an area's root is a length, only plain numbers have a reciprocal. The keys
// of the calculator window read the display, call these and move the result
// through the registers; a refused or valueless result becomes an error there.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrel {

enum class FunctionOutcome {
    ok,
    refused,  // the power rules have no such value (the root of a length)
    noValue,  // the arithmetic gives no finite number (1/0, the root of -4)
};

struct FunctionResult {
    FunctionOutcome outcome = FunctionOutcome::ok;
    double masterUnit = 0;
    std::int32_t power = 0;
};

// A plain number keeps its power; anything else gains one, up to an area.
FunctionResult squareOf(double masterUnit, std::string_view unit, std::int32_t power);
// Plain numbers and areas only; an area's root is a length.
FunctionResult rootOf(double masterUnit, std::int32_t power);
// Values without a unit only.
FunctionResult reciprocalOf(double masterUnit, std::string_view unit, std::int32_t power);

}  // namespace tavrel
