// Reading dimensions: each row is a text and what the parser must make of it.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "core/convert_unit.h"

namespace tavrel {
namespace {

struct ParseCase {
    const char* name;
    const char* input;
    const char* unit;
    int power;
    double master;
    int fractType;
    int beeps = 0;
    char separator = '.';
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, ReadsUnitPowerMasterAndPrecision) {
    const ParseCase& c = GetParam();
    int beeps = 0;
    CoreServices services{c.separator, [&] { ++beeps; }};
    ValueRef v = ConvertUnit(c.input, -1, "-1", -1, services);
    EXPECT_EQ(v->unit, c.unit);
    EXPECT_EQ(v->power, c.power);
    EXPECT_NEAR(v->masterUnit, c.master, 1e-9 * std::max(1.0, std::fabs(c.master)));
    EXPECT_EQ(v->fractType, c.fractType);
    EXPECT_EQ(beeps, c.beeps);
}

constexpr double kIn = 2.54, kFt = 30.48;
const std::string kManyNines(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Readings, ParseTable,
    ::testing::Values(
        ParseCase{"InchFraction", "55 1/2\"", "in", 1, 55.5 * kIn, 64},
        ParseCase{"InchDecimal", "55.5\"", "in", 1, 55.5 * kIn, 0},
        ParseCase{"FeetFractionIsDecimal", "100 1/2'", "ft", 1, 100.5 * kFt, 0},
        ParseCase{"FeetLetter", "100.5f", "ft", 1, 100.5 * kFt, 0},
        ParseCase{"FeetInchesSpace", "20' 6 1/2\"", "fi", 1, (20 + 6.5 / 12) * kFt, 64},
        ParseCase{"FeetInchesNoMark", "20'6 1/2", "fi", 1, (20 + 6.5 / 12) * kFt, 64},
        ParseCase{"FeetInchesHyphen", "20'-6 1/2\"", "fi", 1, (20 + 6.5 / 12) * kFt, 64},
        ParseCase{"FeetInchesWhole", "20'6", "fi", 1, 20.5 * kFt, 64},
        ParseCase{"FeetInchesWholeMark", "20' 6\"", "fi", 1, 20.5 * kFt, 64},
        ParseCase{"Yards", "20.5y", "yd", 1, 20.5 * 91.44, 0},
        ParseCase{"MilesFraction", "5 1/2e", "mi", 1, 5.5 * 160934.4, 0},
        ParseCase{"Millimetres", "35.5m", "mm", 1, 3.55, 0},
        ParseCase{"Centimetres", "13 1/4c", "cm", 1, 13.25, 0},
        ParseCase{"Metres", "25.125M", "me", 1, 2512.5, 0},
        ParseCase{"Kilometres", "7.5k", "km", 1, 750000, 0},
        ParseCase{"SquareBeforeMark", "10.125 sq m", "mm", 2, 0.10125, 0},
        ParseCase{"SquareAfterMark", "10.125m sq", "mm", 2, 0.10125, 0},
        ParseCase{"SquareFoot", "1' sq", "ft", 2, kFt* kFt, 0},
        ParseCase{"CubicYard", "1y cu", "yd", 3, 91.44 * 91.44 * 91.44, 0},
        ParseCase{"SquareUpperCase", "10' SQ", "ft", 2, 10 * kFt* kFt, 0},
        ParseCase{"SquareFeetInchesShownAsFeet", "1'4 1/2\" sq", "ft", 2, (1 + 4.5 / 12) * kFt* kFt,
                  0},
        ParseCase{"SquareFeetTickAfter", "10 sq'", "ft", 2, 10 * kFt* kFt, 0},
        ParseCase{"SquareFeetWordIsNoUnit", "10 sq ft", "false", 2, 0, 0},
        ParseCase{"NegativeInches", "-3 1/2\"", "in", 1, -3.5 * kIn, 64},
        ParseCase{"PlainNumber", "12", "nu", 0, 12, 0},
        ParseCase{"CubicSwallowsTheC", "5cu", "nu", 0, 5, 0},
        ParseCase{"OnlyLastGroupsRead", "1 2 3", "nu", 0, 3, 0},
        ParseCase{"DigitLeftOfInchesIsPlain", "5 6\"", "nu", 0, 6, 0},
        ParseCase{"ThirdOfInchIs100", "1/3\"", "in", 1, kIn / 3, 100},
        ParseCase{"HalfInchLeadingSpace", " 1/2\"", "in", 1, 0.5 * kIn, 64},
        ParseCase{"NegativeZeroFeet", "-0'-6\"", "fi", 1, -0.5 * kFt, 64},
        ParseCase{"NegativeFeetInches", "-5'-6 1/2\"", "fi", 1, -(5 + 6.5 / 12) * kFt, 64},
        ParseCase{"SpaceBeforeSlashNumerator", "1 /2", "nu", 0, 0.5, 0},
        ParseCase{"SpaceAfterSlashBreaks", "1/ 2", "false", 1, 2, 0},
        ParseCase{"SpacesAroundSlashBreak", "1 / 2", "false", 1, 2, 0},
        ParseCase{"UnknownMark", "5x", "false", 1, 0, 0},
        ParseCase{"UnknownMarkThenNumber", "5x3", "false", 1, 3, 0},
        ParseCase{"Empty", "", "false", 1, 0, 0}, ParseCase{"MinusAlone", "-", "", 1, 0, 0},
        ParseCase{"TrailingPoint", "5.", "nu", 0, 5, 0},
        ParseCase{"LeadingPoint", ".5", "nu", 0, 0.5, 0},
        ParseCase{"MasterRoundedToTenDecimals", "1/3c", "cm", 1, 0.3333333333, 0},
        ParseCase{"TwoPointsBeep", "1.2.3", "false", 1, 0, 0, 1},
        ParseCase{"FractionWithoutDenominatorBeeps", "3/", "nu", 0, 0, 0, 1},
        ParseCase{"TooManyDigitsBeep", kManyNines.c_str(), "nu", 0, 0, 0, 1},
        ParseCase{"CommaSeparator", "5,25m", "mm", 1, 0.525, 0, 0, ','},
        ParseCase{"OnlyFirstCommaReplaced", "1,5,5", "false", 1, 5, 0, 0, ','}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Parse, StartingPowerSurvivesAMarkButNotAPlainNumber) {
    CoreServices s;
    EXPECT_EQ(ConvertUnit("5'", 2, "-1", -1, s)->power, 2);
    EXPECT_EQ(ConvertUnit("5", 2, "-1", -1, s)->power, 0);
}

TEST(Parse, OverridesReplaceUnitAndPrecisionAfterTheMasterValue) {
    CoreServices s;
    ValueRef v = ConvertUnit("12\"", -1, "ft", -1, s);
    EXPECT_NEAR(v->masterUnit, 12 * kIn, 1e-9);
    EXPECT_EQ(v->valueString, "1.0'");
    ValueRef w = ConvertUnit("15.240c", 1, "fi", 16, s);
    EXPECT_EQ(w->valueString, "0'-6\"");
}

TEST(Parse, MemoryRebuildFromMasterCentimetres) {
    CoreServices s;
    ValueRef v = ConvertUnit("929.0304c", 2, "ft", 0, s);
    EXPECT_EQ(v->valueString, "1.0' sq");
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

// The fast rounding of master values must agree with writing the number with
// ten decimals and reading it back, at every magnitude and at exact halves.
TEST(MasterRounding, AgreesWithTheWrittenForm) {
    auto written = [](double v) {
        char buf[420];
        auto w = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 10);
        double out = 0;
        std::from_chars(buf, w.ptr, out, std::chars_format::fixed);
        return out;
    };
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 7);
    for (int i = 0; i < 200000; ++i) {
        double v = std::pow(10.0, exponent(rng)) * ((rng() & 1) ? -1 : 1);
        if (i % 4 == 0)
            v = std::ldexp(static_cast<double>(rng() % 100000), -static_cast<int>(rng() % 40));
        ASSERT_EQ(roundToTenDecimals(v), written(v)) << v;
    }
    for (double half :
         {std::ldexp(1.0, -11), 3 * std::ldexp(1.0, -11), 0.00048828125, 12345.00048828125})
        EXPECT_EQ(roundToTenDecimals(half), written(half)) << half;
}

}  // namespace
}  // namespace tavrel
