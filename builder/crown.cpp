// Crown molding cut flat on a compound miter saw: the miter and bevel for a
// spring angle and a wall corner, both in degrees.
#include <cmath>

#include "builder/geometry.h"
#include "builder/tool_fields.h"

namespace tavrel::builder {

std::optional<Fault> computeCrown(const Inputs& in, Computed& out) {
    using namespace crown;
    const double s = radians(in[spring]);
    const double halfCorner = radians(in[corner]) / 2;
    out.set(miter, degrees(std::atan(std::sin(s) / std::tan(halfCorner))));
    out.set(bevel, degrees(std::asin(std::cos(s) * std::cos(halfCorner))));
    return std::nullopt;
}

}  // namespace tavrel::builder
