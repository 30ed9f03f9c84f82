// Every solver rounds its result to hundredths (of a centimetre or a degree)
// except the diagonal from rise and run; the pitch solvers compute the pitch
// length from the already rounded angle so the two always agree.
#include "functions/triangle.h"

#include <cmath>

#include "core/unit_table.h"
#include "functions/rad_dec.h"

namespace tavrel {
namespace {

double angleOf(const TriangleLegs& t) {
    return decToRad(t.pitch.angle);
}

bool setLeg(mixedUnitCU& leg, double value, const std::string& unit) {
    if (!std::isfinite(value)) return false;
    leg.masterUnit = value;
    leg.unit = unit;
    return true;
}

bool setPitch(mixedUnitCU& pitch, double radians) {
    const double angle = chkTolerance(radToDec(radians));
    const double length = chkTolerance(std::tan(decToRad(angle)) * kPitchRunCm);
    if (!std::isfinite(angle) || !std::isfinite(length)) return false;
    pitch.angle = angle;
    pitch.masterUnit = length;
    return true;
}

double square(double x) {
    return std::pow(x, 2);
}

struct SelectionRow {
    TriSide a, b;
    std::array<TriSolver, 4> forKey;  // by TriSide of the key pressed
};

// clang-format off
constexpr std::array<SelectionRow, 6> kSelection{{
    {TriSide::pitch, TriSide::rise, {nullptr, nullptr, ruPiRi, diPiRi}},
    {TriSide::pitch, TriSide::run,  {nullptr, riPiRu, nullptr, diPiRu}},
    {TriSide::pitch, TriSide::diag, {nullptr, riPiDi, ruPiDi, nullptr}},
    {TriSide::rise,  TriSide::run,  {piRiRu, nullptr, nullptr, diRiRu}},
    {TriSide::rise,  TriSide::diag, {piRiDi, nullptr, ruRiDi, nullptr}},
    {TriSide::run,   TriSide::diag, {piRuDi, riRuDi, nullptr, nullptr}},
}};
// clang-format on

std::size_t slot(TriSide s) {
    return static_cast<std::size_t>(s);
}

}  // namespace

double chkTolerance(double x) {
    return std::round(x * 100) / 100;
}

bool ruPiRi(TriangleLegs& t) {
    return setLeg(t.run, chkTolerance(t.rise.masterUnit / std::tan(angleOf(t))), t.rise.unit);
}

bool diPiRi(TriangleLegs& t) {
    return setLeg(t.diag, chkTolerance(t.rise.masterUnit / std::sin(angleOf(t))), t.rise.unit);
}

bool riPiRu(TriangleLegs& t) {
    return setLeg(t.rise, chkTolerance(t.run.masterUnit * std::tan(angleOf(t))), t.run.unit);
}

bool diPiRu(TriangleLegs& t) {
    return setLeg(t.diag, chkTolerance(t.run.masterUnit / std::cos(angleOf(t))), t.run.unit);
}

bool riPiDi(TriangleLegs& t) {
    return setLeg(t.rise, chkTolerance(t.diag.masterUnit * std::sin(angleOf(t))), t.diag.unit);
}

bool ruPiDi(TriangleLegs& t) {
    return setLeg(t.run, chkTolerance(t.diag.masterUnit * std::cos(angleOf(t))), t.diag.unit);
}

bool piRiRu(TriangleLegs& t) {
    return setPitch(t.pitch, std::atan(t.rise.masterUnit / t.run.masterUnit));
}

bool piRiDi(TriangleLegs& t) {
    return setPitch(t.pitch, std::asin(t.rise.masterUnit / t.diag.masterUnit));
}

bool piRuDi(TriangleLegs& t) {
    return setPitch(t.pitch, std::acos(t.run.masterUnit / t.diag.masterUnit));
}

bool diRiRu(TriangleLegs& t) {
    const double d = std::sqrt(square(t.rise.masterUnit) + square(t.run.masterUnit));
    return setLeg(t.diag, d, t.runOrderIndex == 2 ? t.run.unit : t.rise.unit);
}

bool ruRiDi(TriangleLegs& t) {
    const double ru = std::sqrt(square(t.diag.masterUnit) - square(t.rise.masterUnit));
    return setLeg(t.run, chkTolerance(ru), t.rise.unit);
}

bool riRuDi(TriangleLegs& t) {
    const double ri = std::sqrt(square(t.diag.masterUnit) - square(t.run.masterUnit));
    return setLeg(t.rise, chkTolerance(ri), t.diag.unit);
}

TriSolver selectSolver(TriSide a, TriSide b, TriSide key) {
    for (const SelectionRow& row : kSelection)
        if ((row.a == a && row.b == b) || (row.a == b && row.b == a)) return row.forKey[slot(key)];
    return nullptr;
}

bool solveSide(TriSide key, const std::array<bool, 4>& known, TriangleLegs& legs) {
    bool ok = true;
    for (const SelectionRow& row : kSelection) {
        if (!known[slot(row.a)] || !known[slot(row.b)]) continue;
        if (TriSolver solver = row.forKey[slot(key)]) ok = solver(legs) && ok;
    }
    return ok;
}

void calcAngle(mixedUnitCU& pitch) {
    if (sameCode(pitch.unit, "nu")) {
        const double length = chkTolerance(std::tan(decToRad(pitch.masterUnit)) * kPitchRunCm);
        pitch.angle = pitch.masterUnit;
        pitch.masterUnit = length;
        pitch.unit = "nu";
    }
    if (sameCode(pitch.unit, "in")) {
        const double inchesPerFoot = (pitch.masterUnit / kCmPerInch) / kInchesPerFoot;
        pitch.angle = chkTolerance(radToDec(std::atan(inchesPerFoot)));
    }
    pitch.power = 1;
}

}  // namespace tavrel
