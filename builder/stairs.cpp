// Stair layout: the riser count nearest the desired riser, the treads that
// share the run, stringer, incline, stairwell opening and the over/under
// left by rounding the riser as shown; then the residential code check.
#include <cmath>

#include "builder/geometry.h"
#include "builder/result_format.h"
#include "builder/tool_fields.h"

namespace tavrel::builder {
namespace {

// clang-format off
constexpr double kMaxRiser = 7.75;      // IRC R311.7.5.1
constexpr double kMinTread = 10;        // IRC R311.7.5.2
constexpr double kMinHeadroom = 80;     // IRC R311.7.2
constexpr double kMinWidth = 36;        // IRC R311.7.1
// clang-format on

void checkCode(const Inputs& in, double riser, double tread, Computed& out) {
    using namespace stairs;
    if (riser > kMaxRiser + kTolerance) out.checks.push_back({Rule::RiserHigh, riser, 0});
    if (tread < kMinTread - kTolerance) out.checks.push_back({Rule::TreadShort, tread, 0});
    if (in[headroom] < kMinHeadroom - kTolerance)
        out.checks.push_back({Rule::HeadroomLow, in[headroom], 0});
    if (in.has(width) && in[width] < kMinWidth - kTolerance)
        out.checks.push_back({Rule::WidthNarrow, in[width], 0});
    if (riser > kMaxRiser + kTolerance) {
        const double n = std::ceil(in[rise] / kMaxRiser - kTolerance);
        out.checks.push_back({Rule::Complying, in[rise] / n, static_cast<int>(n)});
    }
}

}  // namespace

std::optional<Fault> computeStairs(const Inputs& in, Computed& out) {
    using namespace stairs;
    const double total = in[rise];
    const double n = std::max(1.0, std::floor(total / in[riser] + 0.5));
    if (n > 1e6) return Fault{"riser", "gives more than a million risers"};
    const double height = total / n;
    double depth = in[tread];
    if (in.has(run)) {
        if (n < 2) return Fault{"run", "one riser has no treads to share the run"};
        depth = in[run] / (n - 1);
    }
    out.set(risers, n);
    out.set(riserHeight, height);
    out.set(treads, n - 1);
    out.set(treadDepth, depth);
    out.set(stringer, (n - 1) * std::hypot(height, depth));
    out.set(incline, degrees(std::atan(height / depth)));
    out.set(opening, (in[headroom] + in[stairs::floor]) * depth / height);
    out.set(overunder, total - n * shownLength(height, in.format));
    checkCode(in, height, depth, out);
    return std::nullopt;
}

}  // namespace tavrel::builder
