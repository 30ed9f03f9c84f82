// The places of each tool's fields and results in its table row, for the
// compute functions. The table checks at compile time that every place
// names the field or result it says.
#pragma once

#include <cstddef>
#include <optional>

#include "builder/tool.h"

namespace tavrel::builder {

namespace stairs {
enum Field : std::size_t { rise, run, riser, tread, headroom, floor, width, prec };
enum Result : std::size_t {
    risers,
    riserHeight,
    treads,
    treadDepth,
    stringer,
    incline,
    opening,
    overunder
};
}  // namespace stairs

namespace rafter {
enum Field : std::size_t { pitch, run, span, overhang, prec };
enum Result : std::size_t { runOut, rise, length, perfoot, angle, complement, tail };
}  // namespace rafter

namespace hip {
enum Field : std::size_t { pitch, run, spacing, pitch2, prec };
enum Result : std::size_t { common, hipLength, angle, jacks, run2, common2, jacks2 };
}  // namespace hip

namespace squareup {
enum Field : std::size_t { length, width, prec };
enum Result : std::size_t { diagonal };
}  // namespace squareup

namespace concrete {
enum Field : std::size_t { length, width, depth, waste };
enum Result : std::size_t { volume, yards };
}  // namespace concrete

namespace boardfeet {
enum Field : std::size_t { thickness, width, length, quantity, price };
enum Result : std::size_t { feet, cost };
}  // namespace boardfeet

namespace rakewall {
enum Field : std::size_t { pitch, spacing, prec };
enum Result : std::size_t { increase };
}  // namespace rakewall

namespace roof {
enum Field : std::size_t { area, pitch, waste };
enum Result : std::size_t { roofArea, squares, order };
}  // namespace roof

namespace arc {
enum Field : std::size_t { span, rise, prec };
enum Result : std::size_t { radius, angle, length };
}  // namespace arc

namespace crown {
enum Field : std::size_t { spring, corner };
enum Result : std::size_t { miter, bevel };
}  // namespace crown

std::optional<Fault> computeStairs(const Inputs& in, Computed& out);
std::optional<Fault> computeRafter(const Inputs& in, Computed& out);
std::optional<Fault> computeHip(const Inputs& in, Computed& out);
std::optional<Fault> computeSquareup(const Inputs& in, Computed& out);
std::optional<Fault> computeConcrete(const Inputs& in, Computed& out);
std::optional<Fault> computeBoardfeet(const Inputs& in, Computed& out);
std::optional<Fault> computeRakewall(const Inputs& in, Computed& out);
std::optional<Fault> computeRoof(const Inputs& in, Computed& out);
std::optional<Fault> computeArc(const Inputs& in, Computed& out);
std::optional<Fault> computeCrown(const Inputs& in, Computed& out);

}  // namespace tavrel::builder
