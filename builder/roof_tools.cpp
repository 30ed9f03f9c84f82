// Roof framing: common rafters, hips and valleys with their jacks, the rake
// wall's stud increase and the roof area to order. Lengths in inches, pitch
// in inches of rise per 12 of run.
#include <cmath>

#include "builder/geometry.h"
#include "builder/tool_fields.h"

namespace tavrel::builder {
namespace {

// A run of jacks gets no longer than this: beyond it the spacing is a typing slip.
constexpr std::size_t kMostJacks = 1000;

// Jack lengths L − k·step for k = 1, 2, … while positive.
bool jacksFrom(double longest, double step, std::vector<double>& out) {
    out.clear();
    for (double k = 1;; ++k) {
        const double length = longest - k * step;
        if (length <= kTolerance) return true;
        if (out.size() == kMostJacks) return false;
        out.push_back(length);
    }
}

}  // namespace

std::optional<Fault> computeRafter(const Inputs& in, Computed& out) {
    using namespace rafter;
    if (in.typed[run] && in.typed[span]) return Fault{"span", "give the run or the span, not both"};
    if (!in.has(run) && !in.has(span)) return Fault{"run", "missing (or give the span)"};
    const double r = in.has(run) ? in[run] : in[span] / 2;
    const double p = in[pitch];
    const double f = slopeFactor(p);
    const double angleDegrees = degrees(std::atan(p / 12));
    out.set(runOut, r);
    out.set(rise, r * p / 12);
    out.set(length, r * f);
    out.set(perfoot, 12 * f);
    out.set(angle, angleDegrees);
    out.set(complement, 90 - angleDegrees);
    out.set(tail, in[overhang] * f);
    return std::nullopt;
}

std::optional<Fault> computeHip(const Inputs& in, Computed& out) {
    using namespace hip;
    const double p1 = in[pitch];
    const double run1 = in[run];
    const double f1 = slopeFactor(p1);
    const double height = run1 * p1 / 12;
    const double common1 = run1 * f1;
    out.set(common, common1);
    if (!in.has(pitch2)) {
        const double plan = run1 * std::numbers::sqrt2;
        out.set(hipLength, run1 * std::sqrt(288 + p1 * p1) / 12);
        out.set(angle, degrees(std::atan(height / plan)));
        if (!jacksFrom(common1, in[spacing] * f1, out.values[jacks]))
            return Fault{"spacing", "gives more than 1000 jacks"};
        return std::nullopt;
    }
    // Irregular: the second side's run makes the same height at its pitch.
    // A jack's run shrinks by the spacing times the ratio of the two runs,
    // which is the spacing itself when both pitches agree.
    const double p2 = in[pitch2];
    const double runB = 12 * height / p2;
    const double f2 = slopeFactor(p2);
    const double plan = std::hypot(run1, runB);
    out.set(hipLength, std::hypot(plan, height));
    out.set(angle, degrees(std::atan(height / plan)));
    out.set(run2, runB);
    out.set(common2, runB * f2);
    if (!jacksFrom(common1, in[spacing] * (run1 / runB) * f1, out.values[jacks]) ||
        !jacksFrom(runB * f2, in[spacing] * (runB / run1) * f2, out.values[jacks2]))
        return Fault{"spacing", "gives more than 1000 jacks"};
    return std::nullopt;
}

std::optional<Fault> computeRakewall(const Inputs& in, Computed& out) {
    using namespace rakewall;
    out.set(increase, in[spacing] * in[pitch] / 12);
    return std::nullopt;
}

std::optional<Fault> computeRoof(const Inputs& in, Computed& out) {
    using namespace roof;
    const double p = in[pitch] / 12;
    const double surface = in[area] * std::sqrt(1 + p * p) * (1 + in[waste]);
    const double sq = surface / 100;
    out.set(roofArea, surface);
    out.set(squares, sq);
    out.set(order, std::ceil(sq - kTolerance));
    return std::nullopt;
}

}  // namespace tavrel::builder
