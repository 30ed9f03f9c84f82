// The trigonometric keys' arithmetic: sine, cosine and tangent of degrees and
// their inverses giving degrees, through rad_dec's constants, and the snap of
// results that lie within a ten-thousandth of a whole number.
#pragma once

#include <string_view>

namespace tavrel {

enum class TrigFunction { sin, cos, tan };

// The key's caption: "sin", "cos", "tan", or "asin", "acos", "atan" when inverse.
std::string_view trigCaption(TrigFunction f, bool inverse);

// f(degrees), or with inverse the angle in degrees whose f is x. Outside the
// inverse's domain (the arc sine of 2) the result is not a number; the window
// refuses it as a calculation error.
double applyTrig(TrigFunction f, bool inverse, double x);

// x, or the whole number nearest to it when closer than 0.0001.
double snapToWhole(double x);

}  // namespace tavrel
