// Each function checks its power rule first, then computes; a result that is
// not a finite number is reported instead of returned, so no infinite or
// undefined value reaches a register.
#include "functions/unary.h"

#include <cmath>

#include "core/unit_table.h"

namespace tavrel {
namespace {

FunctionResult finite(double value, std::int32_t power) {
    if (!std::isfinite(value)) return {FunctionOutcome::noValue, 0, power};
    return {FunctionOutcome::ok, value, power};
}

}  // namespace

FunctionResult squareOf(double masterUnit, std::string_view unit, std::int32_t power) {
    if (!sameCode(unit, "nu")) {
        ++power;
        if (power > 2) return {FunctionOutcome::refused, masterUnit, power};
    }
    return finite(std::pow(masterUnit, 2), power);
}

FunctionResult rootOf(double masterUnit, std::int32_t power) {
    if (power == 1 || power == 3) return {FunctionOutcome::refused, masterUnit, power};
    return finite(std::sqrt(masterUnit), power == 2 ? 1 : power);
}

FunctionResult reciprocalOf(double masterUnit, std::string_view unit, std::int32_t power) {
    if (!sameCode(unit, "nu")) return {FunctionOutcome::refused, masterUnit, power};
    return finite(1 / masterUnit, power);
}

}  // namespace tavrel
