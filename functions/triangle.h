// The right-triangle solver: pitch, rise, run and diagonal, any two stored,
// the others solved. Sides are dimension values in master units
// (centimetres); the pitch leg keeps its angle in degrees in `angle` and its
// pitch length (the rise over a 12-inch run) as its master value. The
// window's triangle keys own the legs; this module holds the arithmetic, the
// selection table and the completion of a typed pitch.
#pragma once

#include <array>
#include <cstdint>

#include "core/mixed_unit.h"

namespace tavrel {

// In the keys' slot order: bbtPitch, bbtRise, bbtRun, bbtDiag.
enum class TriSide { pitch, rise, run, diag };

inline constexpr double kPitchRunCm = 30.48;  // the 12-inch run a pitch length refers to
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kInchesPerFoot = 12;

struct TriangleLegs {
    mixedUnitCU& pitch;
    mixedUnitCU& rise;
    mixedUnitCU& run;
    mixedUnitCU& diag;
    std::int32_t runOrderIndex;  // the diagonal takes the run's unit when the run was stored last
};

// A solver writes only the leg it solves for. When its result is not a finite
// number (a diagonal shorter than the rise, a pitch of 0 degrees) it writes
// nothing and returns false.
using TriSolver = bool (*)(TriangleLegs&);

// Named result first, then the two given sides.
bool diPiRu(TriangleLegs& t);
bool diPiRi(TriangleLegs& t);
bool ruPiRi(TriangleLegs& t);
bool riPiRu(TriangleLegs& t);
bool ruPiDi(TriangleLegs& t);
bool riPiDi(TriangleLegs& t);
bool piRiRu(TriangleLegs& t);
bool diRiRu(TriangleLegs& t);
bool piRiDi(TriangleLegs& t);
bool ruRiDi(TriangleLegs& t);
bool piRuDi(TriangleLegs& t);
bool riRuDi(TriangleLegs& t);

// x rounded to hundredths (halves away from zero).
double chkTolerance(double x);

// The solver for `key` when `a` and `b` are the known pair; nullptr when the
// key's own side is one of them.
TriSolver selectSolver(TriSide a, TriSide b, TriSide key);

// Runs, for each pair of known sides in table order, the solver it gives for
// `key`. False when a solver had no finite result.
bool solveSide(TriSide key, const std::array<bool, 4>& known, TriangleLegs& legs);

// Completes a typed pitch: degrees (unit "nu") get their pitch length, inches
// of rise per foot (unit "in") their angle; any other unit gets no angle.
void calcAngle(mixedUnitCU& pitch);

}  // namespace tavrel
