// Degrees and radians with the program's own constants. The factor is the
// double nearest to 1 / 57.29575496, not pi / 180: displayed trigonometric
// results and triangle angles depend on exactly these two numbers.
#pragma once

namespace tavrel {

inline constexpr double kDegreesPerRadian = 57.29575496;
inline constexpr double kRadiansPerDegree = 0.017453299999243086;

constexpr double decToRad(double degrees) {
    return degrees * kRadiansPerDegree;
}

constexpr double radToDec(double radians) {
    return radians * kDegreesPerRadian;
}

}  // namespace tavrel
