// Small helpers the compute functions share: degrees, and the slope factor
// of a pitch (rafter length per unit of run).
#pragma once

#include <cmath>
#include <numbers>

namespace tavrel::builder {

inline double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}
inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
// √(144 + p²) / 12: the length along a rafter of pitch p per unit of run.
inline double slopeFactor(double pitch) {
    return std::sqrt(144 + pitch * pitch) / 12;
}
// Comparisons against code limits tolerate what metric input leaves behind.
inline constexpr double kTolerance = 1e-6;

}  // namespace tavrel::builder
