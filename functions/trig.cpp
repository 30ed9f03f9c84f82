// One table row per key: its captions and its two functions in radians.
#include "functions/trig.h"

#include <array>
#include <cmath>

#include "functions/rad_dec.h"

namespace tavrel {
namespace {

struct TrigRow {
    TrigFunction f;
    std::string_view caption;
    std::string_view inverseCaption;
    double (*forward)(double);
    double (*inverse)(double);
};

// clang-format off
constexpr std::array<TrigRow, 3> kTrig{{
    {TrigFunction::sin, "sin", "asin", [](double r) { return std::sin(r); }, [](double x) { return std::asin(x); }},
    {TrigFunction::cos, "cos", "acos", [](double r) { return std::cos(r); }, [](double x) { return std::acos(x); }},
    {TrigFunction::tan, "tan", "atan", [](double r) { return std::tan(r); }, [](double x) { return std::atan(x); }},
}};
// clang-format on

const TrigRow& rowOf(TrigFunction f) {
    return kTrig[static_cast<std::size_t>(f)];
}

}  // namespace

std::string_view trigCaption(TrigFunction f, bool inverse) {
    return inverse ? rowOf(f).inverseCaption : rowOf(f).caption;
}

double applyTrig(TrigFunction f, bool inverse, double x) {
    const TrigRow& row = rowOf(f);
    return inverse ? radToDec(row.inverse(x)) : row.forward(decToRad(x));
}

double snapToWhole(double x) {
    const double whole = std::round(x);
    return std::fabs(x - whole) < 0.0001 ? whole : x;
}

}  // namespace tavrel
