// The solver selection table, the rounding to hundredths, the completion of a
// typed pitch, and solvers that find no finite side leaving their leg alone.
#include "functions/triangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace tavrel {
namespace {

struct SelectionCase {
    const char* name;
    TriSide a, b, key;
    TriSolver solver;
};

void PrintTo(const SelectionCase& c, std::ostream* os) {
    *os << c.name;
}

class Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, EitherOrderOfThePairGivesTheSameSolver) {
    const SelectionCase& c = GetParam();
    EXPECT_EQ(selectSolver(c.a, c.b, c.key), c.solver);
    EXPECT_EQ(selectSolver(c.b, c.a, c.key), c.solver);
}

using S = TriSide;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Triangle, Selection, ::testing::Values(
    SelectionCase{"PitchRiseForRun", S::pitch, S::rise, S::run, ruPiRi},
    SelectionCase{"PitchRiseForDiag", S::pitch, S::rise, S::diag, diPiRi},
    SelectionCase{"PitchRiseForRiseNone", S::pitch, S::rise, S::rise, nullptr},
    SelectionCase{"PitchRunForRise", S::pitch, S::run, S::rise, riPiRu},
    SelectionCase{"PitchRunForDiag", S::pitch, S::run, S::diag, diPiRu},
    SelectionCase{"PitchDiagForRise", S::pitch, S::diag, S::rise, riPiDi},
    SelectionCase{"PitchDiagForRun", S::pitch, S::diag, S::run, ruPiDi},
    SelectionCase{"PitchDiagForPitchNone", S::pitch, S::diag, S::pitch, nullptr},
    SelectionCase{"RiseRunForPitch", S::rise, S::run, S::pitch, piRiRu},
    SelectionCase{"RiseRunForDiag", S::rise, S::run, S::diag, diRiRu},
    SelectionCase{"RiseDiagForPitch", S::rise, S::diag, S::pitch, piRiDi},
    SelectionCase{"RiseDiagForRun", S::rise, S::diag, S::run, ruRiDi},
    SelectionCase{"RunDiagForPitch", S::run, S::diag, S::pitch, piRuDi},
    SelectionCase{"RunDiagForRise", S::run, S::diag, S::rise, riRuDi},
    SelectionCase{"RunDiagForDiagNone", S::run, S::diag, S::diag, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Legs : ::testing::Test {
    mixedUnitCU pitch, rise, run, diag;
    TriangleLegs legs{pitch, rise, run, diag, 0};
    void side(mixedUnitCU& leg, double cm, const char* unit) {
        leg.masterUnit = cm;
        leg.unit = unit;
    }
};

TEST_F(Legs, RoundsToHundredthsHalvesAwayFromZero) {
    EXPECT_EQ(chkTolerance(0.125), 0.13);
    EXPECT_EQ(chkTolerance(-0.125), -0.13);
    EXPECT_EQ(chkTolerance(91.44033), 91.44);
}

TEST_F(Legs, PitchFromRiseAndRunAgreesWithItsRoundedAngle) {
    side(rise, 91.44, "ft");
    side(run, 121.92, "ft");
    pitch.unit = "in";
    ASSERT_TRUE(piRiRu(legs));
    EXPECT_EQ(pitch.angle, 36.87);
    EXPECT_EQ(pitch.masterUnit, 22.86);  // 9 inches in 12
    EXPECT_EQ(pitch.unit, "in");         // the pitch solvers leave the unit alone
}

TEST_F(Legs, DiagonalFromRiseAndRunIsNotRoundedAndTakesTheNewerUnit) {
    side(rise, 1, "in");
    side(run, 1, "ft");
    legs.runOrderIndex = 1;
    ASSERT_TRUE(diRiRu(legs));
    EXPECT_EQ(diag.masterUnit, std::sqrt(2.0));
    EXPECT_EQ(diag.unit, "in");
    TriangleLegs runLast{pitch, rise, run, diag, 2};
    ASSERT_TRUE(diRiRu(runLast));
    EXPECT_EQ(diag.unit, "ft");
}

TEST_F(Legs, NoFiniteSideLeavesTheLegAlone) {
    side(rise, 152.4, "ft");
    side(diag, 91.44, "ft");
    side(run, 7, "me");
    EXPECT_FALSE(ruRiDi(legs));  // a diagonal shorter than the rise
    EXPECT_EQ(run.masterUnit, 7);
    EXPECT_EQ(run.unit, "me");
    pitch.angle = 12;
    EXPECT_FALSE(piRiDi(legs));
    EXPECT_EQ(pitch.angle, 12);
    pitch.angle = 0;
    EXPECT_FALSE(ruPiRi(legs));  // a flat pitch never reaches the rise
    EXPECT_EQ(run.masterUnit, 7);
    const std::array<bool, 4> known{true, true, false, false};
    EXPECT_FALSE(solveSide(TriSide::run, known, legs));
}

TEST_F(Legs, CalcAngleCompletesInchesAndDegreesOnly) {
    side(pitch, 22.86, "in");
    calcAngle(pitch);
    EXPECT_EQ(pitch.angle, 36.87);
    EXPECT_EQ(pitch.masterUnit, 22.86);
    side(pitch, 45, "nu");
    calcAngle(pitch);
    EXPECT_EQ(pitch.angle, 45);
    EXPECT_EQ(pitch.masterUnit, 30.48);
    EXPECT_EQ(pitch.power, 1);
    side(pitch, 30.48, "ft");
    calcAngle(pitch);
    EXPECT_EQ(pitch.angle, 45);  // no new angle
}

}  // namespace
}  // namespace tavrel
