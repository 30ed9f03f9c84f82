// Layout and materials: squaring a slab or a frame by its diagonal, concrete
// by volume, lumber by the board foot, and the radius of an arch from its
// span and rise. Lengths in inches; board lengths arrive in inches too.
#include <algorithm>
#include <cmath>

#include "builder/geometry.h"
#include "builder/tool_fields.h"

namespace tavrel::builder {

std::optional<Fault> computeSquareup(const Inputs& in, Computed& out) {
    using namespace squareup;
    out.set(diagonal, std::hypot(in[length], in[width]));
    return std::nullopt;
}

std::optional<Fault> computeConcrete(const Inputs& in, Computed& out) {
    using namespace concrete;
    const double cubicFeet = in[length] * in[width] * in[depth] / 1728 * (1 + in[waste]);
    out.set(volume, cubicFeet);
    // Metric work orders in cubic metres; yards only for English lengths.
    if (!in.format.metric) out.set(yards, cubicFeet / 27);
    return std::nullopt;
}

std::optional<Fault> computeBoardfeet(const Inputs& in, Computed& out) {
    using namespace boardfeet;
    const double feetOfLength = in[length] / 12;
    const double total = in[thickness] * in[width] * feetOfLength / 12 * in[quantity];
    out.set(feet, total);
    if (in.has(price)) out.set(cost, total * in[price]);
    return std::nullopt;
}

std::optional<Fault> computeArc(const Inputs& in, Computed& out) {
    using namespace arc;
    const double chord = in[span];
    const double h = in[rise];
    if (h > chord / 2 + kTolerance) return Fault{"rise", "is more than half the span: no arc fits"};
    const double r = ((chord / 2) * (chord / 2) + h * h) / (2 * h);
    const double theta = 2 * std::asin(std::min(1.0, chord / (2 * r)));
    out.set(radius, r);
    out.set(angle, degrees(theta));
    out.set(length, r * theta);
    return std::nullopt;
}

}  // namespace tavrel::builder
