// The power rules of square, root and reciprocal, and the refusal of results
// without a finite value.
#include "functions/unary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

#include "functions/rad_dec.h"
#include "functions/trig.h"

namespace tavrel {
namespace {

enum class Fn { square, root, reciprocal };

struct PowerCase {
    const char* name;
    Fn fn;
    double m;
    const char* unit;
    int power;
    FunctionOutcome outcome;
    double resultM;
    int resultPower;
};

void PrintTo(const PowerCase& c, std::ostream* os) {
    *os << c.name;
}

class PowerRules : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerRules, OutcomeValueAndPower) {
    const PowerCase& c = GetParam();
    FunctionResult r;
    switch (c.fn) {
        case Fn::square:
            r = squareOf(c.m, c.unit, c.power);
            break;
        case Fn::root:
            r = rootOf(c.m, c.power);
            break;
        case Fn::reciprocal:
            r = reciprocalOf(c.m, c.unit, c.power);
            break;
    }
    EXPECT_EQ(r.outcome, c.outcome);
    if (c.outcome != FunctionOutcome::ok) return;
    EXPECT_DOUBLE_EQ(r.masterUnit, c.resultM);
    EXPECT_EQ(r.power, c.resultPower);
}

constexpr auto ok = FunctionOutcome::ok;
constexpr auto refused = FunctionOutcome::refused;
constexpr auto noValue = FunctionOutcome::noValue;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Functions, PowerRules, ::testing::Values(
    PowerCase{"SquareOfPlainKeepsPower", Fn::square, 3, "nu", 0, ok, 9, 0},
    PowerCase{"SquareOfLengthIsArea", Fn::square, 30.48, "ft", 1, ok, 929.0304, 2},
    PowerCase{"SquareOfAreaRefused", Fn::square, 4, "ft", 2, refused, 0, 0},
    PowerCase{"SquareOfVolumeRefused", Fn::square, 4, "me", 3, refused, 0, 0},
    PowerCase{"SquareOverflowHasNoValue", Fn::square, 1e200, "nu", 0, noValue, 0, 0},
    PowerCase{"RootOfAreaIsLength", Fn::root, 929.0304, "ft", 2, ok, 30.48, 1},
    PowerCase{"RootOfPlainStaysPlain", Fn::root, 16, "nu", 0, ok, 4, 0},
    PowerCase{"RootOfLengthRefused", Fn::root, 9, "ft", 1, refused, 0, 0},
    PowerCase{"RootOfVolumeRefused", Fn::root, 8, "ft", 3, refused, 0, 0},
    PowerCase{"RootOfNegativeHasNoValue", Fn::root, -4, "nu", 0, noValue, 0, 0},
    PowerCase{"ReciprocalOfPlain", Fn::reciprocal, 4, "NU", 0, ok, 0.25, 0},
    PowerCase{"ReciprocalOfLengthRefused", Fn::reciprocal, 4, "in", 1, refused, 0, 0},
    PowerCase{"ReciprocalOfZeroHasNoValue", Fn::reciprocal, 0, "nu", 0, noValue, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RadDec, TheProgramsOwnConstantsNotPi) {
    EXPECT_EQ(radToDec(1), 57.29575496);
    EXPECT_EQ(decToRad(1), 0.017453299999243086);
    EXPECT_NE(decToRad(180), std::numbers::pi);
    // The factor is the double nearest to the reciprocal of the degrees per radian.
    EXPECT_EQ(decToRad(1), 1 / 57.29575496);
}

TEST(Trig, SnapsOnlyStrictlyWithinATenThousandth) {
    EXPECT_EQ(snapToWhole(29.99999), 30.0);
    EXPECT_EQ(snapToWhole(-1.00005), -1.0);
    EXPECT_EQ(snapToWhole(2.0002), 2.0002);
    EXPECT_EQ(snapToWhole(0.5), 0.5);
    EXPECT_FALSE(std::isfinite(applyTrig(TrigFunction::sin, true, 2)));
    EXPECT_EQ(trigCaption(TrigFunction::cos, true), "acos");
}

}  // namespace
}  // namespace tavrel
